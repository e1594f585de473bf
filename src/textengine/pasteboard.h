// The text engine's traffic with the clipboard pasteboard and the scraps it carries: style runs (style
// scraps) and embedded objects (soups), put and read one pasteboard item at a time.
#pragma once

#include "textengine/engine_internal.h"

#include <string>

// The size of a soup entry's header: offset, type, 4 reserved bytes, data size, object size, 4 reserved.
inline constexpr Size kSoupHeaderSize = 24;

// 0 when every entry of the soup (null: none) lies whole within it, else -1702.
OSErr _WECheckSoup(Handle soup);

// Puts a handle's bytes under a flavour of a pasteboard item (from 1), clearing the pasteboard first when
// asked. A style scrap is put without the two extra bytes of its 4-byte header. The handle's lock state is
// kept.
OSErr _WEPutScrapHandle(const std::string& flavor, SInt32 item, Handle h, Boolean clearFirst);
// Reads item `item` (0: every item in turn, the last one read winning) as 'TEXT' (Mac Roman) or 'styl'
// into a new handle, trying the flavour names of the type's list from entry flavorChoice (1 when below
// 1). Text read as RTF hands its style runs to *rtfStyles (when not null). Answers 0, -4990 for an item
// past the last, or an error; on an error *h is null.
OSErr _WEGetScrapHandle(OSType type, Handle* h, SInt32 item, Handle* rtfStyles, SInt16 flavorChoice);

// Makes every line feed and CR-LF pair of a text a single carriage return, in place, and moves the runs of
// its style scrap (either layout; null: none) to match.
void _WEFoldLineEnds(Handle text, Handle styles);

// Undo scraps (4-byte header): the style of a run in front of (or behind) what a scrap holds, joining an
// element of the same style; Prepend moves the later elements by delta.
OSErr _WEPrependStyle(Handle styleScrap, const WERunInfo& run, SInt32 delta);
OSErr _WEAppendStyle(Handle styleScrap, const WERunInfo& run, SInt32 start);
// The object of a run (when it holds one) in front of a soup, every entry already there moved by delta;
// or behind it at offset.
OSErr _WEPrependObject(Handle soup, const WERunInfo& run, SInt32 delta);
OSErr _WEAppendObject(Handle soup, const WERunInfo& run, SInt32 offset);

// An object's data as it goes to a destination (0 the pasteboard, 2 a soup): its type and a data handle;
// handled tells whether the handle was made for the call (the caller then disposes of it).
OSErr _WEStreamObject(SInt16 destination, OSType* type, Handle* data, Boolean* handled,
                      WEObjectReference object);
