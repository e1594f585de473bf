// Showing what was drawn into a window's port. Straight from shared memory where the X server allows it;
// otherwise the widget is repainted at once rather than scheduled, so that a flush from a timer or a
// tracking loop that does not return to the event loop reaches the screen.
#include "port_image.h"
#include "port_internal.h"
#include "window_host.h"
#include "window_record.h"

void FlushWindowPort(GrafPort* port, const QRegion& imageArea) {
    if (!port || !port->host || !port->host->isVisible()) return;
    if (PutPortOnScreen(port, imageArea)) return;
    if (imageArea.isEmpty())
        port->host->repaint();
    else
        port->host->repaint(imageArea.translated(0, port->window ? MenuBarInset(port->window) : 0));
}
