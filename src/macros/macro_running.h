// Whether macros can run at all, for the controls whose only work is starting a macro.
#pragma once

// False while the macro language cannot run macros: such controls are greyed and take no clicks.
bool CanRunMacros();
