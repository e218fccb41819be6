#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "forms/prompter.h"

namespace pavane::testing {

// A Prompter for tests: answers from a script given beforehand, in order, and
// records every request. A request the script does not foresee (none left, or
// an answer of the wrong kind) fails the test and gets Cancel / no path.
class ScriptedPrompter : public forms::Prompter {
 public:
  enum class Kind { Message, OpenFile, OpenFiles, SaveFile, BrowseFolder, Input };

  struct Request {
    Kind kind = Kind::Message;
    forms::MessageRequest message;  // Kind::Message
    forms::FileDialogRequest file;  // the file dialogs; the folder browser's title and start folder
                                    // are in file.title and file.initialDirectory
    forms::InputRequest input;      // Kind::Input
  };

  // Script: the answer to the next message box, file dialog or folder browser.
  ScriptedPrompter& Answer(forms::Answer answer) {
    script_.push_back({.kind = Kind::Message, .answer = answer});
    return *this;
  }
  ScriptedPrompter& OpenAnswer(std::optional<std::string> path) {
    script_.push_back({.kind = Kind::OpenFile, .chosen = path.has_value(), .path = path.value_or("")});
    return *this;
  }
  // The files chosen at once in the open dialog; none: Cancel.
  ScriptedPrompter& OpenFilesAnswer(std::vector<std::string> paths) {
    script_.push_back({.kind = Kind::OpenFiles, .paths = std::move(paths)});
    return *this;
  }
  ScriptedPrompter& SaveAnswer(std::optional<std::string> path) {
    script_.push_back({.kind = Kind::SaveFile, .chosen = path.has_value(), .path = path.value_or("")});
    return *this;
  }
  ScriptedPrompter& FolderAnswer(std::optional<std::string> folder) {
    script_.push_back({.kind = Kind::BrowseFolder, .chosen = folder.has_value(), .path = folder.value_or("")});
    return *this;
  }

  // The text typed into the next input box before OK; none: Cancel.
  ScriptedPrompter& InputAnswer(std::optional<std::string> text) {
    script_.push_back({.kind = Kind::Input, .chosen = text.has_value(), .path = text.value_or("")});
    return *this;
  }

  const std::vector<Request>& Requests() const { return requests_; }
  // The texts of the message boxes shown, in order.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& request : requests_) {
      if (request.kind == Kind::Message) texts.push_back(request.message.text);
    }
    return texts;
  }
  bool ScriptUsedUp() const { return script_.empty(); }

  forms::Answer Show(const forms::MessageRequest& request) override {
    requests_.push_back({.kind = Kind::Message, .message = request});
    if (script_.empty() || script_.front().kind != Kind::Message) {
      ADD_FAILURE() << "unexpected message box: \"" << request.text << "\" (caption \"" << request.caption << "\")"
                    << (script_.empty() ? ", the script is used up" : ", the script expected a file dialog");
      return forms::Answer::Cancel;
    }
    const auto answer = script_.front().answer;
    script_.pop_front();
    return answer;
  }

  std::optional<std::string> OpenFile(const forms::FileDialogRequest& request) override {
    return PathFor(Kind::OpenFile, request);
  }
  std::vector<std::string> OpenFiles(const forms::FileDialogRequest& request) override {
    if (!Expect(Kind::OpenFiles, request)) return {};
    std::vector<std::string> paths = std::move(script_.front().paths);
    script_.pop_front();
    return paths;
  }
  std::optional<std::string> SaveFile(const forms::FileDialogRequest& request) override {
    return PathFor(Kind::SaveFile, request);
  }
  std::optional<std::string> BrowseFolder(const std::string& title, const std::string& startFolder) override {
    forms::FileDialogRequest request;
    request.title = title;
    request.initialDirectory = startFolder;
    return PathFor(Kind::BrowseFolder, request);
  }
  std::optional<std::string> InputBox(const forms::InputRequest& request) override {
    requests_.push_back({.kind = Kind::Input, .input = request});
    if (script_.empty() || script_.front().kind != Kind::Input) {
      ADD_FAILURE() << "unexpected input box \"" << request.caption << "\""
                    << (script_.empty() ? ", the script is used up" : ", the script expected something else");
      return std::nullopt;
    }
    return TakePath();
  }

 private:
  // One scripted answer: a button for a message box; for the dialogs the chosen
  // path or the text typed, or none (Cancel).
  struct Scripted {
    Kind kind = Kind::Message;
    forms::Answer answer = forms::Answer::Cancel;
    bool chosen = false;
    std::string path;
    std::vector<std::string> paths;  // Kind::OpenFiles
  };

  static const char* NameOf(Kind kind) {
    switch (kind) {
      case Kind::Message:
        return "message box";
      case Kind::OpenFile:
        return "open dialog";
      case Kind::OpenFiles:
        return "open dialog for several files";
      case Kind::SaveFile:
        return "save dialog";
      case Kind::BrowseFolder:
        return "folder browser";
      case Kind::Input:
        return "input box";
    }
    return "?";
  }

  // Records the request; false, and a failure, when the script's next answer is for something else.
  bool Expect(Kind kind, const forms::FileDialogRequest& request) {
    requests_.push_back({.kind = kind, .file = request});
    if (script_.empty() || script_.front().kind != kind) {
      ADD_FAILURE() << "unexpected " << NameOf(kind) << " \"" << request.title << "\""
                    << (script_.empty() ? ", the script is used up" : ", the script expected something else");
      return false;
    }
    return true;
  }

  std::optional<std::string> PathFor(Kind kind, const forms::FileDialogRequest& request) {
    if (!Expect(kind, request)) return std::nullopt;
    return TakePath();
  }

  // The next answer's path or text; none when it was Cancel.
  std::optional<std::string> TakePath() {
    std::optional<std::string> path;
    if (script_.front().chosen) path = script_.front().path;
    script_.pop_front();
    return path;
  }

  std::deque<Scripted> script_;
  std::vector<Request> requests_;
};

}  // namespace pavane::testing
