// Telling font families apart for the lists that offer them: each family once, and the symbol families
// whose names cannot be read in their own letters.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

// The installed family names as the font database lists them (UTF-8) made into the names to offer:
// sorted, each once, a family listed once per foundry ("Name [Foundry]") only by its name.
std::vector<std::string> FamilyNamesWithoutFoundries(const std::vector<std::string>& names);
// A family whose letters are symbols or pictures: its name cannot be read when drawn in it.
bool IsSymbolFontFamily(SInt16 family);
