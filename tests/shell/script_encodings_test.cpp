// Scripts saved in the encoding and line ends their files came in (new ones as UTF-8 with line feeds),
// their style runs kept on the same characters, and files with characters this program cannot hold: said
// once on opening, asked about before a save writes '?' over them.
#include "program_fixture.h"

#include "foundation/file_dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/file_io.h"
#include "platform/resource_format.h"
#include "shell/command_parts.h"
#include "shell/desktop_events.h"
#include "shell/script_documents.h"
#include "shell/shell_services.h"
#include "support/iconv.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string FileText(const std::string& path) {
    std::vector<UInt8> bytes;
    ReadWholeFile(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

std::string HandleText(Handle h) {
    return h ? std::string(*h, size_t(GetHandleSize(h))) : std::string();
}

// A side file holding one 'styl': runs starting at the given character offsets, each with its own face.
std::vector<UInt8> SideFileWithRuns(const std::vector<std::pair<UInt32, UInt8>>& runs) {
    std::vector<UInt8> styl(2 + 20 * runs.size(), 0);
    const UInt16 count = UInt16(runs.size());
    std::memcpy(styl.data(), &count, 2);
    for (size_t i = 0; i < runs.size(); ++i) {
        UInt8* run = styl.data() + 2 + 20 * i;
        const UInt16 height = 16, ascent = 12, font = 3, size = 12, face = runs[i].second;
        std::memcpy(run, &runs[i].first, 4);
        std::memcpy(run + 4, &height, 2);
        std::memcpy(run + 6, &ascent, 2);
        std::memcpy(run + 8, &font, 2);
        run[10] = UInt8(face);
        std::memcpy(run + 12, &size, 2);
    }
    ResourceForkContents contents;
    ResourceEntry entry;
    entry.type = FourCC("styl");
    entry.id = 128;
    entry.data = styl;
    contents.entries.push_back(entry);
    std::vector<UInt8> bytes;
    EXPECT_EQ(SerializeResourceFork(contents, bytes), noErr);
    return bytes;
}

// The start offsets of the runs of a memory-form style handle (count, format word, 20-byte runs).
std::vector<UInt32> RunStarts(Handle styles) {
    std::vector<UInt32> starts;
    if (!styles || GetHandleSize(styles) < 4) return starts;
    UInt16 count = 0;
    std::memcpy(&count, *styles, 2);
    for (UInt16 i = 0; i < count && 4 + 20 * (i + 1) <= GetHandleSize(styles); ++i) {
        UInt32 start = 0;
        std::memcpy(&start, *styles + 4 + 20 * i, 4);
        starts.push_back(start);
    }
    return starts;
}

class ScriptEncodings : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        SetPref(gThePreferences, kPrefStyledText, 1);
        SetPref(gThePreferences, kPrefMakeBackups, 0);
        SetPref(gThePreferences, kPrefSaveWithDocument, 0);
        SetPref(gThePreferences, kPrefSaveBookmarks, 0);
    }
    void TearDown() override {
        gAutoDialogAnswer = 0;
        ForgetFileDialogAnswers();
        ProgramTest::TearDown();
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        home.WriteFile(name, bytes);
        return home.path() + "/" + name;
    }
    static OSErr SaveAs(const std::string& name) {
        gOutName = name;
        return DoSave(-kSaveScript);
    }
};

TEST_F(ScriptEncodings, AStyledUtf8ScriptWithCrlfIsSavedAsItCameAndReopensWithStylesOnTheSameCharacters) {
    // "Café\r" is five characters in memory, six bytes of UTF-8 and seven with CR-LF on disk.
    const std::string file = Iconv("Caf\xC3\xA9\r\nna\xC3\xAFve \xC3\xA9t\xC3\xA9\r\n", "UTF-8", "UTF-8");
    const std::string path = Write("Talk.txt", file);
    home.WriteFile("Talk.txt.rsrc", [] {
        const std::vector<UInt8> side = SideFileWithRuns({{0, 0}, {5, 1}, {11, 2}});
        return std::string(side.begin(), side.end());
    }());
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    ASSERT_EQ(HandleText(myTextResource), "Caf\x8E\rna\x95ve \x8Et\x8E\r");
    ASSERT_EQ(RunStarts(myStyle), (std::vector<UInt32>{0, 5, 11}));

    ASSERT_EQ(SaveAs("Copy.txt"), noErr);
    const std::string copy = home.path() + "/Copy.txt";
    EXPECT_EQ(FileText(copy), file);

    ASSERT_EQ(OpenDocumentsEvent({copy}), noErr);
    EXPECT_EQ(gIsDos, 1);
    const std::string text = HandleText(myTextResource);
    EXPECT_EQ(text, "Caf\x8E\rna\x95ve \x8Et\x8E\r");
    ASSERT_EQ(RunStarts(myStyle), (std::vector<UInt32>{0, 5, 11}));
    EXPECT_EQ(text.substr(5, 5), "na\x95ve");
    EXPECT_EQ(text.substr(11), "\x8Et\x8E\r");
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(ScriptEncodings, ScriptsAreSavedInTheEncodingTheyCameInAndNewOnesAsUtf8WithLineFeeds) {
    const struct {
        const char* name;
        std::string file;
    } files[] = {
        {"le.txt", "\xFF\xFE" + Iconv("h\xC3\xA9\r\nx\r\n", "UTF-8", "UTF-16LE")},
        {"be.txt", Iconv("h\xC3\xA9llo\rx", "UTF-8", "UTF-16BE")},
        {"roman.txt", Iconv("h\xC3\xA9\rx\r", "UTF-8", "MACINTOSH")},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(OpenDocumentsEvent({Write(f.name, f.file)}), noErr);
        ASSERT_EQ(SaveAs(std::string("saved-") + f.name), noErr);
        EXPECT_EQ(FileText(home.path() + "/saved-" + f.name), f.file);
    }

    DoNewDocument();
    UseScript("Caf\x8E\rnew\r");
    gOutPath = home.path() + "/";
    ASSERT_EQ(SaveAs("New.txt"), noErr);
    EXPECT_EQ(FileText(home.path() + "/New.txt"), Iconv("Caf\x8E\nnew\n", "MACINTOSH", "UTF-8"));
}

TEST_F(ScriptEncodings, AnRtfScriptIsSavedAsRtfAndComesBackWithItsStyles) {
    const std::string path =
        Write("Letter.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}\\f0\\fs28 Caf\\'e9 \\b bold\\b0\\par\n}");
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    const std::string text = HandleText(myTextResource);
    ASSERT_EQ(text, "Caf\x8E bold\r");
    const std::vector<UInt32> starts = RunStarts(myStyle);
    ASSERT_GE(starts.size(), 2u);

    ASSERT_EQ(SaveAs("Copy.rtf"), noErr);
    EXPECT_EQ(FileText(home.path() + "/Copy.rtf").substr(0, 5), "{\\rtf");
    ASSERT_EQ(OpenDocumentsEvent({home.path() + "/Copy.rtf"}), noErr);
    EXPECT_EQ(HandleText(myTextResource), text);
    EXPECT_EQ(RunStarts(myStyle), starts);
}

TEST_F(ScriptEncodings, CharactersTheScriptCannotHoldAreReportedOnceAndSavingOverThemAsksFirst) {
    const std::string file = "Hello \xE4\xB8\xAD\xE6\x96\x87.\n";
    const std::string path = Write("Wide.txt", file);
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    EXPECT_EQ(HandleText(myTextResource), "Hello ??.\r");
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_NE(RecordedErrorMessages()[0].find("Wide.txt"), std::string::npos);

    // No: the file keeps its characters, and no save dialog comes up in place of the save.
    gAutoDialogAnswer = 2;
    const int dialogs = CountFileDialogsRun();
    EXPECT_EQ(DoSaveInstant(), kSaveCancelled);
    EXPECT_EQ(CountFileDialogsRun(), dialogs);
    EXPECT_EQ(FileText(path), file);
    // Another file is no question.
    EXPECT_EQ(SaveAs("Other.txt"), noErr);
    EXPECT_EQ(FileText(home.path() + "/Other.txt"), "Hello ??.\n");
    EXPECT_EQ(SaveAs("Wide.txt"), kSaveCancelled);
    EXPECT_EQ(FileText(path), file);

    // Yes: written, and once written there is nothing left to ask about.
    gAutoDialogAnswer = 1;
    EXPECT_EQ(SaveAs("Wide.txt"), noErr);
    EXPECT_EQ(FileText(path), "Hello ??.\n");
    gAutoDialogAnswer = 2;
    EXPECT_EQ(SaveAs("Wide.txt"), noErr);
    EXPECT_EQ(RecordedErrorMessages().size(), 1u);
}

TEST_F(ScriptEncodings, OpenAndSaveDialogsOfferTheScriptKindsAndHideSideFiles) {
    const auto labels = [] {
        std::vector<std::string> out;
        for (const FileDialogFilter& filter : LastFileDialogOptions().filters)
            out.push_back(filter.label);
        return out;
    };
    const auto patterns = [](size_t filter) { return LastFileDialogOptions().filters.at(filter).patterns; };
    const auto has = [](const std::vector<std::string>& list, const char* item) {
        return std::find(list.begin(), list.end(), item) != list.end();
    };

    const Str255 noName = {0};
    GetFileName(noName, noName, FourCC("TEXT"), -3);
    EXPECT_EQ(labels(), (std::vector<std::string>{"All readable documents", "Text documents", "Rich text",
                                                  "Resource script files", "Queues", "Movies", "Pictures"}));
    EXPECT_TRUE(has(patterns(1), "*.txt"));
    EXPECT_TRUE(has(patterns(0), "*.queue"));
    EXPECT_EQ(LastFileDialogOptions().companionEnding, ".rsrc");
    TerminateOpenFileDialog();
    GetFileName(noName, noName, FourCC("TEXT"), -8);
    EXPECT_EQ(labels(), (std::vector<std::string>{"All readable documents", "Text documents", "Rich text",
                                                  "Resource script files"}));

    TerminateOpenFileDialog();
    GetOutFile(kSaveScript);
    ASSERT_EQ(labels(), (std::vector<std::string>{"Text documents"}));
    EXPECT_TRUE(has(patterns(0), "*.txt"));
    EXPECT_FALSE(has(patterns(0), "*.rtf"));
    EXPECT_EQ(LastFileDialogOptions().companionEnding, ".rsrc");

    const std::string document = Write("Talk.txt", "words\n");
    home.WriteFile("Talk.txt.rsrc", "");
    home.WriteFile("Scripts.rsrc", "");
    EXPECT_TRUE(IsCompanionFile(document + ".rsrc", ".rsrc"));
    EXPECT_FALSE(IsCompanionFile(home.path() + "/Scripts.rsrc", ".rsrc")) << "a script file of its own";
    EXPECT_FALSE(IsCompanionFile(document, ".rsrc"));
}

} // namespace
