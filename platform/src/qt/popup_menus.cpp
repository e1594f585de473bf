// Pop-up menus: a menu record shown as a native menu at a point, its items with their enable state and
// check marks.
#include "platform/menus.h"
#include "qt_text.h"

#include "platform/pstring.h"

#include <QAction>
#include <QFont>
#include <QMenu>

#include <optional>

namespace {

std::optional<MenuItemIndex> gNextAnswer;

} // namespace

void AnswerNextPopUpMenu(MenuItemIndex item) {
    gNextAnswer = item;
}

SInt32 PopUpMenuSelect(MenuRef menu, SInt16 top, SInt16 left, MenuItemIndex popUpItem) {
    if (!menu) return 0;
    const UInt16 count = CountMenuItems(menu);
    if (gNextAnswer) {
        const MenuItemIndex item = *gNextAnswer;
        gNextAnswer.reset();
        if (item < 1 || item > count || !IsMenuItemEnabled(menu, item)) return 0;
        return (SInt32(GetMenuID(menu)) << 16) | item;
    }
    QMenu popup;
    QAction* under = nullptr;
    for (MenuItemIndex i = 1; i <= count; ++i) {
        Str255 text;
        GetMenuItemText(menu, i, text);
        const std::string label(PStringView(text));
        if (label == "-") {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(QStringFromMacRoman(label));
        action->setData(int(i));
        action->setEnabled(IsMenuItemEnabled(menu, i));
        action->setCheckable(GetItemMark(menu, i) != kNoMark);
        action->setChecked(GetItemMark(menu, i) != kNoMark);
        // Faces as the menu bar shows them; the toolkit has no outline face, so outline shows bold.
        if (const SInt16 style = GetItemStyle(menu, i)) {
            QFont font = popup.font();
            font.setBold(style & (1 | 8));
            font.setItalic(style & 2);
            font.setUnderline(style & 4);
            action->setFont(font);
        }
        if (i == popUpItem) under = action;
    }
    QPoint at(left, top);
    if (under) at.ry() -= popup.actionGeometry(under).top();
    QAction* chosen = popup.exec(at, under);
    if (!chosen) return 0;
    return (SInt32(GetMenuID(menu)) << 16) | MenuItemIndex(chosen->data().toInt());
}
