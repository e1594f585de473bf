// The toolkit widget that shows a window's port and turns the toolkit's input into the program's events.
// Private to platform/src/qt.
#pragma once

#include "platform/windows.h"

#include <QWidget>

class WindowHost : public QWidget {
  public:
    WindowHost(WindowPtr window, Qt::WindowFlags flags);
    // Null once the window is disposed: a host waiting for deletion ignores its events.
    WindowPtr window = nullptr;
    // The menu bar at the top of the window, when it shows the program's menus (menu_bar.cpp).
    QWidget* menuBar = nullptr;
    // Where the text being composed by an input method stands, in widget coordinates.
    QRect inputArea;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // Tab and back-tab are keys for the program, not focus moves between widgets.
    bool focusNextPrevChild(bool next) override { return false; }
};

// Whether the platform can restack windows (the offscreen platform cannot and says so on every raise).
bool CanRaiseWindows();
