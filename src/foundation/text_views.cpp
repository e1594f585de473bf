// Text view conveniences.
#include "foundation/text_views.h"

#include "platform/text_drawing.h"

namespace {

constexpr SInt32 kWholeText = 0x7FFFFFFF;

} // namespace

OSStatus TXNSetPlainText(TXNObject view) {
    TextViewStyle plain;
    plain.mask = kTextViewFont | kTextViewFace | kTextViewSize | kTextViewColor;
    plain.family = systemFont;
    plain.face = normal;
    plain.size = 12;
    plain.color = RGBColor{0, 0, 0};
    return SetTextViewStyle(view, 0, kWholeText, &plain);
}

OSStatus TXNSetColoredText(TXNObject view, SInt32 start, SInt32 end, const RGBColor* color) {
    if (!color) return paramErr;
    TextViewStyle colour;
    colour.mask = kTextViewColor;
    colour.color = *color;
    return SetTextViewStyle(view, start, end, &colour);
}

OSStatus TXNSwap(TXNObject view) {
    if (!view) return paramErr;
    SInt32 start, end;
    GetTextViewSelection(view, &start, &end);
    SetTextViewSelection(view, end, end);
    OSStatus status = TextViewPaste(view);
    if (OSStatus plain = TXNSetPlainText(view); status == noErr) status = plain;
    if (start != end) {
        SetTextViewSelection(view, start, end);
        if (OSStatus cut = TextViewCut(view); status == noErr) status = cut;
    }
    return status;
}

void DrawCFStringInBox(const Rect* rectangle, const std::string* text) {
    if (text && rectangle) DrawTextInBox(*text, rectangle);
}
