// Definitions of the globals of the media, from their list in media_globals.def.
#include "foundation/global_lists.h"
#include "media/media_services.h"
#include "media/media_windows.h"

#define GLOBAL(...) DEFINE_LISTED_GLOBAL(__VA_ARGS__)
#include "media/media_globals.def"
#undef GLOBAL
