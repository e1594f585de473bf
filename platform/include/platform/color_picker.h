// The desktop's colour chooser, asked for one colour with a prompt.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

#include <string>

// Shows the chooser with its top-left near the global point, the prompt (Mac Roman) as its title and the
// colour as its starting choice; true with the chosen colour in *out when the user confirmed. in and out
// may be the same record.
bool PickColor(Point where, ConstStr255Param prompt, const RGBColor* in, RGBColor* out);

// ---- Testing support ----
// The next chooser is answered with this colour (null: cancelled) instead of being shown. Without a
// prepared answer, a chooser run without a display is cancelled.
void AnswerNextColorPicker(const RGBColor* color);
// How many choosers were run, and the prompt of the last one (Mac Roman).
int CountColorPickersRun();
const std::string& LastColorPickerPrompt();
