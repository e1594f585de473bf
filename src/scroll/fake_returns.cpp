// The offsets of a view that adds line breaks to the script. Every offset is 32-bit: a script runs far
// past 32,767 characters.
#include "scroll/fake_returns.h"

#include <algorithm>
#include <cstring>
#include <utility>

SInt32 ViewToScriptOffset(std::span<const SInt32> fakes, SInt32 viewOffset) {
    SInt32 before = 0;
    for (SInt32 fake : fakes) {
        if (fake < 0) continue;
        if (fake >= viewOffset) break;
        ++before;
    }
    return viewOffset - before;
}

SInt32 ScriptToViewOffset(std::span<const SInt32> fakes, SInt32 scriptOffset) {
    SInt32 view = scriptOffset;
    for (SInt32 fake : fakes) {
        if (fake < 0) continue;
        if (view < fake) break;
        ++view;
    }
    return view;
}

void ShiftFakeReturns(FakeReturnList& fakes, SInt32 scriptOffset, SInt32 delta, SInt32 scriptLength) {
    // The change is known in script offsets; each return is placed by the script character it stands
    // before, moved there, and put back among the returns that are left.
    FakeReturnList kept;
    kept.reserve(fakes.size());
    SInt32 before = 0;
    for (SInt32 fake : fakes) {
        if (fake < 0) continue;
        SInt32 at = fake - before++;
        if (at > scriptOffset) {
            at += delta;
            if (at <= scriptOffset) continue; // the removed text held it
        }
        if (at <= 0 || at >= scriptLength) continue;
        kept.push_back(at);
    }
    fakes.clear();
    for (SInt32 at : kept) {
        const SInt32 view = at + SInt32(fakes.size());
        if (fakes.empty() || view > fakes.back()) fakes.push_back(view);
    }
}

SInt32 RemoveFakeReturns(std::span<const SInt32> fakes, UInt8* text, SInt32 length) {
    SInt32 removed = 0;
    for (SInt32 fake : fakes) {
        const SInt32 at = fake - removed;
        if (fake < 0 || at < 0 || at >= length - removed || text[at] != 13) continue;
        std::memmove(text + at, text + at + 1, size_t(length - removed - at - 1));
        ++removed;
    }
    return length - removed;
}

FakeReturnList PlanFakeReturns(std::span<const UInt8> script, std::span<const SInt32> lineStarts) {
    FakeReturnList fakes;
    for (size_t line = 1; line < lineStarts.size(); ++line) {
        const SInt32 start = lineStarts[line];
        if (start <= 0 || size_t(start) > script.size() || script[size_t(start) - 1] == 13) continue;
        fakes.push_back(start + SInt32(fakes.size()));
    }
    return fakes;
}

SInt32 PrompterToMonitorOffset(std::span<const SInt32> fakes, std::span<const OverlayInsertion> overlays,
                               SInt32 prompterOffset) {
    SInt32 monitor = ScriptToViewOffset(fakes, prompterOffset);
    for (const OverlayInsertion& overlay : overlays)
        if (overlay.working <= prompterOffset) monitor -= overlay.count;
    return std::max<SInt32>(monitor, 0);
}

bool FindFakeReturns(std::span<const UInt8> view, std::span<const UInt8> script, FakeReturnList* fakes) {
    if (view.size() < script.size()) return false;
    size_t extra = view.size() - script.size();
    FakeReturnList found;
    size_t j = 0;
    for (size_t i = 0; i < view.size(); ++i) {
        // A return the script has here too is its own, unless the view has returns to spare and the
        // script's next character still follows.
        if (j < script.size() && view[i] == script[j] &&
            !(view[i] == 13 && extra > 0 && i + 1 < view.size() && view[i + 1] == 13 &&
              j + 1 < script.size() && script[j + 1] != 13)) {
            ++j;
            continue;
        }
        if (view[i] != 13 || extra == 0) return false;
        found.push_back(SInt32(i));
        --extra;
    }
    if (j != script.size()) return false;
    *fakes = std::move(found);
    return true;
}
