// Edit fields: text items on the program's text engine, with the one keyboard focus of all tool windows,
// Tab to the next field, and numeric fields whose entry is checked against their range when committed.
#pragma once

#include "controls/control_records.h"
#include "textengine/text_engine_types.h"

// A numeric field keeps its range in the item's minimum and maximum and its last accepted number in its
// value; this flag marks it.
enum : UInt32 { kMyFlagNumericField = 0x10000 };

// The field a window had the focus in last, so that it can give it back when it comes to the front.
extern SInt16 gLastFindReplaceFocusID;
extern SInt16 gLastFormatPalFocusID;
extern SInt16 gLastRecordWinFocusID;
extern SInt16 gLastCommandWinFocusID;
extern SInt16 gLastHypertextWinFocusID;
extern SInt16 gLastSpirographFocusID;
extern SInt16 gLastOverlayFocusID;
extern SInt16 gLastSearchDictFocusID;

WEReference GetMyControlTXNObject(WindowReference reference, const MyControlItem* record);
// Makes the text of a field in rect of the window's port.
OSErr MyCreateTextObject(const Rect* rect, WindowRef window, WEReference* object, UInt16 kind);
void DisposeMyEditText(MyControlItem* record);

void SetMyControlEditText(WindowReference reference, MyDialogHandle dialog, SInt16 item, const void* text,
                          SInt32 length, UInt16 kind);
void ReplaceMyControlEditText(WindowReference reference, MyDialogHandle dialog, SInt16 item, const void* text,
                              SInt32 length, SInt32 start, SInt32 count, UInt16 kind);
void SetMyControlEditNum(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 number,
                         UInt16 kind);
// The number with three decimals.
void SetMyControlEditFixed(WindowReference reference, MyDialogHandle dialog, SInt16 item, Fixed number,
                           UInt16 kind);
void SetMyControlEditDouble(WindowReference reference, MyDialogHandle dialog, SInt16 item, double number,
                            UInt16 kind);
// Copies characters start to end; 0, or -50 without a dialog, item or text.
OSErr GetMyControlEditText(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                           SInt32 end, char* buffer, SInt32* length, SInt32* total);
// The text up to its first period as a number; 0 when it cannot be read.
OSErr GetMyControlEditNum(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                          SInt32 end, SInt32* number);
// Characters start to end read as a 16.16 number; 0 when they cannot be read.
OSErr GetMyControlEditFixed(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                            SInt32 end, Fixed* number);
// A new handle holding the field's whole text; the old handle is disposed of. Without a field or memory the
// old handle comes back as it was.
Handle GetNewTextHandleFromEditControl(Handle old, WindowReference reference, MyDialogHandle dialog,
                                       SInt16 item);
// The first four characters as a code, padded with blanks; 'xxxx' when unreadable.
OSErr GetMyControlEditKey(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                          SInt32 end, OSType* key);
OSErr GetMyControlEditPosition(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32* start,
                               SInt32* end);
void SetMyControlEditSetPosition(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                                 SInt32 end);
void SetMyControlEditReadOnly(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool readOnly);

// Makes the field numeric, from minimum to maximum, holding its current number (or minimum).
void SetMyControlEditRange(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 minimum,
                           SInt32 maximum);
// Checks a numeric field's entry: true with the number when it is a whole number in range; otherwise one
// clear message, the last accepted number is put back, and false.
bool CheckMyNumericField(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32* number);

// Gives (1) or takes (0) the focus. Taking it commits the field: a numeric field is checked first and a
// refused entry is not handed to the window.
void SetMyControlEditFocus(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool focus);
// Moves the focus to the next (+1) or previous (-1) field of the dialog, wrapping, its text selected.
void SetMyControlEditNextFocus(WindowReference reference, MyDialogHandle dialog, SInt16 step);
// A key for the focused field: Tab and Shift-Tab move on, Return and Enter commit and keep the focus,
// others edit (command-C, X, V, A: the clipboard and select-all). True when the field took the key.
bool KeyInMyEditField(WindowReference reference, MyDialogHandle dialog, UInt8 character, UInt16 modifiers);
// A click in a field: the focus, then the caret or (with shift) the selection's far end.
void ClickInMyEditField(WindowReference reference, MyDialogHandle dialog, MyControlItem* record, Point point,
                        UInt16 modifiers);
// The focus tells a field it gained or lost the focus: losing it commits the field.
void MyEditFieldFocusChanged(MyDialogHandle dialog, MyControlItem* record, bool gained);
// A scrolling field's text reports how far it is scrolled (value) of how far it can be (maximum); key is
// the field's window reference << 16 | its item number, as registered when its text was made. The field's
// bar follows. A key that is not registered is ignored.
void MyTXNScrollInfoProc(SInt32 value, SInt32 maximum, SInt16 orientation, UInt32 key);
// Blinks the focused field's caret; call from the timer.
void IdleMyEditFields();
// Draws the field's text in r (its frame is the caller's).
void DrawMyEditText(MyControlItem* record, const Rect& r);
// Places the field's text again at r after the item moved.
void PlaceMyEditText(MyControlItem* record, const Rect& r);
