// What the script document loader and saver share: the side resources kept from the loaded document,
// the opening of a document's resources and the checks of the counts stored in side resources.
#pragma once

#include "platform/memory.h"
#include "platform/types.h"

#include <span>
#include <string>
#include <vector>

// A side resource of the loaded document that no part of the program turned into live data: it is
// written back unchanged by the next save, so opening and saving loses nothing.
struct KeptSideResource {
    ResType type = 0;
    ResID id = 0;
    bool hasName = false;
    std::string name; // Mac Roman
    std::vector<UInt8> data;
};
extern std::vector<KeptSideResource> gKeptSideResources;

// Opens the resources of the document at `path` read only and makes them current: the document itself
// for a resource script file, else its side file, else its AppleDouble companion. -1 when it has none;
// a damaged one is reported (once per load, through reportDamage) and treated as none.
ResFileRefNum OpenDocumentResources(const std::string& path, bool resourceScriptFile, bool reportDamage);
// Closes the file opened by OpenDocumentResources (nothing for -1) and makes `previous` current again.
void CloseDocumentResources(ResFileRefNum refNum, ResFileRefNum previous);

// ---- Keeping the text and its side file together ----

// The side file's check of the text it was saved with: its length and CRC-32, both big-endian.
constexpr ResType kTextCheckType = FourCC("TxCk");
// Adds the check of the text as written to disk to the current resource file.
void AddTextCheck(std::span<const UInt8> text);
// Whether the current resource file (the side file of the text at textPath) was saved with that text; a
// side file saved before checks were kept goes with any text.
bool SideFileMatchesText(const std::string& textPath);
// The one message for a side file that was saved with another text.
void ReportSideFileOfOtherText(const std::string& documentPath);
// Finishes a save that ended between renaming its text and its side file into place: the side file it
// had built, when made for the text now on disk, replaces the one saved with the text before.
void CompleteInterruptedSave(const std::string& documentPath);
// Deletes the temporary files that saves of this document left when they were cut short, and nothing
// else: plain files named as those saves name them.
void RemoveSaveLeftovers(const std::string& documentPath);

// Copies resources of the current file into gKeptSideResources: those of the listed types (onlyThese),
// or all but those.
void KeepCurrentFileResources(std::span<const ResType> types, bool onlyThese);
// The kept resource of that type and ID, or null.
const KeptSideResource* FindKeptSideResource(ResType type, ResID id);

// Whether the counts stored in a side resource fit its size ('BmkN', 'TxMg', 'HyTx'; after the header
// has been brought into this machine's order). Types without counts always fit.
bool SideResourceCountsFit(ResType type, std::span<const UInt8> data, bool otherOrder);
// Reports a side resource that cannot be used; the text and the other resources still load.
void ReportDamagedSideResource(ResType type, const std::string& documentName);

// Applies the document's 'fPrf' and 'Shap' from the current resource file; true when preferences were
// found (and applied when their version fits).
bool LoadDocumentPreferences(const std::string& documentName);
// The document's preference record and shape as a save stores them: 'fPrf' 128 and 'Shap' 128.
void AddDocumentPreferences();

// Reads the 32-bit big-endian units of a detached 'WrdA' or 'SylA' into host order.
void SwapArrayToHost(Handle array);
// A copy of a host-order array with every 32-bit unit big-endian, as documents store it.
Handle CopyArrayBigEndian(Handle array);

// Disposes of the script's text, styles, word-line and syllable arrays (counts to 0).
void DisposeDocumentText();
