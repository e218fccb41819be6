#pragma once

// The numbered texts the program shows. Plain macros, because the resource
// compiler builds the string table from this same file; the code formats them
// with FormatText.

#define IDS_APP_TITLE 100
#define IDS_DELETE_REGISTRY 501
#define IDS_CREATE_DIRECTORY 1002
#define IDS_DIRECTORY_NOT_CREATED 1003
#define IDS_CREATE_FILE 1004
#define IDS_OVERWRITE_FILE 1005
#define IDS_BAD_SCANCODE 2001
#define IDS_LOAD_ROM_SETTINGS 3001
#define IDS_NEWER_TEMPLATE 3002
#define IDS_LAUNCH_FAILED 4001

#define TEXT_APP_TITLE "Pavane"
#define TEXT_DELETE_REGISTRY "Delete Pavane Registry keys?"
#define TEXT_CREATE_DIRECTORY "The directory '%s' does not exist.\n\n Do you want to create it?"
#define TEXT_DIRECTORY_NOT_CREATED "The directory '%s' could not be created."
#define TEXT_CREATE_FILE "The file '%s' does not exist.\n\nDo you want to create it?"
#define TEXT_OVERWRITE_FILE "The file '%s' already exists.\n\n Do you want to overwrite it?"
#define TEXT_BAD_SCANCODE "'%s' is not a valid scancode number."
#define TEXT_LOAD_ROM_SETTINGS "A '%s' file has been detected.\n\nDo you want to load it?"
#define TEXT_NEWER_TEMPLATE \
  "File Version: %d.%d\n\nThis file was created using a higher version of Pavane. Load anyway?"
#define TEXT_LAUNCH_FAILED "ZSNES Launch failed!\n\nError code: %d"
// Texts of the program's own, without a number in the string table.
#define TEXT_UNUSABLE_NAME                                                                                      \
  "The name '%s' cannot be used: it has letters that this system's code page does not hold, and no short name " \
  "that does.\n\nRename it with letters of the system's language, or choose another."
#define TEXT_PATH_TOO_LONG \
  "The path '%s' is too long.\n\nWindows programs take paths of up to 259 characters: choose a shorter one."

#ifdef __cplusplus
#include <string>
#include <string_view>

namespace pavane {

// Puts `argument` in place of the first "%s" of the pattern.
std::string FormatText(std::string_view pattern, std::string_view argument);

// Puts the numbers in place of the "%d" placeholders, in order.
std::string FormatText(std::string_view pattern, int first, int second = 0);

}  // namespace pavane
#endif
