// Keeping a damaged preference file beside the new one, so that what it held is never lost, and telling
// the user about it once.
#pragma once

#include <string>

// Gives the damaged file a name of its own in its folder: "<name> (damaged)", or "(damaged 2)" and so on
// when that is taken. With moveAway the file itself is renamed (it cannot be used at all); otherwise a
// copy is made and the file stays in use. Names are Mac Roman; returns the kept file's name, or an
// empty string when it could not be kept (the file is then left alone).
std::string KeepDamagedPrefsFile(const std::string& folder, const std::string& name, bool moveAway);

// Reports a file whose resource map cannot be read.
void ReportUnreadablePrefsFile(const std::string& name, const std::string& keptName);
