// The languages the desktop's spell checker has dictionaries for.
#pragma once

#include <string>
#include <vector>

// The n-th language (from 0) by its readable name ("English (United States)"), in the order of the dictionary
// files' names; false past the last one.
bool SpellCheckerLanguageName(int n, std::string* name);
// The folders searched for dictionaries; an empty list puts back the system's own folders.
void SetSpellCheckerFolders(std::vector<std::string> folders);
