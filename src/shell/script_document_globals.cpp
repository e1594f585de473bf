// The document globals: which script is loaded, from where, and in what form.
#include "shell/script_documents.h"

std::string gOutName;
std::string gFileName;
std::string gInPath;
SInt16 gIsTextFile = kTextDocument;
SInt16 gIsDos = 0;
bool gTabsAreCustom = false;
std::string gPathSpec;
bool gDoOpenChangedFile = false;
TextFileFormat gScriptFileFormat = kNewScriptFormat;
std::string gFileWithUnheldCharacters;
