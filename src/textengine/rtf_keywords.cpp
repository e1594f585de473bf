// The RTF reader's table of control words: formatting it keeps, characters it writes, and the
// destinations whose contents never reach the text (document information, headers, pictures, objects,
// field codes and the tables of styles, lists and revisions).
#include "textengine/rtf_keywords.h"

#include <algorithm>
#include <array>

namespace {

using K = RtfKeywordKind;

constexpr RtfKeyword kKeywords[] = {
    {"b", K::Property, kRtfBold},
    {"i", K::Property, kRtfItalic},
    {"ul", K::Property, kRtfUnderline},
    {"uld", K::Property, kRtfUnderline},
    {"uldash", K::Property, kRtfUnderline},
    {"uldashd", K::Property, kRtfUnderline},
    {"uldashdd", K::Property, kRtfUnderline},
    {"uldb", K::Property, kRtfUnderline},
    {"ulhwave", K::Property, kRtfUnderline},
    {"ulth", K::Property, kRtfUnderline},
    {"ulw", K::Property, kRtfUnderline},
    {"ulwave", K::Property, kRtfUnderline},
    {"ulnone", K::Property, kRtfUnderlineOff},
    {"strike", K::Property, kRtfStrike},
    {"striked", K::Property, kRtfStrike},
    {"outl", K::Property, kRtfShadow},
    {"shad", K::Property, kRtfShadow},
    {"expnd", K::Property, kRtfExtended},
    {"f", K::Property, kRtfFont},
    {"fs", K::Property, kRtfSize},
    {"cf", K::Property, kRtfColor},
    {"plain", K::Property, kRtfPlain},
    {"pard", K::Property, kRtfParagraphDefaults},
    {"ql", K::Property, kRtfAlignLeft},
    {"qr", K::Property, kRtfAlignRight},
    {"qc", K::Property, kRtfAlignCenter},
    {"qj", K::Property, kRtfAlignFull},
    {"deff", K::Property, kRtfDefaultFont},
    {"uc", K::Property, kRtfUnicodeSkip},
    {"red", K::Property, kRtfRed},
    {"green", K::Property, kRtfGreen},
    {"blue", K::Property, kRtfBlue},
    {"ansi", K::Property, kRtfCharsetAnsi},
    {"mac", K::Property, kRtfCharsetMac},
    {"pc", K::Property, kRtfCharsetPc},
    {"pca", K::Property, kRtfCharsetPca},
    {"ansicpg", K::Property, kRtfCodePage},
    {"fcharset", K::Property, kRtfFontCharset},
    {"cpg", K::Property, kRtfFontCodePage},
    {"fcpg", K::Property, kRtfFontCodePage},
    {"fswiss", K::Property, kRtfFontFamilySans},
    {"fmodern", K::Property, kRtfFontFamilyMono},
    {"ftech", K::Property, kRtfFontFamilySymbol},
    {"row", K::Property, kRtfRowEnd},
    {"nestrow", K::Property, kRtfRowEnd},
    {"u", K::Unicode, 0},
    {"bin", K::Binary, 0},
    {"par", K::Character, 13},
    {"line", K::Character, 13},
    {"tab", K::Character, 9},
    {"cell", K::Character, 9},
    {"nestcell", K::Character, 9},
    {"lquote", K::Character, 0x2018},
    {"rquote", K::Character, 0x2019},
    {"ldblquote", K::Character, 0x201C},
    {"rdblquote", K::Character, 0x201D},
    {"bullet", K::Character, 0x2022},
    {"endash", K::Character, 0x2013},
    {"emdash", K::Character, 0x2014},
    {"enspace", K::Character, ' '},
    {"emspace", K::Character, ' '},
    {"qmspace", K::Character, ' '},
    {"fonttbl", K::Destination, kRtfFontTable},
    {"colortbl", K::Destination, kRtfColorTable},
    {"annotation", K::Destination, kRtfSkipped},
    {"atnauthor", K::Destination, kRtfSkipped},
    {"atnid", K::Destination, kRtfSkipped},
    {"author", K::Destination, kRtfSkipped},
    {"bkmkend", K::Destination, kRtfSkipped},
    {"bkmkstart", K::Destination, kRtfSkipped},
    {"buptim", K::Destination, kRtfSkipped},
    {"colorschememapping", K::Destination, kRtfSkipped},
    {"comment", K::Destination, kRtfSkipped},
    {"creatim", K::Destination, kRtfSkipped},
    {"datafield", K::Destination, kRtfSkipped},
    {"datastore", K::Destination, kRtfSkipped},
    {"doccomm", K::Destination, kRtfSkipped},
    {"docvar", K::Destination, kRtfSkipped},
    {"filetbl", K::Destination, kRtfSkipped},
    {"fldinst", K::Destination, kRtfSkipped},
    {"footer", K::Destination, kRtfSkipped},
    {"footerf", K::Destination, kRtfSkipped},
    {"footerl", K::Destination, kRtfSkipped},
    {"footerr", K::Destination, kRtfSkipped},
    {"footnote", K::Destination, kRtfSkipped},
    {"ftncn", K::Destination, kRtfSkipped},
    {"ftnsep", K::Destination, kRtfSkipped},
    {"ftnsepc", K::Destination, kRtfSkipped},
    {"generator", K::Destination, kRtfSkipped},
    {"header", K::Destination, kRtfSkipped},
    {"headerf", K::Destination, kRtfSkipped},
    {"headerl", K::Destination, kRtfSkipped},
    {"headerr", K::Destination, kRtfSkipped},
    {"info", K::Destination, kRtfSkipped},
    {"keywords", K::Destination, kRtfSkipped},
    {"latentstyles", K::Destination, kRtfSkipped},
    {"listoverridetable", K::Destination, kRtfSkipped},
    {"listtable", K::Destination, kRtfSkipped},
    {"nonshppict", K::Destination, kRtfSkipped},
    {"object", K::Destination, kRtfSkipped},
    {"objdata", K::Destination, kRtfSkipped},
    {"operator", K::Destination, kRtfSkipped},
    {"pgdsctbl", K::Destination, kRtfSkipped},
    {"pict", K::Destination, kRtfSkipped},
    {"pn", K::Destination, kRtfSkipped},
    {"pntxta", K::Destination, kRtfSkipped},
    {"pntxtb", K::Destination, kRtfSkipped},
    {"printim", K::Destination, kRtfSkipped},
    {"private1", K::Destination, kRtfSkipped},
    {"revtbl", K::Destination, kRtfSkipped},
    {"revtim", K::Destination, kRtfSkipped},
    {"rsidtbl", K::Destination, kRtfSkipped},
    {"rxe", K::Destination, kRtfSkipped},
    {"shp", K::Destination, kRtfSkipped},
    {"shppict", K::Destination, kRtfSkipped},
    {"stylesheet", K::Destination, kRtfSkipped},
    {"subject", K::Destination, kRtfSkipped},
    {"tc", K::Destination, kRtfSkipped},
    {"template", K::Destination, kRtfSkipped},
    {"themedata", K::Destination, kRtfSkipped},
    {"title", K::Destination, kRtfSkipped},
    {"txe", K::Destination, kRtfSkipped},
    {"userprops", K::Destination, kRtfSkipped},
    {"xe", K::Destination, kRtfSkipped},
    {"xmlnstbl", K::Destination, kRtfSkipped},
};

using KeywordIndex = std::array<const RtfKeyword*, std::size(kKeywords)>;

KeywordIndex SortedKeywords() {
    KeywordIndex index;
    for (size_t i = 0; i < index.size(); ++i)
        index[i] = &kKeywords[i];
    std::sort(index.begin(), index.end(), [](auto* a, auto* b) { return a->word < b->word; });
    return index;
}

} // namespace

const RtfKeyword* FindRtfKeyword(std::string_view word) {
    static const KeywordIndex sorted = SortedKeywords();
    auto found = std::lower_bound(sorted.begin(), sorted.end(), word,
                                  [](const RtfKeyword* k, std::string_view w) { return k->word < w; });
    return found != sorted.end() && (*found)->word == word ? *found : nullptr;
}
