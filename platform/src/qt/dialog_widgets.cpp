// The native controls of dialog items, and the drawing of the items that live in the dialog's port.
#include "dialog_record.h"
#include "qt_text.h"

#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "port_internal.h"
#include "window_host.h"
#include "window_record.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRect ImageRect(const GrafPort* port, const Rect& r) {
    return QRect(ImageX(port, r.left), ImageY(port, r.top), r.right - r.left, r.bottom - r.top);
}

SInt16 BaseKind(const DialogItemRecord& record) {
    return SInt16(record.kind & ~itemDisable);
}

// An edit field whose paste key does nothing while the clipboard holds no text; the toolkit's own would
// replace the selected text (often all of it) with nothing.
class DialogField : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (event->matches(QKeySequence::Paste) && (!clipboard || clipboard->text().isEmpty())) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

} // namespace

bool IsItemEnabled(const DialogItemRecord& record) {
    return !(record.kind & itemDisable) && record.hilite != 255;
}

void MakeItemWidget(DialogPtr dialog, SInt16 item) {
    DialogItemRecord& record = dialog->items[size_t(item - 1)];
    QWidget* host = dialog->window->host;
    const SInt16 kind = BaseKind(record);
    QWidget* widget = nullptr;
    if (kind == ctrlItem + btnCtrl) {
        auto* button = new QPushButton(QStringFromMacRoman(record.text), host);
        button->setAutoDefault(false);
        button->setDefault(item == dialog->defaultItem);
        widget = button;
    } else if (kind == ctrlItem + chkCtrl) {
        widget = new QCheckBox(QStringFromMacRoman(record.text), host);
    } else if (kind == ctrlItem + radCtrl) {
        auto* radio = new QRadioButton(QStringFromMacRoman(record.text), host);
        radio->setAutoExclusive(false); // the program turns the other buttons of a group off itself
        widget = radio;
    } else if (kind == editText) {
        auto* field = new DialogField(QStringFromMacRoman(record.text), host);
        QObject::connect(field, &QLineEdit::returnPressed, [dialog] {
            if (dialog->defaultItem > 0) HitDialogItem(dialog, dialog->defaultItem);
        });
        widget = field;
    }
    if (!widget) return;
    record.widget = widget;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // A click reports the item; the program decides what the value becomes.
        QObject::connect(button, &QAbstractButton::clicked, [dialog, item] {
            DialogItemRecord& r = dialog->items[size_t(item - 1)];
            if (auto* b = qobject_cast<QAbstractButton*>(r.widget); b && b->isCheckable())
                b->setChecked(r.value != 0);
            if (IsItemEnabled(r)) HitDialogItem(dialog, item);
        });
    }
    SyncItemWidget(dialog, item);
}

void SyncItemWidget(DialogPtr dialog, SInt16 item) {
    DialogItemRecord& record = dialog->items[size_t(item - 1)];
    QWidget* widget = record.widget;
    if (!widget) return;
    widget->setGeometry(ImageRect(dialog->window->port, record.rect));
    widget->setVisible(record.visible);
    widget->setEnabled(record.hilite != 255);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(QStringFromMacRoman(record.text));
        if (button->isCheckable()) button->setChecked(record.value != 0);
        if (auto* push = qobject_cast<QPushButton*>(widget)) {
            push->setDefault(item == dialog->defaultItem);
            push->setDown(record.hilite == kControlButtonPart); // flashed by a key that presses it
        }
    }
}

std::string WidgetText(const DialogItemRecord& record) {
    if (auto* field = qobject_cast<QLineEdit*>(record.widget)) return MacRomanFromQString(field->text());
    return record.text;
}

void DrawPortItem(DialogPtr dialog, SInt16 item) {
    DialogItemRecord& record = dialog->items[size_t(item - 1)];
    GrafPort* port = dialog->window->port;
    const SInt16 kind = BaseKind(record);
    if (record.widget || !record.visible) return;
    if (kind == statText) {
        QPainter painter(&port->image);
        painter.setFont(QApplication::font());
        painter.setPen(QColor(0, 0, 0));
        painter.drawText(ImageRect(port, record.rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         QStringFromMacRoman(record.text));
    } else if (kind == picItem || kind == iconItem || (kind == userItem && record.userProc)) {
        // Items are drawn whenever the dialog redraws, whatever port the program has made current: they go
        // into the dialog's own port.
        CGrafPtr savedPort;
        GDHandle savedDevice;
        GetGWorld(&savedPort, &savedDevice);
        SetGWorld(port, nullptr);
        if (kind == userItem)
            record.userProc(dialog, item);
        else if (PicHandle picture = GetPicture(record.resourceID))
            DrawPicture(picture, &record.rect);
        SetGWorld(savedPort, savedDevice);
    }
}
