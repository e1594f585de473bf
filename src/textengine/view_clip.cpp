// Clipping drawing to a record's view: the clip regions are reused from a stack that nested drawing
// (an update drawing lines and hilites) climbs one level at a time.
#include "textengine/view_clip.h"

#include <algorithm>

namespace {

constexpr int kClipDepth = 6;
RgnHandle gClipRegions[kClipDepth][2];
int gClipDepth = 0;

} // namespace

Rect ToShortRect(const LongRect& r) {
    auto pin = [](SInt32 v) { return SInt16(std::clamp<SInt32>(v, -32768, 32767)); };
    return Rect{pin(r.top), pin(r.left), pin(r.bottom), pin(r.right)};
}

bool EnterViewClip(const WERec& r, RgnHandle extra, ViewClip* v) {
    GetPort(&v->savedPort);
    SetPort(r.port);
    if (gClipDepth < kClipDepth) {
        RgnHandle* pair = gClipRegions[gClipDepth];
        if (!pair[0]) pair[0] = NewRgn();
        if (!pair[1]) pair[1] = NewRgn();
        v->oldClip = pair[0];
        v->clip = pair[1];
    } else {
        v->oldClip = NewRgn();
        v->clip = NewRgn();
    }
    gClipDepth++;
    GetClip(v->oldClip);
    const Rect view = ToShortRect(r.viewRect);
    RectRgn(v->clip, &view);
    SectRgn(v->clip, v->oldClip, v->clip);
    if (r.viewRgn) SectRgn(v->clip, r.viewRgn, v->clip);
    if (extra) SectRgn(v->clip, extra, v->clip);
    if (EmptyRgn(v->clip)) return false;
    SetClip(v->clip);
    return true;
}

void LeaveViewClip(ViewClip* v) {
    SetClip(v->oldClip);
    gClipDepth--;
    if (gClipDepth >= kClipDepth) {
        DisposeRgn(v->clip);
        DisposeRgn(v->oldClip);
    }
    SetPort(v->savedPort);
}
