// Styled text as RTF, for other programs that take a drag of it: fonts by name, sizes, faces and colours
// of the style runs, and every character beyond ASCII as its Unicode value.
#include "textengine/rtf_writer.h"

#include "platform/pstring.h"
#include "textengine/style_scrap.h"

#include "platform/text_drawing.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

template <typename T> size_t IndexOf(std::vector<T>& list, const T& value) {
    auto found = std::find(list.begin(), list.end(), value);
    if (found != list.end()) return size_t(found - list.begin());
    list.push_back(value);
    return list.size() - 1;
}

struct Colour {
    int red, green, blue;
    bool operator==(const Colour&) const = default;
};

void AppendText(std::string* out, const UInt8* text, SInt32 length) {
    for (SInt32 i = 0; i < length; i++) {
        const UInt8 c = text[i];
        if (c == 13)
            *out += "\\par\n";
        else if (c == 9)
            *out += "\\tab ";
        else if (c == '\\' || c == '{' || c == '}')
            *out += std::string("\\") + char(c);
        else if (c >= 32 && c < 128)
            *out += char(c);
        else if (c >= 128)
            *out += "\\u" + std::to_string(SInt16(MacRomanToUnicode(c))) + "?";
    }
}

} // namespace

std::string _WEMakeRtf(const UInt8* text, SInt32 length, Handle styles) {
    std::vector<StyleScrapElement> runs;
    StyleScrapShape shape;
    if (styles && CheckStyleScrap(styles, &shape) == noErr)
        for (SInt32 i = 0; i < shape.count; i++)
            runs.push_back(ReadStyleScrapElement(styles, shape, i));
    if (runs.empty()) runs.push_back(StyleScrapElement{});
    std::vector<SInt16> fonts;
    std::vector<Colour> colours{{0, 0, 0}};
    std::string body;
    for (size_t i = 0; i < runs.size(); i++) {
        const SInt32 start = std::clamp(runs[i].start, SInt32(0), length);
        const SInt32 end = i + 1 < runs.size() ? std::clamp(runs[i + 1].start, start, length) : length;
        const WETextStyle& style = runs[i].record.style;
        const Colour colour{style.color.red >> 8, style.color.green >> 8, style.color.blue >> 8};
        body += "{\\f" + std::to_string(IndexOf(fonts, style.font));
        body += "\\fs" + std::to_string(std::max<int>(style.size, 1) * 2);
        body += "\\cf" + std::to_string(IndexOf(colours, colour) + 1);
        if (style.face & kWEBold) body += "\\b";
        if (style.face & kWEItalic) body += "\\i";
        if (style.face & kWEUnderline) body += "\\ul";
        if (style.face & kWEStrikeOut) body += "\\strike";
        body += ' ';
        AppendText(&body, text + start, end - start);
        body += "}";
    }
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); i++) {
        Str255 name{};
        GetFontName(fonts[i], name);
        std::string family(PStringView(name));
        if (family.empty()) family = "Helvetica";
        out += "{\\f" + std::to_string(i) + "\\fnil " + family + ";}";
    }
    out += "}\n{\\colortbl;";
    for (const Colour& c : colours)
        out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
               std::to_string(c.blue) + ";";
    out += "}\n" + body + "}";
    return out;
}
