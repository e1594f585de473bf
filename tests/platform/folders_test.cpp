// The preferences folder: the XDG configuration folder when it is set to an absolute path, else the
// home folder's .config; made only on demand.
#include "platform/file_io.h"
#include "platform/folders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class Folders : public ::testing::Test {
  protected:
    void SetUp() override {
        Save("XDG_CONFIG_HOME", savedConfig_);
        Save("HOME", savedHome_);
        ::setenv("HOME", (home.path()).c_str(), 1);
    }
    void TearDown() override {
        Restore("XDG_CONFIG_HOME", savedConfig_);
        Restore("HOME", savedHome_);
    }
    TempDir home;

  private:
    static void Save(const char* name, std::pair<bool, std::string>& slot) {
        const char* v = std::getenv(name);
        slot = {v != nullptr, v ? v : ""};
    }
    static void Restore(const char* name, const std::pair<bool, std::string>& slot) {
        if (slot.first)
            ::setenv(name, slot.second.c_str(), 1);
        else
            ::unsetenv(name);
    }
    std::pair<bool, std::string> savedConfig_, savedHome_;
};

TEST_F(Folders, ConfigFolderIsTakenOnlyWhenAbsolute) {
    struct Case {
        const char* config; // null: unset
        std::string expected;
    };
    const Case cases[] = {
        {"/srv/config", "/srv/config/Orvalis"},
        {nullptr, home.path() + "/.config/Orvalis"},
        {"", home.path() + "/.config/Orvalis"},
        {"relative/config", home.path() + "/.config/Orvalis"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config ? c.config : "(unset)");
        if (c.config)
            ::setenv("XDG_CONFIG_HOME", c.config, 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(PreferencesFolder(), c.expected);
    }
}

TEST_F(Folders, FolderIsMadeOnDemandWithTheFoldersAboveIt) {
    ::setenv("XDG_CONFIG_HOME", (home.path() + "/a/b").c_str(), 1);
    EXPECT_FALSE(FileExists(PreferencesFolder()));
    ASSERT_EQ(MakePreferencesFolder(), noErr);
    EXPECT_TRUE(FileExists(home.path() + "/a/b/Orvalis"));
    EXPECT_EQ(MakePreferencesFolder(), noErr); // already there
}

} // namespace
