// Run-length encoded pictures: every byte the decoders take is checked against the picture block, and a
// damaged picture is reported once and decoded no further.
#include "foundation/rle_pictures.h"

#include "foundation/error_dialog.h"
#include "foundation/pixel_words.h"
#include "foundation/program_colors.h"
#include "platform/file_io.h"
#include "platform/geometry.h"
#include "platform/memory.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
// Row maps live in this table; the picture's header holds the slot number plus one (0: none).
std::vector<Handle> gRowMaps;

UInt16 Get16(const UInt8* p) {
    UInt16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
UInt32 Get32(const UInt8* p) {
    UInt32 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
void Put16(UInt8* p, UInt16 v) {
    std::memcpy(p, &v, sizeof v);
}
void Put32(UInt8* p, UInt32 v) {
    std::memcpy(p, &v, sizeof v);
}
UInt16 Swap16(UInt16 v) {
    return UInt16((v >> 8) | (v << 8));
}
UInt32 Swap32(UInt32 v) {
    return (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
}

bool HasField(Handle picture, int offset, int size) {
    return picture && *picture && GetHandleSize(picture) >= offset + size;
}

// The picture's row map slot, where its block holds those four bytes and its header is long enough to own
// them (else they would be run data). The header length is taken in whichever byte order gives the smaller
// value, headers being short, so that attaching before the order is normalised and looking up after it
// agree, and disposal always finds a map that was attached.
UInt8* RowMapField(Handle picture) {
    if (!HasField(picture, kRLERowMap, 4)) return nullptr;
    auto* bytes = reinterpret_cast<UInt8*>(*picture);
    const UInt32 headerLength = Get32(bytes + kRLEHeaderLength);
    return std::min(headerLength, Swap32(headerLength)) >= UInt32(kRLEHeaderWithMap) ? bytes + kRLERowMap
                                                                                     : nullptr;
}

// Holds a handle locked for the length of a call.
struct LockedHandle {
    Handle handle;
    explicit LockedHandle(Handle h) : handle(h) {
        if (handle) HLock(handle);
    }
    ~LockedHandle() {
        if (handle) HUnlock(handle);
    }
};

// A normalised picture as the decoders read it.
struct RLEView {
    const UInt8* bytes = nullptr;
    size_t size = 0;
    size_t runStart = 0;
    int width = 0;
    Rect bounds{};
    int depth = 0;
    bool packed = false;
    bool hasMapField = false;
    const UInt8* map = nullptr; // row start offsets, 32-bit in the machine's order
    size_t mapRows = 0;
    SInt16 transparent = -1; // -1: none
    SInt16 invisible = -1;

    size_t RowStart(size_t row) const { return row == 0 ? runStart : runStart + Get32(map + 4 * row); }
};

void NormalizeByteOrder(Handle picture) {
    if (HasField(picture, kRLEDepth, 2) && Get16(reinterpret_cast<UInt8*>(*picture) + kRLEDepth) > 255)
        SwapRLEC(picture);
}

// False for a block too short for its header, whose header runs past its end, or without its row map.
bool ViewPicture(Handle picture, RLEView& view) {
    if (!HasField(picture, kRLETransparent, 2)) return false;
    NormalizeByteOrder(picture);
    const auto* bytes = reinterpret_cast<const UInt8*>(*picture);
    const size_t size = size_t(GetHandleSize(picture));
    const UInt32 headerLength = Get32(bytes + kRLEHeaderLength);
    if (headerLength < kRLETransparent + 2 || headerLength > size) return false;
    view.bytes = bytes;
    view.size = size;
    view.runStart = headerLength;
    view.width = SInt16(Get16(bytes + kRLEWidth));
    std::memcpy(&view.bounds, bytes + kRLEBounds, sizeof view.bounds);
    view.depth = Get16(bytes + kRLEDepth);
    // A header of 28 or 29 bytes names the encoding field that the block may not hold.
    view.packed = headerLength >= kRLEHeaderWithEncoding && HasField(picture, kRLEEncoding, 2) &&
                  (Get16(bytes + kRLEEncoding) & 0xFF) <= 1;
    view.hasMapField = headerLength >= kRLEHeaderWithMap;
    if (Handle map = view.hasMapField ? GetRLERowMap(picture) : nullptr; map && *map) {
        view.map = reinterpret_cast<const UInt8*>(*map);
        view.mapRows = size_t(GetHandleSize(map)) / 4;
    }
    const auto field = SInt16(Get16(bytes + kRLETransparent));
    if (gInvisible >= 0) {
        view.transparent = field;
        view.invisible = gInvisible;
    } else if (gInvisible != -2) {
        view.transparent = SInt16(field & 0xFF);
    }
    return view.width > 0;
}

// What reading one run did: the row goes on, paint asked to stop, or the run was damaged (reported). The
// run readers are forced inline: as calls they cost the pixel lookup half as much again.
enum class RunRead { kNext, kStopped, kDamaged };

// Whether count more bytes from at lie inside the picture; reported when they do not.
[[gnu::always_inline]] inline bool RunFits(const RLEView& p, size_t at, size_t count) {
    if (at + count <= p.size) return true;
    DoErrorMessageText("Get pointer too high");
    return false;
}

RunRead EmptyRun() {
    DoErrorMessageText("This rlen has a run of no pixels");
    return RunRead::kDamaged;
}

// A 4-bit picture's run: one byte, the count in its high half and the colour in its low half.
template <class Paint>
[[gnu::always_inline]] inline RunRead ReadFourBitRun(const RLEView& p, size_t& at, int& x, Paint& paint) {
    const UInt8 run = p.bytes[at++];
    const int count = run >> 4, index = run & 0x0F;
    if (count == 0) return EmptyRun();
    if (paint(x, count, index, index)) return RunRead::kStopped;
    x += count;
    return RunRead::kNext;
}

// An unpacked 8-bit picture's run: a count byte, then the colour byte.
template <class Paint>
[[gnu::always_inline]] inline RunRead ReadPairRun(const RLEView& p, size_t& at, int& x, Paint& paint) {
    if (!RunFits(p, at, 2)) return RunRead::kDamaged;
    const int count = p.bytes[at], index = p.bytes[at + 1];
    at += 2;
    if (count == 0) return EmptyRun();
    if (paint(x, count, index, index)) return RunRead::kStopped;
    x += count;
    return RunRead::kNext;
}

// A packed run's control byte: the top two bits name the kind, the low six bits n the length. Kind 0 is
// n + 1 literal pixels, 1 is n + 1 pairs of two alternating colours, 2 repeats one colour n + 1 times and
// 3 repeats it 64 x (n + 1) times.
template <class Paint>
[[gnu::always_inline]] inline RunRead ReadPackedRun(const RLEView& p, size_t& at, int& x, Paint& paint) {
    const UInt8 control = p.bytes[at++];
    const int n = control & 0x3F;
    switch (control >> 6) {
    case 0:
        if (!RunFits(p, at, size_t(n + 1))) return RunRead::kDamaged;
        for (int i = 0; i <= n; ++i)
            if (paint(x + i, 1, p.bytes[at + size_t(i)], -1)) return RunRead::kStopped;
        at += size_t(n + 1);
        x += n + 1;
        return RunRead::kNext;
    case 1: {
        if (!RunFits(p, at, 2)) return RunRead::kDamaged;
        const int a = p.bytes[at], b = p.bytes[at + 1];
        at += 2;
        for (int i = 0; i < 2 * (n + 1); ++i)
            if (paint(x + i, 1, i % 2 ? b : a, a)) return RunRead::kStopped;
        x += 2 * (n + 1);
        return RunRead::kNext;
    }
    default: {
        if (!RunFits(p, at, 1)) return RunRead::kDamaged;
        const int count = (control >> 6) == 2 ? n + 1 : 64 * n + 64, index = p.bytes[at++];
        if (paint(x, count, index, index)) return RunRead::kStopped;
        x += count;
        return RunRead::kNext;
    }
    }
}

enum class RunForm { kFourBit, kPairs, kPacked };

// Runs of one form until the row's width is covered. The form is a template argument so that each run
// reader is a direct call, inlined into the loop.
template <RunForm form, class Paint>
[[gnu::always_inline]] inline bool ReadRuns(const RLEView& p, size_t& at, int width, Paint& paint) {
    for (int x = 0; x < width;) {
        if (!RunFits(p, at, 1)) return false;
        RunRead read;
        if constexpr (form == RunForm::kFourBit)
            read = ReadFourBitRun(p, at, x, paint);
        else if constexpr (form == RunForm::kPairs)
            read = ReadPairRun(p, at, x, paint);
        else
            read = ReadPackedRun(p, at, x, paint);
        if (read != RunRead::kNext) return read == RunRead::kStopped;
    }
    return true;
}

// Colour spans of one row come out as paint(x, count, index, fallback), fallback being the colour a
// single-colour or alternating run leaves as the row's last colour (-1 for literal pixels); paint returns
// true to stop. Reads the runs until the row's width is covered; false, reported, when a run lies past
// the picture's end or holds no pixels.
// The run form is chosen once for the row, outside the loop over its runs.
template <class Paint> bool ReadRow(const RLEView& p, size_t& at, int width, Paint paint) {
    if (p.depth == 4) return ReadRuns<RunForm::kFourBit>(p, at, width, paint);
    if (!p.packed) return ReadRuns<RunForm::kPairs>(p, at, width, paint);
    return ReadRuns<RunForm::kPacked>(p, at, width, paint);
}

// Where the row's runs begin: through the row map for packed pictures, else straight after the last row.
bool StartRow(const RLEView& p, size_t row, size_t& at) {
    if (!p.packed || !p.map) return true;
    if (row >= p.mapRows) return false;
    at = p.RowStart(row);
    if (at < p.size) return true;
    DoErrorMessageText("Get pointer too high");
    return false;
}

// Fills spans of standard colours straight into a port's pixels, clipped to its bounds.
class PortPainter {
  public:
    explicit PortPainter(CGrafPtr port) {
        GetPortBounds(port, &bounds_);
        base_ = reinterpret_cast<UInt8*>(GetPixBaseAddr(port));
        rowBytes_ = GetPixRowBytes(port) & 0x7FFFFFFF;
    }
    void Fill(int left, int top, int right, int bottom, int index) {
        left = std::max(left, int(bounds_.left));
        right = std::min(right, int(bounds_.right));
        top = std::max(top, int(bounds_.top));
        bottom = std::min(bottom, int(bounds_.bottom));
        if (!base_ || left >= right || top >= bottom) return;
        const UInt32 pixel = ColorOf(index);
        for (int y = top; y < bottom; ++y) {
            auto* row = reinterpret_cast<UInt32*>(base_ + size_t(y - bounds_.top) * size_t(rowBytes_));
            std::fill(row + (left - bounds_.left), row + (right - bounds_.left), pixel);
        }
    }

  private:
    UInt32 ColorOf(int index) {
        if (index != lastIndex_) {
            RGBColor color{};
            GetStandardColor(SInt16(index), &color, true);
            lastPixel_ = kPixelAlphaBits | PixelFromHighBytes(color.red, color.green, color.blue);
            lastIndex_ = index;
        }
        return lastPixel_;
    }
    Rect bounds_{};
    UInt8* base_ = nullptr;
    SInt32 rowBytes_ = 0;
    int lastIndex_ = -1;
    UInt32 lastPixel_ = 0;
};

// False when nothing can be drawn: no usable picture, no row map where the header has one, or a
// destination wholly outside the port.
bool ViewForDrawing(Handle picture, const Rect* destination, CGrafPtr port, RLEView& view) {
    if (!destination || !port || !ViewPicture(picture, view) || (view.hasMapField && !view.map)) return false;
    Rect bounds;
    GetPortBounds(port, &bounds);
    const Rect& d = *destination;
    return !(d.right < bounds.left || d.left > bounds.right || d.bottom < bounds.top ||
             d.top > bounds.bottom);
}
} // namespace

Handle GetRLERowMap(Handle picture) {
    const UInt8* field = RowMapField(picture);
    const UInt32 slot = field ? Get32(field) : 0;
    return slot >= 1 && slot <= gRowMaps.size() ? gRowMaps[slot - 1] : nullptr;
}

bool SetRLERowMap(Handle picture, Handle rowMap) {
    UInt8* field = RowMapField(picture);
    if (!field) return false;
    UInt32 slot = Get32(field);
    // A map already attached gives up its slot: the table never keeps a map that no picture names.
    if (slot >= 1 && slot <= gRowMaps.size() && gRowMaps[slot - 1]) {
        gRowMaps[slot - 1] = rowMap;
        if (!rowMap) Put32(field, 0);
        return true;
    }
    slot = 0;
    if (rowMap) {
        auto freeSlot = std::find(gRowMaps.begin(), gRowMaps.end(), nullptr);
        if (freeSlot == gRowMaps.end()) freeSlot = gRowMaps.insert(gRowMaps.end(), nullptr);
        *freeSlot = rowMap;
        slot = UInt32(freeSlot - gRowMaps.begin() + 1);
    }
    Put32(field, slot);
    return true;
}

Handle ReadRLEPicture(const std::string& path) {
    std::vector<UInt8> bytes;
    if (ReadWholeFile(path + ".mapf", bytes) != noErr || bytes.empty()) return nullptr;
    Handle picture = NewHandle(Size(bytes.size()));
    if (!picture) return nullptr;
    std::memcpy(*picture, bytes.data(), bytes.size());
    // The file's own value in the row map field means nothing here.
    if (UInt8* field = RowMapField(picture)) Put32(field, 0);
    if (ReadWholeFile(path + ".rlem", bytes) == noErr && !bytes.empty()) {
        if (Handle map = NewHandle(Size(bytes.size()))) {
            std::memcpy(*map, bytes.data(), bytes.size());
            // A picture whose header has no room for a row map cannot keep one.
            if (!SetRLERowMap(picture, map)) DisposeHandle(map);
        }
    }
    NormalizeByteOrder(picture);
    return picture;
}

void DisposeRLEPicture(Handle picture) {
    if (!picture) return;
    if (Handle map = GetRLERowMap(picture)) {
        std::replace(gRowMaps.begin(), gRowMaps.end(), map, Handle(nullptr));
        DisposeHandle(map);
    }
    DisposeHandle(picture);
}

void SwapRLEC(Handle picture) {
    if (!picture || !*picture) return;
    const LockedHandle lock(picture);
    auto* bytes = reinterpret_cast<UInt8*>(*picture);
    for (int at : std::initializer_list<int>{kRLEHeaderLength, 16})
        if (HasField(picture, at, 4)) Put32(bytes + at, Swap32(Get32(bytes + at)));
    for (int at :
         std::initializer_list<int>{kRLEWidth, 6, 8, 10, 12, kRLEDepth, kRLETransparent, kRLEEncoding})
        if (HasField(picture, at, 2)) Put16(bytes + at, Swap16(Get16(bytes + at)));
    if (Handle map = GetRLERowMap(picture); map && *map) {
        const LockedHandle mapLock(map);
        auto* entries = reinterpret_cast<UInt8*>(*map);
        for (Size at = 0; at + 4 <= GetHandleSize(map); at += 4)
            Put32(entries + at, Swap32(Get32(entries + at)));
    }
}

void DrawRLEN(Handle picture, const Rect* destination, CGrafPtr port) {
    const LockedHandle lock(picture);
    RLEView p;
    if (!ViewForDrawing(picture, destination, port, p)) return;
    const int width = destination->right - destination->left, height = destination->bottom - destination->top;
    const int rows = p.map ? std::min(int(p.mapRows), height) : height;
    const int columns = std::min(p.width, width);
    const int left = destination->left + 1, top = destination->top + 1;
    PortPainter painter(port);
    size_t at = p.runStart;
    for (int r = 0; r < rows; ++r) {
        if (!StartRow(p, size_t(r), at)) break;
        const bool read = ReadRow(p, at, p.width, [&](int x, int count, int index, int) {
            const bool hidden = index == p.transparent || (p.packed && index == p.invisible);
            if (!hidden && x < columns)
                painter.Fill(left + x, top + r, left + std::min(x + count, columns), top + r + 1, index);
            return false;
        });
        if (!read) break;
    }
}

void DrawRLENScaled(Handle picture, const Rect* destination, CGrafPtr port, double factor) {
    if (factor == 1.0) {
        DrawRLEN(picture, destination, port);
        return;
    }
    const LockedHandle lock(picture);
    RLEView p;
    if (!ViewForDrawing(picture, destination, port, p)) return;
    const int width = destination->right - destination->left, height = destination->bottom - destination->top;
    const int rows = p.map ? int(p.mapRows) : height;
    if (rows <= 0) return;
    const double scaleX = factor == 0 ? double(width) / p.width : factor;
    const double scaleY = factor == 0 ? double(height) / rows : factor;
    const double left = destination->left + 1, top = destination->top + 1;
    PortPainter painter(port);
    size_t at = p.runStart;
    // Picture pixel i covers device columns [left + i x scale, left + (i + 1) x scale): blocks that tile
    // without gaps or overlaps.
    for (int r = 0; r < rows; ++r) {
        if (!StartRow(p, size_t(r), at)) break;
        const int y0 = int(top + r * scaleY), y1 = int(top + (r + 1) * scaleY);
        const bool read = ReadRow(p, at, p.width, [&](int x, int count, int index, int) {
            if (index != p.transparent && index != p.invisible && y1 > y0)
                painter.Fill(int(left + x * scaleX), y0, int(left + (x + count) * scaleX), y1, index);
            return false;
        });
        if (!read) break;
    }
}

SInt16 GetRLENPixel(Handle picture, const Rect* frame, SInt16 h, SInt16 v) {
    const LockedHandle lock(picture);
    RLEView p;
    if (!ViewPicture(picture, p)) return -1;
    if (p.hasMapField && !p.map) return 0;
    Rect area = frame ? *frame : p.bounds;
    if (!frame) OffsetRect(&area, SInt16(-area.left), SInt16(-area.top));
    if (h < area.left || h > area.right || v < area.top || v > area.bottom) return -1;
    if (p.depth != 8 && p.depth != 4) {
        DoErrorMessageText("Unsupport bit depth in GetRLENPixel");
        return -1;
    }
    // The bottom edge counts as inside: it reads the last row.
    size_t row = size_t(v - area.top);
    size_t at = p.runStart;
    if (p.map) {
        if (p.mapRows == 0) return -1;
        row = std::min(row, p.mapRows - 1);
        at = p.RowStart(row);
        if (at >= p.size) {
            DoErrorMessageText("Get pointer too high");
            return -1;
        }
    } else {
        if (row > 0 && p.depth == 8) DoErrorMessageText("This rlen needs a RLEM");
        for (size_t r = 0; r < row; ++r)
            if (!ReadRow(p, at, p.width, [](int, int, int, int) { return false; })) return -1;
    }
    const int column = h - area.left;
    int found = -1, last = -1;
    ReadRow(p, at, p.width, [&](int x, int count, int index, int fallback) {
        if (fallback >= 0) last = fallback;
        if (x + count <= column) return false;
        found = index;
        return true;
    });
    return SInt16(found >= 0 ? found : last);
}
