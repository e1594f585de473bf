// The `resource` statement's header: what a body compiler knows about the resource it fills.
#pragma once

#include "platform/types.h"

#include <string>

struct ResourceHeader {
    ResType type = 0;
    ResID id = 0;
    bool hasName = false;
    std::string name; // Mac Roman
    UInt8 attributes = 0;
    int line = 0; // of the `resource` word
};
