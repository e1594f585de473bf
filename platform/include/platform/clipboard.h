// The desktop clipboard, as plain text.
#pragma once

#include <string>

// Mac Roman text in and out; characters Mac Roman cannot hold arrive as '?'.
void SetClipboardText(const std::string& macRoman);
// False when the clipboard holds no text.
bool GetClipboardText(std::string* macRoman);
void ClearClipboard();
