// A fixture that opens the application's built resource file for the test and closes it after, and a
// helper that writes a small resource file of the test's own.
#pragma once

#include "foundation/error_dialog.h"
#include "platform/memory.h"
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class AppResources : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        appFile = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(appFile, 0) << "the built resource file " << ORVALIS_RESOURCE_FILE;
    }
    void TearDown() override {
        if (appFile > 0) CloseResFile(appFile);
        SetErrorMessageRecording(false);
    }
    ResFileRefNum appFile = -1;
};

struct ResourceSpec {
    ResType type;
    ResID id;
    std::vector<UInt8> bytes;
};

// Writes the resources into a new file and opens it (it becomes the current file, searched first).
inline ResFileRefNum OpenResourceFileWith(const std::string& path,
                                          const std::vector<ResourceSpec>& resources) {
    CreateResFile(path);
    ResFileRefNum file = OpenResFile(path, fsRdWrPerm);
    if (file <= 0) return file;
    for (const ResourceSpec& r : resources) {
        Handle h = NewHandle(Size(r.bytes.size()));
        if (!r.bytes.empty()) std::copy(r.bytes.begin(), r.bytes.end(), reinterpret_cast<UInt8*>(*h));
        AddResource(h, r.type, r.id, nullptr);
    }
    UpdateResFile(file);
    return file;
}
