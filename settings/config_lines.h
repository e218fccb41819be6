#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace pavane {

struct ConfigBytes;

// The text lines of the last ZSNES.CFG (or text template) read, without line
// ends. A large file has millions of lines of which a save changes a few: the
// lines read stay views of the file's bytes, and only the lines written are
// held on their own.
class ConfigLines {
 public:
  ConfigLines() = default;
  ConfigLines(std::initializer_list<std::string_view> lines);

  std::size_t size() const { return ReadCount() + appended_.size(); }
  bool empty() const { return size() == 0; }
  std::string_view operator[](std::size_t index) const;
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }

  // Walks the lines as texts, for range loops and the standard algorithms.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    Iterator() = default;
    Iterator(const ConfigLines* lines, std::size_t index) : lines_(lines), index_(index) {}
    std::string_view operator*() const { return (*lines_)[index_]; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++index_;
      return before;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    const ConfigLines* lines_ = nullptr;
    std::size_t index_ = 0;
  };
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size()}; }

  void Replace(std::size_t index, std::string line);
  void Append(std::string line);

  // The line's first byte above a blank (blanks and control characters are
  // 32 and below), upper-cased if it is a letter a to z; 0 when there is
  // none. Cheaper than the line itself: the line's end is not looked for.
  char FirstVisibleUpper(std::size_t index) const;

  friend bool operator==(const ConfigLines& left, const ConfigLines& right);

 private:
  friend ConfigLines ConfigLinesFromBytes(std::string bytes);
  friend ConfigBytes ConfigLinesAsPieces(const ConfigLines& lines);

  // Where each line read begins in the bytes read, then where the bytes end:
  // four bytes a line, as a large file has millions. A line ends where the
  // next begins, less its line end. A line replaced keeps its place, marked
  // so that reading the others needs no lookup in replaced_, which holds its
  // text; lines appended follow the lines read.
  static constexpr std::uint32_t kReplaced = 0x80000000u;
  std::size_t ReadCount() const { return starts_.empty() ? 0 : starts_.size() - 1; }
  bool IsReplaced(std::size_t index) const { return (starts_[index] & kReplaced) != 0; }
  std::size_t StartOf(std::size_t index) const { return starts_[index] & ~kReplaced; }
  // A line read as it was read, without its line end.
  std::string_view ReadLine(std::size_t index) const;

  std::shared_ptr<const std::string> bytes_;
  std::vector<std::uint32_t> starts_;
  // Every line read ends in CR LF, as a save writes it: the lines not
  // replaced go out as runs of the bytes read without being looked at.
  bool readEndsInCrLf_ = false;
  std::map<std::size_t, std::string> replaced_;
  std::vector<std::string> appended_;
};

// Splits file bytes into lines at CR LF, a lone CR or a lone LF. Every other
// byte, a NUL too, belongs to its line and is written back as it was.
ConfigLines ConfigLinesFromBytes(std::string bytes);

// The bytes of the lines, each followed by CR LF, as pieces to be written
// one after the other. Runs of lines read that already end in CR LF are
// pieces of the bytes read, so saving a large file copies only the lines
// that changed or lacked the line end; the rest is in `copied`. The pieces
// are valid while `copied` and the lines are.
struct ConfigBytes {
  std::string copied;
  std::vector<std::string_view> pieces;
};
ConfigBytes ConfigLinesAsPieces(const ConfigLines& lines);

// Every line followed by CR LF; no lines give no bytes.
std::string ConfigLinesToBytes(const ConfigLines& lines);

// The value of the first line whose trimmed, upper-cased text begins with the
// key, in capitals; the default when no line matches. Comments (";") and empty
// lines never match.
std::string ReadConfigValue(const ConfigLines& lines, std::string_view key, std::string_view defaultText);

// The key's value read as an integer, keeping its low eight bits; the default
// when the key is missing or its value is unreadable.
std::uint8_t ReadConfigInteger(const ConfigLines& lines, std::string_view key, int defaultValue);

// Replaces the key's line in place with "key = value", or appends that line.
void WriteConfigValue(ConfigLines& lines, std::string_view key, std::string_view value);

// Fills the 21 option fields from the lines; ZSnesCmdLine is not touched.
void ReadSettingsFromConfig(const ConfigLines& lines, Settings& settings);

// Writes the 21 option fields into the lines, in file order.
void WriteSettingsToConfig(const Settings& settings, ConfigLines& lines);

}  // namespace pavane
