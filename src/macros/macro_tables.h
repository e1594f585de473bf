// The macro language's command table and the compiler's name tables, as the keyword look-up reads them.
#pragma once

#include "platform/types.h"

// 64-byte command records: the command's name as a length-prefixed string at the start and a
// four-character second name at bytes 52-55. Null until GetFunctions loads it.
extern Handle gFunctionsList;
extern SInt32 gNumFunctions;
inline constexpr Size kFunctionRecordSize = 64;
inline constexpr Size kFunctionShortNameAt = 52;
// Loads the command table (and its parameter table) once.
void GetFunctions();
void GetParameters();

// The names the macro being compiled declares: 32-byte entries each holding a NUL-terminated name.
inline constexpr Size kMacroNameSize = 32;
extern Handle gVariableNames;
extern UInt16 gNumVariables;
extern Handle gByteNames;
extern UInt16 gNumBytes;
extern Handle gASCIINames;
extern UInt16 gNumASCIIs;
extern Handle gLabelNames;
extern UInt16 gNumLabels;
