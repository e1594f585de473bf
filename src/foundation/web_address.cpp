// DoWeb: the Mac Roman address becomes a URL for the desktop to open.
#include "foundation/web_address.h"

#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "platform/web.h"

bool DoWeb(ConstStr255Param address) {
    if (!address || address[0] == 0) return false;
    return OpenURL(MacRomanToUtf8(PStringView(address)).c_str());
}
