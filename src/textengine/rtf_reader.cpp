// Reading RTF: groups, control words and text become Mac Roman text with carriage-return paragraphs and
// style-scrap elements for its fonts, sizes, faces and colours. The input may be anything: every count,
// index and number it holds is bounded, and nothing is read past its end.
#include "textengine/rtf_reader.h"
#include "textengine/rtf_keywords.h"
#include "textengine/style_scrap.h"

#include "foundation/keyword_dictionary.h"
#include "platform/code_pages.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Groups deeper than this keep no state of their own: they share their parent's, and their closing
// braces are only counted. Real documents stay far below it.
constexpr size_t kMostSavedGroups = 256;
// Longer control words are read whole and skipped as unknown.
constexpr size_t kLongestKeyword = 32;
constexpr size_t kMostFonts = 1024;
constexpr size_t kMostColors = 1024;
constexpr size_t kLongestFontName = 63;
// Past 32,766 elements a scrap's 16-bit count stays at 32,767 and readers count by its size; the bound
// only keeps a hostile file from growing the scrap without end.
constexpr size_t kMostStyleElements = size_t(1) << 20;
constexpr SInt32 kDefaultHalfPoints = 24;
constexpr SInt32 kLargestSize = 1000;

enum class Destination : UInt8 { Text, Skip, FontTable, ColorTable };

struct CharacterProps {
    SInt32 font = 0; // index into the document's font table
    SInt32 halfPoints = kDefaultHalfPoints;
    UInt8 face = 0;
    SInt32 color = 0; // index into the colour table; 0 is the automatic colour
    bool operator==(const CharacterProps&) const = default;
};

struct GroupState {
    CharacterProps chp;
    Destination destination = Destination::Text;
    SInt32 unicodeSkip = 1; // stand-in characters that follow each \u
};

struct FontEntry {
    std::string name; // Mac Roman
    bool named = false;
    SInt16 fallback = kFontTimes; // by the family class the document gives
    int codePage = 0;             // 0: the document's
    SInt16 family = -1;           // this machine's family, found on first use
};

struct ColorEntry {
    UInt16 red = 0, green = 0, blue = 0;
    bool given = false; // an entry with no components is the automatic colour
};

bool IsLetter(UInt8 c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(UInt8 c) {
    return c >= '0' && c <= '9';
}

int HexValue(UInt8 c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The code page of a font's \fcharset; 0 when the font uses the document's.
int CodePageOfCharset(SInt32 charset) {
    static constexpr std::pair<SInt32, int> kCharsets[] = {
        {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950}, {161, 1253}, {162, 1254}, {163, 1258},
        {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}, {255, 437}};
    for (const auto& [set, page] : kCharsets)
        if (set == charset) return page;
    return 0;
}

// This machine's family for a font named in a document: the whole name, then its first word (a family
// named with its style, "Courier New Bold"), then the family its class asks for.
SInt16 ResolveFontFamily(const FontEntry& entry) {
    std::string name = entry.name;
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    for (int pass = 0; pass < 2 && !name.empty(); ++pass) {
        if (pass == 1) {
            const size_t space = name.find(' ');
            if (space == std::string::npos) break;
            name.resize(space);
        }
        Str255 pascal;
        pascal[0] = UInt8(std::min<size_t>(name.size(), 255));
        std::memcpy(pascal + 1, name.data(), pascal[0]);
        if (const SInt16 family = FindFontFamilyByName(pascal, false); family >= 0) return family;
    }
    return entry.fallback;
}

class RtfReader {
  public:
    RtfReader(const UInt8* input, size_t size) : in_(input), size_(size) { text_.reserve(size); }

    SInt16 Read() {
        while (pos_ < size_) {
            const UInt8 c = in_[pos_++];
            if (c == '{')
                OpenGroup();
            else if (c == '}')
                CloseGroup();
            else if (c == '\\')
                ReadControl();
            else if (c != '\r' && c != '\n')
                TextByte(c);
        }
        if (depth_ > 0) Note(kRTFUnclosed);
        return status_;
    }

    const std::string& Text() const { return text_; }
    const std::vector<StyleScrapElement>& Styles() const { return styles_; }

  private:
    void Note(SInt16 problem) {
        if (status_ == kRTFDone) status_ = problem;
    }

    void OpenGroup() {
        ++depth_;
        skipLeft_ = 0;
        if (saved_.size() < kMostSavedGroups) {
            saved_.push_back(state_);
        } else {
            ++unsavedDepth_;
            Note(kRTFTooDeep);
        }
    }

    void CloseGroup() {
        if (depth_ == 0) {
            Note(kRTFStrayClose);
            return;
        }
        --depth_;
        skipLeft_ = 0;
        if (unsavedDepth_ > 0) {
            --unsavedDepth_;
            return;
        }
        if (state_.destination == Destination::FontTable) EndFontName();
        state_ = saved_.back();
        saved_.pop_back();
        styleChanged_ = true;
    }

    void ReadControl() {
        if (pos_ >= size_) {
            Note(kRTFCutShort);
            return;
        }
        const UInt8 first = in_[pos_];
        if (!IsLetter(first)) {
            ++pos_;
            ControlSymbol(first);
            return;
        }
        const size_t start = pos_;
        while (pos_ < size_ && IsLetter(in_[pos_]))
            ++pos_;
        const std::string_view word(reinterpret_cast<const char*>(in_ + start), pos_ - start);
        bool negative = false, hasParameter = false;
        if (pos_ + 1 < size_ && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        // Digits past what 32 bits hold are read and dropped: the value stays at the largest.
        SInt64 value = 0;
        while (pos_ < size_ && IsDigit(in_[pos_])) {
            hasParameter = true;
            value = std::min<SInt64>(value * 10 + (in_[pos_++] - '0'), SInt64(1) << 31);
        }
        if (pos_ < size_ && in_[pos_] == ' ') ++pos_;
        const SInt32 parameter =
            SInt32(negative ? std::max<SInt64>(-value, INT32_MIN) : std::min<SInt64>(value, INT32_MAX));
        Keyword(word.size() > kLongestKeyword ? std::string_view() : word, parameter, hasParameter);
    }

    void ControlSymbol(UInt8 c) {
        skipIfUnknown_ = false;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Character(c);
            break;
        case '\'':
            HexEscape();
            break;
        case '*':
            skipIfUnknown_ = true;
            break;
        case '\r':
        case '\n':
            Character(13);
            break;
        case '~':
            Character(0xA0);
            break;
        case '_':
            Character('-');
            break;
        default: // optional hyphens, index entries and the like show nothing
            break;
        }
    }

    void HexEscape() {
        if (pos_ + 2 > size_) {
            pos_ = size_;
            Note(kRTFCutShort);
            return;
        }
        const int high = HexValue(in_[pos_]), low = HexValue(in_[pos_ + 1]);
        if (high < 0 || low < 0) {
            // The bytes after a broken escape are read again as text.
            Note(kRTFBadHex);
            return;
        }
        pos_ += 2;
        if (state_.destination == Destination::Skip) return;
        TextByte(UInt8(high * 16 + low), true);
    }

    void Keyword(std::string_view word, SInt32 parameter, bool hasParameter) {
        const RtfKeyword* keyword = word.empty() ? nullptr : FindRtfKeyword(word);
        const bool skipIfUnknown = skipIfUnknown_;
        skipIfUnknown_ = false;
        if (!keyword) {
            if (skipIfUnknown) state_.destination = Destination::Skip;
            return;
        }
        if (keyword->kind == RtfKeywordKind::Binary) {
            SkipBinary(hasParameter ? parameter : 0);
            return;
        }
        if (state_.destination == Destination::Skip) return;
        switch (keyword->kind) {
        case RtfKeywordKind::Character:
            Character(char32_t(keyword->value));
            break;
        case RtfKeywordKind::Destination:
            ChangeDestination(RtfDestination(keyword->value));
            break;
        case RtfKeywordKind::Property:
            Property(RtfProperty(keyword->value), parameter, hasParameter);
            break;
        case RtfKeywordKind::Unicode:
            UnicodeCharacter(parameter);
            break;
        case RtfKeywordKind::Binary:
            break;
        }
    }

    void SkipBinary(SInt32 count) {
        if (count <= 0) return;
        if (size_t(count) > size_ - pos_) {
            pos_ = size_;
            Note(kRTFCutShort);
            return;
        }
        pos_ += size_t(count);
    }

    void ChangeDestination(RtfDestination destination) {
        if (destination == kRtfFontTable) {
            state_.destination = Destination::FontTable;
            fontIndex_ = -1;
            fontName_.clear();
        } else if (destination == kRtfColorTable) {
            state_.destination = Destination::ColorTable;
            colors_.clear();
            pendingColor_ = ColorEntry{};
        } else {
            state_.destination = Destination::Skip;
        }
    }

    void SetFace(UInt8 bit, bool on) {
        const UInt8 face = on ? UInt8(state_.chp.face | bit) : UInt8(state_.chp.face & ~bit);
        if (face != state_.chp.face) {
            state_.chp.face = face;
            styleChanged_ = true;
        }
    }

    void SetCharacterValue(SInt32* field, SInt32 value) {
        if (*field != value) {
            *field = value;
            styleChanged_ = true;
        }
    }

    FontEntry* CurrentFontEntry() {
        if (fontIndex_ < 0) return nullptr;
        auto found = fonts_.find(fontIndex_);
        return found == fonts_.end() ? nullptr : &found->second;
    }

    void Property(RtfProperty property, SInt32 parameter, bool hasParameter) {
        const bool on = !hasParameter || parameter != 0;
        const SInt32 value = hasParameter ? parameter : 0;
        const bool inFontTable = state_.destination == Destination::FontTable;
        switch (property) {
        case kRtfBold:
            SetFace(bold, on);
            break;
        case kRtfItalic:
            SetFace(italic, on);
            break;
        case kRtfUnderline:
            SetFace(underline, on);
            break;
        case kRtfUnderlineOff:
            SetFace(underline, false);
            break;
        case kRtfStrike:
            SetFace(strikeOut, on);
            break;
        case kRtfShadow:
            SetFace(dropShadow, on);
            break;
        case kRtfCondensed:
            SetFace(condense, on);
            break;
        case kRtfExtended:
            SetFace(extend, hasParameter && parameter > 0);
            break;
        case kRtfFont:
            if (inFontTable)
                StartFontEntry(value);
            else
                SetCharacterValue(&state_.chp.font, value);
            break;
        case kRtfSize:
            SetCharacterValue(&state_.chp.halfPoints, hasParameter ? value : kDefaultHalfPoints);
            break;
        case kRtfColor:
            SetCharacterValue(&state_.chp.color, value);
            break;
        case kRtfPlain: {
            CharacterProps plain;
            plain.font = defaultFont_;
            if (!(plain == state_.chp)) {
                state_.chp = plain;
                styleChanged_ = true;
            }
            break;
        }
        case kRtfDefaultFont:
            defaultFont_ = value;
            if (!textStarted_) SetCharacterValue(&state_.chp.font, value);
            break;
        case kRtfUnicodeSkip:
            state_.unicodeSkip = std::max<SInt32>(value, 0);
            break;
        case kRtfRed:
        case kRtfGreen:
        case kRtfBlue: {
            if (state_.destination != Destination::ColorTable) break;
            const UInt16 component = UInt16(std::clamp<SInt32>(value, 0, 255) * 257);
            pendingColor_.given = true;
            if (property == kRtfRed) pendingColor_.red = component;
            if (property == kRtfGreen) pendingColor_.green = component;
            if (property == kRtfBlue) pendingColor_.blue = component;
            break;
        }
        case kRtfCharsetAnsi:
            documentCodePage_ = kCodePageWindowsLatin;
            break;
        case kRtfCharsetMac:
            documentCodePage_ = kCodePageMacRoman;
            break;
        case kRtfCharsetPc:
            documentCodePage_ = 437;
            break;
        case kRtfCharsetPca:
            documentCodePage_ = 850;
            break;
        case kRtfCodePage:
            if (value > 0) documentCodePage_ = value;
            break;
        case kRtfFontCharset:
            if (FontEntry* entry = inFontTable ? CurrentFontEntry() : nullptr)
                entry->codePage = CodePageOfCharset(value);
            break;
        case kRtfFontCodePage:
            if (FontEntry* entry = inFontTable ? CurrentFontEntry() : nullptr) entry->codePage = value;
            break;
        case kRtfFontFamilySans:
        case kRtfFontFamilyMono:
        case kRtfFontFamilySymbol:
            if (FontEntry* entry = inFontTable ? CurrentFontEntry() : nullptr)
                entry->fallback = property == kRtfFontFamilySans   ? SInt16(kFontHelvetica)
                                  : property == kRtfFontFamilyMono ? SInt16(kFontCourier)
                                                                   : SInt16(kFontSymbol);
            break;
        case kRtfRowEnd:
            EndTableRow();
            break;
        case kRtfParagraphDefaults:
        case kRtfAlignLeft:
        case kRtfAlignRight:
        case kRtfAlignCenter:
        case kRtfAlignFull:
            // Alignment belongs to the whole view here, not to paragraphs: nothing to keep per run.
            break;
        }
    }

    void StartFontEntry(SInt32 index) {
        EndFontName();
        fontIndex_ = -1;
        if (index < 0) return;
        if (fonts_.count(index) == 0 && fonts_.size() >= kMostFonts) return;
        fontIndex_ = index;
        fonts_.try_emplace(index);
    }

    // The first name a font is given is the one kept.
    void EndFontName() {
        FontEntry* entry = CurrentFontEntry();
        if (entry && !entry->named && !fontName_.empty()) {
            entry->name = fontName_;
            entry->named = true;
        }
        fontName_.clear();
    }

    void EndColor() {
        if (colors_.size() < kMostColors) colors_.push_back(pendingColor_);
        pendingColor_ = ColorEntry{};
    }

    // A table row's cells came in as tabs: the last one becomes the row's end.
    void EndTableRow() {
        if (state_.destination != Destination::Text) return;
        if (!text_.empty() && text_.back() == '\t' && lastWasCell_)
            text_.back() = '\r';
        else
            Character(13);
    }

    int CodePageInUse() {
        if (state_.destination == Destination::FontTable) {
            if (const FontEntry* entry = CurrentFontEntry(); entry && entry->codePage) return entry->codePage;
        } else if (auto found = fonts_.find(state_.chp.font);
                   found != fonts_.end() && found->second.codePage) {
            return found->second.codePage;
        }
        return documentCodePage_;
    }

    // A byte of text, or of a \' escape (which may stand for a table's separator without being one).
    void TextByte(UInt8 c, bool escaped = false) {
        if (!escaped && c == ';') {
            if (state_.destination == Destination::FontTable) {
                EndFontName();
                return;
            }
            if (state_.destination == Destination::ColorTable) {
                EndColor();
                return;
            }
        }
        if (c < 32 && c != '\t') return;
        Character(c < 0x80 ? char32_t(c) : CodePageCharacter(CodePageInUse(), c));
    }

    // A character of the document, unless it is one of the stand-ins that follow a \u.
    void Character(char32_t c) {
        if (skipLeft_ > 0) {
            --skipLeft_;
            return;
        }
        Put(c);
    }

    void UnicodeCharacter(SInt32 parameter) {
        // Units above 0x7FFF are written as negative numbers.
        const char32_t unit = parameter < 0 ? char32_t(UInt16(parameter)) : char32_t(parameter);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF, low = unit >= 0xDC00 && unit <= 0xDFFF;
        // A character beyond 16 bits comes as two units: it has no Mac Roman form and shows as one "?".
        if (!(low && afterHighSurrogate_)) Put(high || low ? char32_t('?') : unit);
        afterHighSurrogate_ = high;
        skipLeft_ = state_.unicodeSkip;
    }

    void Put(char32_t c) {
        afterHighSurrogate_ = false;
        lastWasCell_ = false;
        if (state_.destination == Destination::FontTable) {
            if (fontName_.size() < kLongestFontName) fontName_.push_back(char(UnicodeToMacRoman(c)));
            return;
        }
        if (state_.destination != Destination::Text) return;
        if (styleChanged_ || !textStarted_) NoteStyle();
        textStarted_ = true;
        text_.push_back(char(c == 13 ? 13 : UnicodeToMacRoman(c)));
        lastWasCell_ = c == '\t';
    }

    SInt16 FamilyOf(SInt32 index) {
        auto found = fonts_.find(index);
        if (found == fonts_.end()) found = fonts_.find(defaultFont_);
        if (found == fonts_.end()) return 0;
        FontEntry& entry = found->second;
        if (entry.family < 0) entry.family = ResolveFontFamily(entry);
        return entry.family;
    }

    RGBColor ColorOf(SInt32 index) const {
        if (index < 0 || size_t(index) >= colors_.size() || !colors_[size_t(index)].given)
            return RGBColor{0, 0, 0};
        const ColorEntry& c = colors_[size_t(index)];
        return RGBColor{c.red, c.green, c.blue};
    }

    // Starts a new style element at the next character when the formatting differs from the last one.
    void NoteStyle() {
        styleChanged_ = false;
        StyleScrapElement element;
        element.start = SInt32(text_.size());
        WETextStyle& style = element.record.style;
        style.font = FamilyOf(state_.chp.font);
        style.face = state_.chp.face;
        style.size = SInt16(std::clamp<SInt32>(state_.chp.halfPoints / 2, 1, kLargestSize));
        style.color = ColorOf(state_.chp.color);
        const auto same = [&](const StyleScrapElement& other) {
            const WETextStyle& o = other.record.style;
            return o.font == style.font && o.face == style.face && o.size == style.size &&
                   o.color.red == style.color.red && o.color.green == style.color.green &&
                   o.color.blue == style.color.blue;
        };
        if (!styles_.empty() && styles_.back().start == element.start) styles_.pop_back();
        if (!styles_.empty() && same(styles_.back())) return;
        if (styles_.size() < kMostStyleElements) styles_.push_back(element);
    }

    const UInt8* in_;
    size_t size_;
    size_t pos_ = 0;
    SInt16 status_ = kRTFDone;

    GroupState state_;
    std::vector<GroupState> saved_;
    size_t depth_ = 0;
    size_t unsavedDepth_ = 0;
    bool skipIfUnknown_ = false;
    SInt32 skipLeft_ = 0;
    bool afterHighSurrogate_ = false;
    bool lastWasCell_ = false;

    int documentCodePage_ = kCodePageWindowsLatin;
    SInt32 defaultFont_ = 0;
    std::map<SInt32, FontEntry> fonts_;
    SInt32 fontIndex_ = -1;
    std::string fontName_;
    std::vector<ColorEntry> colors_;
    ColorEntry pendingColor_;

    std::string text_;
    std::vector<StyleScrapElement> styles_;
    bool styleChanged_ = true;
    bool textStarted_ = false;
};

Handle MakeStyleScrap(const std::vector<StyleScrapElement>& elements) {
    Handle scrap = NewHandleClear(Size(2 + elements.size() * kStyleScrapElementSize));
    if (!scrap) return nullptr;
    auto* p = reinterpret_cast<UInt8*>(*scrap);
    const UInt16 count = UInt16(std::min<size_t>(elements.size(), 32767));
    std::memcpy(p, &count, sizeof count);
    for (size_t i = 0; i < elements.size(); ++i)
        WriteStyleScrapElement(p + 2 + i * kStyleScrapElementSize, elements[i]);
    return scrap;
}

} // namespace

SInt16 ProcessRTF(Ptr buffer, SInt32* length, Handle* styleScrap) {
    if (styleScrap) *styleScrap = nullptr;
    if (!length) return kRTFNothingToRead;
    if ((!buffer && *length > 0) || *length < 0) {
        *length = 0;
        return kRTFNothingToRead;
    }
    if (*length == 0) return kRTFDone;
    RtfReader reader(reinterpret_cast<const UInt8*>(buffer), size_t(*length));
    const SInt16 status = reader.Read();
    const std::string& text = reader.Text();
    // Every character written took at least one byte of the input, so the text fits where the RTF was.
    const size_t kept = std::min(text.size(), size_t(*length));
    std::memcpy(buffer, text.data(), kept);
    *length = SInt32(kept);
    if (styleScrap && kept > 0) *styleScrap = MakeStyleScrap(reader.Styles());
    return status;
}

void ProcessDOC(Ptr buffer, SInt32* length) {
    if (!buffer || !length || *length <= 0) return;
    auto* bytes = reinterpret_cast<UInt8*>(buffer);
    SInt32 out = 0;
    for (SInt32 i = 0; i < *length; ++i) {
        const UInt8 c = bytes[i];
        if ((c >= 32 && c < 127) || c == '\t' || c == '\r')
            bytes[out++] = c;
        else if (c == '\n')
            bytes[out++] = '\r';
    }
    *length = out;
}
