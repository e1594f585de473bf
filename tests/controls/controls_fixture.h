// A tool window of the test's own: item lists written into a resource file, a window standing as one of
// the program's windows, and the dialog record built from the lists.
#pragma once

#include "controls/control_drawing.h"
#include "controls/control_records.h"
#include "foundation/dialog_fixture.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "support/port_pixels.h"

#include <string>
#include <vector>

constexpr SInt16 kFirstListID = 3200;

// An item of the test's lists by its 'DITL' type byte (bit 7: disabled).
inline FixtureItem Item(UInt8 kind, Rect rect, std::string text = {}) {
    return FixtureItem{kind, rect, std::move(text)};
}

class ToolWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        InitializeMyDialogSystem();
    }
    void TearDown() override {
        Close();
        SetErrorMessageRecording(false);
    }
    // Disposes the dialog and closes its window and file, so that a test can build another.
    void Close() {
        DisposeMyDialogControls(dialog);
        dialog = nullptr;
        if (window) {
            if (slot) *slot = nullptr;
            DisposeWindow(window);
            window = nullptr;
        }
        if (file > 0) CloseResFile(file);
        file = -1;
    }
    // Opens a 400 x 300 window as the window of `reference` (slot is that window's global) and builds its
    // dialog from the lists, the first with ID kFirstListID and each next one ID higher. Raw lists are
    // written as given, to model damaged resources.
    void Build(WindowPtr* windowGlobal, WindowReference ref, const std::vector<std::vector<UInt8>>& lists,
               SInt16 listCount = 0) {
        std::vector<ResourceSpec> resources;
        for (size_t i = 0; i < lists.size(); ++i)
            if (!lists[i].empty()) resources.push_back({FourCC("DITL"), SInt16(kFirstListID + i), lists[i]});
        file = OpenResourceFileWith(dir.File("items.rsrc"), resources);
        ASSERT_GT(file, 0);
        const Rect bounds{100, 100, 400, 500};
        window = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
        ASSERT_NE(window, nullptr);
        slot = windowGlobal;
        *slot = window;
        reference = ref;
        port = GetWindowPort(window);
        ProcessPendingEvents();
        const SInt16 last = SInt16(kFirstListID + (listCount ? listCount : SInt16(lists.size())) - 1);
        dialog = CreateMyDialogControls(reference, window, kFirstListID, last);
        ASSERT_NE(dialog, nullptr);
    }
    // The whole window erased and every item drawn again, as an update does.
    void RedrawAll() {
        CGrafPtr saved;
        GDHandle device;
        GetGWorld(&saved, &device);
        SetGWorld(port, nullptr);
        const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
        RGBBackColor(&white);
        EraseRect(&dialog->bounds);
        SetGWorld(saved, device);
        UpdateMyDialogWindow(reference, dialog, 0);
    }
    MyControlItem* At(SInt16 item) { return ControlFromItemNum(dialog, item); }
    UInt32 Pixel(int h, int v) const { return GetPortPixel(port, SInt16(h), SInt16(v)); }
    // A press at `from`, a drag to `to` and a release there, all handled before tracking starts: the
    // tracking loop then finds the button up with the mouse at `to`.
    void PressDragRelease(Point from, Point to) {
        PostMouseEvent(window, EventKind::MouseDown, from, 0);
        PostMouseEvent(window, EventKind::MouseDragged, to, 0);
        PostMouseEvent(window, EventKind::MouseUp, to, 0);
        ProcessPendingEvents();
    }
    std::string Snapshot(const Rect& r) const {
        std::string out;
        for (int v = r.top; v < r.bottom; ++v)
            for (int h = r.left; h < r.right; ++h) {
                const UInt32 p = GetPortPixel(port, SInt16(h), SInt16(v));
                out.append(reinterpret_cast<const char*>(&p), sizeof p);
            }
        return out;
    }

    TempDir dir;
    ResFileRefNum file = -1;
    WindowPtr window = nullptr;
    WindowPtr* slot = nullptr;
    WindowReference reference = 0;
    CGrafPtr port = nullptr;
    MyDialogHandle dialog = nullptr;
};

// Where two snapshots of the same rectangle first differ, for failure messages.
inline std::string FirstDifference(const std::string& a, const std::string& b, const Rect& r) {
    const size_t width = size_t(RectWidth(r));
    for (size_t i = 0; i + 4 <= std::min(a.size(), b.size()); i += 4)
        if (a.compare(i, 4, b, i, 4) != 0) {
            const size_t pixel = i / 4;
            return "first difference at h " + std::to_string(r.left + int(pixel % width)) + ", v " +
                   std::to_string(r.top + int(pixel / width));
        }
    return a.size() == b.size() ? "no difference" : "sizes differ";
}
