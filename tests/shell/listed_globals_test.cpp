// Every subsystem's reset puts each global of its list (<subsystem>_globals.def) back to the start value the
// list gives it, whatever the global held before.
#include "effects/effect_keywords.h"
#include "effects/effects.h"
#include "effects/effects_globals_reset.h"
#include "effects/shape_dialog.h"
#include "effects/shapes.h"
#include "foundation/app_paths.h"
#include "foundation/cursors.h"
#include "foundation/dialog_filters.h"
#include "foundation/error_dialog.h"
#include "foundation/file_dialogs.h"
#include "foundation/foundation_globals_reset.h"
#include "foundation/global_lists.h"
#include "foundation/machine_features.h"
#include "foundation/menu_bar_and_menus.h"
#include "foundation/pending_calls.h"
#include "foundation/popup_items.h"
#include "foundation/program_colors.h"
#include "foundation/rle_pictures.h"
#include "foundation/text_import.h"
#include "foundation/three_d_items.h"
#include "foundation/window_references.h"
#include "foundation/word_line_arrays.h"
#include "macros/key_equivalents.h"
#include "macros/macro_services.h"
#include "macros/macro_tables.h"
#include "macros/macro_windows.h"
#include "macros/macros_globals_reset.h"
#include "media/media_globals_reset.h"
#include "media/media_services.h"
#include "media/media_windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_globals_reset.h"
#include "prefs/prefs_record.h"
#include "scroll/background_picture.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/display_modes.h"
#include "scroll/edit_window.h"
#include "scroll/nonverbal_window.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rubber_band.h"
#include "scroll/scroll_control.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_globals_reset.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_step_drawing.h"
#include "scroll/style_code_dialog.h"
#include "scroll/tab_ruler.h"
#include "scroll/text_sorting.h"
#include "scroll/tool_windows.h"
#include "scroll/toolbar_window.h"
#include "scroll/undo.h"
#include "shell/command_parts.h"
#include "shell/context_popups.h"
#include "shell/desktop_events.h"
#include "shell/edit_commands.h"
#include "shell/event_handlers.h"
#include "shell/input_dispatch.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/periodic_timer.h"
#include "shell/preferences_dialog.h"
#include "shell/prefs_dialog_items.h"
#include "shell/printing.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/scroll_tick.h"
#include "shell/shell_globals.h"
#include "shell/shell_globals_reset.h"
#include "shell/shell_services.h"
#include "shell/startup.h"
#include "textengine/engine_internal.h"
#include "textengine/text_effect_globals.h"
#include "textengine/text_engine.h"
#include "textengine/textengine_globals_reset.h"
#include "texttools/search_texts.h"
#include "texttools/spell_dictionaries.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"
#include "texttools/texttools_globals_reset.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <type_traits>

// Some listed globals have no header of their own; the lists declare them all.
#define GLOBAL(T, name, ...) extern std::type_identity_t<T> name;
#include "effects/effects_globals.def"
#include "foundation/foundation_globals.def"
#include "macros/macros_globals.def"
#include "media/media_globals.def"
#include "prefs/prefs_globals.def"
#include "scroll/scroll_globals.def"
#include "shell/shell_globals.def"
#include "textengine/textengine_globals.def"
#include "texttools/texttools_globals.def"
#undef GLOBAL

namespace {

// Gives a global a value other than its start value. Pointers keep theirs: a reset may dispose of what they
// point to, so only a real block may stand there.
template <class T> void MoveAway(T& global) {
    if constexpr (std::is_array_v<T>) {
        for (auto& element : global)
            MoveAway(element);
    } else if constexpr (std::is_same_v<T, bool>) {
        global = !global;
    } else if constexpr (std::is_enum_v<T>) {
        global = T(std::underlying_type_t<T>(global) + 1);
    } else if constexpr (std::is_arithmetic_v<T>) {
        global = T(global + 1);
    } else if constexpr (std::is_pointer_v<T>) {
    } else if constexpr (std::is_same_v<T, std::string>) {
        global += "moved";
    } else if constexpr (requires { global.emplace_back(); }) {
        global.emplace_back();
    } else if constexpr (std::is_trivially_copyable_v<T>) {
        std::memset(static_cast<void*>(&global), 0x5A, sizeof global);
    }
}

template <class T> bool AtStart(const T& global, const T& start) {
    if constexpr (std::is_array_v<T>) {
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            if (!AtStart(global[i], start[i])) return false;
        return true;
    } else if constexpr (std::is_same_v<T, std::string>) {
        return global == start;
    } else if constexpr (requires {
                             global.size();
                             global.begin();
                         }) {
        // Every listed container starts empty.
        return global.size() == start.size();
    } else if constexpr (requires { global == start; }) {
        return global == start;
    } else {
        // Field by field, without knowing the fields: a record made over zeros and one made over ones agree
        // on the bytes of the fields and differ on the padding between them.
        static_assert(std::is_trivially_copyable_v<T>);
        alignas(T) unsigned char zeros[sizeof(T)];
        alignas(T) unsigned char ones[sizeof(T)];
        std::memset(zeros, 0, sizeof zeros);
        std::memset(ones, 0xFF, sizeof ones);
        new (zeros) T{};
        new (ones) T{};
        const T copy = start;
        const auto* expected = reinterpret_cast<const unsigned char*>(&copy);
        const auto* bytes = reinterpret_cast<const unsigned char*>(&global);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            if (zeros[i] == ones[i] && bytes[i] != expected[i]) return false;
        return true;
    }
}

#define MOVE_AWAY(T, name, ...) MoveAway(name);
#define EXPECT_AT_START(T, name, ...)                                                                        \
    {                                                                                                        \
        const std::type_identity_t<T> start = __VA_ARGS__;                                                   \
        EXPECT_TRUE(AtStart(name, start)) << #name;                                                          \
    }

// Each test moves every global of one list away from its start, resets the subsystem and checks them all.
TEST(ListedGlobalsTest, EffectsResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "effects/effects_globals.def"
#undef GLOBAL
    ResetEffectsGlobals();
#define GLOBAL EXPECT_AT_START
#include "effects/effects_globals.def"
#undef GLOBAL
}

TEST(ListedGlobalsTest, FoundationResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "foundation/foundation_globals.def"
#undef GLOBAL
    ResetFoundationGlobals();
#define GLOBAL EXPECT_AT_START
#include "foundation/foundation_globals.def"
#undef GLOBAL
}

TEST(ListedGlobalsTest, MacrosResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "macros/macros_globals.def"
#undef GLOBAL
    ResetMacroGlobals();
#define GLOBAL EXPECT_AT_START
#include "macros/macros_globals.def"
#undef GLOBAL
}

TEST(ListedGlobalsTest, MediaResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "media/media_globals.def"
#undef GLOBAL
    ResetMediaGlobals();
#define GLOBAL EXPECT_AT_START
#include "media/media_globals.def"
#undef GLOBAL
}

TEST(ListedGlobalsTest, PreferencesResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "prefs/prefs_globals.def"
#undef GLOBAL
    ResetPreferencesGlobals();
#define GLOBAL EXPECT_AT_START
#include "prefs/prefs_globals.def"
#undef GLOBAL
}

TEST(ListedGlobalsTest, ScrollResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "scroll/scroll_globals.def"
#undef GLOBAL
    ResetScrollGlobals();
#define GLOBAL EXPECT_AT_START
#include "scroll/scroll_globals.def"
#undef GLOBAL
}

TEST(ListedGlobalsTest, ShellResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "shell/shell_globals.def"
#undef GLOBAL
    ResetShellGlobals();
#define GLOBAL EXPECT_AT_START
#include "shell/shell_globals.def"
#undef GLOBAL
}

TEST(ListedGlobalsTest, TextEngineResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "textengine/textengine_globals.def"
#undef GLOBAL
    ResetTextEngineGlobals();
#define GLOBAL EXPECT_AT_START
#include "textengine/textengine_globals.def"
#undef GLOBAL
}

TEST(ListedGlobalsTest, TextToolsResetRestoresEveryStartValue) {
#define GLOBAL MOVE_AWAY
#include "texttools/texttools_globals.def"
#undef GLOBAL
    ResetTextToolsGlobals();
#define GLOBAL EXPECT_AT_START
#include "texttools/texttools_globals.def"
#undef GLOBAL
}

// A variable a file keeps to itself comes back to its start with the foundation's reset.
RESETTABLE(SInt32, sKeptCount, 7);
RESETTABLE(Str255, sKeptName, {3, 'a', 'b', 'c'});

TEST(ListedGlobalsTest, FileStateComesBackToItsStartValue) {
    sKeptCount = 8;
    sKeptName[0] = 0;
    ResetFoundationGlobals();
    EXPECT_EQ(sKeptCount, 7);
    EXPECT_EQ(sKeptName[0], 3);
    EXPECT_EQ(sKeptName[3], 'c');
}

} // namespace
