// The small fixed-width face the information strip and the tab ruler write their labels in, set on the
// current port for as long as the guard lives and the port's own font put back after.
#pragma once

#include "platform/drawing.h"
#include "platform/text_drawing.h"

class SmallLabelFont {
  public:
    SmallLabelFont() {
        GrafPtr port;
        GetPort(&port);
        font_ = GetPortTextFont(port);
        size_ = GetPortTextSize(port);
        face_ = GetPortTextFace(port);
        TextFont(kMonaco);
        TextSize(9);
        TextFace(0);
    }
    ~SmallLabelFont() {
        TextFont(font_);
        TextSize(size_);
        TextFace(face_);
    }
    SmallLabelFont(const SmallLabelFont&) = delete;
    SmallLabelFont& operator=(const SmallLabelFont&) = delete;

  private:
    static constexpr SInt16 kMonaco = 4;
    SInt16 font_ = 0, size_ = 0, face_ = 0;
};
