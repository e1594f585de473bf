// Named preference sets: the current settings stored under a name in the preference-sets file and
// loaded again later, and the built-in sets kept as main records in the application's resources. These
// functions store and load; the menus that list the sets, and applying loaded settings to the windows
// and the services' own copies of them, belong to the commands that call them.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

struct PreferenceSetEntry {
    ResID id = 0;
    std::string name; // Mac Roman
};

// Item 1 of the built-in sets: the settings as they were loaded at start-up.
constexpr ResID kStartupSettingsSet = -1;

// Stores gThePreferences, gPositionPreferences and the shape block (with shapeName; none when `shape` is
// null) as a new set called `name`, under the first ID from 128 up that the sets file does not use,
// creating the file when it is missing. The prompter size goes into the record first (0 and 0: the set
// keeps no size). The three records reach the disk together. Returns the ID, or 0 when nothing was
// stored.
ResID SavePreferenceSet(ConstStr255Param name, SInt16 prompterWidth, SInt16 prompterHeight, const void* shape,
                        ConstStr255Param shapeName);

// Loads set `id` of the sets file into gThePreferences and gPositionPreferences, and its shape into
// `shape` (a 3,236-byte shape block) and `shapeName` (each may be null). A set that is not in the file
// changes nothing; a record the set lacks leaves the current one; an unusable one is reported and leaves it
// too. Clears gPrefsChanged.
OSErr LoadPreferenceSet(ResID id, void* shape, StringPtr shapeName);

// Loads a built-in set: kStartupSettingsSet copies gSavePreferences, any other ID takes the main record
// of that ID (and its shape, when there is one) from the open resource files, checked and converted as
// a stored record is: one that cannot be used is reported and changes nothing. Clears gPrefsChanged when
// the settings were replaced.
OSErr LoadBuiltInPreferenceSet(ResID id, void* shape, StringPtr shapeName);

// Removes the main record and the window places of set `id` from the sets file; its shape stays.
OSErr DeletePreferenceSet(ResID id);

// The sets of the sets file, in its index order; none when there is no sets file (it is not created).
OSErr ListPreferenceSets(std::vector<PreferenceSetEntry>& sets);
// The built-in sets: the main records of the given resource file (the application's), in index order.
void ListBuiltInPreferenceSets(ResFileRefNum appFile, std::vector<PreferenceSetEntry>& sets);

// Stores the live settings now, and takes them as the settings loaded at start-up.
OSErr SavePreferencesNow();
