// The nesting save and restore of the drawing environment.
#include "foundation/drawing_environment.h"

#include "foundation/error_dialog.h"
#include "foundation/window_references.h"
#include "platform/text_drawing.h"

namespace {

struct SavedEnvironment {
    CGrafPtr world = nullptr;
    GDHandle device = nullptr;
    PenState pen{};
    SInt16 font = 0, face = 0, size = 0, mode = 0;
    bool withColor = false;
    RGBColor fore{};
};

SavedEnvironment gSaved;
SInt16 gSaveCount = 0;

} // namespace

void SaveRestoreQDEnvironment(GrafPtr port, bool withColor, bool save) {
    if (save) {
        if (gSaveCount++ > 0) return;
        GetGWorld(&gSaved.world, &gSaved.device);
        if (port) GetPortRefandSetPort(port);
        GrafPtr current;
        GetPort(&current);
        GetPenState(&gSaved.pen);
        PenNormal();
        gSaved.font = GetPortTextFont(current);
        gSaved.face = GetPortTextFace(current);
        gSaved.size = GetPortTextSize(current);
        gSaved.mode = GetPortTextMode(current);
        gSaved.withColor = withColor;
        if (withColor) GetForeColor(&gSaved.fore);
        TextMode(srcOr);
        return;
    }
    if (gSaveCount == 0) {
        DoErrorMessageText("Trying to restore environment but none saved");
        return;
    }
    if (--gSaveCount > 0) return;
    SetPenState(&gSaved.pen);
    TextFont(gSaved.font);
    TextFace(gSaved.face);
    TextSize(gSaved.size);
    TextMode(gSaved.mode);
    if (gSaved.withColor) RGBForeColor(&gSaved.fore);
    SetGWorld(gSaved.world, gSaved.device);
}
