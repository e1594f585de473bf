// Lists of text cells: the cells, the selection and the scroll position, drawn with the port's own
// text state so that callers choose the font around each call.
#include "platform/lists.h"

#include "platform/text_drawing.h"

#include <algorithm>
#include <vector>

struct OpaqueList {
    Rect view{};
    CGrafPtr port = nullptr;
    Point cellSize{};
    SInt16 columns = 1;
    SInt16 top = 0; // first row shown
    SInt16 selFlags = 0;
    bool drawIt = true;
    bool scrollVertical = true;
    Cell lastClick{-1, -1};
    struct Row {
        std::vector<std::string> cells;
        std::vector<bool> selected;
    };
    std::vector<Row> rows;
};

namespace {

constexpr SInt16 kScrollStrip = 15;

bool ValidCell(const OpaqueList* list, Cell cell) {
    return list && cell.v >= 0 && size_t(cell.v) < list->rows.size() && cell.h >= 0 && cell.h < list->columns;
}

SInt16 VisibleRows(const OpaqueList* list) {
    const int height = list->view.bottom - list->view.top;
    return SInt16(list->cellSize.v > 0 ? std::max(1, height / list->cellSize.v) : 1);
}

void ClampTop(OpaqueList* list) {
    const int most = std::max(0, int(list->rows.size()) - VisibleRows(list));
    list->top = SInt16(std::clamp(int(list->top), 0, most));
}

// Runs fn with the list's port current, restoring the caller's port after.
template <typename Fn> void InPort(OpaqueList* list, Fn fn) {
    CGrafPtr saved;
    GDHandle device;
    GetGWorld(&saved, &device);
    SetGWorld(list->port, nullptr);
    fn();
    SetGWorld(saved, device);
}

void DrawCells(OpaqueList* list) {
    FontInfo info;
    GetFontInfo(&info);
    const Rect& view = list->view;
    RgnHandle savedClip = NewRgn();
    GetClip(savedClip);
    ClipRect(&view);
    EraseRect(&view);
    for (SInt16 i = 0; i < VisibleRows(list) + 1; ++i) {
        const size_t row = size_t(list->top) + size_t(i);
        if (row >= list->rows.size()) break;
        for (SInt16 c = 0; c < list->columns; ++c) {
            Rect cell{SInt16(view.top + i * list->cellSize.v), SInt16(view.left + c * list->cellSize.h),
                      SInt16(view.top + (i + 1) * list->cellSize.v),
                      SInt16(view.left + (c + 1) * list->cellSize.h)};
            const std::string& text = list->rows[row].cells[size_t(c)];
            MoveTo(SInt16(cell.left + 4), SInt16(cell.top + info.ascent + info.leading));
            DrawText(text.data(), 0, SInt16(std::min<size_t>(text.size(), 32767)));
            const bool empty = text.empty() && (list->selFlags & lNoNilHilite);
            if (list->rows[row].selected[size_t(c)] && !empty) InvertRect(&cell);
        }
    }
    SetClip(savedClip);
    DisposeRgn(savedClip);
    if (list->scrollVertical) {
        Rect strip{view.top, view.right, view.bottom, SInt16(view.right + kScrollStrip)};
        EraseRect(&strip);
        FrameRect(&strip);
        const int count = int(list->rows.size());
        const int shown = VisibleRows(list);
        if (count > shown) {
            // The thumb shows which part of the rows is in view.
            const int track = strip.bottom - strip.top - 2;
            const int thumbTop = strip.top + 1 + track * list->top / count;
            const int thumbBottom = strip.top + 1 + track * std::min(count, list->top + shown) / count;
            Rect thumb{SInt16(thumbTop), SInt16(strip.left + 2), SInt16(std::max(thumbTop + 4, thumbBottom)),
                       SInt16(strip.right - 2)};
            PaintRect(&thumb);
        }
    }
}

void Redraw(OpaqueList* list) {
    if (list->drawIt) InPort(list, [list] { DrawCells(list); });
}

} // namespace

ListHandle LNew(const Rect* view, const Rect* dataBounds, Point cellSize, CGrafPtr port, bool drawIt,
                bool scrollVertical) {
    if (!view || !dataBounds || !port) return nullptr;
    auto* list = new OpaqueList;
    list->view = *view;
    list->port = port;
    list->drawIt = drawIt;
    list->scrollVertical = scrollVertical;
    list->columns = SInt16(std::max(1, int(dataBounds->right - dataBounds->left)));
    list->cellSize = cellSize;
    if (list->cellSize.h <= 0)
        list->cellSize.h = SInt16(std::max(1, (view->right - view->left) / list->columns));
    if (list->cellSize.v <= 0) {
        InPort(list, [list] {
            FontInfo info;
            GetFontInfo(&info);
            list->cellSize.v = SInt16(std::max(1, info.ascent + info.descent + info.leading));
        });
    }
    const int rows = std::max(0, int(dataBounds->bottom - dataBounds->top));
    LAddRow(SInt16(rows), 0, list);
    return list;
}

void LDispose(ListHandle list) {
    delete list;
}

SInt16 LAddRow(SInt16 count, SInt16 rowNum, ListHandle list) {
    if (!list || count <= 0) return 0;
    const size_t at = std::min(size_t(std::max<SInt16>(rowNum, 0)), list->rows.size());
    OpaqueList::Row row{std::vector<std::string>(size_t(list->columns)),
                        std::vector<bool>(size_t(list->columns))};
    list->rows.insert(list->rows.begin() + std::ptrdiff_t(at), size_t(count), row);
    Redraw(list);
    return SInt16(at);
}

void LDelRow(SInt16 count, SInt16 rowNum, ListHandle list) {
    if (!list) return;
    if (count == 0) {
        list->rows.clear();
    } else {
        if (count < 0 || rowNum < 0 || size_t(rowNum) >= list->rows.size()) return;
        const size_t last = std::min(list->rows.size(), size_t(rowNum) + size_t(count));
        list->rows.erase(list->rows.begin() + rowNum, list->rows.begin() + std::ptrdiff_t(last));
    }
    ClampTop(list);
    Redraw(list);
}

void LSetCell(const void* data, SInt16 length, Cell cell, ListHandle list) {
    if (!ValidCell(list, cell)) return;
    const auto* bytes = static_cast<const char*>(data);
    list->rows[size_t(cell.v)].cells[size_t(cell.h)].assign(bytes && length > 0 ? bytes : "",
                                                            bytes && length > 0 ? size_t(length) : 0);
    Redraw(list);
}

void LGetCell(void* data, SInt16* length, Cell cell, ListHandle list) {
    if (!length) return;
    if (!ValidCell(list, cell) || !data) {
        *length = 0;
        return;
    }
    const std::string& text = list->rows[size_t(cell.v)].cells[size_t(cell.h)];
    const size_t n = std::min(text.size(), size_t(std::max<SInt16>(*length, 0)));
    std::copy_n(text.data(), n, static_cast<char*>(data));
    *length = SInt16(n);
}

void LSetSelect(bool select, Cell cell, ListHandle list) {
    if (!ValidCell(list, cell)) return;
    if (select && (list->selFlags & lOnlyOne))
        for (auto& row : list->rows)
            std::fill(row.selected.begin(), row.selected.end(), false);
    list->rows[size_t(cell.v)].selected[size_t(cell.h)] = select;
    Redraw(list);
}

bool LGetSelect(bool next, Cell* cell, ListHandle list) {
    if (!list || !cell) return false;
    if (!next) return ValidCell(list, *cell) && list->rows[size_t(cell->v)].selected[size_t(cell->h)];
    for (size_t r = size_t(std::max<SInt16>(cell->v, 0)); r < list->rows.size(); ++r) {
        const SInt16 fromColumn =
            r == size_t(std::max<SInt16>(cell->v, 0)) ? std::max<SInt16>(cell->h, 0) : 0;
        for (SInt16 c = fromColumn; c < list->columns; ++c) {
            if (list->rows[r].selected[size_t(c)]) {
                *cell = Cell{SInt16(r), c};
                return true;
            }
        }
    }
    return false;
}

void LSetSelFlags(SInt16 flags, ListHandle list) {
    if (list) list->selFlags = flags;
}

void LSetDrawingMode(bool drawIt, ListHandle list) {
    if (!list) return;
    list->drawIt = drawIt;
    Redraw(list);
}

void LSetCellWidth(SInt16 width, ListHandle list) {
    if (list && width > 0) list->cellSize.h = width;
}

void LScroll(SInt16 rows, ListHandle list) {
    if (!list) return;
    list->top = SInt16(std::clamp(int(list->top) + rows, -32768, 32767));
    ClampTop(list);
    Redraw(list);
}

void LUpdate(ListHandle list) {
    if (list) InPort(list, [list] { DrawCells(list); });
}

bool LClick(Point local, UInt16 modifiers, SInt16 clickCount, ListHandle list) {
    if (!list || list->cellSize.v <= 0 || list->cellSize.h <= 0) return false;
    const Rect& view = list->view;
    if (local.v < view.top || local.v >= view.bottom || local.h < view.left || local.h >= view.right)
        return false;
    const Cell cell{SInt16(list->top + (local.v - view.top) / list->cellSize.v),
                    SInt16((local.h - view.left) / list->cellSize.h)};
    if (!ValidCell(list, cell)) return false;
    const bool adds = (modifiers & 0x0200) && !(list->selFlags & lOnlyOne);
    if (!adds)
        for (auto& row : list->rows)
            std::fill(row.selected.begin(), row.selected.end(), false);
    list->rows[size_t(cell.v)].selected[size_t(cell.h)] = true;
    const bool twice = clickCount >= 2 && cell.v == list->lastClick.v && cell.h == list->lastClick.h;
    list->lastClick = cell;
    Redraw(list);
    return twice;
}

Rect LGetView(ListHandle list) {
    return list ? list->view : Rect{};
}
CGrafPtr LGetPort(ListHandle list) {
    return list ? list->port : nullptr;
}
SInt16 LCountRows(ListHandle list) {
    return list ? SInt16(list->rows.size()) : 0;
}
SInt16 LCountColumns(ListHandle list) {
    return list ? list->columns : 0;
}
SInt16 LTopRow(ListHandle list) {
    return list ? list->top : 0;
}
Point LGetCellSize(ListHandle list) {
    return list ? list->cellSize : Point{};
}
