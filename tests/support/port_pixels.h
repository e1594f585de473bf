// Drawing tests' fixtures: a small offscreen world made current for the test, and its pixels read back as
// rows of characters so that expected drawings can be written out as pictures.
#pragma once

#include "platform/drawing.h"

#include <string>

constexpr UInt32 kWhitePixel = 0xFFFFFFFFu;
constexpr UInt32 kBlackPixel = 0xFF000000u;
constexpr RGBColor kBlackRGB{0, 0, 0};
constexpr RGBColor kWhiteRGB{0xFFFF, 0xFFFF, 0xFFFF};
constexpr RGBColor kRedRGB{0xFFFF, 0, 0};
constexpr RGBColor kGreenRGB{0, 0xFFFF, 0};
constexpr RGBColor kBlueRGB{0, 0, 0xFFFF};
constexpr UInt32 kRedPixel = 0xFFFF0000u;
constexpr UInt32 kGreenPixel = 0xFF00FF00u;
constexpr UInt32 kBluePixel = 0xFF0000FFu;

// A white world of width x height whose local coordinates start at (left, top), current while it lives.
class TestWorld {
  public:
    TestWorld(int width, int height, int left = 0, int top = 0) {
        Rect bounds{SInt16(top), SInt16(left), SInt16(top + height), SInt16(left + width)};
        GetGWorld(&savedPort_, &savedDevice_);
        error_ = NewGWorld(&world_, 32, &bounds, nullptr, nullptr, 0);
        if (world_) SetGWorld(world_, nullptr);
    }
    ~TestWorld() {
        SetGWorld(savedPort_, savedDevice_);
        DisposeGWorld(world_);
    }
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    GWorldPtr get() const { return world_; }
    operator GWorldPtr() const { return world_; }
    QDErr error() const { return error_; }
    void MakeCurrent() const { SetGWorld(world_, nullptr); }
    UInt32 At(int h, int v) const { return GetPortPixel(world_, SInt16(h), SInt16(v)); }
    Rect Bounds() const {
        Rect r;
        GetPortBounds(world_, &r);
        return r;
    }

    // The world's rows, each ended by '\n': '.' white, '#' black, 'r' 'g' 'b' pure red, green, blue,
    // '?' anything else.
    std::string Art() const {
        const Rect b = Bounds();
        std::string out;
        for (int v = b.top; v < b.bottom; ++v) {
            for (int h = b.left; h < b.right; ++h)
                out += CharFor(At(h, v));
            out += '\n';
        }
        return out;
    }
    // Every pixel's value in row order, for comparing a whole world before and after.
    std::string Snapshot() const {
        const Rect b = Bounds();
        std::string out;
        for (int v = b.top; v < b.bottom; ++v)
            for (int h = b.left; h < b.right; ++h)
                out += std::to_string(At(h, v)) + ",";
        return out;
    }
    int Count(UInt32 pixel) const {
        const Rect b = Bounds();
        int n = 0;
        for (int v = b.top; v < b.bottom; ++v)
            for (int h = b.left; h < b.right; ++h)
                n += At(h, v) == pixel;
        return n;
    }

    static char CharFor(UInt32 p) {
        switch (p) {
        case kWhitePixel:
            return '.';
        case kBlackPixel:
            return '#';
        case kRedPixel:
            return 'r';
        case kGreenPixel:
            return 'g';
        case kBluePixel:
            return 'b';
        default:
            return '?';
        }
    }

  private:
    GWorldPtr world_ = nullptr;
    CGrafPtr savedPort_ = nullptr;
    GDHandle savedDevice_ = nullptr;
    QDErr error_ = noErr;
};

inline Rect MakeRect(int left, int top, int right, int bottom) {
    return Rect{SInt16(top), SInt16(left), SInt16(bottom), SInt16(right)};
}

// Joins picture rows into the form Art() returns.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows)
        out += std::string(r) + "\n";
    return out;
}
