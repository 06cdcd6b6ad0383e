#pragma once

#include "BaseDialogForm.h"

class QLabel;
class QToolButton;

namespace velkaris {

/// "Információ": a text on pale yellow, with a button that copies it to the clipboard.
/// The caller sets the text, the size and the title, and usually hides the bottom panel.
class TfrmInformacioDialog : public TfrmBaseDialogFormOnlyOK {
    Q_OBJECT
public:
    explicit TfrmInformacioDialog(QWidget* parent = nullptr);

    void SetInformation(const QString& text);
    QString Information() const;
    /// Puts the text on the clipboard as Unicode text.
    void CopyToClipboard() const;

private:
    QLabel* lblInformacio = nullptr;
    QToolButton* btnCopyToClipboard = nullptr;
};

} // namespace velkaris
