// Embedded objects: a character of the text that stands for a typed piece of data, drawn, clicked and
// copied by handlers installed for its type on a record or for the whole program.
#pragma once

#include "textengine/text_engine_types.h"

inline constexpr OSErr weUnknownObjectTypeErr = -9478;
inline constexpr OSErr weNotHandledErr = -1708;

// Handlers, installed under the selectors 'new ', 'free', 'draw', 'clik' and 'strm'; 'refc' installs a
// reference value (cast to the handler type) that new objects of the type start with.
using WENewObjectProc = OSErr (*)(Point* defaultObjectSize, WEObjectReference object);
using WEDisposeObjectProc = OSErr (*)(WEObjectReference object);
using WEDrawObjectProc = OSErr (*)(const Rect* destRect, WEObjectReference object);
using WEClickObjectProc = Boolean (*)(Point hitPoint, UInt16 modifiers, UInt32 clickTime,
                                      WEObjectReference object);
// Puts the object's data for a destination (0 the clipboard, 1 a drag, 2 a soup) into data, which it may
// resize; weNotHandledErr leaves it to the object's own type and data.
using WEStreamObjectProc = OSErr (*)(SInt16 destKind, OSType* type, Handle data, WEObjectReference object);

// The handlers installed without a record, for every record's objects of a type the record has none for.
extern Handle _weGlobalObjectHandlerTable;

// we null: the program-wide table. 0, -50 for an unknown selector, or a memory error.
OSErr WEInstallObjectHandler(OSType objectType, OSType selector, WEHookProc handler, WEReference we);
// 0, -9478 when the table lacks the type (or there is no table), -50 for an unknown selector.
OSErr WEGetObjectHandler(OSType objectType, OSType selector, WEHookProc* handler, WEReference we);

OSType WEGetObjectType(WEObjectReference object);
Handle WEGetObjectDataHandle(WEObjectReference object);
Point WEGetObjectSize(WEObjectReference object);
OSErr WESetObjectSize(WEObjectReference object, Point size);
WEReference WEGetObjectOwner(WEObjectReference object);
SInt32 WEGetObjectRefCon(WEObjectReference object);
void WESetObjectRefCon(WEObjectReference object, SInt32 refCon);

// A new object of the type owning data (32 x 32 until its 'new ' handler says otherwise).
OSErr _WENewObject(OSType type, Handle data, WEReference we, WEObjectReference* object);
// Calls the 'free' handler, then frees the data and the descriptor; answers the handler's result.
OSErr _WEFreeObject(WEObjectReference object);
// Draws the object with its bottom-left corner at the pen and moves the pen past it.
OSErr _WEDrawObject(WEObjectReference object);
Boolean _WEClickObject(Point hitPoint, UInt16 modifiers, UInt32 clickTime, WEObjectReference object);
// The object's data for a destination: the handler's, else its own type and data handle (*handled false;
// the handle given in *data is freed and must not be freed by the caller).
OSErr _WEStreamObject(SInt16 destKind, OSType* type, Handle* data, Boolean* handled,
                      WEObjectReference object);
// The entry of the type in a handler table, or -1.
SInt32 _WELookupObjectType(OSType type, Handle table);
// The type of the index-th installed handler entry, the record's table first; -9478 past the end.
OSErr _WEGetIndObjectType(SInt32 index, OSType* type, WEReference we);
