// The Preferences dialog.
#pragma once

void DoPreferences();
