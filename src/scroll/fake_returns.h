// Line breaks a view adds to the script so that it breaks its lines where the prompter does, and the
// arithmetic between offsets in that view's text and offsets in the script.
#pragma once

#include "platform/types.h"

#include <span>
#include <vector>

// Offsets, in the view's text, of the carriage returns the view holds and the script does not; ascending.
using FakeReturnList = std::vector<SInt32>;

// Characters the prompter's text holds and the script does not (room made for an overlay picture): where
// they went in, how many, and where they stood in the monitor's text as it was filled.
struct OverlayInsertion {
    SInt32 offset = 0;
    SInt32 count = 0;
    SInt32 working = 0;
};

// The script offset of a view offset: the view offset less the added returns that stand before it. A
// caret just before an added return is at the end of the script's line there.
SInt32 ViewToScriptOffset(std::span<const SInt32> fakes, SInt32 viewOffset);
// The view offset of a script offset: after every added return at or before it.
SInt32 ScriptToViewOffset(std::span<const SInt32> fakes, SInt32 scriptOffset);
// After the script changed at scriptOffset by delta characters (its new length scriptLength), moves the
// added returns that follow and drops those the change swallowed.
void ShiftFakeReturns(FakeReturnList& fakes, SInt32 scriptOffset, SInt32 delta, SInt32 scriptLength);
// Takes the added returns out of a view's text in place and answers the script's length. A listed place
// that does not hold a carriage return (a list that fell out of step) keeps its character.
SInt32 RemoveFakeReturns(std::span<const SInt32> fakes, UInt8* text, SInt32 length);
// Where a view must add returns to break like the prompter: for each prompter line start after the first
// whose preceding script character is not a return, the view offset of the return to insert.
FakeReturnList PlanFakeReturns(std::span<const UInt8> script, std::span<const SInt32> lineStarts);
// The monitor's offset of a prompter offset: after its added returns, less the overlay characters that
// stand before it in the monitor's text.
SInt32 PrompterToMonitorOffset(std::span<const SInt32> fakes, std::span<const OverlayInsertion> overlays,
                               SInt32 prompterOffset);
// The added returns of a view's text read against the script it shows: every return of the view that the
// script does not have at that place. Answers false, with the list unchanged, when the view holds other
// differences from the script.
bool FindFakeReturns(std::span<const UInt8> view, std::span<const UInt8> script, FakeReturnList* fakes);
