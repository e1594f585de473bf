// Message texts from string lists carry ^0, ^1 and ^2 where a file name, a size or a reason goes.
#pragma once

#include <string>

// The text with the parameters in place of ^0, ^1 and ^2.
std::string SubstituteMessageParams(const std::string& text, const std::string (&params)[3]);
