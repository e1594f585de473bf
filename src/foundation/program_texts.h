// The string list that holds the program's own short texts: window titles, menu labels, prompts.
#pragma once

#include "platform/types.h"

constexpr SInt16 kProgramTexts = 129;
