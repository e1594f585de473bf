// Addresses go to the desktop, which picks the browser or mail program.
#include "platform/web.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenURL(const char* address) {
    QUrl url = QUrl::fromUserInput(QString::fromUtf8(address));
    if (!url.isValid() || url.isEmpty()) return false;
    return QDesktopServices::openUrl(url);
}
