#pragma once

#include <windows.h>

#include <utility>

namespace pavane::win {

// Owns one system handle and releases it with Traits::Close. Borrowed handles
// are plain HWND/HDC values; only owners use this type.
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return Traits::IsValid(handle_); }

  Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
  void Reset(Handle handle = Traits::Invalid()) {
    if (Traits::IsValid(handle_)) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

template <class H, BOOL(WINAPI* CloseFn)(H)>
struct NullTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { CloseFn(h); }
};

// CreateFile reports failure as INVALID_HANDLE_VALUE, everything else as null.
struct FileTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) { CloseHandle(h); }
};

struct FindTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { FindClose(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};

// A GDI object of one type; all go with DeleteObject.
template <class H>
struct GdiTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};

using UniqueFile = UniqueHandle<FileTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueKernelHandle = UniqueHandle<NullTraits<HANDLE, CloseHandle>>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueBrush = UniqueHandle<GdiTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiTraits<HPEN>>;
using UniqueFont = UniqueHandle<GdiTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiTraits<HBITMAP>>;
using UniqueRegion = UniqueHandle<GdiTraits<HRGN>>;
using UniqueMenu = UniqueHandle<NullTraits<HMENU, DestroyMenu>>;
using UniqueWindow = UniqueHandle<NullTraits<HWND, DestroyWindow>>;
using UniqueIcon = UniqueHandle<NullTraits<HICON, DestroyIcon>>;
using UniqueAccelerators = UniqueHandle<NullTraits<HACCEL, DestroyAcceleratorTable>>;
using UniqueMemoryDC = UniqueHandle<NullTraits<HDC, DeleteDC>>;

// A DC of a window that is given back with ReleaseDC, for one scope: of its
// client area (GetDC) or of the whole window, frame included (GetWindowDC).
template <HDC(WINAPI* Take)(HWND)>
class ReleasedDC {
 public:
  explicit ReleasedDC(HWND window) : window_(window), dc_(Take(window)) {}
  ReleasedDC(const ReleasedDC&) = delete;
  ReleasedDC& operator=(const ReleasedDC&) = delete;
  ~ReleasedDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
using WindowDC = ReleasedDC<GetDC>;
using WholeWindowDC = ReleasedDC<GetWindowDC>;

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { EndPaint(window_, &paint_); }
  HDC Get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// SelectObject for one scope; the previous object comes back on exit.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace pavane::win
