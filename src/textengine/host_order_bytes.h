// Reading and writing values of exchanged data in the host's byte order at any alignment.
#pragma once

#include <cstring>

template <typename T> T ReadHostValue(const unsigned char* p) {
    T value;
    std::memcpy(&value, p, sizeof(T));
    return value;
}

template <typename T> void WriteHostValue(unsigned char* p, T value) {
    std::memcpy(p, &value, sizeof(T));
}
