#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/prompter.h"

namespace pavane::test {

// Answers questions and the folder browser from a script and keeps what was asked.
class ScriptedPrompter : public forms::Prompter {
 public:
  std::deque<forms::Answer> answers;
  std::deque<std::optional<std::string>> folders;
  std::vector<forms::MessageRequest> asked;
  std::vector<std::pair<std::string, std::string>> browsed;  // title, start folder

  forms::Answer Show(const forms::MessageRequest& request) override {
    asked.push_back(request);
    if (answers.empty()) {
      ADD_FAILURE() << "unscripted question: " << request.text;
      return forms::Answer::Cancel;
    }
    const forms::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::optional<std::string> OpenFile(const forms::FileDialogRequest& request) override {
    ADD_FAILURE() << "unexpected open dialog: " << request.title;
    return std::nullopt;
  }

  std::optional<std::string> SaveFile(const forms::FileDialogRequest& request) override {
    ADD_FAILURE() << "unexpected save dialog: " << request.title;
    return std::nullopt;
  }

  std::optional<std::string> BrowseFolder(const std::string& title, const std::string& startFolder) override {
    browsed.emplace_back(title, startFolder);
    if (folders.empty()) {
      ADD_FAILURE() << "unscripted folder browser";
      return std::nullopt;
    }
    std::optional<std::string> folder = folders.front();
    folders.pop_front();
    return folder;
  }
};

}  // namespace pavane::test
