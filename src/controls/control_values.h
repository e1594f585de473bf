// Reading and setting items' numbers, checks, radio groups, titles, kinds, rectangles and preview contents.
// Item forms take an item number and do nothing for a missing one; record forms take the record and
// redraw only when given a dialog. Every setter redraws the item.
#pragma once

#include "controls/control_records.h"

void GetMyControlValues(const MyControlItem* record, SInt32* value, SInt32* maximum, SInt32* minimum);
void ExternalGetMyControlValues(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32* value,
                                SInt32* maximum, SInt32* minimum);
void SetMyControlValues(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                        const SInt32* value, const SInt32* maximum, const SInt32* minimum);
void ExternalSetMyControlValues(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                const SInt32* value, const SInt32* maximum, const SInt32* minimum);
bool GetMyControlChecked(const MyControlItem* record);
void SetMyControlChecked(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                         bool checked);
void ExternalSetMyControlChecked(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool checked);
// Toggles the check; the new state.
SInt16 DoMyCheck(WindowReference reference, MyDialogHandle dialog, MyControlItem* record);
// Checks the item and unchecks the other radios of its group; 1.
SInt16 DoMyRadio(WindowReference reference, MyDialogHandle dialog, SInt16 item);
void SetMyControlRadioid(WindowReference reference, MyControlItem* record, SInt16 group);
SInt16 GetMyControlRadioid(WindowReference reference, const MyControlItem* record);
void SetMyMultiStateValue(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                          SInt32 state);
void GetMyControlTitle(const MyControlItem* record, StringPtr title);
void SetMyControlTitle(WindowReference reference, MyDialogHandle dialog, SInt16 item, ConstStringPtr title);
void SetMyControlTitleByNumber(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 number);
void SetMyControlLong(WindowReference reference, MyDialogHandle dialog, MyControlItem* record, SInt32 number);
SInt32 GetMyControlLong(const MyControlItem* record);
UInt16 GetMyControlKind(WindowReference reference, MyDialogHandle dialog, SInt16 item);
void SetMyControlKind(WindowReference reference, MyDialogHandle dialog, SInt16 item, UInt16 kind,
                      SInt32 extra);
SInt16 GetMyControlExpanded(const MyControlItem* record);
bool GetMyControlDontScroll(const MyControlItem* record);
void SetMyControlDontScroll(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool fixed);
// 1 when inactive or missing.
SInt16 GetMyControlInactive(WindowReference reference, MyDialogHandle dialog, SInt16 item);
SInt16 GetMyControlidabove(const MyControlItem* record);
SInt16 GetMyControlContainer(const MyControlItem* record);
SInt32 GetSliderControlPosition(const MyControlItem* record);
double GetSliderControlValue(const MyControlItem* record, SInt32 position);
double GetSliderControlValuePerPosition(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                        SInt32 position);
SInt32 GetMySliderValue(WindowReference reference, const MyControlItem* record);
// Frees the old content by its type, keeps the new one and redraws.
void SetMyControlPicture(WindowReference reference, MyDialogHandle dialog, SInt16 item, void* content,
                         SInt32 type);

void GetMyControlRect(MyDialogHandle dialog, SInt16 item, Rect* rect, bool withOffset);
void GetMyCollapseRect(MyDialogHandle dialog, SInt16 item, Rect* rect, bool withOffset);
void GetMyControlPosition(MyDialogHandle dialog, SInt16 item, Rect* rect, bool withOffset);
// 0 for a collapsed container, else 1.
SInt16 GetMyControlClickRect(MyDialogHandle dialog, SInt16 item, Rect* rect);
