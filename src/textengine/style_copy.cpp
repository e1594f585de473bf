// Applying the attributes that a style mode selects from one style onto another.
#include "textengine/engine_internal.h"

#include <algorithm>

static UInt8 CombineFace(UInt8 oldFace, const WETextStyle& source, UInt8 continuousFace, UInt16 mode) {
    UInt8 face = source.face;
    if (face == 0) return 0;
    UInt8 result;
    if (mode & weDoReplaceFace)
        result = face;
    else if (mode & weDoToggleFace)
        result = UInt8((oldFace & ~(face & continuousFace)) | (face & ~continuousFace));
    else if (mode & weDoFaceMask)
        result = UInt8((oldFace & ~source.faceMask) | (face & source.faceMask));
    else
        result = UInt8(oldFace | face);
    // Condensed and extended exclude each other; the one just asked for wins.
    if (face & kWECondensed) result &= UInt8(~kWEExtended);
    if (face & kWEExtended) result &= UInt8(~kWECondensed);
    return result;
}

void _WECopyStyle(const WETextStyle* source, WETextStyle* target, UInt8 continuousFace, UInt16 mode) {
    if (mode & weDoFont) target->font = source->font;
    if (mode & weDoFace) target->face = CombineFace(target->face, *source, continuousFace, mode);
    if (mode & weDoSize) {
        SInt32 size = source->size == 0 ? 12 : source->size;
        if (mode & weDoAddSize) size = target->size + source->size;
        target->size = SInt16(std::clamp<SInt32>(size, 1, 32767));
    }
    if (mode & weDoColor) target->color = source->color;
    if (mode & weDoExtra) target->extra = source->extra;
    target->faceMask = (mode & weDoFlags) ? source->faceMask : 0;
}
