// The resets of the variables files keep to themselves (RESETTABLE in global_lists.h).
#include "foundation/global_lists.h"

#include <vector>

namespace {
// Filled while the program's files are initialised, before main, so it lives in a function.
std::vector<void (*)()>& FileStateResets() {
    static std::vector<void (*)()> resets;
    return resets;
}
} // namespace

void RegisterFileStateReset(void (*reset)()) {
    FileStateResets().push_back(reset);
}

void ResetFileState() {
    for (auto reset : FileStateResets())
        reset();
}
