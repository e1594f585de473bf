// User activity reported to the desktop's screen saver service over the session bus, so that neither
// blanking nor locking starts while the prompter scrolls. Without a session bus nothing is sent.
#include "platform/system_activity.h"

#include "platform/clock.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

// The screen savers of the desktops wait minutes; telling them every twenty seconds is plenty.
constexpr UInt32 kTicksBetweenReports = 20 * 60;

} // namespace

void UpdateSystemActivity(SInt16) {
    static bool reported = false;
    static UInt32 lastReport = 0;
    const UInt32 now = TickCount();
    if (reported && now - lastReport < kTicksBetweenReports) return;
    reported = true;
    lastReport = now;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("SimulateUserActivity"));
    // No reply is awaited: the scroll step must not wait on another process.
    bus.send(call);
}
