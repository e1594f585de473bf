// Putting the globals of the macros back to the values they hold when the program starts.
#pragma once

// Every plain value (flags, counts, rectangles, colours, names) returns to its start value. Windows,
// worlds and handles are left alone: the code that opens them closes them.
void ResetMacroGlobals();
