// The program's user-visible texts and file names: items of the 'STR#' string lists found through the
// open resource files (patch files first, then the application's own).
#pragma once

#include "platform/types.h"

// Item `index` (counting from 1) of string list `listId` into `buffer` (256 bytes). Returns the buffer,
// or null when the item is empty or missing; the buffer then holds the empty string. A null buffer
// gives null: the handle form below serves callers without one.
StringPtr GetOrvalisString(SInt16 listId, SInt16 index, StringPtr buffer);
// The same item in a new handle of length + 1 bytes (length byte, then the text), locked; the caller
// disposes of it. Null when the item is empty or missing, or memory runs out.
StringHandle GetOrvalisString(SInt16 listId, SInt16 index);
