// Bounds-checked big-endian reading and appending writing.
#include "platform/bytes.h"

#include <cmath>

Fixed DoubleToFixed(double d) {
    double scaled = std::round(d * 65536.0);
    if (!(scaled == scaled)) return 0;
    if (scaled >= 2147483647.0) return 0x7FFFFFFF;
    if (scaled <= -2147483648.0) return SInt32(0x80000000u);
    return Fixed(scaled);
}

UInt16 SwapBytes16(UInt16 v) {
    return UInt16((v >> 8) | (v << 8));
}
UInt32 SwapBytes32(UInt32 v) {
    return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}
UInt64 SwapBytes64(UInt64 v) {
    return (UInt64(SwapBytes32(UInt32(v))) << 32) | SwapBytes32(UInt32(v >> 32));
}

bool ByteReader::take(size_t n) {
    if (!ok_ || n > bytes_.size() - pos_) {
        ok_ = false;
        return false;
    }
    return true;
}

UInt8 ByteReader::u8() {
    if (!take(1)) return 0;
    return bytes_[pos_++];
}

UInt16 ByteReader::u16() {
    if (!take(2)) return 0;
    UInt16 v = ReadBE16(bytes_.data() + pos_);
    pos_ += 2;
    return v;
}

UInt32 ByteReader::u24() {
    if (!take(3)) return 0;
    UInt32 v = ReadBE24(bytes_.data() + pos_);
    pos_ += 3;
    return v;
}

UInt32 ByteReader::u32() {
    if (!take(4)) return 0;
    UInt32 v = ReadBE32(bytes_.data() + pos_);
    pos_ += 4;
    return v;
}

double ByteReader::f64() {
    UInt64 high = u32();
    UInt64 low = u32();
    return DoubleFromBits((high << 32) | low);
}

std::string ByteReader::pstring() {
    size_t n = u8();
    if (!take(n)) return {};
    std::string s(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
    pos_ += n;
    return s;
}

void ByteReader::bytes(void* dst, size_t n) {
    if (!take(n)) {
        std::memset(dst, 0, n);
        return;
    }
    std::memcpy(dst, bytes_.data() + pos_, n);
    pos_ += n;
}

std::span<const UInt8> ByteReader::span(size_t n) {
    if (!take(n)) return {};
    auto s = bytes_.subspan(pos_, n);
    pos_ += n;
    return s;
}

void ByteReader::skip(size_t n) {
    if (take(n)) pos_ += n;
}

void ByteReader::seek(size_t offset) {
    if (offset > bytes_.size()) {
        ok_ = false;
        return;
    }
    pos_ = offset;
}

void ByteWriter::u16(UInt16 v) {
    UInt8 b[2];
    WriteBE16(b, v);
    out_.insert(out_.end(), b, b + 2);
}

void ByteWriter::u24(UInt32 v) {
    UInt8 b[3];
    WriteBE24(b, v);
    out_.insert(out_.end(), b, b + 3);
}

void ByteWriter::u32(UInt32 v) {
    UInt8 b[4];
    WriteBE32(b, v);
    out_.insert(out_.end(), b, b + 4);
}

void ByteWriter::f64(double v) {
    UInt64 bits = BitsFromDouble(v);
    u32(UInt32(bits >> 32));
    u32(UInt32(bits));
}

void ByteWriter::pstring(std::string_view s) {
    size_t n = s.size() > 255 ? 255 : s.size();
    u8(UInt8(n));
    bytes(s.data(), n);
}

void ByteWriter::bytes(const void* src, size_t n) {
    const auto* p = static_cast<const UInt8*>(src);
    out_.insert(out_.end(), p, p + n);
}

void ByteWriter::align(size_t unit) {
    while (out_.size() % unit)
        out_.push_back(0);
}
