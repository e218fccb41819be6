#pragma once

// Texts that both the resource script's string table and the code use, kept
// once here; plain macros because the resource compiler reads this file too.

#define PAVANE_TEXT_LAUNCH_FAILED "ZSNES Launch failed!\n\nError code: %d"
