// The foundation's one road into the preference record.
#include "foundation/foundation_prefs.h"

#include "prefs/prefs_fields.h"

SInt32 GetFoundationPref(FoundationPref field) {
    const PrefsRecord& p = gThePreferences;
    switch (field) {
    case FoundationPref::ScrollDirection:
        return GetPref(p, kPrefScrollDirection);
    case FoundationPref::PacingMode:
        return GetPref(p, kPrefPacingMode);
    case FoundationPref::ShowInformation:
        return GetPref(p, kPrefShowInformation);
    case FoundationPref::InfoShowsTimes:
        return GetPref(p, kPrefInfoShowsTimes);
    case FoundationPref::DefaultColorNumber:
        return GetPref(p, kPrefTabBarColor);
    case FoundationPref::PlainFontMenus:
        return GetPref(p, kPrefPlainFontMenus);
    case FoundationPref::ColorListLength:
        return GetPref(p, kPrefColorListLength);
    case FoundationPref::ClassicText:
        return GetPref(p, kPrefClassicText);
    case FoundationPref::WheelChangesSpeed:
        return GetPref(p, kPrefWheelControl);
    }
    return 0;
}

void SetFoundationPref(FoundationPref field, SInt32 value) {
    PrefsRecord& p = gThePreferences;
    switch (field) {
    case FoundationPref::ScrollDirection:
        SetPref(p, kPrefScrollDirection, SInt16(value));
        break;
    case FoundationPref::PacingMode:
        SetPref(p, kPrefPacingMode, SInt16(value));
        break;
    case FoundationPref::ShowInformation:
        SetPref(p, kPrefShowInformation, SInt16(value));
        break;
    case FoundationPref::InfoShowsTimes:
        SetPref(p, kPrefInfoShowsTimes, SInt16(value));
        break;
    case FoundationPref::DefaultColorNumber:
        SetPref(p, kPrefTabBarColor, SInt16(value));
        break;
    case FoundationPref::PlainFontMenus:
        SetPref(p, kPrefPlainFontMenus, SInt16(value));
        break;
    case FoundationPref::ColorListLength:
        SetPref(p, kPrefColorListLength, value);
        break;
    case FoundationPref::ClassicText:
        SetPref(p, kPrefClassicText, value);
        break;
    case FoundationPref::WheelChangesSpeed:
        SetPref(p, kPrefWheelControl, value);
        break;
    }
    gPrefsChanged = true;
}
