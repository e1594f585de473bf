// A white offscreen world made current for a drawing test, with helpers that read its pixels back.
#pragma once

#include "platform/drawing.h"
#include "platform/text_drawing.h"

#include <gtest/gtest.h>

#include <vector>

class PortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GetGWorld(&savedPort, &savedDevice);
        const Rect bounds{0, 0, kHeight, kWidth};
        ASSERT_EQ(NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0), noErr);
        SetGWorld(world, nullptr);
        TextFont(kFontCourier);
        TextSize(16);
    }
    void TearDown() override {
        SetGWorld(savedPort, savedDevice);
        if (world) DisposeGWorld(world);
    }

    static constexpr SInt16 kWidth = 320;
    static constexpr SInt16 kHeight = 200;

    UInt32 Pixel(SInt16 h, SInt16 v) const { return GetPortPixel(world, h, v) & 0xFFFFFF; }
    std::vector<UInt32> Pixels() const {
        std::vector<UInt32> all;
        for (SInt16 v = 0; v < kHeight; ++v)
            for (SInt16 h = 0; h < kWidth; ++h)
                all.push_back(Pixel(h, v));
        return all;
    }
    void Clear() {
        const Rect all{0, 0, kHeight, kWidth};
        RGBColor white{0xFFFF, 0xFFFF, 0xFFFF}, black{0, 0, 0};
        RGBBackColor(&white);
        RGBForeColor(&black);
        EraseRect(&all);
    }
    // The smallest rectangle holding every pixel that is not white; empty when there is none.
    Rect Ink(const Rect& within = Rect{0, 0, kHeight, kWidth}) const {
        Rect ink{32767, 32767, -32768, -32768};
        for (SInt16 v = within.top; v < within.bottom; ++v)
            for (SInt16 h = within.left; h < within.right; ++h)
                if (Pixel(h, v) != 0xFFFFFF) {
                    if (v < ink.top) ink.top = v;
                    if (h < ink.left) ink.left = h;
                    if (v + 1 > ink.bottom) ink.bottom = SInt16(v + 1);
                    if (h + 1 > ink.right) ink.right = SInt16(h + 1);
                }
        return ink.top > ink.bottom ? Rect{} : ink;
    }
    bool HasInk(const Rect& within) const {
        const Rect ink = Ink(within);
        return !EmptyRect(&ink);
    }

    CGrafPtr savedPort = nullptr;
    GDHandle savedDevice = nullptr;
    GWorldPtr world = nullptr;
};
