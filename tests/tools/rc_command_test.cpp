// The orvalis-rc command: its output file, its messages and exit status, and that a failed run leaves
// no partial file behind.
#include "rc_test_support.h"

#include "platform/file_io.h"

#include <gmock/gmock.h>

#include <chrono>
#include <sys/wait.h>

namespace {

using ::testing::HasSubstr;

struct CommandResult {
    int status = -1;
    std::string out, err;
};

std::string ReadText(const std::string& path) {
    std::vector<UInt8> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// Runs the built compiler with the given arguments, capturing both output streams.
CommandResult RunCompiler(const TempDir& dir, const std::vector<std::string>& args) {
    std::string command =
        "'" + (std::filesystem::path(ORVALIS_RESOURCE_FILE).parent_path() / "orvalis-rc").string() + "'";
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    command += " >'" + dir.File("stdout.txt") + "' 2>'" + dir.File("stderr.txt") + "'";
    int raw = std::system(command.c_str());
    CommandResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadText(dir.File("stdout.txt"));
    result.err = ReadText(dir.File("stderr.txt"));
    return result;
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// --header writes the names the sources give numbers, and leaves an unchanged header as it is, so that
// what includes it is not rebuilt for nothing.
TEST(Command, WritesTheNamesHeaderOnlyWhenTheNamesChange) {
    TempDir dir;
    const std::string source = dir.Write("a.rdef", "resource 'STR#' 7 as kSevenTexts { \"x\" as kXText }\n");
    const std::string header = dir.File("generated/resource_names.h");
    CommandResult result = RunCompiler(dir, {"-o", dir.File("A.rsrc"), "--header", header, source});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(ReadText(header).find("constexpr SInt16 kSevenTexts = 7; // 'STR#' 7\n"
                                    "constexpr SInt16 kXText = 1; // 'STR#' 7 string 1\n"),
              std::string::npos);
    const auto written = std::filesystem::last_write_time(header);
    std::filesystem::last_write_time(header, written - std::chrono::hours(1));
    ASSERT_EQ(RunCompiler(dir, {"-o", dir.File("A.rsrc"), "--header", header, source}).status, 0);
    EXPECT_EQ(std::filesystem::last_write_time(header), written - std::chrono::hours(1));
}

TEST(Command, WritesAllSourcesIntoOneFileAndSaysSo) {
    TempDir dir;
    std::string a = dir.Write("a.rdef", "resource 'STR ' 1 { \"one\" }\nresource 'STR ' 2 { \"two\" }\n");
    std::string b = dir.Write("b.rdef", "resource 'MENU' 5 { title \"M\" item \"I\" }\n");
    std::string output = dir.File("out/sub/Test.rsrc");

    CommandResult result = RunCompiler(dir, {"-o", output, a, b});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "orvalis-rc: 3 resources (2 types) -> " + output + "\n");
    EXPECT_EQ(result.err, "");

    std::vector<UInt8> file = ReadFileBytes(output);
    ResourceForkContents parsed;
    ASSERT_EQ(ParseResourceFork(file, parsed), noErr);
    ASSERT_EQ(parsed.entries.size(), 3u);
    ASSERT_NE(FindEntry(parsed, FourCC("STR "), 2), nullptr);
    EXPECT_EQ(ToHex(FindEntry(parsed, FourCC("STR "), 2)->data), "03 74 77 6F");
    ASSERT_NE(FindEntry(parsed, FourCC("MENU"), 5), nullptr);
    EXPECT_EQ(FilesIn(std::filesystem::path(output).parent_path()), std::vector<std::string>{"Test.rsrc"});
}

TEST(Command, AFaultySourceFailsAndLeavesTheOutputAlone) {
    TempDir dir;
    std::string good = dir.Write("good.rdef", "resource 'STR ' 1 { \"one\" }\n");
    std::string bad =
        dir.Write("bad.rdef", "resource 'STR ' 2 { \"two\" }\n\nresource 'STR ' 1 { \"again\" }\n"
                              "resource 'Test' 3 { u8 -1 }\n");
    std::string fresh = dir.File("fresh/Fresh.rsrc");
    std::string existing = dir.Write("old/Old.rsrc", std::string_view("previous contents"));

    for (const std::string& output : {fresh, existing}) {
        CommandResult result = RunCompiler(dir, {"-o", output, good, bad});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, bad + ":3: duplicate resource 'STR ' 1; first defined at " + good + ":1\n" +
                                  bad + ":4: u8 -1 is out of range (0 to 255)\n");
    }
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_EQ(ReadText(existing), "previous contents");
    EXPECT_EQ(FilesIn(std::filesystem::path(existing).parent_path()), std::vector<std::string>{"Old.rsrc"});
}

TEST(Command, UsageErrors) {
    TempDir dir;
    std::string source = dir.Write("a.rdef", "resource 'STR ' 1 { \"one\" }\n");
    const std::vector<std::vector<std::string>> badArguments = {
        {source},                                 // no output
        {"-o", dir.File("x.rsrc")},               // no sources
        {"-q", "-o", dir.File("x.rsrc"), source}, // unknown option
    };
    for (const auto& args : badArguments) {
        CommandResult result = RunCompiler(dir, args);
        EXPECT_EQ(result.status, 2);
        EXPECT_THAT(result.err, HasSubstr("usage: orvalis-rc -o OUTPUT.rsrc SOURCE.rdef..."));
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.rsrc")));
}

} // namespace
