// A Pascal string made from a C string in place, for calls that take a name: GetFNum(PName("Times"), ...).
#pragma once

#include "platform/pstring.h"
#include "platform/types.h"

struct PName {
    Str255 s;
    explicit PName(const char* text) { SetPString(s, text); }
    operator ConstStr255Param() const { return s; }
};
