// Operations of the text tools that the other subsystems call.
#pragma once

// Brings the find-style window's colour controls into line with the colour-list length.
void CheckColorsInFindStyle();
