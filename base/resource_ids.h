#pragma once

// Resource numbers shared by the resource script and the code; plain macros
// because the resource compiler reads this file too.

#define IDI_APP 1
#define IDI_DISPLAY_PAGE 101
#define IDI_INPUT_PAGE 102
#define IDI_SOUND_PAGE 103
#define IDI_LOCATION 104

// The drive picker's pictures, one per drive type.
#define IDI_DRIVE_FIXED 111
#define IDI_DRIVE_REMOVABLE 112
#define IDI_DRIVE_REMOTE 113
#define IDI_DRIVE_CDROM 114
#define IDI_DRIVE_RAM 115

#define IDB_OPEN 201
#define IDB_RUN 204
#define IDB_FAVORITES 207
#define IDB_ABOUT_BANNER 301
#define IDB_ABOUT_GLYPH 302
#define IDB_CONTROLLER 401

// The string table's numbers and texts.
#include "base/message_texts.h"
