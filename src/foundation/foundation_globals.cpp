// Definitions of the globals of the foundation, from their list in foundation_globals.def.
#include "foundation/app_paths.h"
#include "foundation/cursors.h"
#include "foundation/dialog_filters.h"
#include "foundation/error_dialog.h"
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

#define GLOBAL(...) DEFINE_LISTED_GLOBAL(__VA_ARGS__)
#include "foundation/foundation_globals.def"
#undef GLOBAL
