// Writes the starting inputs of every fuzz harness, each made by the program's own writers where it has
// one (resource files, preference files and sets, style scraps and soups, the pasteboard, side records)
// and by hand where it has none, plus a few damaged cases. Usage: make_seeds CORPUS_FOLDER SOURCE_FOLDER.
#include "fuzz/support/fuzz_support.h"

#include "effects/shapes.h"
#include "platform/clipboard.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resource_format.h"
#include "platform/resources.h"
#include "prefs/companion_records.h"
#include "prefs/host_order.h"
#include "prefs/preference_sets.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"
#include "scroll/doc_resource_header.h"
#include "textengine/font_tables.h"
#include "textengine/text_engine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<UInt8>;
namespace fs = std::filesystem;

std::string gOut;

Bytes Of(std::string_view s) {
    return Bytes(s.begin(), s.end());
}
Bytes Of(Handle h) {
    return h ? Bytes(*h, *h + GetHandleSize(h)) : Bytes();
}
Bytes FileBytes(const std::string& path) {
    Bytes b;
    ReadWholeFile(path, b);
    return b;
}

void Seed(const std::string& harness, const std::string& name, const Bytes& bytes) {
    const std::string folder = gOut + "/" + harness;
    fs::create_directories(folder);
    std::ofstream(folder + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The framing the harnesses read: a byte, or a piece behind a 16-bit length (low byte first).
struct Framed {
    Bytes bytes;
    Framed& Byte(UInt8 b) {
        bytes.push_back(b);
        return *this;
    }
    Framed& Piece(const Bytes& p) {
        const size_t n = std::min<size_t>(p.size(), 0xFFFF);
        bytes.push_back(UInt8(n));
        bytes.push_back(UInt8(n >> 8));
        bytes.insert(bytes.end(), p.begin(), p.begin() + long(n));
        return *this;
    }
    Framed& Rest(const Bytes& p) {
        bytes.insert(bytes.end(), p.begin(), p.end());
        return *this;
    }
};

struct Res {
    ResType type;
    ResID id;
    Bytes bytes;
    std::string name;
};

// A resource file written by the resource manager, as bytes.
Bytes ResourceFile(const std::vector<Res>& resources) {
    const std::string path = fuzz::ScratchPath("seed.rsrc");
    fs::remove(path);
    CreateResFile(path);
    const ResFileRefNum previous = CurResFile();
    const ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
    if (f <= 0) return {};
    for (const Res& r : resources) {
        Handle h = NewHandle(Size(r.bytes.size()));
        if (!r.bytes.empty()) std::memcpy(*h, r.bytes.data(), r.bytes.size());
        Str255 name;
        SetPString(name, r.name);
        AddResource(h, r.type, r.id, r.name.empty() ? nullptr : name);
    }
    CloseResFile(f);
    if (previous > 0) UseResFile(previous);
    return FileBytes(path);
}

// The same through the byte serialiser, without the resource manager.
Bytes SerializedFile(const std::vector<Res>& resources) {
    ResourceForkContents contents;
    for (const Res& r : resources) {
        ResourceEntry e;
        e.type = r.type;
        e.id = r.id;
        e.hasName = !r.name.empty();
        e.name = r.name;
        e.data = r.bytes;
        contents.entries.push_back(e);
    }
    Bytes out;
    SerializeResourceFork(contents, out);
    return out;
}

Bytes Put16(Bytes b, size_t at, UInt16 v, bool big) {
    if (b.size() < at + 2) b.resize(at + 2);
    b[at] = UInt8(big ? v >> 8 : v);
    b[at + 1] = UInt8(big ? v : v >> 8);
    return b;
}
Bytes Put32(Bytes b, size_t at, UInt32 v, bool big) {
    if (b.size() < at + 4) b.resize(at + 4);
    for (int i = 0; i < 4; ++i)
        b[at + size_t(i)] = UInt8(v >> (8 * (big ? 3 - i : i)));
    return b;
}
Bytes Host32s(std::initializer_list<UInt32> values) {
    Bytes b;
    for (UInt32 v : values) {
        b.resize(b.size() + 4);
        StoreHost32(b.data() + b.size() - 4, v);
    }
    return b;
}
Bytes WithHeader(ResType tag, const Bytes& body) {
    Bytes b(kDocResourceHeaderSize);
    WriteDocResourceHeader(b.data(), tag);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

void ResourceFileSeeds(const std::string& source) {
    const std::vector<Res> small = {{FourCC("TEXT"), 128, Of("Good evening."), "Script"},
                                    {FourCC("STR#"), 300, {0, 2, 3, 'o', 'n', 'e', 3, 't', 'w', 'o'}, ""},
                                    {FourCC("TEXT"), 129, {}, "Empty"}};
    Seed("resource_file", "manager", ResourceFile(small));
    Seed("resource_file", "serialised", SerializedFile(small));
    Seed("resource_file", "application", FileBytes(source + "/app.rsrc"));
    Seed("resource_file", "empty", {});
    Bytes cut = SerializedFile(small);
    cut.resize(cut.size() / 2);
    Seed("resource_file", "cut", cut);
}

void CompilerSeeds(const std::string& source) {
    int n = 0;
    for (const auto& entry : fs::recursive_directory_iterator(source + "/resources"))
        if (entry.path().extension() == ".rdef" && fs::file_size(entry.path()) < 16384)
            Seed("rc_source", "source" + std::to_string(++n), FileBytes(entry.path().string()));
    Seed("rc_source", "broken", Of("resource 'STR#' (300) {\n  \"unterminated\n"));
}

void JpegSeeds(const std::string& source) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(source + "/resources/scroll/backgrounds"))
        if (entry.path().extension() == ".jpg" && n < 3) {
            ++n;
            Seed("jpeg", "background" + std::to_string(n),
                 Framed().Byte(UInt8(n * 37)).Rest(FileBytes(entry.path().string())).bytes);
        }
    // A file of only its Exif orientation mark (6: a quarter turn), in both TIFF byte orders.
    for (bool big : {false, true}) {
        Bytes tiff = big ? Bytes{'M', 'M', 0, 42, 0, 0, 0, 8} : Bytes{'I', 'I', 42, 0, 8, 0, 0, 0};
        tiff = Put16(tiff, 8, 1, big);
        tiff = Put16(tiff, 10, 0x0112, big);
        tiff = Put16(tiff, 12, 3, big);
        tiff = Put32(tiff, 14, 1, big);
        tiff = Put16(tiff, 18, 6, big);
        tiff = Put32(tiff, 22, 0, big);
        Bytes app1 = {'E', 'x', 'i', 'f', 0, 0};
        app1.insert(app1.end(), tiff.begin(), tiff.end());
        Bytes file = {0xFF, 0xD8, 0xFF, 0xE1, UInt8((app1.size() + 2) >> 8), UInt8(app1.size() + 2)};
        file.insert(file.end(), app1.begin(), app1.end());
        file.insert(file.end(), {0xFF, 0xD9});
        Seed("jpeg", big ? "exif_big" : "exif_little", Framed().Byte(0).Rest(file).bytes);
    }
}

// Pictures as the tests build them: a header, rows of runs and a map of row offsets.
void RlePictureSeeds() {
    struct Spec {
        const char* name;
        UInt16 width, depth, encoding, transparent;
        std::vector<Bytes> rows;
    };
    const Spec specs[] = {
        {"packed",
         6,
         8,
         0,
         255,
         {{0x02, 1, 2, 3, 0x82, 4}, {0x40, 5, 6, 0x80, 7, 0x81, 7, 0x81, 255}, {0x82, 9, 0x82, 10}}},
        {"pairs", 6, 8, 2, 255, {{3, 1, 3, 2}, {1, 4, 2, 255, 3, 5}, {6, 6}}},
        {"nibbles", 6, 4, 0, 15, {{0x31, 0x32}, {0x14, 0x2F, 0x35}, {0x66}}},
    };
    for (const Spec& s : specs)
        for (bool big : {false, true}) {
            const UInt32 header = 30;
            Bytes picture(header, 0), map;
            picture = Put32(picture, 0, header, big);
            picture = Put16(picture, 4, s.width, big);
            picture = Put16(picture, 10, UInt16(s.rows.size()), big);
            picture = Put16(picture, 12, s.width, big);
            picture = Put16(picture, 14, s.depth, big);
            picture = Put16(picture, 20, s.transparent, big);
            picture = Put16(picture, 28, s.encoding, big);
            for (const Bytes& row : s.rows) {
                map = Put32(map, map.size(), UInt32(picture.size() - header), big);
                picture.insert(picture.end(), row.begin(), row.end());
            }
            Seed("rle_picture", std::string(s.name) + (big ? "_big" : "_little"),
                 Framed().Byte(big ? 0x41 : 0x09).Piece(picture).Rest(map).bytes);
        }
}

void PrefsRecordSeeds() {
    Bytes main(gDefaultPreferences.bytes, gDefaultPreferences.bytes + kPrefsRecordBytes);
    Seed("prefs_record", "main", Framed().Byte(kPrefsKindMain).Rest(main).bytes);
    Bytes swapped = main;
    SwapPrefs(swapped.data(), kMainPrefsType, Size(swapped.size()));
    Seed("prefs_record", "main_swapped", Framed().Byte(kPrefsKindMain).Rest(swapped).bytes);
    Bytes version1 = main;
    StoreHost32(version1.data(), 1);
    Seed("prefs_record", "main_version1", Framed().Byte(kPrefsKindMain).Rest(version1).bytes);
    Bytes recent(size_t(kRecentPrefsSize), 0);
    StoreHost32(recent.data(), UInt32(kRecentPrefsVersion));
    StoreHost16(recent.data() + kRecentCountAt, 2);
    Seed("prefs_record", "recent", Framed().Byte(kPrefsKindRecent).Rest(recent).bytes);
    Bytes position(size_t(kPositionPrefsSize), 0);
    StoreHost32(position.data(), UInt32(kPositionPrefsVersion));
    Seed("prefs_record", "position", Framed().Byte(kPrefsKindPosition).Rest(position).bytes);
    Seed("prefs_record", "spare", Framed().Byte(kPrefsKindSpare).Rest({1, 2, 3, 4, 5, 6}).bytes);
    Bytes shape(gRecentShape, gRecentShape + kShapeHeaderSize);
    Seed("prefs_record", "shape", Framed().Byte(kPrefsKindShape).Rest(shape).bytes);
}

// A preferences file and a sets file written by the program into the run's home folder.
void PrefsFileSeeds() {
    const std::string folder = std::string(std::getenv("HOME")) + "/.config/Orvalis";
    fs::remove_all(folder);
    CopyPreferences(&gDefaultPreferences, &gThePreferences);
    PrefsRecord record = gDefaultPreferences;
    DoPutPreferences(&record, kPrefsKindMain, nullptr);
    RecentPrefsRecord recent{};
    StoreHost32(recent.bytes, UInt32(kRecentPrefsVersion));
    DoPutPreferences(&recent, kPrefsKindRecent, nullptr);
    PositionPrefsRecord position{};
    StoreHost32(position.bytes, UInt32(kPositionPrefsVersion));
    DoPutPreferences(&position, kPrefsKindPosition, nullptr);
    Seed("prefs_file", "preferences", FileBytes(folder + "/Orvalis Preferences"));
    Str255 name, shapeName;
    SetPString(name, "Studio");
    SetPString(shapeName, "Wedge");
    SavePreferenceSet(name, 640, 480, gRecentShape, shapeName);
    SetPString(name, "Hall");
    SavePreferenceSet(name, 0, 0, nullptr, nullptr);
    Seed("prefs_file", "sets", FileBytes(folder + "/Orvalis Preference Sets"));
    Seed("prefs_file", "damaged",
         ResourceFile({{kMainPrefsType, 128, {0, 0, 0, 2, 1, 2, 3}, "Orvalis Preferences"}}));
    fs::remove_all(folder);
}

struct StyledText {
    WEReference we = nullptr;
    StyledText() {
        const LongRect dest{0, 0, 1000, 200};
        const LongRect view{0, 0, 100, 200};
        WENew(&dest, &view, 0, &we);
        const std::string text = "Plain, bold and italic.";
        WEInsert(text.data(), SInt32(text.size()), nullptr, nullptr, we, 0);
        WETextStyle style;
        style.face = 1;
        WESetSelection(7, 11, 0, we);
        WESetStyle(weDoFace, &style, we);
        style.face = 2;
        style.size = 18;
        WESetSelection(16, 22, 0, we);
        WESetStyle(weDoFace | weDoSize, &style, we);
    }
    ~StyledText() { WEDispose(we); }
};

void TextEngineSeeds() {
    StyledText styled;
    Handle styles = NewHandle(0), soup = NewHandle(0);
    WECopyRange(0, WEGetTextLength(styled.we), nullptr, styles, soup, styled.we);
    const Bytes scrap = Of(styles);
    // The 2-byte header form: the count, then the elements.
    Bytes narrow = scrap;
    if (narrow.size() >= 4) narrow.erase(narrow.begin() + 2, narrow.begin() + 4);
    const Bytes text = Of("Some text to style, long enough for every run.");
    Seed("style_scrap", "wide", Framed().Byte(0).Byte(3).Byte(20).Piece(text).Rest(scrap).bytes);
    Seed("style_scrap", "narrow", Framed().Byte(5).Byte(0).Byte(40).Piece(text).Rest(narrow).bytes);
    Bytes swapped = scrap;
    Handle h = NewHandle(Size(swapped.size()));
    if (!swapped.empty()) std::memcpy(*h, swapped.data(), swapped.size());
    SwapStyle(h, 1);
    Seed("style_scrap", "swapped", Framed().Byte(4).Byte(1).Byte(9).Piece(text).Rest(Of(h)).bytes);
    DisposeHandle(h);

    // The styled text's font table beside its runs, as a save stores them.
    Handle table = NewHandle(0);
    if (WEBuildFontTable(table, nullptr, styled.we) == noErr) {
        Seed("font_table", "wide", Framed().Piece(scrap).Rest(Of(table)).bytes);
        Seed("font_table", "narrow", Framed().Piece(narrow).Rest(Of(table)).bytes);
    }
    DisposeHandle(table);

    // A soup of one object by hand (no object writer reaches the pasteboard yet), and the engine's own.
    Bytes entry(24, 0);
    StoreHost32(entry.data(), 2);
    std::memcpy(entry.data() + 4, "Test", 4);
    StoreHost32(entry.data() + 12, 4);
    StoreHost16(entry.data() + 16, 10);
    StoreHost16(entry.data() + 18, 12);
    entry.insert(entry.end(), {1, 2, 3, 4});
    Seed("soup", "one_object", Framed().Byte(1).Byte(5).Piece(text).Piece(scrap).Rest(entry).bytes);
    Seed("soup", "engine", Framed().Byte(0).Byte(0).Piece(text).Piece({}).Rest(Of(soup)).bytes);

    // What copying styled text puts on the pasteboard, flavour by flavour.
    ClearPasteboard();
    WESetSelection(0, WEGetTextLength(styled.we), 0, styled.we);
    WECopy(styled.we, 0);
    Framed pasted;
    pasted.Byte(0).Byte(1);
    UInt8 present = 0;
    const char* const flavors[] = {kFlavorMacRomanText, kFlavorUtf16Text, kFlavorUtf8Text,
                                   kFlavorRtf,          kFlavorStyles,    kFlavorObjects};
    for (int f = 0; f < 6; ++f) {
        std::string bytes;
        if (!CopyPasteboardFlavorData(1, flavors[f], &bytes)) continue;
        present |= UInt8(1 << f);
        pasted.Piece(Of(bytes));
    }
    pasted.bytes[0] = present;
    Seed("pasteboard", "copied", pasted.bytes);
    Seed("pasteboard", "utf8_and_rtf",
         Framed()
             .Byte(0x0C)
             .Byte(0x11)
             .Piece(Of("caf\xC3\xA9"))
             .Piece(Of("{\\rtf1 caf\\'e9 {\\b bold}}"))
             .bytes);
    ClearPasteboard();
    DisposeHandle(styles);
    DisposeHandle(soup);
}

void ScriptDocumentSeeds() {
    const Bytes text = Of("Good evening.\rThis is the news.\rAnd now the weather.\r");
    const std::vector<Res> side = {
        {FourCC("BkMk"), 128, WithHeader(kBookmarkTag, Host32s({0, 14, 0xFFFFFFFF})), ""},
        {FourCC("BmkN"), 128, {0, 2, 5, 'S', 't', 'a', 'r', 't', 4, 'N', 'e', 'w', 's'}, ""},
        {FourCC("Tabs"), 128, WithHeader(kTabsTag, Host32s({2, 36, 72})), ""},
    };
    Seed("script_document", "text_and_side", Framed().Byte(0).Piece(text).Rest(ResourceFile(side)).bytes);
    Seed("script_document", "earlier_side", Framed().Byte(0x10).Piece(text).Rest(ResourceFile(side)).bytes);
    Seed(
        "script_document", "old_bookmarks",
        Framed().Byte(0).Piece(text).Rest(ResourceFile({{FourCC("BkMk"), 128, Host32s({14, 0}), ""}})).bytes);
    std::vector<Res> script = side;
    script.push_back({FourCC("TEXT"), 128, text, "First"});
    script.push_back({FourCC("TEXT"), 129, Of("Second script.\r"), "Second"});
    Seed("script_document", "resource_script", Framed().Byte(3).Piece(ResourceFile(script)).Rest({}).bytes);
    Seed("script_document", "rtf",
         Framed().Byte(1).Piece(Of("{\\rtf1 Good {\\b evening}.\\par}")).Rest({}).bytes);
}

void TextSeeds() {
    Seed("text_import", "plain", Framed().Byte(0).Rest(Of("Line one\rLine two\r")).bytes);
    Seed("text_import", "dos", Framed().Byte(0).Rest(Of("Line one\r\nLine two\r\n")).bytes);
    Seed("text_import", "rtf",
         Framed()
             .Byte(1)
             .Rest(Of("{\\rtf1\\ansi{\\fonttbl\\f0 Times;}\\f0\\fs24 Plain {\\b bold} {\\i italic}\\par "
                      "caf\\'e9\\u8364?}"))
             .bytes);
    Seed("text_import", "utf16",
         Framed().Byte(0).Rest({0xFF, 0xFE, 'H', 0, 'i', 0, 0xAC, 0x20, '\r', 0}).bytes);
    Seed("text_import", "utf8",
         Framed()
             .Byte(0)
             .Rest(Of("\xEF\xBB\xBF"
                      "caf\xC3\xA9 \xE2\x82\xAC\n"))
             .bytes);
    Seed("text_import", "word", Framed().Byte(3).Rest(Of("\xD0\xCF\x11\xE0 not really a document")).bytes);

    // RTF as the common writers put it: a word processor's header tables and groups, a converter's plain
    // layout, a clipboard's fragment, and damaged ones.
    Seed("rtf_reader", "word_processor",
         Of("{\\rtf1\\ansi\\deff0\\adeflang1025\n{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Liberation "
            "Serif{\\*\\falt Times New Roman};}{\\f1\\fswiss\\fprq2\\fcharset0 Liberation Sans;}}\n"
            "{\\colortbl;\\red0\\green0\\blue0;\\red201\\green33\\blue30;}\n{\\stylesheet{\\s0\\snext0 "
            "Normal;}}{\\*\\generator "
            "Writer;}{\\info{\\creatim\\yr2026\\mo1}}\n\\pard\\plain\\s0\\qc\\f1\\fs32"
            "\\b Title\\par\\pard\\plain\\f0\\fs24 Plain, {\\i italic}, {\\cf2\\ul red underlined}\\par\n"
            "\\trowd\\cellx2000\\cellx4000\\pard\\intbl A\\cell B\\cell\\row\\pard{\\*\\shppict{\\pict"
            "\\pngblip\\picw1\\pich1 89504e470d0a}}{\\nonshppict{\\pict\\bin3 {}}}\\par}"));
    Seed("rtf_reader", "converter",
         Of("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Courier;}}{\\colortbl;\\red255\\green0\\blue0;}\n"
            "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 Caf\\u233? \\u8364? and \\u-10179?\\u-8704? "
            "{\\b bold} {\\field{\\*\\fldinst{HYPERLINK \"x\"}}{\\fldrslt{\\ul link}}}\\par}\n}"));
    Seed("rtf_reader", "fragment",
         Of("{\\rtf1\\mac{\\fonttbl\\f3\\fnil Geneva;}\\f3\\fs18 \\'8e\\uc0\\u8220 "
            "q\\ansicpg1251\\'c6}"));
    Seed("rtf_reader", "damaged", Of("{\\rtf1}}{{\\b x\\'zz\\bin99999999999 y"));
    Seed("rtf_reader", "deep", Of(std::string(300, '{') + "\\i deep" + std::string(299, '}')));

    Seed("line_files", "bookmark_names",
         Framed().Byte(5).Rest(Of("Opening\r  Weather\r\rSport\r\nClose\n")).bytes);
    Seed("line_files", "merge",
         Framed().Byte(0x80).Rest(Of("<name>\rAda\rWho is speaking?\r<place>\rLondon\r")).bytes);

    Seed("handed_paths", "two",
         Framed().Byte(0).Rest(Of(std::string("/home/a/Talk.txt\0/tmp/b c.rtf\0", 31))).bytes);
    Seed("handed_paths", "cut", Framed().Byte(1).Rest(Of(std::string("/x\0/unfinish", 13))).bytes);
}

void QueueSeeds() {
    Bytes queue(780 + 2 * 1060, 0);
    const auto pstring = [&](size_t at, const std::string& s) {
        queue[at] = UInt8(s.size());
        std::memcpy(queue.data() + at + 1, s.data(), s.size());
    };
    pstring(512, "/scripts/");
    StoreHost32(queue.data() + 768, 2);
    StoreHost32(queue.data() + 772, 0);
    StoreHost32(queue.data() + 776, 1);
    for (int e = 0; e < 2; ++e) {
        const size_t at = 780 + size_t(e) * 1060;
        pstring(at + 256, e ? "Weather.txt" : "News.txt");
        pstring(at + 512, "/scripts/");
        StoreHost16(queue.data() + at + 1042, 1);
        StoreHost16(queue.data() + at + 1048, UInt16(5 * e));
        StoreHost16(queue.data() + at + 1052, 1);
    }
    Seed("queue", "two_elements", queue);
    Bytes bad = queue;
    StoreHost32(bad.data() + 768, 9);
    Seed("queue", "count_too_big", bad);
}

void ColorTableSeeds() {
    const std::pair<const char*, ResID> tables[] = {{"clut", 1600}, {"cLut", 128}};
    for (const auto& [type, id] : tables) {
        Handle h = GetResource(FourCC(type[1] == 'l' ? "clut" : "cLut"), id);
        if (!h) continue;
        Bytes table = Of(h);
        Seed("color_table", type, table);
        if (table.size() > 8 + 8 * 4) table.resize(8 + 8 * 4);
        Seed("color_table", std::string(type) + "_cut", table);
    }
    Bytes small(8, 0);
    small = Put16(small, 6, 1, true);
    for (int i = 0; i < 2; ++i)
        small = Put16(Put16(small, small.size(), UInt16(i), true), small.size(), 0xFFFF, true);
    small.resize(8 + 2 * 8, 0x80);
    Seed("color_table", "two_entries", small);
}

void TextMergeSeeds() {
    auto entry = [](Bytes bytes, const std::string& keyword, const std::string& replace,
                    const std::string& prompt) {
        for (const std::string* field : {&keyword, &replace, &prompt}) {
            bytes.push_back(UInt8(field->size()));
            bytes.insert(bytes.end(), field->begin(), field->end());
        }
        return bytes;
    };
    Bytes two = entry(entry({}, "NAME", "\\fs 24 \\b Ann", "Your name"), "CITY", "\\fc\"Red\"Oslo", "");
    Seed("text_merge", "two_entries", two);
    Bytes cut = two;
    cut.resize(cut.size() - 3);
    Seed("text_merge", "last_entry_cut", cut);
}

void SideRecordSeeds() {
    Seed("side_records", "bookmarks",
         Framed().Byte(0).Rest(WithHeader(kBookmarkTag, Host32s({0, 10, 20}))).bytes);
    Seed("side_records", "old_bookmarks", Framed().Byte(0x30).Rest(Host32s({20, 10, 0x7FFFFFFF})).bytes);
    Seed("side_records", "names",
         Framed().Byte(1).Rest({0, 2, 5, 'S', 't', 'a', 'r', 't', 4, 'N', 'e', 'w', 's'}).bytes);
    Seed("side_records", "tabs", Framed().Byte(2).Rest(WithHeader(kTabsTag, Host32s({2, 36, 72}))).bytes);
    Seed("side_records", "merge", Framed().Byte(3).Rest(WithHeader(kTextMergeTag, Host32s({1, 0}))).bytes);
    Seed("side_records", "hypertext",
         Framed().Byte(4).Rest(WithHeader(kHypertextTag, Host32s({1, 5, 9}))).bytes);
    Seed("side_records", "mandala",
         Framed().Byte(5).Rest(WithHeader(kMandalaTag, Host32s({3, 1, 2, 3}))).bytes);
    Seed("side_records", "overlay", Framed().Byte(6).Rest(WithHeader(kOverlayTag, Host32s({1, 2}))).bytes);
}

// The program's own key tables, and picture-button entries as the dialogs that use them store them.
void DialogTableSeeds() {
    for (const ResID id : {403, 404})
        if (Handle h = GetResource(FourCC("Cmd#"), id))
            Seed("dialog_tables", "keys" + std::to_string(id), Of(h));
    Bytes pictures;
    for (const UInt16 field : {UInt16(8), UInt16(200), UInt16(201), UInt16(202), UInt16(32), UInt16(210),
                               UInt16(211), UInt16(212)})
        pictures = Put16(pictures, pictures.size(), field, true);
    Seed("dialog_tables", "pictures", Framed().Byte(8 + 1).Rest(pictures).bytes);
    Seed("dialog_tables", "cut", Framed().Byte(8 + 2).Rest({0, 8, 0}).bytes);
}

// The program's own menus, each with an item to click and a key to try.
void MenuSeeds() {
    UInt8 pick = 0;
    for (const ResID id : {128, 129, 130, 133, 202, 203, 209, 219})
        if (Handle h = GetResource(FourCC("MENU"), id)) {
            Seed("menu_resource", "menu" + std::to_string(id),
                 Framed().Byte(++pick).Byte('A').Rest(Of(h)).bytes);
            ReleaseResource(h);
        }
    Seed("menu_resource", "cut",
         Framed().Byte(1).Byte(0).Rest({0, 128, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5}).bytes);
}

// The program's own dialogs: each template with the item list it names.
void DialogItemSeeds() {
    for (const ResID id : {139, 154, 403})
        if (Handle dlog = GetResource(FourCC("DLOG"), id)) {
            const Bytes templ = Of(dlog);
            Bytes items;
            if (templ.size() >= 20)
                if (Handle ditl = GetResource(FourCC("DITL"), SInt16(templ[18] << 8 | templ[19])))
                    items = Of(ditl);
            Seed("dialog_items", "dialog" + std::to_string(id), Framed().Piece(templ).Rest(items).bytes);
        }
    Seed("dialog_items", "cut",
         Framed()
             .Piece({0, 10, 0, 10, 0, 100, 0, 200, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 128, 0})
             .Rest({0, 3, 0, 0, 0, 0, 0, 10, 0, 10, 0, 30, 0, 90, 4, 9, 'O', 'K'})
             .bytes);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER SOURCE_FOLDER\n", argv[0]);
        return 2;
    }
    gOut = argv[1];
    const std::string source = argv[2];
    fuzz::StartPlatform(&argc, &argv);
    fs::copy_file(ORVALIS_RESOURCE_FILE, fuzz::ScratchPath("app.rsrc"), fs::copy_options::overwrite_existing);

    ResourceFileSeeds(fuzz::ScratchFolder());
    CompilerSeeds(source);
    JpegSeeds(source);
    RlePictureSeeds();
    PrefsRecordSeeds();
    PrefsFileSeeds();
    TextEngineSeeds();
    ScriptDocumentSeeds();
    TextSeeds();
    QueueSeeds();
    ColorTableSeeds();
    TextMergeSeeds();
    SideRecordSeeds();
    DialogTableSeeds();
    MenuSeeds();
    DialogItemSeeds();
    return 0;
}
