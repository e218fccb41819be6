#pragma once

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <utility>

#include "win32/late_bound_win.h"

namespace pavane::widgets {

// One reference to a COM object, released at the end.
template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (object_) object_->Release();
  }
  Interface* Get() const { return object_; }
  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // For the functions that hand out a new reference.
  Interface** Out() { return &object_; }

 private:
  Interface* object_ = nullptr;
};

// An item identifier list the shell handed out, freed with the shell's
// allocator (which must outlive it).
class ItemIdList {
 public:
  explicit ItemIdList(IMalloc& allocator, LPITEMIDLIST list = nullptr) : allocator_(allocator), list_(list) {}
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  ~ItemIdList() { Reset(); }
  LPITEMIDLIST Get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  LPITEMIDLIST* Out() {
    Reset();
    return &list_;
  }
  void Reset(LPITEMIDLIST list = nullptr) {
    if (list_) allocator_.Free(list_);
    list_ = list;
  }

 private:
  IMalloc& allocator_;
  LPITEMIDLIST list_;
};

// COM for the calling thread while it lives, when it was not there already.
class ComApartment {
 public:
  ComApartment() : started_(SUCCEEDED(win::late::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (started_) win::late::CoUninitialize();
  }

 private:
  bool started_;
};

}  // namespace pavane::widgets
