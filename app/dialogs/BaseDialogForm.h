#pragma once

#include <QDialog>

class QPushButton;

namespace velkaris {

/// The common frame of the program's dialogs: a client panel `pnlClient` above a bottom
/// panel `pnlBottom` with "Rendben" (`btnRendben`, accepts) and "Mégsem" (`btnMegsem`,
/// rejects), centred on the window it belongs to.
///
/// The dialog sees every key before its controls do: Enter and Down move the focus to
/// the next control, Up to the previous one, Esc closes the dialog as cancelled. Enter on
/// a push button presses it. A derived dialog keeps these keys for the controls that use
/// them itself through `PassesKeyToBase`.
class TfrmBaseDialogForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBaseDialogForm(QWidget* parent = nullptr);
    ~TfrmBaseDialogForm() override;

    QWidget* ClientPanel() const { return pnlClient; }
    QWidget* BottomPanel() const { return pnlBottom; }
    QPushButton* OkButton() const { return btnRendben; }
    /// Null in a dialog with only the OK button.
    QPushButton* CancelButton() const { return btnMegsem; }

protected:
    /// `onlyOk`: the bottom panel has no "Mégsem".
    TfrmBaseDialogForm(QWidget* parent, bool onlyOk);

    /// Whether the dialog's own handling of `key` (Enter, Down, Up or Esc) applies while
    /// `focus` has the focus; false leaves the key to the control.
    virtual bool PassesKeyToBase(QWidget* focus, int key) const;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    QWidget* pnlClient = nullptr;
    QWidget* pnlBottom = nullptr;
    QPushButton* btnRendben = nullptr;
    QPushButton* btnMegsem = nullptr;

private:
    class TKeyPreview;
    friend class TKeyPreview;

    /// Whether the key press `event` delivered to `watched` was the dialog's own.
    bool PreviewKey(QObject* watched, QEvent* event);
    bool HandleKey(QWidget* focus, int key);

    TKeyPreview* m_KeyPreview = nullptr;
};

/// The dialog frame with the single button "Rendben".
class TfrmBaseDialogFormOnlyOK : public TfrmBaseDialogForm {
    Q_OBJECT
public:
    explicit TfrmBaseDialogFormOnlyOK(QWidget* parent = nullptr)
        : TfrmBaseDialogForm(parent, true) {}
};

} // namespace velkaris
