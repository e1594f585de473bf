// Byte copies of the script's handles and of a text view's selected ranges, kept by Undo and by the
// snapshot so that neither ever shares a handle with the live state.
#pragma once

#include "foundation/text_file_format.h"
#include "platform/memory.h"
#include "textengine/text_engine_types.h"

#include <optional>
#include <string>
#include <vector>

// The bytes of a handle; empty (no value) for a null handle, which is not the same as an empty handle.
using HandleBytes = std::optional<std::string>;

HandleBytes CopyHandleBytes(Handle handle);
// Replaces *live with a new handle holding the bytes (null when there are none). False when memory ran
// out; *live is then left as it was.
bool PutBackHandle(Handle* live, const HandleBytes& bytes);

// Every selected range of a text view, in order (one range for a plain selection), and nothing when the
// view does not exist.
struct ViewSelections {
    std::vector<SInt32> starts;
    std::vector<SInt32> ends;
};
ViewSelections SaveViewSelections(WEReference we);
// Selects the ranges again without drawing in between; a range past the text's end is cut to it.
void RestoreViewSelections(const ViewSelections& saved, WEReference we);

// The document's parts that Undo and the snapshot both keep.
struct KeptText {
    HandleBytes text;
    HandleBytes styles;
    bool customSyllables = false;
};
// Takes the text out of the views first when it was edited.
KeptText KeepText();
// The text and its styles exactly as kept (no styles when none were kept), shown again in the prompter and
// the edit window and measured again; nothing when no text was kept.
void PutBackText(const KeptText& kept);

struct KeptBookmarks {
    HandleBytes slots;
    SInt32 count = 0;
    HandleBytes names;
};
KeptBookmarks KeepBookmarks();
// Every slot, empty slots included, at its own number and with its own name.
void PutBackBookmarks(const KeptBookmarks& kept);

struct KeptLinks {
    HandleBytes links;
    SInt32 count = 0;
};
KeptLinks KeepLinks();
void PutBackLinks(const KeptLinks& kept);

struct KeptFileIdentity {
    std::string fileName, outName, inPath, outPath;
    SInt16 isTextFile = 0;
    SInt16 isDos = 0;
    SInt32 selectText = 0;
    // How the file lies on disk, so that undoing a new document saves it as it came again.
    TextFileFormat format;
    std::string fileWithUnheldCharacters;
};
KeptFileIdentity KeepFileIdentity();
void PutBackFileIdentity(const KeptFileIdentity& kept);

// The selected ranges of the prompter and the edit window and how far the prompter is scrolled.
struct KeptPlaces {
    ViewSelections prompter;
    ViewSelections edit;
    double scrollPosition = 0;
};
KeptPlaces KeepPlaces();
void PutBackPlaces(const KeptPlaces& kept);
