// A text engine record with the application's resource file open (its lists of pasteboard flavours) and
// an empty clipboard, and helpers to read what the pasteboard holds.
#pragma once

#include "engine_fixture.h"

#include "platform/clipboard.h"
#include "platform/resources.h"
#include "textengine/host_order_bytes.h"
#include "textengine/pasteboard.h"
#include "textengine/style_scrap.h"

#include <string>
#include <utility>
#include <vector>

class PasteboardTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        resources = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(resources, 0);
        ClearPasteboard();
    }
    void TearDown() override {
        CloseResFile(resources);
        EngineTest::TearDown();
    }

    // "aaaBBBccc" with the B's bold.
    void FillWithBoldMiddle() {
        Insert(0, "aaaBBBccc");
        SetStyle(0, 9, MakeStyle(0));
        SetStyle(3, 6, MakeStyle(kWEBold));
    }
    std::string Flavor(int item, const char* flavor) {
        std::string bytes;
        EXPECT_TRUE(CopyPasteboardFlavorData(item, flavor, &bytes)) << "item " << item << " " << flavor;
        return bytes;
    }
    // The (start, face) pairs of a style scrap in either layout.
    static std::vector<std::pair<SInt32, int>> ScrapFaces(Handle scrap) {
        StyleScrapShape shape;
        std::vector<std::pair<SInt32, int>> out;
        if (CheckStyleScrap(scrap, &shape) != noErr) return out;
        for (SInt32 i = 0; i < shape.count; i++) {
            StyleScrapElement e = ReadStyleScrapElement(scrap, shape, i);
            out.emplace_back(e.start, e.record.style.face);
        }
        return out;
    }
    // An item's bytes as the engine reads it; "<null>" when the read fails.
    static std::string ReadScrap(OSType type, SInt32 item, SInt16 flavorChoice = 0) {
        Handle h = nullptr;
        const OSErr err = _WEGetScrapHandle(type, &h, item, nullptr, flavorChoice);
        EXPECT_EQ(err == noErr, h != nullptr);
        const std::string bytes = Bytes(h);
        if (h) DisposeHandle(h);
        return bytes;
    }
    static std::string Bytes(Handle h) { return h ? std::string(*h, size_t(GetHandleSize(h))) : "<null>"; }
    void Select(SInt32 start, SInt32 end, SInt16 mode = 0) {
        ASSERT_EQ(WESetSelection(start, end, mode, we), noErr);
    }

    ResFileRefNum resources = 0;
};
