// Copying the prompter's text layer onto its composed background: the back style of the text rectangle
// and the colour style of the text, mirrored, flipped and turned as the output is.
#pragma once

#include "platform/geometry.h"
#include "prefs/prefs_record.h"

// Where each colour argument of the compositor comes from.
enum class TextLayerColor : UInt8 {
    kNone,
    kPrompterBack,   // the prompter's back colour
    kTextRectBack,   // the text rectangle's own back colour
    kBackgroundFade, // per cent
    kTextFade,       // per cent
};
// The compositor's arguments for the text rectangle's back style and the text's colour style.
struct TextLayerStyle {
    SInt16 backKind = 0;
    TextLayerColor back1 = TextLayerColor::kNone;
    TextLayerColor back2 = TextLayerColor::kNone;
    SInt16 colorMode = 0;
    TextLayerColor text1 = TextLayerColor::kNone;
    TextLayerColor text2 = TextLayerColor::kNone;
};
// False for a back style or colour style outside the known ones: nothing is then copied.
bool ChooseTextLayerStyle(const PrefsRecord& prefs, TextLayerStyle* style);

// Copies the text layer from the text world onto the composite world, from sourceRect (in the text
// world's turned frame) to destinationRect.
void DoScrollToExtraCopy(const Rect* sourceRect, const Rect* destinationRect);
