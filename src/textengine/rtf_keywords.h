// The control words the RTF reader acts on, and what each one does.
#pragma once

#include "platform/types.h"

#include <string_view>

enum class RtfKeywordKind : UInt8 {
    Character,   // writes a character (value: its Unicode code point; 13 ends a paragraph)
    Destination, // starts a destination (value: an RtfDestination)
    Property,    // sets a property (value: an RtfProperty)
    Unicode,     // \u: a character by its UTF-16 unit, followed by its stand-ins
    Binary,      // \bin: that many bytes of binary data follow
};

enum RtfDestination : SInt32 { kRtfSkipped, kRtfFontTable, kRtfColorTable };

enum RtfProperty : SInt32 {
    kRtfBold,
    kRtfItalic,
    kRtfUnderline,
    kRtfUnderlineOff,
    kRtfStrike,
    kRtfShadow,
    kRtfCondensed,
    kRtfExtended,
    kRtfFont,
    kRtfSize,
    kRtfColor,
    kRtfPlain,
    kRtfParagraphDefaults,
    kRtfAlignLeft,
    kRtfAlignRight,
    kRtfAlignCenter,
    kRtfAlignFull,
    kRtfDefaultFont,
    kRtfUnicodeSkip,
    kRtfRed,
    kRtfGreen,
    kRtfBlue,
    kRtfCharsetAnsi,
    kRtfCharsetMac,
    kRtfCharsetPc,
    kRtfCharsetPca,
    kRtfCodePage,
    kRtfFontCharset,
    kRtfFontCodePage,
    kRtfFontFamilySans,
    kRtfFontFamilyMono,
    kRtfFontFamilySymbol,
    kRtfRowEnd,
};

struct RtfKeyword {
    std::string_view word;
    RtfKeywordKind kind;
    SInt32 value;
};

// The keyword's entry, or null for a control word the reader does not know (and skips).
const RtfKeyword* FindRtfKeyword(std::string_view word);
