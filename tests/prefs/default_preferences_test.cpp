// The built-in defaults, checked byte for byte against the field table: every value at its offset, and
// nothing anywhere else.
#include "platform/pstring.h"
#include "prefs/prefs_fields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Value {
    size_t offset;
    int width; // 1, 2 or 4 bytes
    SInt32 value;
};

constexpr SInt32 kWhite = 65535;

// A text format block by the Part's field orders: A is justification, spacing, font, style, reserved,
// size, text colour, background colour; B is font, style, reserved, size, colours, justification,
// spacing. The colours here are always black on white.
void AddFormat(std::vector<Value>& v, size_t at, bool orderA, SInt32 justify, SInt32 spacing, SInt32 font,
               SInt32 face, SInt32 size) {
    const size_t text = at + (orderA ? 10 : 6), back = at + (orderA ? 16 : 12);
    if (orderA) {
        v.insert(v.end(), {{at, 2, justify},
                           {at + 2, 2, spacing},
                           {at + 4, 2, font},
                           {at + 6, 1, face},
                           {at + 8, 2, size}});
    } else {
        v.insert(v.end(), {{at, 2, font},
                           {at + 2, 1, face},
                           {at + 4, 2, size},
                           {at + 18, 2, justify},
                           {at + 20, 2, spacing}});
    }
    v.insert(v.end(), {{text, 2, 0},
                       {text + 2, 2, 0},
                       {text + 4, 2, 0},
                       {back, 2, kWhite},
                       {back + 2, 2, kWhite},
                       {back + 4, 2, kWhite}});
}

std::vector<Value> ExpectedDefaults() {
    std::vector<Value> v = {
        {0, 4, 2},         {4, 2, 60},        {8, 4, 1},        {82, 2, 128},     {96, 2, 15},
        {98, 2, 8},        {626, 2, 1},       {628, 2, 1},      {630, 2, 5},      {644, 2, 15},
        {646, 2, 1},       {664, 2, 1},       {672, 2, -1},     {690, 2, 1},      {700, 2, 1},
        {704, 2, 1},       {706, 2, 2},       {2086, 2, 1},     {2088, 2, 1},     {2094, 2, 4},
        {2098, 2, 1},      {2104, 2, 1},      {2106, 2, 65535}, {2114, 2, 99},    {2116, 2, 99},
        {2120, 2, 50},     {2122, 2, 1},      {2134, 2, 65535}, {2136, 2, 58000}, {2138, 2, 58000},
        {2140, 2, 65535},  {2172, 2, 1},      {2174, 2, 1},     {2176, 2, 1},     {2178, 2, 1},
        {2180, 2, 376},    {2182, 2, 5},      {2184, 2, 3},     {2186, 2, 2},     {2188, 2, 4},
        {2190, 2, 2},      {2192, 2, 2},      {2196, 2, 1},     {2198, 2, 18},    {2200, 2, 5},
        {2202, 2, 30},     {4036, 2, 65535},  {4038, 2, 65535}, {4040, 2, 65535}, {4048, 4, 1000},
        {4052, 4, 1},      {4064, 4, 1},      {4108, 2, 1},     {4126, 2, 1},     {4128, 2, 1},
        {4132, 4, 60},     {4136, 4, 160},    {4152, 2, 65535}, {4178, 2, 100},   {4182, 2, 50},
        {4184, 2, 50},     {4188, 4, 3600},   {4192, 4, 65536}, {4196, 4, 60},    {4228, 4, 116000},
        {4268, 4, 196608}, {4272, 4, 196608},
    };
    for (size_t at = 104; at < 616; at += 4)
        v.push_back({at, 4, -1}); // the cue marker mask
    AddFormat(v, 12, true, -2, 130, 21, 1, 62);
    AddFormat(v, 34, true, -2, 110, 20, 0, 14);
    AddFormat(v, 56, true, -2, 130, 21, 0, 62);
    AddFormat(v, 1988, false, -2, 100, 4, 0, 9);
    AddFormat(v, 2010, false, -2, 100, 20, 0, 14);
    AddFormat(v, 2032, false, -2, 100, 20, 0, 14);
    AddFormat(v, 2054, false, -2, 100, 21, 0, 14);
    return v;
}

TEST(DefaultPreferences, HoldEveryListedValueAtItsOffsetAndZeroElsewhere) {
    std::vector<UInt8> expected(kPrefsRecordBytes, 0);
    for (const Value& v : ExpectedDefaults()) {
        if (v.width == 1) expected[v.offset] = UInt8(v.value);
        if (v.width == 2) StoreHost16(expected.data() + v.offset, UInt16(v.value));
        if (v.width == 4) StoreHost32(expected.data() + v.offset, UInt32(v.value));
    }
    const char name[] = "\x07"
                        "Default"; // the cue marker icon's name, a 32-byte field at 2244
    std::memcpy(expected.data() + 2244, name, 8);

    for (size_t i = 0; i < kPrefsRecordBytes; ++i)
        EXPECT_EQ(gDefaultPreferences.bytes[i], expected[i]) << "byte " << i;
}

TEST(DefaultPreferences, ReadThroughTheTypedFields) {
    const TextFormatBlock prompter = GetPref(gDefaultPreferences, kPrefPrompterFormat);
    EXPECT_EQ(prompter.justification, kJustifyLeft);
    EXPECT_EQ(prompter.lineSpacing, 130);
    EXPECT_EQ(prompter.font, 21);
    EXPECT_EQ(prompter.face, kFaceBold);
    EXPECT_EQ(prompter.size, 62);
    EXPECT_EQ(prompter.backColor, (RGBColor{65535, 65535, 65535}));

    const TextFormatBlock bookmarks = GetPref(gDefaultPreferences, kPrefBookmarkFormat);
    EXPECT_EQ(bookmarks.font, 4);
    EXPECT_EQ(bookmarks.size, 9);
    EXPECT_EQ(bookmarks.justification, kJustifyLeft);
    EXPECT_EQ(bookmarks.lineSpacing, 100);

    EXPECT_EQ(GetPref(gDefaultPreferences, kPrefCueHotSpot), (Point{15, 8}));
    EXPECT_EQ(GetPref(gDefaultPreferences, kPrefPicturePosition), -1);
    EXPECT_EQ(GetPref(gDefaultPreferences, kPrefKeyEquivBackColor), (RGBColor{58000, 58000, 65535}));
    EXPECT_EQ(GetPref(gDefaultPreferences, kPrefStarSpeed), 0x00010000);
    EXPECT_EQ(GetPref(gDefaultPreferences, kPrefCueMarkerMask, 127), -1);
    Str255 name;
    GetPrefString(gDefaultPreferences, kPrefCueMarkerName, name);
    EXPECT_EQ(std::string(PStringView(name)), "Default");
}

// Writing a format block leaves the reserved byte beside the style as it was.
TEST(TextFormatField, KeepsTheReservedByteBesideTheStyle) {
    PrefsRecord r = gDefaultPreferences;
    r.bytes[kPrefEditFormat.offset + 7] = 0x5A;
    r.bytes[kPrefMacroEditorFormat.offset + 3] = 0xA5;
    TextFormatBlock edit = GetPref(r, kPrefEditFormat);
    edit.face = kFaceItalic | kFaceUnderline;
    SetPref(r, kPrefEditFormat, edit);
    SetPref(r, kPrefMacroEditorFormat, edit);
    EXPECT_EQ(r.bytes[kPrefEditFormat.offset + 6], kFaceItalic | kFaceUnderline);
    EXPECT_EQ(r.bytes[kPrefEditFormat.offset + 7], 0x5A);
    EXPECT_EQ(r.bytes[kPrefMacroEditorFormat.offset + 2], kFaceItalic | kFaceUnderline);
    EXPECT_EQ(r.bytes[kPrefMacroEditorFormat.offset + 3], 0xA5);
}

// A stored length longer than its field is cut to the field on reading, and a long text to the field
// on writing, leaving the next field alone.
TEST(StringField, StaysWithinItsField) {
    PrefsRecord r = gDefaultPreferences;
    Str255 text;
    text[0] = 40;
    std::memset(text + 1, 'x', 40);
    SetPrefString(r, kPrefCueMarkerName, text);
    EXPECT_EQ(r.bytes[kPrefCueMarkerName.offset], 31);
    EXPECT_EQ(r.bytes[kPrefDictionaryName.offset], 0);

    r.bytes[kPrefDictionaryName.offset] = 200;
    Str255 out;
    GetPrefString(r, kPrefDictionaryName, out);
    EXPECT_EQ(out[0], 31);
}

} // namespace
