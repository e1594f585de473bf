// Speech of texts and of the script through the shell's speech channel.
#include "shell/speech.h"

#include "foundation/checked_wrappers.h"
#include "platform/memory.h"
#include "scroll/scroll_engine.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <vector>

namespace {

// The speech engine reads plain ASCII; the rest of Mac Roman would come out as noise.
void BlankHighBytes(UInt8* text, SInt32 length) {
    for (SInt32 i = 0; i < length; ++i)
        if (text[i] >= 128) text[i] = ' ';
}

} // namespace

OSErr SpeakThisText(SpeechChannel channel, const void* text, SInt32 length) {
    if (!channel) return speechUnavailableErr;
    if (!text || length < 0) return paramErr;
    std::vector<UInt8> copy(static_cast<const UInt8*>(text), static_cast<const UInt8*>(text) + length);
    BlankHighBytes(copy.data(), length);
    return SpeakText(channel, copy.data(), length);
}

OSErr StartSpeakingSelected(SInt32 start, SInt32 end, SInt16 source) {
    StopSpeech(gChan);
    if (gSpeechBuffer && !IsSpeaking(gChan)) MyDisposePtr(gSpeechBuffer, ORVALIS_HERE);
    if (!IsSpeaking(gChan)) gSpeechBuffer = nullptr;
    gSpeakingHelpText = false;
    if (!gChan || !myTextResource) return noErr;
    // The macro editor's and the help window's texts are spoken once those windows keep their texts
    // where this can read them; until then only the script is.
    if (source != kSpeakScript && source != kSpeakPrompterScript) return noErr;
    if (gTextHasChanged) GetNewText(0);
    if (!myTextResource) return noErr;
    const SInt32 size = GetHandleSize(myTextResource);
    // Without a range the selection is spoken; with no text views yet that selection is empty.
    SInt32 from = start == -1 ? 0 : std::clamp<SInt32>(start, 0, size);
    SInt32 to = start == -1 ? 0 : std::clamp<SInt32>(end, from, size);
    if (from == to) {
        from = 0;
        to = size;
    }
    if (to == from) return noErr;
    Ptr buffer = MyNewPtr(to - from, 0);
    if (!buffer) return memFullErr;
    BlockMove(*myTextResource + from, buffer, to - from);
    BlankHighBytes(reinterpret_cast<UInt8*>(buffer), to - from);
    gSpeechBuffer = buffer;
    return SpeakText(gChan, buffer, to - from);
}
