// What the prompter's text box holds now, as bytes; empty when there is no text box.
#pragma once

#include "scroll/prompter_window.h"
#include "textengine/text_engine.h"

#include <string>

inline std::string PrompterText() {
    if (!ScrollWEHandle) return {};
    Handle text = WEGetText(ScrollWEHandle);
    return text ? std::string(*text, size_t(WEGetTextLength(ScrollWEHandle))) : std::string();
}
