#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pavane::forms {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Question, Error, Information };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest {
  std::string text;
  std::string caption;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  bool defaultNo = false;  // No as the default button
};

struct FileDialogRequest {
  std::string title;
  std::string filter;            // "Name|*.a;*.b|All files|*.*"
  std::string defaultExtension;  // without the dot; empty: none
  std::string initialDirectory;
  std::string fileName;
  bool mustExist = false;        // open: path and file must exist
  bool promptOverwrite = false;  // save: ask before replacing a file
};

// An input box: the prompt over a one-line edit that starts with `text`, OK
// and Cancel.
struct InputRequest {
  std::string caption;
  std::string prompt;
  std::string text;
};

// Every question, message, input box and file dialog of the program goes through this
// seam, so a test can answer them from a script and see what was asked.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer Show(const MessageRequest& request) = 0;
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  // The open dialog with several files chosen at once: their full paths in the
  // order the dialog reports them; none when the user cancelled.
  virtual std::vector<std::string> OpenFiles(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
  // The folder browser; `startFolder` is selected when it opens.
  virtual std::optional<std::string> BrowseFolder(const std::string& title, const std::string& startFolder) = 0;
  // The text as the user left it on OK; nothing on Cancel or the close box.
  virtual std::optional<std::string> InputBox(const InputRequest& request) = 0;
};

}  // namespace pavane::forms
