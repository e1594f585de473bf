// A modal dialog from its resource, held for one question: made with its own ID as the window's reference,
// the caller's port kept and the modal level counted while it exists.
#pragma once

#include "foundation/window_references.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "shell/shell_globals.h"

class ModalRun {
  public:
    // The dialog is null when it cannot be made. A global, when given, names the dialog while it is up.
    explicit ModalRun(SInt16 id, ModalFilterProc filter = nullptr, DialogPtr* global = nullptr)
        : saved_(GetPortReference()), filter_(filter), global_(global) {
        InitCursor();
        dialog_ = GetNewDialog(id, nullptr, kFirstWindowOfClass);
        if (!dialog_) return;
        SetWRefCon(GetDialogWindow(dialog_), id);
        GetDialogRefandSetPort(dialog_);
        SetDialogDefaultItem(dialog_, kOkItem);
        SetDialogCancelItem(dialog_, kCancelItem);
        if (global_) *global_ = dialog_;
        ++gInModal;
    }
    ~ModalRun() {
        if (dialog_) {
            --gInModal;
            if (global_) *global_ = nullptr;
            DisposeDialog(dialog_);
        }
        SetPortByReference(saved_);
    }
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

    DialogPtr Dialog() const { return dialog_; }
    void Show() const {
        ShowWindow(GetDialogWindow(dialog_));
        SelectWindow(GetDialogWindow(dialog_));
    }
    SInt16 Next() const {
        SInt16 item = 0;
        ModalDialog(filter_, &item);
        return item;
    }

  private:
    static constexpr SInt16 kOkItem = 1, kCancelItem = 2;
    WindowReference saved_;
    ModalFilterProc filter_;
    DialogPtr* global_;
    DialogPtr dialog_ = nullptr;
};
