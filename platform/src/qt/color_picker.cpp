// The colour chooser on the toolkit's colour dialog, with a prepared answer for tests.
#include "platform/color_picker.h"
#include "qt_text.h"

#include "platform/application.h"
#include "platform/pstring.h"

#include <QColor>
#include <QColorDialog>

#include <optional>

namespace {

// Outer optional: an answer is prepared; inner: the colour, or none for a cancel.
std::optional<std::optional<RGBColor>> gNextAnswer;
int gRunCount = 0;
std::string gLastPrompt;

} // namespace

void AnswerNextColorPicker(const RGBColor* color) {
    gNextAnswer = color ? std::optional<RGBColor>(*color) : std::nullopt;
}

int CountColorPickersRun() {
    return gRunCount;
}

const std::string& LastColorPickerPrompt() {
    return gLastPrompt;
}

bool PickColor(Point where, ConstStr255Param prompt, const RGBColor* in, RGBColor* out) {
    if (!in || !out) return false;
    ++gRunCount;
    gLastPrompt = prompt ? std::string(PStringView(prompt)) : std::string();
    if (gNextAnswer) {
        const std::optional<RGBColor> answer = *gNextAnswer;
        gNextAnswer.reset();
        if (!answer) return false;
        *out = *answer;
        return true;
    }
    if (!IsPlatformStarted() || IsPlatformHeadless()) return false;
    QColorDialog dialog(QColor::fromRgba64(in->red, in->green, in->blue));
    dialog.setWindowTitle(QStringFromMacRoman(gLastPrompt));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    dialog.move(where.h, where.v);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QRgba64 chosen = dialog.selectedColor().rgba64();
    *out = RGBColor{chosen.red(), chosen.green(), chosen.blue()};
    return true;
}
