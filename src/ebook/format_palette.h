// Operations of the electronic book's format palette that the other subsystems call.
#pragma once

// Brings the format palette's colour menus into line with the colour list; nothing while it is closed.
void CheckColorsInFormatPal();
