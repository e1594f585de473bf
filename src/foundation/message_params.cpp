// Putting a message's parameters in place of its ^0, ^1 and ^2.
#include "foundation/message_params.h"

std::string SubstituteMessageParams(const std::string& text, const std::string (&params)[3]) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '2') {
            out += params[text[i + 1] - '0'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
