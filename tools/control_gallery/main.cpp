// A tool window of every common control in four columns, normal, pressed, disabled and focused, and
// below them the custom-drawn buttons, sliders, dials and knife switches released and pressed, for a
// person to look at. Its item list is written into a scratch resource file at start. It quits by itself
// after the number of seconds given as its argument (8 by default).
#include "controls/control_drawing.h"
#include "controls/control_focus.h"
#include "controls/control_layout.h"
#include "controls/control_values.h"
#include "controls/custom_controls.h"
#include "controls/edit_fields.h"
#include "controls/list_controls.h"
#include "controls/scroll_controls.h"
#include "platform/application.h"
#include "platform/bytes.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_drawing.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "texttools/text_tool_windows.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr WindowReference kGalleryReference = 11; // shown as the find and replace window
constexpr SInt16 kGalleryList = 3900;
constexpr int kColumns = 4;

struct GalleryItem {
    UInt8 type;
    Rect rect; // in the column
    const char* text;
    UInt16 kind; // given after construction; 0 keeps the type
    bool checked;
};

// One column's items; the same set stands in every column.
const GalleryItem kColumnItems[] = {
    {8, {12, 0, 28, 200}, "", 0, false},
    {4, {36, 0, 60, 90}, "Start", 0, false},
    {4, {36, 100, 60, 190}, "Times", kMyFontButton, false},
    {5, {72, 0, 88, 180}, "Mirror text", 0, true},
    {5, {92, 0, 108, 180}, "Loop", 0, false},
    {6, {114, 0, 130, 180}, "Pixels per second", 0, true},
    {6, {134, 0, 150, 180}, "Lines per minute", 0, false},
    {0, {160, 0, 236, 200}, "Options", kMyContainer, false},
    {5, {182, 10, 198, 190}, "Show cue", 0, true},
    {8, {206, 10, 222, 190}, "Speed: 42", 0, false},
    {0, {246, 0, 266, 40}, "", kMyColorBox, false},
    {0, {246, 50, 266, 90}, "", kMyIndicatorLight, false},
    {0, {246, 100, 266, 190}, "", kMyLineDown, false},
    {0, {276, 0, 300, 200}, "Collapsed", kMyContainer, false},
};
constexpr int kPerColumn = int(std::size(kColumnItems));
const char* const kColumnTitles[kColumns] = {"Normal", "Pressed", "Disabled", "Focused"};

// Below the columns: fields, a list, a pop-up and a scroll bar.
const GalleryItem kFieldItems[] = {
    {8, {330, 20, 346, 120}, "Speed", 0, false},
    {16, {330, 120, 348, 220}, "", 0, false},
    {8, {356, 20, 372, 120}, "Title", 0, false},
    {16, {356, 120, 374, 420}, "", 0, false},
    {8, {382, 20, 398, 120}, "Pacing", 0, false},
    {0, {382, 120, 402, 320}, "", kMyPopup, false},
    {0, {330, 460, 470, 700}, "", kMyList, false},
    {0, {330, 720, 470, 736}, "", kMyVerticalScrollBar, false},
    {16, {420, 20, 470, 420}, "", kMyScrollingEditText, false},
};
constexpr int kFieldCount = int(std::size(kFieldItems));
constexpr SInt16 kFirstField = kColumns * kPerColumn + 1;

void PutBE16(std::vector<UInt8>& out, int v) {
    out.push_back(UInt8((v >> 8) & 0xFF));
    out.push_back(UInt8(v & 0xFF));
}

std::vector<UInt8> GalleryItemList() {
    std::vector<UInt8> out;
    PutBE16(out, kColumns * kPerColumn + kFieldCount - 1);
    for (int column = 0; column < kColumns; ++column) {
        const int left = 20 + column * 220;
        for (const GalleryItem& item : kColumnItems) {
            const std::string text =
                item.text[0] || &item != &kColumnItems[0] ? item.text : kColumnTitles[column];
            out.insert(out.end(), {0, 0, 0, 0});
            PutBE16(out, item.rect.top);
            PutBE16(out, item.rect.left + left);
            PutBE16(out, item.rect.bottom);
            PutBE16(out, item.rect.right + left);
            out.push_back(item.type);
            out.push_back(UInt8(text.size()));
            out.insert(out.end(), text.begin(), text.end());
            if (text.size() & 1) out.push_back(0);
        }
    }
    for (const GalleryItem& item : kFieldItems) {
        const std::string text = item.text;
        out.insert(out.end(), {0, 0, 0, 0});
        PutBE16(out, item.rect.top);
        PutBE16(out, item.rect.left);
        PutBE16(out, item.rect.bottom);
        PutBE16(out, item.rect.right);
        out.push_back(item.type);
        out.push_back(UInt8(text.size()));
        out.insert(out.end(), text.begin(), text.end());
        if (text.size() & 1) out.push_back(0);
    }
    return out;
}

void PrepareFields(MyDialogHandle dialog) {
    const SInt16 f = kFirstField;
    for (int i = 0; i < kFieldCount; ++i)
        if (kFieldItems[i].kind)
            SetMyControlKind(kGalleryReference, dialog, SInt16(f + i), kFieldItems[i].kind, 0);
    SetMyControlEditNum(kGalleryReference, dialog, SInt16(f + 1), 42, kMyEditText);
    SetMyControlEditRange(kGalleryReference, dialog, SInt16(f + 1), 1, 100);
    const char* title = "Evening news, second block";
    SetMyControlEditText(kGalleryReference, dialog, SInt16(f + 3), title, SInt32(strlen(title)), kMyEditText);
    const char* notes = "Notes for the speaker: slow down after the weather, pause before the interview.";
    SetMyControlEditText(kGalleryReference, dialog, SInt16(f + 8), notes, SInt32(strlen(notes)),
                         kMyScrollingEditText);
    MenuRef menu = nullptr;
    if (CreateNewMenu(3901, 0, &menu) == noErr && menu) {
        Str255 text;
        for (const char* name : {"Pixels per second", "Lines per minute", "Finish time"}) {
            SetPString(text, name);
            AppendMenuItemText(menu, text);
        }
        MyControlItem* popup = ControlFromItemNum(dialog, SInt16(f + 5));
        popup->object = menu;
        popup->minimum = 3901;
        SetMyControlPopupChoice(kGalleryReference, nullptr, popup, 2);
    }
    for (const char* name : {"Opening", "Weather", "Interview", "Sports", "Closing", "Credits", "Spare 1",
                             "Spare 2", "Spare 3", "Spare 4", "Spare 5"}) {
        Str255 text;
        SetPString(text, name);
        AddItemToMyControlList(kGalleryReference, dialog, SInt16(f + 6), text);
    }
    SelectMyControlList(kGalleryReference, dialog, SInt16(f + 6), 2, true);
    MyScrollControl* bar =
        GetMyControlScrollBar(kGalleryReference, ControlFromItemNum(dialog, SInt16(f + 7)));
    SetMyScrollControlMaximum(bar, nullptr, 1000, false);
    SetMyScrollControlValue(bar, nullptr, 300, false);
    RecalMyScrollControl(bar, false, kScrollBarNormal, nullptr);
}

ResFileRefNum WriteGalleryResources(const std::string& path) {
    CreateResFile(path);
    const ResFileRefNum file = OpenResFile(path, fsRdWrPerm);
    if (file <= 0) return file;
    const std::vector<UInt8> bytes = GalleryItemList();
    Handle h = NewHandle(Size(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<UInt8*>(*h));
    AddResource(h, FourCC("DITL"), kGalleryList, nullptr);
    UpdateResFile(file);
    return file;
}

void Prepare(MyDialogHandle dialog) {
    const SInt32 colours[][3] = {{0xFFFF, 0x8000, 0}, {0, 0xC000, 0}, {0x2000, 0x4000, 0xFFFF}};
    for (int column = 0; column < kColumns; ++column) {
        const SInt16 base = SInt16(column * kPerColumn);
        for (int i = 0; i < kPerColumn; ++i) {
            const SInt16 item = SInt16(base + i + 1);
            if (kColumnItems[i].kind)
                SetMyControlKind(kGalleryReference, dialog, item, kColumnItems[i].kind, 1);
            if (kColumnItems[i].checked)
                SetMyControlChecked(kGalleryReference, nullptr, ControlFromItemNum(dialog, item), true);
        }
        SetMyControlValues(kGalleryReference, nullptr, ControlFromItemNum(dialog, SInt16(base + 11)),
                           &colours[0][0], &colours[0][1], &colours[0][2]);
        SetMyControlValues(kGalleryReference, nullptr, ControlFromItemNum(dialog, SInt16(base + 12)),
                           &colours[1][0], &colours[1][1], &colours[1][2]);
        SetMyControlValues(kGalleryReference, nullptr, ControlFromItemNum(dialog, SInt16(base + 13)),
                           &colours[2][0], &colours[2][1], &colours[2][2]);
        // The first container holds the check box and the text under it; it starts expanded.
        SetMyControlContainer(kGalleryReference, dialog, SInt16(base + 9), SInt16(base + 8), SInt16(base + 8),
                              false);
        SetMyControlContainer(kGalleryReference, dialog, SInt16(base + 10), SInt16(base + 8),
                              SInt16(base + 9), false);
        SetMyControlExpanded(kGalleryReference, dialog, SInt16(base + 8), true);
        if (column == 2)
            for (int i = 1; i < kPerColumn; ++i)
                ControlFromItemNum(dialog, SInt16(base + i + 1))->kind |= kMyKindDisabled;
    }
}

void DrawGallery(MyDialogHandle dialog) {
    UpdateMyDialogWindow(kGalleryReference, dialog, 0);
    for (int i = 1; i < kPerColumn; ++i)
        DrawAMyDialogButton(kGalleryReference, dialog, ControlFromItemNum(dialog, SInt16(kPerColumn + i + 1)),
                            true, false);
    // The field in front holds the focus, its caret shown.
    SetMyControlKeyFocus(kGalleryReference, dialog, SInt16(kFirstField + 3));
    SetMyControlEditSetPosition(kGalleryReference, dialog, SInt16(kFirstField + 3), 8, 12);
    // Only one item holds the focus at a time; the column shows each in turn, drawn while it holds it.
    MyControlItem* field = gHasfocus;
    for (int i = 1; i < kPerColumn; ++i) {
        MyControlItem* record = ControlFromItemNum(dialog, SInt16(3 * kPerColumn + i + 1));
        if (!MyControlTakesFocus(record)) continue;
        gHasfocus = record;
        DrawAMyDialogButton(kGalleryReference, dialog, record, false, false);
    }
    gHasfocus = field;
    QDFlushPortBuffer(GetWindowPort(myFindReplaceWindow), nullptr);
}

void Label(SInt16 h, SInt16 v, const char* text) {
    Str255 s;
    SetPString(s, text);
    const RGBColor black{0, 0, 0};
    RGBForeColor(&black);
    TextFont(4);
    TextSize(9);
    MoveTo(h, v);
    DrawString(s);
}

// The custom controls under the columns, drawn directly: each released on the left, pressed (or held
// mid-way) on the right.
void DrawCustomControls() {
    CGrafPtr port = GetWindowPort(myFindReplaceWindow);
    CGrafPtr saved;
    GDHandle device;
    GetGWorld(&saved, &device);
    SetGWorld(port, nullptr);
    constexpr SInt16 kTop = 490, kPressed = 460;
    Label(20, kTop, "Custom controls, released");
    Label(kPressed, kTop, "Pressed / held");
    const char* titles[] = {"Port", "Label", "Blue"};
    for (SInt16 style = 0; style < 3; ++style) {
        UInt8 title[32];
        SetPString(title, titles[style]);
        for (int pressed = 0; pressed < 2; ++pressed) {
            const SInt16 left = SInt16((pressed ? kPressed : 20) + style * 100);
            const Rect r{SInt16(kTop + 10), left, SInt16(kTop + 32), SInt16(left + 86)};
            Main3DButton(port, &r, title, pressed != 0, style);
        }
    }
    // Main sliders: pinned at both ends and in the middle; then each arrow held.
    const SInt32 positions[] = {-5, 60, 200};
    for (int i = 0; i < 3; ++i) {
        const SInt16 left = SInt16(20 + i * 140);
        const Rect r{SInt16(kTop + 44), left, SInt16(kTop + 60), SInt16(left + 130)};
        DrawMainSlider(myFindReplaceWindow, &r, positions[i] == 200 ? 115 : positions[i]);
    }
    for (int i = 0; i < 2; ++i) {
        const SInt16 left = SInt16(kPressed + i * 140);
        const Rect r{SInt16(kTop + 44), left, SInt16(kTop + 60), SInt16(left + 130)};
        DrawMainSliderArrowPressed(&r, 40, SInt16(i ? 1 : -1));
    }
    // Media sliders: movie position, volume and end point.
    for (int i = 0; i < 3; ++i) {
        const SInt16 left = SInt16(20 + i * 140);
        const Rect r{SInt16(kTop + 72), left, SInt16(kTop + 86), SInt16(left + 130)};
        if (i == 0) DrawMovieSlider(myFindReplaceWindow, &r, 30);
        if (i == 1) DrawVolumeSlider(myFindReplaceWindow, &r, 80);
        if (i == 2) DrawFinishSlider(myFindReplaceWindow, &r, 116);
    }
    // Dials: centred, a small offset down and right, a full one up and left; and a large one.
    const Fixed one = 65536;
    const Fixed dials[][2] = {{0, 0}, {40 * one, 30 * one}, {-100 * one, -100 * one}, {70 * one, -20 * one}};
    for (int i = 0; i < 4; ++i) {
        const SInt16 size = i == 3 ? 120 : 80;
        const SInt16 left = SInt16(i < 3 ? 20 + i * 100 : kPressed);
        const Rect r{SInt16(kTop + 98), left, SInt16(kTop + 98 + size), SInt16(left + size)};
        DrawMainRadialControl(myFindReplaceWindow, &r, dials[i][0], dials[i][1]);
    }
    // Knife switches: off, on, and held at a few points of the blade's travel.
    const SInt32 blades[] = {-14, 14, -9, 3, 12};
    for (int i = 0; i < 5; ++i) {
        const SInt16 left = SInt16(i < 2 ? 330 + i * 60 : kPressed + 140 + (i - 2) * 60);
        const Rect r{SInt16(kTop + 98), left, SInt16(kTop + 112), SInt16(left + 37)};
        DrawMainKnifeSwitch(myFindReplaceWindow, &r, blades[i], 460);
    }
    QDFlushPortBuffer(port, nullptr);
    SetGWorld(saved, device);
}

void Quit(EventLoopTimerRef, void*) {
    QuitApplicationEventLoop();
}

} // namespace

int main(int argc, char** argv) {
    InitPlatform(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 8.0;
    const std::string path = "/tmp/orvalis-control-gallery-" + std::to_string(getpid()) + ".rsrc";
    const ResFileRefNum file = WriteGalleryResources(path);
    if (file <= 0) return 1;

    const Rect bounds{40, 40, 780, 940};
    Str255 title;
    SetPString(title, "Control gallery");
    myFindReplaceWindow = NewCWindow(nullptr, &bounds, title, true, 0, kFirstWindowOfClass, false, 0);
    if (!myFindReplaceWindow) return 1;
    MyDialogHandle dialog =
        CreateMyDialogControls(kGalleryReference, myFindReplaceWindow, kGalleryList, kGalleryList);
    Prepare(dialog);
    PrepareFields(dialog);
    DrawGallery(dialog);
    DrawCustomControls();
    ProcessPendingEvents();

    EventLoopTimerRef quit = nullptr;
    InstallEventLoopTimer(seconds, 0, Quit, nullptr, &quit);
    RunApplicationEventLoop();
    DisposeMyDialogControls(dialog);
    DisposeWindow(myFindReplaceWindow);
    myFindReplaceWindow = nullptr;
    CloseResFile(file);
    std::remove(path.c_str());
    ShutdownPlatform();
    return 0;
}
