// The cursor: a theme shape over all our windows, hidden by nesting HideCursor and ShowCursor, and
// obscured while typing until the mouse next moves.
#include "platform/events.h"

#include "event_internal.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

ThemeCursor gThemeCursor = kThemeArrowCursor;
int gHideLevel = 0;
bool gObscured = false;
bool gOverrideInstalled = false;

Qt::CursorShape ShapeOf(ThemeCursor cursor) {
    switch (cursor) {
    case kThemeIBeamCursor:
        return Qt::IBeamCursor;
    case kThemeCrossCursor:
        return Qt::CrossCursor;
    case kThemeWatchCursor:
        return Qt::WaitCursor;
    case kThemePointingHandCursor:
        return Qt::PointingHandCursor;
    case kThemeOpenHandCursor:
        return Qt::OpenHandCursor;
    case kThemeClosedHandCursor:
        return Qt::ClosedHandCursor;
    case kThemeResizeLeftRightCursor:
        return Qt::SizeHorCursor;
    case kThemeResizeUpDownCursor:
        return Qt::SizeVerCursor;
    case kThemeNotAllowedCursor:
        return Qt::ForbiddenCursor;
    case kThemeArrowCursor:
    default:
        return Qt::ArrowCursor;
    }
}

// One override cursor at most, changed in place, so the toolkit's cursor stack never grows.
void ApplyCursor() {
    if (!QGuiApplication::instance()) return;
    QCursor cursor(gHideLevel > 0 || gObscured ? Qt::BlankCursor : ShapeOf(gThemeCursor));
    if (gOverrideInstalled) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        gOverrideInstalled = true;
    }
}

} // namespace

void SetThemeCursor(ThemeCursor cursor) {
    gThemeCursor = cursor;
    ApplyCursor();
}

void InitCursor() {
    gThemeCursor = kThemeArrowCursor;
    gHideLevel = 0;
    gObscured = false;
    ApplyCursor();
}

void ObscureCursor() {
    if (gObscured) return;
    gObscured = true;
    ApplyCursor();
}

void EndCursorObscuring() {
    if (!gObscured) return;
    gObscured = false;
    ApplyCursor();
}

void HideCursor() {
    ++gHideLevel;
    ApplyCursor();
}

void ShowCursor() {
    if (gHideLevel == 0) return;
    --gHideLevel;
    ApplyCursor();
}

void ShutdownCursors() {
    if (gOverrideInstalled && QGuiApplication::instance()) QGuiApplication::restoreOverrideCursor();
    gOverrideInstalled = false;
    gThemeCursor = kThemeArrowCursor;
    gHideLevel = 0;
    gObscured = false;
}
