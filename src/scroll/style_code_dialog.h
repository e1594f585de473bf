// The special attribute dialog, which builds one style code or special-text code for a merge text from
// two pop-up menus, and the name dialog that can put such a code into the name it asks for.
#pragma once

#include "platform/dialogs.h"
#include "platform/menus.h"

// The attribute kind chosen last (1-24) and the value choice of the value pop-up.
extern SInt16 gSpecialItemsChoice;
extern SInt16 gSpecialValuesChoice;

// Back to the first kind and each kind's first value, as at start-up.
void ForgetSpecialAnswers();
// Runs the dialog; the code built (also put on the clipboard) in code, and its kind, 0 when cancelled or
// when the dialog cannot be made.
SInt16 GetSpecialAttribute(StringPtr code);
// The attribute bit of the style-code reader that a kind sets: 0 for the special-text kinds 14-24 and for
// 0; kinds outside 0..24 come back unchanged.
SInt16 SpecialToAttributeFlag(SInt16 kind);
// Fills the value menu for the kind; its item count (0 for the special-text kinds).
SInt16 FillSpecialValuesMenu(MenuRef menu, SInt16 kind);
// The value text of a choice: the menu item's text for fonts, sizes and colours, "0" or "1" for faces,
// nothing for special texts.
void GetSpecialItemText(SInt16 kind, SInt16 choice, StringPtr text);
void DrawSpecialItemsPopup(DialogPtr dialog, SInt16 item);
void DrawSpecialValuesPopup(DialogPtr dialog, SInt16 item);
// Asks for a name in the dialog with the ID, the name given filled in; true with the edited name on OK.
// A dialog with an item 6 offers the special attribute dialog, whose code replaces any code of the same
// attribute in the name.
bool GetFontSetName(StringPtr name, SInt16 dialogID);
