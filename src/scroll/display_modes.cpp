// Switching the prompter's screen to the display mode chosen for scrolling and back, and the list of
// modes a screen offers. The mode that was on before the first switch is kept with its screen, so that
// restoring reaches the screen that was switched even when the prompter has moved since.
#include "scroll/display_modes.h"

#include "foundation/program_strings.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/screens.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr SInt16 kModeOptionTexts = 134;

bool isset = false;
GDHandle gModeDevice = nullptr;
DisplayMode gSavedMode{};
DisplayMode gLastReadMode{};

DisplayMode ModeOf(const SInt32* v) {
    return DisplayMode{v[0], v[1], v[2], v[3], v[4]};
}

// The listed mode equal in every value, else the closest of the same size (same depth first, then the
// highest refresh), else the closest in area.
bool ChooseMode(GDHandle device, const DisplayMode& wanted, DisplayMode* chosen) {
    const std::vector<DisplayMode> modes = GetDisplayModes(device);
    if (modes.empty()) return false;
    const DisplayMode* best = nullptr;
    auto score = [&](const DisplayMode& m) {
        long long s = 0;
        if (m.width != wanted.width || m.height != wanted.height)
            s += 1'000'000'000LL + std::llabs(1LL * m.width * m.height - 1LL * wanted.width * wanted.height);
        if (m.bitsPerPixel != wanted.bitsPerPixel) s += 1'000'000;
        s += std::llabs(1LL * m.refreshRate - wanted.refreshRate);
        return s;
    };
    for (const DisplayMode& m : modes) {
        if (m == wanted) {
            *chosen = m;
            return true;
        }
        if (!best || score(m) < score(*best)) best = &m;
    }
    *chosen = *best;
    return true;
}

void SwitchTo(GDHandle device, const DisplayMode& wanted) {
    DisplayMode mode{};
    if (ChooseMode(device, wanted, &mode)) SetDisplayMode(device, mode);
}

} // namespace

void ChangeScreenResolution(GDHandle device, SInt32* values, SInt16 action) {
    if (action == kModeRestore) {
        if (!isset) return;
        isset = false;
        SwitchTo(gModeDevice, gSavedMode);
        gModeDevice = nullptr;
        return;
    }
    if (action == kModeSwitchOnce && isset) return;
    DisplayMode current{};
    // A screen whose mode cannot be read keeps it: nothing is switched and so nothing needs restoring.
    if (!device || !values || !GetCurrentDisplayMode(device, &current)) return;
    gLastReadMode = current;
    if (action == kModeQuery) {
        const SInt32 read[5] = {current.width, current.height, current.bitsPerPixel, current.refreshRate,
                                current.options};
        std::memcpy(values, read, sizeof read);
        return;
    }
    if (action != kModeSwitchOnce && action != kModeSwitchAgain) return;
    // A second switch of the same screen keeps the mode from before the first as the one to restore.
    if (!isset || device != gModeDevice) {
        if (isset) SwitchTo(gModeDevice, gSavedMode);
        gSavedMode = current;
        gModeDevice = device;
    }
    const DisplayMode wanted = ModeOf(values);
    if (wanted == current) return;
    isset = true;
    SwitchTo(device, wanted);
}

bool ScreenModeIsSet() {
    return isset;
}

void ForgetModeOfVanishedScreen() {
    const Rect bounds = gModeDevice ? GetDeviceBounds(gModeDevice) : Rect{};
    if (isset && EmptyRect(&bounds)) {
        isset = false;
        gModeDevice = nullptr;
    }
}

void ForgetScreenMode() {
    isset = false;
    gModeDevice = nullptr;
    gSavedMode = gLastReadMode = DisplayMode{};
}

SInt32 GetScreenResolutionItem(GDHandle device, SInt32* width, SInt32* height, SInt32* bits, SInt32* refresh,
                               SInt32* options, SInt16 index) {
    const std::vector<DisplayMode> modes = GetDisplayModes(device);
    if (index < 0 || size_t(index) >= modes.size()) return 0;
    const DisplayMode& m = modes[size_t(index)];
    if (width) *width = m.width;
    if (height) *height = m.height;
    if (bits) *bits = m.bitsPerPixel;
    if (refresh) *refresh = m.refreshRate;
    if (options) *options = m.options;
    return SInt32(index) + 1;
}

SInt32 MyDisplayBestModeForParameters(GDHandle device, SInt32 width, SInt32 height, SInt32 bits,
                                      SInt32 refresh, SInt32 options) {
    const DisplayMode wanted{width, height, bits, refresh, options};
    const std::vector<DisplayMode> modes = GetDisplayModes(device);
    for (size_t i = 0; i < modes.size(); ++i)
        if (modes[i] == wanted) return SInt32(i) + 1;
    return 0;
}

void AddWidthHeightToMenu(MenuRef menu, SInt32 width, SInt32 height, SInt32 bits, SInt32 refresh,
                          SInt32 options) {
    if (!menu) return;
    std::string text = std::to_string(width) + "x" + std::to_string(height) + "-" + std::to_string(bits) +
                       "-" + std::to_string(refresh);
    const SInt32 bitsInOrder[] = {kModeSafe, kModeInterlaced, kModeStretched, kModeTelevision};
    for (SInt16 i = 0; i < 4; ++i) {
        if (!(options & bitsInOrder[i])) continue;
        Str255 note;
        if (GetOrvalisString(kModeOptionTexts, SInt16(i + 1), note)) text.append(PStringView(note));
    }
    Str255 item;
    SetPString(item, text);
    AppendMenuItemText(menu, item);
}

Handle AddScreenSizesToMenu(MenuRef menu, GDHandle device, SInt16, Handle list, bool makeList,
                            SInt16* count) {
    if (makeList && !list) list = NewHandle(0);
    if (makeList && !list) makeList = false;
    SInt16 walked = 0;
    SInt32 values[5];
    for (SInt16 index = 0;; ++index) {
        const SInt32 mode = GetScreenResolutionItem(device, &values[0], &values[1], &values[2], &values[3],
                                                    &values[4], index);
        if (!mode) break;
        ++walked;
        if (menu) AddWidthHeightToMenu(menu, values[0], values[1], values[2], values[3], values[4]);
        if (!makeList) continue;
        const Size size = GetHandleSize(list);
        SetHandleSize(list, size + kScreenSizeRecordSize);
        // A list that cannot grow keeps the records it has; nothing is written past its end.
        if (MemError() != noErr || GetHandleSize(list) != size + kScreenSizeRecordSize) {
            makeList = false;
            continue;
        }
        const SInt32 record[6] = {mode, values[0], values[1], values[2], values[3], values[4]};
        std::memcpy(*list + size, record, sizeof record);
    }
    if (count) *count = walked;
    return list;
}

bool GetWidthHeightFromScreenSizeList(Handle list, SInt16 index, SInt32* mode, SInt32* width, SInt32* height,
                                      SInt32* bits, SInt32* refresh, SInt32* options) {
    if (!list || !*list || index < 0 || Size(index + 1) * kScreenSizeRecordSize > GetHandleSize(list))
        return false;
    SInt32 record[6];
    std::memcpy(record, *list + Size(index) * kScreenSizeRecordSize, sizeof record);
    SInt32* outs[6] = {mode, width, height, bits, refresh, options};
    for (int i = 0; i < 6; ++i)
        if (outs[i]) *outs[i] = record[i];
    return true;
}
