// Starting and stopping the windows, events and timers half of the platform with the toolkit.
#include "event_internal.h"
#include "window_record.h"

#include <QCoreApplication>
#include <QGuiApplication>

void InitWindowing() {
    SplitScreenFromEnvironment();
    QObject::connect(
        qGuiApp, &QGuiApplication::applicationStateChanged, qGuiApp,
        [](Qt::ApplicationState state) { TranslateApplicationActivation(state == Qt::ApplicationActive); });
}

// Everything that holds toolkit objects goes before the application object does.
void ShutdownWindowing() {
    RemoveAllEventLoopTimers();
    DisposeAllWindows();
    RemoveAllEventHandlers();
    ShutdownCursors();
    ShutdownSound();
    ShutdownScreens();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    gInputState = InputState{};
}
