// Speech channels over the toolkit's text-to-speech service.
#include "platform/speech.h"
#include "qt_text.h"

#include "platform/text_encoding.h"

#include <QCoreApplication>
#include <QTextToSpeech>

#include <memory>

struct SpeechChannelRecord {
    std::unique_ptr<QTextToSpeech> speech;
};

bool IsSpeechAvailable() {
    return QCoreApplication::instance() && !QTextToSpeech::availableEngines().isEmpty();
}

SpeechChannel NewSpeechChannel() {
    if (!IsSpeechAvailable()) return nullptr;
    auto speech = std::make_unique<QTextToSpeech>();
    // An engine that is listed but cannot start (no speech daemon, say) is as good as none.
    if (speech->state() == QTextToSpeech::Error) return nullptr;
    return new SpeechChannelRecord{std::move(speech)};
}

void DisposeSpeechChannel(SpeechChannel channel) {
    delete channel;
}

OSErr SpeakText(SpeechChannel channel, const void* text, SInt32 length) {
    if (!channel) return speechUnavailableErr;
    if (!text || length < 0) return paramErr;
    channel->speech->say(
        QStringFromMacRoman(std::string_view(static_cast<const char*>(text), size_t(length))));
    if (channel->speech->state() == QTextToSpeech::Error) return speechUnavailableErr;
    return noErr;
}

bool IsSpeaking(SpeechChannel channel) {
    return channel && channel->speech->state() == QTextToSpeech::Speaking;
}

void StopSpeech(SpeechChannel channel) {
    if (channel) channel->speech->stop();
}
