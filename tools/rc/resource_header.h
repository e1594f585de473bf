// The `resource` statement's header: what a body compiler knows about the resource it fills.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

struct NumberName;

struct ResourceHeader {
    ResType type = 0;
    ResID id = 0;
    bool hasName = false;
    std::string name; // Mac Roman
    UInt8 attributes = 0;
    int line = 0; // of the `resource` word
    // Where names given to the resource's ID and its items (`as kName`) are kept.
    std::vector<NumberName>* names = nullptr;
};
