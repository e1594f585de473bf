// The alert sound: the short tone shipped beside the program, played through the sound system. With no
// sound file or no audio output (headless runs, tests) it falls back to the window system's bell, which
// is silent where there is none.
#include "platform/application.h"
#include "platform/events.h"

#include "event_internal.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <filesystem>

namespace {

constexpr const char* kBeepFileName = "beep.wav";

QSoundEffect* gBeep = nullptr;
bool gBeepUnavailable = false;

// Loaded on first use; the sound then plays as soon as it is loaded.
QSoundEffect* BeepSound() {
    if (gBeep || gBeepUnavailable) return gBeep;
    std::filesystem::path path = std::filesystem::path(ApplicationFolder()) / kBeepFileName;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || QMediaDevices::audioOutputs().isEmpty()) {
        gBeepUnavailable = true;
        return nullptr;
    }
    gBeep = new QSoundEffect;
    gBeep->setSource(QUrl::fromLocalFile(QString::fromStdString(path.string())));
    return gBeep;
}

} // namespace

void SysBeep(SInt16) {
    if (!QCoreApplication::instance()) return;
    QSoundEffect* sound = BeepSound();
    if (sound && sound->status() != QSoundEffect::Error) {
        sound->play();
        return;
    }
    QApplication::beep();
}

void ShutdownSound() {
    delete gBeep;
    gBeep = nullptr;
    gBeepUnavailable = false;
}
