// Names the sources give numbers (`as kName` after a resource's ID or after an item), and the C++ header
// that lets the program and its tests use them.
#pragma once

#include "rc/resource_header.h"
#include "rc/token_cursor.h"

#include <string>
#include <vector>

struct NumberName {
    std::string name;
    SInt32 value = 0;
    std::string what; // what carries the number, for the header's comment: 'DITL' 131 item 4
    int line = 0;
    std::string where; // FILE:LINE, for the message when a name is given twice
};

// Reads `as NAME` when it comes next and keeps NAME for value in header.names; `what` names the number's
// owner as the header's comment shows it.
void TakeNumberName(TokenCursor& cursor, const ResourceHeader& header, SInt32 value, const std::string& what);

// 'TYPE' ID, as messages and the header name a resource.
std::string ResourceLabel(const ResourceHeader& header);

// The header's text: one constant per name, in the order the sources give them.
std::string NumberNamesHeader(const std::vector<NumberName>& names);
