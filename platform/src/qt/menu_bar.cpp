// The menu bar on screen: the bar's menus shown as native menus at the top of one window, each rebuilt
// from its record just before it opens (after the program's opening hook has brought the record up to
// date), and a chosen item handed to the program's choice handler once the menus have closed.
#include "platform/menus.h"

#include "event_internal.h"
#include "font_registry.h"
#include "port_internal.h"
#include "qt_text.h"
#include "window_host.h"
#include "window_record.h"

#include "platform/drawing.h"
#include "platform/pstring.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <deque>
#include <map>
#include <utility>
#include <vector>

namespace {

QPointer<QMenuBar> gBar;
WindowPtr gBarWindow = nullptr;
bool gMenuBarVisible = true;
MenuOpeningProc gOpening = nullptr;
MenuChoiceProc gChoice = nullptr;
// One toolkit menu per menu ID, kept while the bar lives, so that submenus survive their parents' refills.
std::map<MenuID, QPointer<QMenu>> gShownMenus;
std::vector<MenuID> gBarIds;
// Chosen items wait here until the toolkit has finished with the click or key that chose them: a command
// may rebuild the menus, close the window that holds the bar or run a modal loop, and none of that is safe
// from inside the menu's own handling of its release.
std::deque<std::pair<MenuID, MenuItemIndex>> gDeferredChoices;

constexpr int kSwatchWidth = 160;
constexpr int kSwatchHeight = 18;
constexpr int kSwatchSide = 14;

QString ShortcutText(MenuRef menu, MenuItemIndex item) {
    const UInt8 glyph = GetMenuItemKeyGlyph(menu, item);
    const UInt8 key = GetItemCmd(menu, item);
    const UInt8 needs = GetMenuItemModifiers(menu, item);
    QString keyName;
    if (glyph == kMenuEscapeGlyph)
        keyName = QStringLiteral("Esc");
    else if (glyph >= kMenuF1Glyph && glyph < kMenuF1Glyph + 12)
        keyName = QStringLiteral("F%1").arg(glyph - kMenuF1Glyph + 1);
    else if (key != 0)
        keyName = QStringFromMacRoman(std::string(1, char(key))).toUpper();
    if (keyName.isEmpty()) return {};
    QString text;
    if (glyph == kMenuNullGlyph && !(needs & kMenuNoCommandModifier)) text += QStringLiteral("Ctrl+");
    if (needs & kMenuControlModifier) text += QStringLiteral("Meta+");
    if (needs & kMenuOptionModifier) text += QStringLiteral("Alt+");
    if (needs & kMenuShiftModifier) text += QStringLiteral("Shift+");
    return text + keyName;
}

// A custom-drawn item (a colour's name drawn in that colour) is drawn by the program into a small world;
// the strongest colour it drew becomes a swatch beside the item's text in the native menu.
QIcon CustomDrawnIcon(MenuRef menu, MenuItemIndex item) {
    const Rect bounds{0, 0, kSwatchHeight, kSwatchWidth};
    GWorldPtr world = nullptr;
    if (NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0) != noErr || !world) return {};
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(world, nullptr);
    // The item's plain text goes on in white, unseen on the white world: only the colour drawing shows.
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
    RGBForeColor(&white);
    DrawMenuItem(menu, item, &bounds);
    SetGWorld(savedPort, savedDevice);
    QColor strongest = Qt::white;
    int farthest = 0;
    const QImage& image = world->image;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int distance = (255 - qRed(row[x])) + (255 - qGreen(row[x])) + (255 - qBlue(row[x]));
            if (distance > farthest) {
                farthest = distance;
                strongest = QColor(row[x]);
            }
        }
    }
    DisposeGWorld(world);
    QPixmap swatch(kSwatchSide, kSwatchSide);
    swatch.fill(strongest);
    QPainter painter(&swatch);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, kSwatchSide - 1, kSwatchSide - 1);
    // A greyed item keeps its colour: the colour is what it names.
    QIcon icon(swatch);
    icon.addPixmap(swatch, QIcon::Disabled);
    return icon;
}

void RunDeferredChoices() {
    while (!gDeferredChoices.empty()) {
        const auto [id, item] = gDeferredChoices.front();
        gDeferredChoices.pop_front();
        DispatchScope scope;
        if (gChoice) gChoice(id, item);
    }
}

void DeferChoice(MenuID id, MenuItemIndex item) {
    gDeferredChoices.emplace_back(id, item);
    QMetaObject::invokeMethod(QCoreApplication::instance(), RunDeferredChoices, Qt::QueuedConnection);
}

// The bar takes the keyboard when a menu is closed with escape (or alt is tapped) and would keep it,
// opening its menu again on the next space. Keys belong to the window: once no menu is open the focus goes
// back to the window that holds the bar, which also ends the bar's keyboard navigation.
void HandBackKeys() {
    if (!gBar || !gBarWindow || !gBarWindow->host || QApplication::activePopupWidget()) return;
    if (gBarWindow->host->focusWidget() == gBar.data() || !gBarWindow->host->focusWidget())
        gBarWindow->host->setFocus(Qt::PopupFocusReason);
}

void HandBackKeysSoon() {
    QMetaObject::invokeMethod(QCoreApplication::instance(), HandBackKeys, Qt::QueuedConnection);
}

class BarFocusWatch : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) HandBackKeysSoon();
        return QObject::eventFilter(watched, event);
    }
};

QMenu* ShownMenu(MenuID id);

void FillShownMenu(QMenu* shown, MenuRef menu) {
    shown->clear();
    const MenuID id = GetMenuID(menu);
    for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item) {
        Str255 text;
        GetMenuItemText(menu, item, text);
        const std::string label(PStringView(text));
        if (label == "-" || label.empty()) {
            shown->addSeparator();
            continue;
        }
        QString title = QStringFromMacRoman(label).replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = nullptr;
        if (MenuID sub = GetItemSubmenu(menu, item); sub && GetMenuHandle(sub)) {
            action = shown->addMenu(ShownMenu(sub));
            action->setText(title);
        } else {
            const QString keys = ShortcutText(menu, item);
            action = shown->addAction(keys.isEmpty() ? title : title + QLatin1Char('\t') + keys);
            QObject::connect(action, &QAction::triggered, [id, item] { DeferChoice(id, item); });
        }
        action->setData(int(item));
        action->setEnabled(IsMenuItemEnabled(menu, item));
        const UInt8 mark = GetItemMark(menu, item);
        action->setCheckable(mark != kNoMark);
        action->setChecked(mark != kNoMark);
        const SInt16 style = GetItemStyle(menu, item);
        const SInt16 family = GetMenuItemFontID(menu, item);
        if (style != 0 || family != 0) {
            QFont font = shown->font();
            if (family != 0) font.setFamily(InstalledFamilyForNumber(family));
            font.setBold(style & (1 | 8));
            font.setItalic(style & 2);
            font.setUnderline(style & 4);
            action->setFont(font);
        }
        if (GetMenuItemAttributes(menu, item) & kMenuItemAttrCustomDraw)
            action->setIcon(CustomDrawnIcon(menu, item));
    }
}

QMenu* ShownMenu(MenuID id) {
    QPointer<QMenu>& shown = gShownMenus[id];
    if (!shown) {
        shown = new QMenu(gBar.data());
        QObject::connect(shown.data(), &QMenu::aboutToShow, [id] {
            MenuRef menu = GetMenuHandle(id);
            QMenu* self = gShownMenus[id].data();
            if (!menu || !self) return;
            if (gOpening) gOpening(menu);
            FillShownMenu(self, menu);
        });
        QObject::connect(shown.data(), &QMenu::aboutToHide, HandBackKeysSoon);
    }
    return shown.data();
}

int BarHeight() {
    return gBar && gMenuBarVisible && !gBarIds.empty() ? gBar->sizeHint().height() : 0;
}

void PlaceBar() {
    if (!gBar || !gBarWindow || !gBarWindow->host) return;
    gBar->setVisible(gMenuBarVisible && !gBarIds.empty());
    const int height = BarHeight();
    SetMenuBarInset(gBarWindow, height);
    gBar->setGeometry(0, 0, gBarWindow->host->width(), height);
    gBar->raise();
    // A hidden bar cannot keep the keys (full-screen prompting hides it).
    if (!gBar->isVisible()) HandBackKeys();
}

// The way from a bar menu down to the menu with the ID: the bar menu's ID, then each item that opens the
// next submenu. Empty when no bar menu reaches it.
bool FindMenuPath(MenuID from, MenuID target, std::vector<MenuID>& seen,
                  std::vector<std::pair<MenuID, MenuItemIndex>>& path) {
    if (from == target) return true;
    if (std::find(seen.begin(), seen.end(), from) != seen.end()) return false;
    seen.push_back(from);
    MenuRef menu = GetMenuHandle(from);
    for (MenuItemIndex item = 1; menu && item <= CountMenuItems(menu); ++item) {
        const MenuID sub = GetItemSubmenu(menu, item);
        if (!sub || !GetMenuHandle(sub)) continue;
        path.emplace_back(from, item);
        if (FindMenuPath(sub, target, seen, path)) return true;
        path.pop_back();
    }
    return false;
}

QAction* ActionOfItem(QMenu* shown, MenuItemIndex item) {
    for (QAction* action : shown->actions())
        if (!action->isSeparator() && action->data().toInt() == int(item)) return action;
    return nullptr;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Opens the menus down to the one with the ID as the mouse does: a press on the bar menu's title, then
// each submenu from its item. The open menu, or null.
QMenu* OpenShownMenu(MenuID id) {
    if (!gBar || !gBar->isVisible()) return nullptr;
    std::vector<std::pair<MenuID, MenuItemIndex>> path;
    MenuID top = 0;
    for (MenuID barId : gBarIds) {
        std::vector<MenuID> seen;
        path.clear();
        if (FindMenuPath(barId, id, seen, path)) {
            top = barId;
            break;
        }
    }
    if (!top) return nullptr;
    QMenu* open = ShownMenu(top);
    const QRect title = gBar->actionGeometry(open->menuAction());
    if (title.isEmpty()) return nullptr;
    SendMouse(gBar.data(), QEvent::MouseButtonPress, title.center());
    if (!open->isVisible()) return nullptr;
    for (const auto& [menuId, item] : path) {
        QAction* host = ActionOfItem(ShownMenu(menuId), item);
        if (!host || !host->isEnabled() || !host->menu()) return nullptr;
        ShownMenu(menuId)->setActiveAction(host);
        open = host->menu();
        if (!open->isVisible()) return nullptr;
    }
    return open;
}

void CloseShownMenus() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace

void InstallMenuHandlers(MenuOpeningProc opening, MenuChoiceProc choice) {
    gOpening = opening;
    gChoice = choice;
}

void SetMenuBarWindow(WindowPtr window) {
    if (window == gBarWindow && (gBar || !window)) return;
    if (gBarWindow && gBarWindow->host) {
        gBarWindow->host->menuBar = nullptr;
        SetMenuBarInset(gBarWindow, 0);
    }
    // The old menus may be the ones whose close is still being handled: they go once the loop is back.
    for (auto& [id, shown] : gShownMenus)
        if (shown) shown->deleteLater();
    gShownMenus.clear();
    gBarIds.clear();
    if (gBar) {
        gBar->hide();
        gBar->deleteLater();
    }
    gBar = nullptr;
    gBarWindow = window;
    if (!window || !window->host || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    gBar = new QMenuBar(window->host);
    gBar->setNativeMenuBar(false);
    gBar->installEventFilter(new BarFocusWatch(gBar.data()));
    window->host->menuBar = gBar.data();
    DrawMenuBar();
}

WindowPtr GetMenuBarWindow() {
    return gBar ? gBarWindow : nullptr;
}

// The bar is rebuilt only when its menus changed; otherwise the titles and enable states are brought up to
// date in place, which is safe while one of its menus is opening.
void DrawMenuBar() {
    if (!gBar) return;
    std::vector<MenuID> ids;
    for (UInt16 i = 0; i < CountMenuBarMenus(); ++i)
        ids.push_back(GetMenuID(GetMenuBarMenu(i)));
    if (ids != gBarIds) {
        gBar->clear();
        gBarIds = ids;
        for (MenuID id : ids)
            gBar->addMenu(ShownMenu(id));
    }
    for (MenuID id : ids) {
        MenuRef menu = GetMenuHandle(id);
        QMenu* shown = ShownMenu(id);
        Str255 title;
        GetMenuTitle(menu, title);
        shown->setTitle(QStringFromMacRoman(std::string(PStringView(title)))
                            .replace(QLatin1Char('&'), QLatin1String("&&")));
        shown->menuAction()->setEnabled(IsMenuItemEnabled(menu, 0));
    }
    PlaceBar();
}

void HideMenuBar() {
    gMenuBarVisible = false;
    PlaceBar();
}

void ShowMenuBar() {
    gMenuBarVisible = true;
    PlaceBar();
}

bool IsMenuBarVisible() {
    return gMenuBarVisible;
}

bool ChooseMenuBarItem(MenuID id, MenuItemIndex item) {
    MenuRef menu = GetMenuHandle(id);
    if (!menu) return false;
    if (gOpening) gOpening(menu);
    if (item == 0) return true;
    if (!IsMenuItemEnabled(menu, 0) || !IsMenuItemEnabled(menu, item)) return false;
    if (gChoice) gChoice(id, item);
    return true;
}

bool OpenMenuBarMenu(MenuID id) {
    return OpenShownMenu(id) != nullptr;
}

bool IsMenuBarMenuOpen() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
}

bool ClickMenuBarItem(MenuID id, MenuItemIndex item) {
    QMenu* open = OpenShownMenu(id);
    QAction* action = open ? ActionOfItem(open, item) : nullptr;
    if (!action || !action->isEnabled() || action->menu()) {
        CloseShownMenus();
        return false;
    }
    const size_t waiting = gDeferredChoices.size();
    const QPoint at = open->actionGeometry(action).center();
    // The menu ignores a release that comes before the mouse has travelled over it.
    for (int step = 0; step < 8; ++step)
        SendMouse(open, QEvent::MouseMove, at);
    SendMouse(open, QEvent::MouseButtonPress, at);
    SendMouse(open, QEvent::MouseButtonRelease, at);
    const bool chosen = gDeferredChoices.size() > waiting;
    CloseShownMenus();
    // The menus are closed and the toolkit is done with the release: the choice may run now.
    RunDeferredChoices();
    return chosen;
}
