#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/form_view.h"
#include "locate/drive_search.h"
#include "locate/search_system.h"

namespace pavane {

// The "Automatic Search" dialog: walks a drive for ZSNES.EXE and offers the
// copies found. The found list lives as long as the dialog; every search
// adds to it.
class TSearchDialog : private SearchProgress {
 public:
  TSearchDialog(forms::FormHost& host, forms::FormView* owner, SearchSystem& system);

  // The directory of the find chosen with "Select", with its trailing "\";
  // nothing on Cancel.
  std::optional<std::string> Execute();

  forms::FormView& Window() { return *window_; }

  void StartBtnClick();
  // Walks the drive chosen in the picker for `fileName` and shows the result.
  void SearchDrive(std::string_view fileName);

 private:
  forms::HandlerTable Handlers();
  void FillDrives();
  // SearchProgress
  void Entering(const std::string& directory) override;
  void Found(const std::string& path) override;
  void DirectoryDone() override;

  SearchSystem& system_;
  std::unique_ptr<forms::FormView> window_;
};

// The location dialog's automatic search: the search dialog over `owner`.
std::optional<std::string> RunSearchDialog(forms::FormHost& host, forms::FormView& owner, SearchSystem& system);

}  // namespace pavane
