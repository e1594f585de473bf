// A temporary preferences folder, the application's resources open for the file names and texts, the
// error reporter recording, and the preference globals at their start values, for every prefs test.
#pragma once

#include "foundation/error_dialog.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "prefs/companion_records.h"
#include "prefs/host_order.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

struct StoredResource {
    ResType type;
    ResID id;
    std::vector<UInt8> bytes;
    std::string name;
};

inline std::vector<UInt8> BytesOf(const void* p, size_t n) {
    const auto* b = static_cast<const UInt8*>(p);
    return std::vector<UInt8>(b, b + n);
}

class PrefsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) savedConfigHome_ = old;
        ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
        appFile = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(appFile, 0) << "the application's resource file " << ORVALIS_RESOURCE_FILE;
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        CopyPreferences(&gDefaultPreferences, &gThePreferences);
        gPrefsChanged = false;
        gPositionPrefsChanged = false;
    }

    void TearDown() override {
        ClearFileFaults();
        CloseResFile(appFile);
        if (savedConfigHome_.empty())
            ::unsetenv("XDG_CONFIG_HOME");
        else
            ::setenv("XDG_CONFIG_HOME", savedConfigHome_.c_str(), 1);
    }

    std::string Folder() const { return dir.path() + "/Orvalis"; }
    std::string PrefsPath() const { return Folder() + "/Orvalis Preferences"; }
    std::string SetsPath() const { return Folder() + "/Orvalis Preference Sets"; }

    // Writes a resource file holding exactly these resources.
    static void WriteResourceFile(const std::string& path, const std::vector<StoredResource>& resources) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::filesystem::remove(path);
        CreateResFile(path);
        ASSERT_EQ(ResError(), noErr);
        const ResFileRefNum previous = CurResFile();
        ResFileRefNum f = OpenResFile(path, fsRdWrPerm);
        ASSERT_GT(f, 0);
        for (const StoredResource& r : resources) {
            Handle h = nullptr;
            PtrToHand(r.bytes.data(), &h, Size(r.bytes.size()));
            Str255 name;
            SetPString(name, r.name);
            AddResource(h, r.type, r.id, name);
            ASSERT_EQ(ResError(), noErr);
        }
        CloseResFile(f);
        ASSERT_EQ(ResError(), noErr);
        if (previous > 0) UseResFile(previous);
    }

    // The resources of one type in a file, as (id, bytes, name).
    static std::vector<StoredResource> ReadResources(const std::string& path, ResType type) {
        std::vector<StoredResource> out;
        const ResFileRefNum previous = CurResFile();
        ResFileRefNum f = OpenResFile(path, fsRdPerm);
        if (f <= 0) return out;
        for (SInt16 i = 1; i <= Count1Resources(type); ++i) {
            Handle h = Get1IndResource(type, i);
            StoredResource r{type, 0, BytesOf(*h, size_t(GetHandleSize(h))), {}};
            Str255 name;
            GetResInfo(h, &r.id, nullptr, name);
            r.name = std::string(PStringView(name));
            out.push_back(r);
        }
        CloseResFile(f);
        if (previous > 0) UseResFile(previous);
        return out;
    }

    static std::vector<UInt8> FileBytes(const std::string& path) {
        std::vector<UInt8> bytes;
        ReadWholeFile(path, bytes);
        return bytes;
    }

    TempDir dir;
    ResFileRefNum appFile = 0;

  private:
    std::string savedConfigHome_;
};

// Unit writers for building stored images by hand, in this machine's order or the other one.
inline void Put16(std::vector<UInt8>& image, size_t at, UInt16 v, bool otherOrder) {
    StoreHost16(image.data() + at, v);
    if (otherOrder) ReverseUnit16(image.data() + at);
}
inline void Put32(std::vector<UInt8>& image, size_t at, UInt32 v, bool otherOrder) {
    StoreHost32(image.data() + at, v);
    if (otherOrder) ReverseUnit32(image.data() + at);
}
