// Speech of texts: the caller's text stays as it was, and a machine without speech says so.
#include "shell/speech.h"

#include "platform/memory.h"
#include "shell/shell_globals.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(Speech, TheCallersTextIsLeftAlone) {
    SpeechChannel channel = NewSpeechChannel();
    const std::string original = "Caf\x8E cr\x8Fme \xA5 fin";
    std::string text = original;
    const OSErr err = SpeakThisText(channel, text.data(), SInt32(text.size()));
    EXPECT_EQ(text, original);
    if (channel) {
        EXPECT_EQ(err, noErr);
        StopSpeech(channel);
        DisposeSpeechChannel(channel);
    } else {
        EXPECT_EQ(err, speechUnavailableErr);
    }
}

TEST(Speech, WithoutSpeechNothingIsSpokenOrKept) {
    EXPECT_EQ(SpeakThisText(nullptr, "words", 5), speechUnavailableErr);
    if (!IsSpeechAvailable()) {
        EXPECT_EQ(NewSpeechChannel(), nullptr);
    }
    EXPECT_FALSE(IsSpeaking(nullptr));
    StopSpeech(nullptr);

    Handle text = NewHandle(5);
    std::memcpy(*text, "Hello", 5);
    myTextResource = text;
    gChan = nullptr;
    gSpeakingHelpText = true;
    EXPECT_EQ(StartSpeakingSelected(0, 5, kSpeakScript), noErr);
    EXPECT_EQ(gSpeechBuffer, nullptr);
    EXPECT_FALSE(gSpeakingHelpText);
    myTextResource = nullptr;
    DisposeHandle(text);
}

} // namespace
