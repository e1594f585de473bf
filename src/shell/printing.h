// Printing: the page format and settings kept between prints, the page-setup and print dialogs and the
// print loop that prints the script, its selection or the macro editor's text.
#pragma once

#include "platform/memory.h"
#include "platform/printing.h"
#include "platform/types.h"

#include <vector>

// The session lives from start-up to quit; the page format and settings are made on first use and kept
// (null until then), so that the user's choices carry over from one print to the next.
extern PrintSessionRef printSession;
extern PageFormatRef pageFormat;
extern PrintSettingsRef printSettings;
// Print only the prompter's selection (the whole script when nothing is selected).
extern bool gPrintSelectionOnly;

// True when the session could be made.
bool Initialize_Printing();
// Releases the session with the kept page format and settings.
void Close_Printing();

// 0 when the user accepted, 128 when cancelled, else the first error. A missing page format or print
// settings record is made and filled with the session's defaults; a kept one is checked.
OSStatus DoPageSetupDialog(PrintSessionRef session, PageFormatRef* pageFormatInOut);
OSStatus DoPrintDialog(PrintSessionRef session, PageFormatRef format, PrintSettingsRef* printSettingsInOut);
// Prints the bytes of the text handle in the style runs given, justified as the prompter is. Errors end the
// document and are reported.
void DoPrintLoop(PrintSessionRef session, PageFormatRef format, PrintSettingsRef settings, Handle text,
                 const std::vector<PrintTextRun>& runs);
// The print command on a window (0: the front window decides); always 1.
SInt16 Do_Print_Choice(SInt32 window);
void PostPrintingErrors();
