// Rectangle and point arithmetic.
#include "platform/geometry.h"

#include <algorithm>

void SetPt(Point* pt, SInt16 h, SInt16 v) {
    pt->h = h;
    pt->v = v;
}

void SetRect(Rect* r, SInt16 left, SInt16 top, SInt16 right, SInt16 bottom) {
    r->left = left;
    r->top = top;
    r->right = right;
    r->bottom = bottom;
}

void OffsetRect(Rect* r, SInt16 dh, SInt16 dv) {
    r->left = SInt16(r->left + dh);
    r->right = SInt16(r->right + dh);
    r->top = SInt16(r->top + dv);
    r->bottom = SInt16(r->bottom + dv);
}

void InsetRect(Rect* r, SInt16 dh, SInt16 dv) {
    r->left = SInt16(r->left + dh);
    r->right = SInt16(r->right - dh);
    r->top = SInt16(r->top + dv);
    r->bottom = SInt16(r->bottom - dv);
    if (EmptyRect(r)) *r = Rect{};
}

bool SectRect(const Rect* a, const Rect* b, Rect* result) {
    Rect r{std::max(a->top, b->top), std::max(a->left, b->left), std::min(a->bottom, b->bottom),
           std::min(a->right, b->right)};
    if (EmptyRect(&r)) r = Rect{};
    *result = r;
    return !EmptyRect(result);
}

void UnionRect(const Rect* a, const Rect* b, Rect* result) {
    if (EmptyRect(a)) {
        *result = *b;
        return;
    }
    if (EmptyRect(b)) {
        *result = *a;
        return;
    }
    *result = Rect{std::min(a->top, b->top), std::min(a->left, b->left), std::max(a->bottom, b->bottom),
                   std::max(a->right, b->right)};
}

bool PtInRect(Point pt, const Rect* r) {
    return pt.v >= r->top && pt.v < r->bottom && pt.h >= r->left && pt.h < r->right;
}

bool EqualRect(const Rect* a, const Rect* b) {
    return *a == *b;
}
bool EmptyRect(const Rect* r) {
    return r->bottom <= r->top || r->right <= r->left;
}

void Pt2Rect(Point a, Point b, Rect* result) {
    *result = Rect{std::min(a.v, b.v), std::min(a.h, b.h), std::max(a.v, b.v), std::max(a.h, b.h)};
}

void AddPt(Point src, Point* dst) {
    dst->v = SInt16(dst->v + src.v);
    dst->h = SInt16(dst->h + src.h);
}

void SubPt(Point src, Point* dst) {
    dst->v = SInt16(dst->v - src.v);
    dst->h = SInt16(dst->h - src.h);
}
