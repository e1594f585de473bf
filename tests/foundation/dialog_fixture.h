// A small dialog of the test's own, written into a resource file with its item list and any key or
// picture tables, so that dialog helpers can be driven without the program's dialogs.
#pragma once

#include "app_resources.h"
#include "platform/bytes.h"
#include "platform/dialogs.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

struct FixtureItem {
    UInt8 kind;
    Rect rect;
    std::string text; // the title, or two bytes of resource ID for controls, icons and pictures
};

inline void PutBE16(std::vector<UInt8>& out, int v) {
    out.push_back(UInt8((v >> 8) & 0xFF));
    out.push_back(UInt8(v & 0xFF));
}

inline void PutRect(std::vector<UInt8>& out, const Rect& r) {
    PutBE16(out, r.top);
    PutBE16(out, r.left);
    PutBE16(out, r.bottom);
    PutBE16(out, r.right);
}

inline std::vector<UInt8> DialogTemplateBytes(const Rect& bounds, SInt16 procID, SInt32 refCon,
                                              SInt16 itemsID) {
    std::vector<UInt8> out;
    PutRect(out, bounds);
    PutBE16(out, procID);
    out.insert(out.end(), {0, 0, 0, 0}); // hidden, no close box
    PutBE16(out, (refCon >> 16) & 0xFFFF);
    PutBE16(out, refCon & 0xFFFF);
    PutBE16(out, itemsID);
    out.insert(out.end(), {4, 'T', 'e', 's', 't'});
    return out;
}

inline std::vector<UInt8> ItemListBytes(const std::vector<FixtureItem>& items) {
    std::vector<UInt8> out;
    PutBE16(out, int(items.size()) - 1);
    for (const FixtureItem& item : items) {
        out.insert(out.end(), {0, 0, 0, 0});
        PutRect(out, item.rect);
        out.push_back(item.kind);
        out.push_back(UInt8(item.text.size()));
        out.insert(out.end(), item.text.begin(), item.text.end());
        if (item.text.size() & 1) out.push_back(0);
    }
    return out;
}

inline std::vector<UInt8> Words(std::initializer_list<int> values) {
    std::vector<UInt8> out;
    for (int v : values)
        PutBE16(out, v);
    return out;
}

// Dialog kTestDialogID (reference constant the same number) with the given items, plus extra resources.
class DialogFixture : public AppResources {
  public:
    static constexpr SInt16 kTestDialogID = 3100;

  protected:
    DialogPtr OpenDialog(const std::vector<FixtureItem>& items, std::vector<ResourceSpec> extra = {},
                         SInt16 procID = 5) {
        extra.push_back({FourCC("DLOG"), kTestDialogID,
                         DialogTemplateBytes(Rect{40, 40, 280, 440}, procID, kTestDialogID, kTestDialogID)});
        extra.push_back({FourCC("DITL"), kTestDialogID, ItemListBytes(items)});
        testFile = OpenResourceFileWith(dir.File("dialog.rsrc"), extra);
        if (testFile <= 0) return nullptr;
        dialog = GetNewDialog(kTestDialogID, nullptr, kFirstWindowOfClass);
        return dialog;
    }
    void TearDown() override {
        if (dialog) DisposeDialog(dialog);
        if (testFile > 0) CloseResFile(testFile);
        AppResources::TearDown();
    }
    TempDir dir;
    ResFileRefNum testFile = -1;
    DialogPtr dialog = nullptr;
};
