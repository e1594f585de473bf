// Big-endian reading and writing of integers, 16.16 fixed and IEEE floats, for every file and resource
// format the program stores. ByteReader never reads past its span: a short read sets its failure flag
// and yields zero, so a parser checks ok() once at the end instead of after every field.
#pragma once

#include "platform/types.h"

#include <cstring>
#include <span>
#include <string>
#include <vector>

inline UInt16 ReadBE16(const UInt8* p) {
    return UInt16((UInt16(p[0]) << 8) | p[1]);
}
inline UInt32 ReadBE24(const UInt8* p) {
    return (UInt32(p[0]) << 16) | (UInt32(p[1]) << 8) | p[2];
}
inline UInt32 ReadBE32(const UInt8* p) {
    return (UInt32(p[0]) << 24) | (UInt32(p[1]) << 16) | (UInt32(p[2]) << 8) | p[3];
}
inline void WriteBE16(UInt8* p, UInt16 v) {
    p[0] = UInt8(v >> 8);
    p[1] = UInt8(v);
}
inline void WriteBE24(UInt8* p, UInt32 v) {
    p[0] = UInt8(v >> 16);
    p[1] = UInt8(v >> 8);
    p[2] = UInt8(v);
}
inline void WriteBE32(UInt8* p, UInt32 v) {
    p[0] = UInt8(v >> 24);
    p[1] = UInt8(v >> 16);
    p[2] = UInt8(v >> 8);
    p[3] = UInt8(v);
}

inline float FloatFromBits(UInt32 bits) {
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}
inline UInt32 BitsFromFloat(float f) {
    UInt32 bits;
    std::memcpy(&bits, &f, 4);
    return bits;
}
inline double DoubleFromBits(UInt64 bits) {
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}
inline UInt64 BitsFromDouble(double d) {
    UInt64 bits;
    std::memcpy(&bits, &d, 8);
    return bits;
}

constexpr double FixedToDouble(Fixed f) {
    return double(f) / 65536.0;
}
// Rounds to the nearest 1/65536 and saturates at the ends of the range.
Fixed DoubleToFixed(double d);

UInt16 SwapBytes16(UInt16 v);
UInt32 SwapBytes32(UInt32 v);
UInt64 SwapBytes64(UInt64 v);

class ByteReader {
  public:
    explicit ByteReader(std::span<const UInt8> bytes) : bytes_(bytes) {}

    UInt8 u8();
    SInt8 s8() { return SInt8(u8()); }
    UInt16 u16();
    SInt16 s16() { return SInt16(u16()); }
    UInt32 u24();
    UInt32 u32();
    SInt32 s32() { return SInt32(u32()); }
    Fixed fixed() { return s32(); }
    float f32() { return FloatFromBits(u32()); }
    double f64();
    // A length byte and that many bytes; the result holds the raw (Mac Roman) bytes.
    std::string pstring();
    // Copies n bytes; on a short read the destination is zero-filled.
    void bytes(void* dst, size_t n);
    std::span<const UInt8> span(size_t n);
    void skip(size_t n);
    void seek(size_t offset);

    size_t position() const { return pos_; }
    size_t size() const { return bytes_.size(); }
    size_t remaining() const { return bytes_.size() - pos_; }
    bool ok() const { return ok_; }

  private:
    bool take(size_t n);
    std::span<const UInt8> bytes_;
    size_t pos_ = 0;
    bool ok_ = true;
};

class ByteWriter {
  public:
    void u8(UInt8 v) { out_.push_back(v); }
    void s8(SInt8 v) { u8(UInt8(v)); }
    void u16(UInt16 v);
    void s16(SInt16 v) { u16(UInt16(v)); }
    void u24(UInt32 v);
    void u32(UInt32 v);
    void s32(SInt32 v) { u32(UInt32(v)); }
    void fixed(Fixed v) { s32(v); }
    void f32(float v) { u32(BitsFromFloat(v)); }
    void f64(double v);
    // Writes a length byte and at most 255 bytes.
    void pstring(std::string_view s);
    void bytes(const void* src, size_t n);
    void zeros(size_t n) { out_.insert(out_.end(), n, 0); }
    // Pads with zeros to a multiple of `unit` bytes.
    void align(size_t unit);
    void patch16(size_t offset, UInt16 v) { WriteBE16(out_.data() + offset, v); }
    void patch32(size_t offset, UInt32 v) { WriteBE32(out_.data() + offset, v); }

    size_t size() const { return out_.size(); }
    std::vector<UInt8>& data() { return out_; }
    std::vector<UInt8> take() { return std::move(out_); }

  private:
    std::vector<UInt8> out_;
};
