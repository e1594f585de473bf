// Picture buttons in bevelled frames, their tracking with auto-repeat, and engraved lines. The 'Pic#'
// table is read from its stored bytes at each drawing and never changed in place.
#include "foundation/three_d_items.h"

#include "foundation/arrow_functions.h"
#include "foundation/checked_wrappers.h"
#include "foundation/window_references.h"
#include "platform/bytes.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "shell/startup.h"

const RGBColor gStandardFrame{30000, 30000, 30000};
const RGBColor gDarkFrame{4000, 4000, 4000};
const RGBColor gLightFrame{50000, 50000, 50000};

namespace {

constexpr RGBColor kBlack{0, 0, 0};
constexpr RGBColor kEngraved{55000, 55000, 55000};
constexpr UInt32 kQuickSecondPressTicks = 19;

// The mouse, local to the dialog, and whether it is over the item.
bool MouseInItem(DialogPtr dialog, SInt16 item) {
    WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    Point mouse;
    GetMouse(&mouse);
    SetPortByReference(saved);
    const Rect r = GetDialogItemRect(dialog, item);
    return PtInRect(mouse, &r);
}

// Records the press as the event that started it, as a modal loop would.
void NotePress() {
    curEvent.what = mouseDown;
    GetGlobalMouse(&curEvent.where);
    stopEvent = curEvent;
}

// Runs the press: draws the item pressed while the mouse is over it and calls step (when given) each
// time it is due while pressed. True when released over the item.
template <typename Step> bool FollowPress(DialogPtr dialog, SInt16 item, Step step) {
    NotePress();
    DrawUserSpecial(dialog, item, kSpecialPressed);
    bool pressed = true;
    while (StillDown()) {
        const bool inside = MouseInItem(dialog, item);
        if (inside != pressed) {
            pressed = inside;
            DrawUserSpecial(dialog, item, pressed ? kSpecialPressed : kSpecialNormal);
        }
        if (!step(pressed)) Delay(1, nullptr);
    }
    if (pressed) DrawUserSpecial(dialog, item, kSpecialNormal);
    return pressed;
}

void EngravedLine(DialogPtr dialog, SInt16 item, bool vertical) {
    WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    RGBColor back;
    GetBackColor(&back);
    const Rect r = GetDialogItemRect(dialog, item);
    RGBForeColor(&kBlack);
    if (vertical) {
        MoveTo(r.left, r.top);
        LineTo(r.left, r.bottom);
        RGBForeColor(&kEngraved);
        MoveTo(SInt16(r.left + 1), r.top);
        LineTo(SInt16(r.left + 1), r.bottom);
    } else {
        MoveTo(r.left, r.top);
        LineTo(r.right, r.top);
        RGBForeColor(&kEngraved);
        MoveTo(SInt16(r.left + 1), SInt16(r.top + 1));
        LineTo(SInt16(r.right - 1), SInt16(r.top + 1));
    }
    RGBForeColor(&kBlack);
    RGBBackColor(&back);
    SetPortByReference(saved);
}

} // namespace

bool ReadPictureButtonEntry(std::span<const UInt8> bytes, SInt16 item, PictureButtonEntry* out) {
    if (item < 1 || size_t(item) * 8 > bytes.size()) return false;
    const UInt8* p = bytes.data() + size_t(item - 1) * 8;
    out->depth = SInt16(ReadBE16(p));
    for (int i = 0; i < 3; ++i)
        out->pictures[i] = SInt16(ReadBE16(p + 2 + 2 * i));
    return true;
}

void DrawUserSpecial(DialogPtr dialog, SInt16 item, SInt16 state) {
    if (!dialog || state < kSpecialNormal || state > kSpecialInactive) return;
    WindowReference saved = GetPortReference();
    RGBColor back;
    GetBackColor(&back);
    GetDialogRefandSetPort(dialog);
    const Rect r = GetDialogItemRect(dialog, item);
    Handle table = MyGetResource(FourCC("Pic#"), SInt16(GetWRefCon(GetDialogWindow(dialog))), 0);
    PictureButtonEntry entry;
    if (table && ResError() == noErr &&
        ReadPictureButtonEntry({reinterpret_cast<const UInt8*>(*table), size_t(GetHandleSize(table))}, item,
                               &entry)) {
        if (const SInt16 pictID = entry.pictures[state]) {
            Rect target = r;
            InsetRect(&target, entry.depth, entry.depth);
            if (PicHandle picture = GetPicture(pictID))
                DrawPicture(picture, &target);
            else
                EraseRect(&target);
        }
        if (entry.depth != 0) DrawShadowRect(&r, state != kSpecialNormal, 2);
    }
    RGBForeColor(&kBlack);
    RGBBackColor(&back);
    SetPortByReference(saved);
}

void DrawUserSpecialUpdate(DialogPtr dialog, SInt16 item) {
    DrawUserSpecial(dialog, item,
                    (GetDialogItemKind(dialog, item) & itemDisable) ? kSpecialInactive : kSpecialNormal);
}

bool TrackUserSpecial(DialogPtr dialog, SInt16 item) {
    return FollowPress(dialog, item, [](bool) { return false; });
}

bool TrackUserSpecialWithFunction(DialogPtr dialog, SInt16 item, UInt16 code) {
    const UInt32 now = TickCount();
    if (now - savelasttick <= kQuickSecondPressTicks && item == savelastitem)
        PerformFunction(UInt16(code | kRepeatedPressBit));
    savelastitem = item;
    savelasttick = now;
    PerformFunction(code);
    UInt32 firstDelay, interval;
    GetAutoRepeatTicks(&firstDelay, &interval);
    UInt32 due = now + firstDelay;
    return FollowPress(dialog, item, [&](bool pressed) {
        if (!pressed) {
            // Moving out stops the repeat; coming back in waits one interval before the next step.
            due = TickCount() + interval;
            return false;
        }
        if (TickCount() < due) return false;
        PerformFunction(code);
        due = TickCount() + interval;
        return true;
    });
}

void DrawShadowRect(const Rect* r, bool sunken, SInt16 depth) {
    const RGBColor& first = sunken ? gDarkFrame : gLightFrame;
    const RGBColor& second = sunken ? gLightFrame : gDarkFrame;
    for (SInt16 i = 0; i < depth; ++i) {
        RGBForeColor(&first);
        MoveTo(r->left, SInt16(r->top + i));
        LineTo(SInt16(r->right - 1 - i), SInt16(r->top + i));
        MoveTo(SInt16(r->left + i), r->top);
        LineTo(SInt16(r->left + i), SInt16(r->bottom - 1 - i));
        RGBForeColor(&second);
        MoveTo(SInt16(r->right - 1 - i), r->top);
        LineTo(SInt16(r->right - 1 - i), SInt16(r->bottom - 1 - i));
        MoveTo(r->left, SInt16(r->bottom - 1 - i));
        LineTo(SInt16(r->right - 1 - i), SInt16(r->bottom - 1 - i));
    }
}

void Draw3DVerticalLine(DialogPtr dialog, SInt16 item) {
    EngravedLine(dialog, item, true);
}
void Draw3DHorizontalLine(DialogPtr dialog, SInt16 item) {
    EngravedLine(dialog, item, false);
}
