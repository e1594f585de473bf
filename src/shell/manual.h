// The program's manual, opened from the application menu in the desktop's reader.
#pragma once

#include <string>

// Where the manual is looked for: beside the quick-start script. Its menu item is offered only while the
// file is there.
std::string ManualPath();
