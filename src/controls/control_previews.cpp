// Preview items: what each content type owns, how it is drawn in the item's place and how it is freed.
#include "controls/control_previews.h"

#include "controls/control_drawing.h"
#include "platform/memory.h"
#include "textengine/text_engine.h"

bool IsPreviewPicture(SInt32 type) {
    return type == 0 || type == 5 || type == 10 || type == 15 || type == 18;
}
bool IsPreviewStyledText(SInt32 type) {
    return type == 2 || type == 3 || type == 8;
}
bool IsPreviewMovie(SInt32 type) {
    return type == 4 || type == 6 || type == 7;
}

void DisposeMyPreviewContent(MyControlItem* record) {
    if (!record || !record->object) return;
    const SInt32 type = record->maximum;
    if (IsPreviewPicture(type) || type == kPreviewShape) {
        DisposeHandle(static_cast<Handle>(record->object));
    } else if (IsPreviewStyledText(type)) {
        WEDispose(static_cast<WEReference>(record->object));
    } else if (type == kPreviewNestedItem) {
        DisposeMyWidget(static_cast<MyControlItem*>(record->object));
    }
    // A movie belongs to the media subsystem, which stops and frees it; the preview only forgets it.
    record->object = nullptr;
}

Rect FitPreviewPicture(const Rect& frame, const Rect& r) {
    const int width = RectWidth(frame), height = RectHeight(frame);
    const int boxWidth = RectWidth(r), boxHeight = RectHeight(r);
    int w = width, h = height;
    if (width > boxWidth || height > boxHeight) {
        if (width <= 0 || height <= 0) return Rect{r.top, r.left, r.top, r.left};
        // Scale by the tighter side so that neither overflows.
        if (long(width) * boxHeight > long(height) * boxWidth) {
            w = boxWidth;
            h = int(long(height) * boxWidth / width);
        } else {
            h = boxHeight;
            w = int(long(width) * boxHeight / height);
        }
    }
    Rect out;
    out.left = SInt16(r.left + (boxWidth - w) / 2);
    out.top = SInt16(r.top + (boxHeight - h) / 2);
    out.right = SInt16(out.left + w);
    out.bottom = SInt16(out.top + h);
    return out;
}

void DrawMyPreviewContent(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                          const Rect& r) {
    if (!record->object) return;
    const SInt32 type = record->maximum;
    if (IsPreviewPicture(type)) {
        auto picture = static_cast<PicHandle>(record->object);
        Rect frame;
        QDGetPictureBounds(picture, &frame);
        const Rect place = FitPreviewPicture(frame, r);
        DrawPicture(picture, &place);
    } else if (IsPreviewStyledText(type)) {
        WEUpdate(nullptr, static_cast<WEReference>(record->object));
    } else if (type == kPreviewNestedItem) {
        DrawAMyDialogButton(reference, dialog, static_cast<MyControlItem*>(record->object), false, false);
    }
}

void PlaceMyPreviewContent(MyControlItem* record, const Rect& r) {
    if (!record || !record->object) return;
    if (IsPreviewStyledText(record->maximum)) {
        auto text = static_cast<WEReference>(record->object);
        const LongRect view{r.top, r.left, r.bottom, r.right};
        WESetViewRect(&view, text);
        WESetDestRect(&view, text);
    } else if (record->maximum == kPreviewNestedItem) {
        auto* nested = static_cast<MyControlItem*>(record->object);
        // The nested item keeps its size, centred in the preview's place.
        const SInt16 w = RectWidth(nested->rect), h = RectHeight(nested->rect);
        nested->rect.left = SInt16(r.left + (RectWidth(r) - w) / 2);
        nested->rect.top = SInt16(r.top + (RectHeight(r) - h) / 2);
        nested->rect.right = SInt16(nested->rect.left + w);
        nested->rect.bottom = SInt16(nested->rect.top + h);
        nested->collapseRect = nested->rect;
    }
}
