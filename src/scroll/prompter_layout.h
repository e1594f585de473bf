// The division of the prompter's content into its rectangles, as a calculation on plain values so that
// every combination of rotation, mirror, flip and strips can be checked without a window.
#pragma once

#include "platform/geometry.h"

struct PrompterLayoutSettings {
    Rect content{};         // the window's content, local coordinates
    bool offscreen = false; // drawn through offscreen worlds
    bool scrolling = false;
    SInt16 rotation = 0; // 0, or a quarter turn 1 or -1
    bool mirror = false;
    bool flip = false;
    bool infoStrip = false;
    bool cueShown = false;
    SInt16 cueWidth = 0;
    Rect margins{}; // top, left, bottom, right insets
    bool tabRulerShowing = false;
    const Rect* box = nullptr; // a text box of its own, or null
};

struct PrompterLayout {
    Rect available{};
    Rect text{};
    Rect cue{};
    Rect info{};      // window coordinates
    Rect fields[7]{}; // size, start, finish, timer, mode, pause, end: the strip's drawing frame
    Rect clicks[6]{}; // the first six fields as they appear in the window
    // Inconsistencies met on the way, in the order they were met.
    int badBoxReports = 0;
    int messedUpReports = 0;
};

enum : int { kInfoFieldCount = 7, kInfoClickCount = 6 };
inline constexpr SInt16 kInfoFieldLengths[kInfoClickCount] = {100, 150, 150, 150, 130, 100};

PrompterLayout CalculatePrompterLayout(const PrompterLayoutSettings& settings);
