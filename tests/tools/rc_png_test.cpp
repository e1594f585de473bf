// The PNG check that guards 'PICT' resources: well-formed files pass unchanged, damaged ones fail the
// build with a reason.
#include "rc_test_support.h"

#include "platform/bytes.h"
#include "platform/crc32.h"
#include "rc/png_info.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using ::testing::HasSubstr;

void AppendChunk(std::vector<UInt8>& png, const char* type, const std::vector<UInt8>& data) {
    ByteWriter w;
    w.u32(UInt32(data.size()));
    w.bytes(type, 4);
    w.bytes(data.data(), data.size());
    std::vector<UInt8> chunk = w.take();
    UInt32 crc = Crc32(std::span<const UInt8>(chunk).subspan(4));
    png.insert(png.end(), chunk.begin(), chunk.end());
    UInt8 crcBytes[4];
    WriteBE32(crcBytes, crc);
    png.insert(png.end(), crcBytes, crcBytes + 4);
}

struct PngParts {
    UInt32 width = 3, height = 2;
    UInt8 depth = 8, colorType = 6, compression = 0, filter = 0, interlace = 0;
    bool header = true, data = true, end = true;
};

std::vector<UInt8> BuildPng(const PngParts& p) {
    std::vector<UInt8> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (p.header) {
        ByteWriter ihdr;
        ihdr.u32(p.width);
        ihdr.u32(p.height);
        for (UInt8 b : {p.depth, p.colorType, p.compression, p.filter, p.interlace})
            ihdr.u8(b);
        AppendChunk(png, "IHDR", ihdr.take());
    }
    AppendChunk(png, "tEXt", {'a', 0, 'b'});
    if (p.data) AppendChunk(png, "IDAT", {0x78, 0x9C, 0x03, 0x00});
    if (p.end) AppendChunk(png, "IEND", {});
    return png;
}

TEST(PngCheck, ChecksumMatchesTheStandardCheckValue) {
    std::string text = "123456789";
    EXPECT_EQ(Crc32(std::span(reinterpret_cast<const UInt8*>(text.data()), text.size())), 0xCBF43926u);
}

TEST(PngCheck, ReadsTheHeaderOfWellFormedFiles) {
    struct Good {
        PngParts parts;
        bool interlaced;
    };
    PngParts grey1{.width = 1, .height = 1, .depth = 1, .colorType = 0};
    PngParts palette{.width = 640, .height = 480, .depth = 8, .colorType = 3, .interlace = 1};
    PngParts rgb16{.width = 0x7FFFFFFF, .height = 7, .depth = 16, .colorType = 2};
    for (const Good& g :
         {Good{PngParts{}, false}, Good{grey1, false}, Good{palette, true}, Good{rgb16, false}}) {
        PngInfo info;
        std::string error;
        ASSERT_TRUE(ReadPngInfo(BuildPng(g.parts), info, error)) << error;
        EXPECT_EQ(info.width, g.parts.width);
        EXPECT_EQ(info.height, g.parts.height);
        EXPECT_EQ(info.bitDepth, g.parts.depth);
        EXPECT_EQ(info.colorType, g.parts.colorType);
        EXPECT_EQ(info.interlaced, g.interlaced);
    }
}

struct BadPng {
    const char* name;
    std::function<std::vector<UInt8>()> build;
    const char* reason;
};

std::vector<UInt8> Changed(std::vector<UInt8> png, size_t at, UInt8 value) {
    png.at(at) = value;
    return png;
}

const BadPng kBadPngs[] = {
    {"Empty", [] { return std::vector<UInt8>{}; }, "no PNG signature"},
    {"NotPng", [] { return std::vector<UInt8>{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}; },
     "no PNG signature"},
    {"SignatureDamaged", [] { return Changed(BuildPng({}), 4, 0x0A); }, "no PNG signature"},
    {"HeaderChecksum", [] { return Changed(BuildPng({}), 8 + 8 + 12, 0x55); },
     "IHDR chunk's checksum is wrong"},
    {"LaterChecksum", [] { return Changed(BuildPng({}), 8 + 25 + 9, 'c'); },
     "tEXt chunk's checksum is wrong"},
    {"NoHeader", [] { return BuildPng({.header = false}); }, "the first chunk is not IHDR"},
    {"ZeroWidth", [] { return BuildPng({.width = 0}); }, "bad size 0x2"},
    {"HugeHeight", [] { return BuildPng({.height = 0x80000000u}); }, "bad size 3x2147483648"},
    {"DepthForRgb", [] { return BuildPng({.depth = 4, .colorType = 2}); },
     "bit depth 4 is not valid for colour type 2"},
    {"DepthForPalette", [] { return BuildPng({.depth = 16, .colorType = 3}); },
     "not valid for colour type 3"},
    {"UnknownColorType", [] { return BuildPng({.colorType = 5}); }, "not valid for colour type 5"},
    {"Compression", [] { return BuildPng({.compression = 1}); }, "unknown compression or filter method"},
    {"Interlace", [] { return BuildPng({.interlace = 2}); }, "unknown interlace method"},
    {"NoImageData", [] { return BuildPng({.data = false}); }, "no IDAT chunk"},
    {"NoEnd", [] { return BuildPng({.end = false}); }, "no IEND chunk"},
    {"Truncated",
     [] {
         std::vector<UInt8> png = BuildPng({});
         png.resize(png.size() - 14);
         return png;
     },
     "a chunk runs past the end of the file"},
    {"TrailingBytes",
     [] {
         std::vector<UInt8> png = BuildPng({});
         png.push_back(0);
         return png;
     },
     "bytes after the IEND chunk"},
};

void PrintTo(const BadPng& c, std::ostream* os) {
    *os << c.name;
}

class BadPngTest : public ::testing::TestWithParam<BadPng> {};

TEST_P(BadPngTest, IsRejectedWithAReason) {
    PngInfo info;
    std::string error;
    EXPECT_FALSE(ReadPngInfo(GetParam().build(), info, error));
    EXPECT_THAT(error, HasSubstr(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(Damaged, BadPngTest, ::testing::ValuesIn(kBadPngs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureResource, StoresThePngUnchangedAndRejectsOtherFiles) {
    TempDir dir;
    std::vector<UInt8> png = BuildPng({});
    dir.Write("pics/good.png", png);
    dir.Write("pics/fake.png", std::string_view("GIF89a not a png"));
    dir.Write("pics/broken.png", Changed(png, 8 + 8 + 12, 0x55));
    std::string source = dir.Write("pictures.rdef", R"(resource 'PICT' 1 "Good" file "pics/good.png"
resource 'PICT' 2 file "pics/fake.png"
resource 'PICT' 3 file "pics/broken.png"
resource 'BLOB' 4 file "pics/fake.png"
)");
    CompiledResources compiled;
    CompileResourceFiles({source}, compiled);
    EXPECT_EQ(
        compiled.errors,
        (std::vector<std::string>{
            source + ":2: \"pics/fake.png\" is not a usable PNG picture: no PNG signature",
            source +
                ":3: \"pics/broken.png\" is not a usable PNG picture: the IHDR chunk's checksum is wrong",
        }));
    ASSERT_EQ(compiled.contents.entries.size(), 2u);
    EXPECT_EQ(ToHex(compiled.contents.entries[0].data), ToHex(png));
    EXPECT_EQ(compiled.contents.entries[1].type, FourCC("BLOB")); // other types take any file
}

} // namespace
