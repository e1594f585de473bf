// Mac Roman text to and from the toolkit's strings, for every widget, title and clipboard of the layer.
// Private to platform/src/qt.
#pragma once

#include "platform/text_encoding.h"

#include <QString>

#include <string>
#include <string_view>

inline QString QStringFromMacRoman(std::string_view macRoman) {
    return QString::fromStdU16String(MacRomanToUtf16(macRoman));
}

inline std::string MacRomanFromQString(const QString& s) {
    return Utf16ToMacRoman(s.toStdU16String());
}
