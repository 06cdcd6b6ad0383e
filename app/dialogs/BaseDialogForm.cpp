#include "BaseDialogForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkaris {

/// Sees every event of the program while the dialog is shown and hands the dialog the
/// key presses of its controls; kept apart from the dialog so that the dialog's own event
/// filters see only the controls they were installed on.
class TfrmBaseDialogForm::TKeyPreview : public QObject {
public:
    explicit TKeyPreview(TfrmBaseDialogForm& dialog) : QObject(&dialog), m_Dialog(dialog) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        return m_Dialog.PreviewKey(watched, event);
    }

private:
    TfrmBaseDialogForm& m_Dialog;
};

TfrmBaseDialogForm::TfrmBaseDialogForm(QWidget* parent) : TfrmBaseDialogForm(parent, false) {}

TfrmBaseDialogForm::TfrmBaseDialogForm(QWidget* parent, bool onlyOk)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      m_KeyPreview(new TKeyPreview(*this)) {
    pnlClient = new QWidget(this);
    pnlClient->setObjectName(QStringLiteral("pnlClient"));
    pnlBottom = new QWidget(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    auto* buttons = new QHBoxLayout(pnlBottom);
    buttons->setContentsMargins(8, 4, 8, 8);
    buttons->addStretch(1);
    btnRendben = new QPushButton(QStringLiteral("Rendben"), pnlBottom);
    btnRendben->setObjectName(QStringLiteral("btnRendben"));
    btnRendben->setAutoDefault(false);
    buttons->addWidget(btnRendben);
    connect(btnRendben, &QPushButton::clicked, this, &QDialog::accept);
    if (!onlyOk) {
        btnMegsem = new QPushButton(QStringLiteral("Mégsem"), pnlBottom);
        btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
        btnMegsem->setAutoDefault(false);
        buttons->addWidget(btnMegsem);
        connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlClient, 1);
    layout->addWidget(pnlBottom);
}

TfrmBaseDialogForm::~TfrmBaseDialogForm() {
    qApp->removeEventFilter(m_KeyPreview);
}

bool TfrmBaseDialogForm::PassesKeyToBase(QWidget* /*focus*/, int /*key*/) const {
    return true;
}

void TfrmBaseDialogForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every key of the dialog's controls passes here first, as long as it is shown.
    qApp->installEventFilter(m_KeyPreview);
    if (QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->frameGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmBaseDialogForm::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(m_KeyPreview);
    QDialog::hideEvent(event);
}

bool TfrmBaseDialogForm::PreviewKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key reaches the focused control first and then its parents; it is judged once,
    // at the control, and only for this dialog's own controls.
    if (widget->window() != this || widget != QApplication::focusWidget())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    return HandleKey(widget, key->key());
}

bool TfrmBaseDialogForm::HandleKey(QWidget* focus, int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Escape:
        break;
    default:
        return false;
    }
    if (!PassesKeyToBase(focus, key))
        return false;
    if (key == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        if (auto* button = qobject_cast<QPushButton*>(focus)) {
            button->click();
            return true;
        }
    focusNextPrevChild(key != Qt::Key_Up);
    return true;
}

} // namespace velkaris
