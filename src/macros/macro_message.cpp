// DoMacroMessage: two texts (or a text and a number) for the macro message dialog.
#include "macros/macro_message.h"

#include "macros/macro_dialog.h"
#include "platform/pstring.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr SInt16 kTextEntryKind = 3;
constexpr SInt32 kDialogWidth = 30;

void TakeText(const char* text, SInt32 length, StringPtr out) {
    SetPString(out, text ? std::string_view(text, size_t(std::max<SInt32>(0, length))) : std::string_view());
}

} // namespace

SInt16 DoMacroMessage(const char* text, SInt32 length, const char* secondText, SInt32 secondLength,
                      SInt32 number) {
    Str255 message, second;
    TakeText(text, length, message);
    if (secondText)
        TakeText(secondText, secondLength, second);
    else
        NumToString(number, second);
    return DoMacroDialog(kTextEntryKind, message, second, kDialogWidth, nullptr);
}
