// Describing the style run that holds an offset, of a record's text or of a style scrap.
#include "textengine/engine_internal.h"
#include "textengine/style_scrap.h"

#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"

#include <algorithm>

void _WEGetIndStyle(SInt32 runIndex, WERunInfo* info, WEReference we) {
    const WERec& r = RecordOf(we);
    runIndex = std::clamp(runIndex, SInt32(0), r.runCount - 1);
    const WERunRec* runs = RunsOf(r);
    info->start = runs[runIndex].start;
    info->end = std::min(runs[runIndex + 1].start, r.textLength);
    info->style = StylesOf(r)[runs[runIndex].styleIndex].record;
}

void WEGetRunInfo(SInt32 offset, WERunInfo* info, WEReference we) {
    _WEGetIndStyle(_WEOffsetToRun(RecordOf(we), offset), info, we);
}

// The preferences' prompter format stands for the style of a text that has no style scrap.
static void GetDefaultRunInfo(WERunInfo* info) {
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    *info = WERunInfo{};
    info->start = 0;
    info->end = kWELastScrapRunEnd;
    info->style.style.font = format.font;
    info->style.style.face = format.face;
    info->style.style.size = format.size;
    info->style.style.color = format.textColor;
}

SInt32 WEOffsetToRunFromScrap(SInt32 offset, Handle scrap) {
    StyleScrapShape shape;
    if (!scrap || CheckStyleScrap(scrap, &shape) != noErr || shape.count == 0) return 0;
    SInt32 low = 0, high = shape.count - 1;
    while (low < high) {
        SInt32 middle = (low + high + 1) / 2;
        if (ReadStyleScrapElement(scrap, shape, middle).start <= offset)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

void _WEGetIndStyleFromScrap(SInt32 index, WERunInfo* info, Handle scrap) {
    StyleScrapShape shape;
    // A missing or damaged scrap describes nothing: the default style covers everything.
    if (!scrap || CheckStyleScrap(scrap, &shape) != noErr || shape.count == 0) {
        GetDefaultRunInfo(info);
        return;
    }
    index = std::clamp(index, SInt32(0), shape.count - 1);
    StyleScrapElement element = ReadStyleScrapElement(scrap, shape, index);
    info->start = element.start;
    info->end =
        index + 1 < shape.count ? ReadStyleScrapElement(scrap, shape, index + 1).start : kWELastScrapRunEnd;
    info->style = element.record;
    info->style.style.extra = nullptr;
}

void WEGetRunInfoFromScrap(SInt32 offset, WERunInfo* info, Handle scrap) {
    _WEGetIndStyleFromScrap(WEOffsetToRunFromScrap(offset, scrap), info, scrap);
}
