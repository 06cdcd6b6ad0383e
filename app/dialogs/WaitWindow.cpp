#include "WaitWindow.h"

#include "core/Messages.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace velkaris {

TfrmWait::TfrmWait(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_Text(new QLabel(this)) {
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(GetMessageText(u"fWait_DefaultCaption"));
    setModal(true);
    m_Text->setObjectName(QStringLiteral("lblWait"));
    m_Text->setAlignment(Qt::AlignCenter);
    m_Text->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(m_Text);
}

void TfrmWait::ShowText(const QString& text) {
    m_Text->setText(text.isEmpty() ? GetMessageText(u"fWait_DefaultText") : text);
    show();
    raise();
    // Painted now: the work that follows keeps the event loop busy.
    repaint();
    QApplication::processEvents();
}

void TfrmWait::CloseWait() {
    hide();
    QApplication::processEvents();
}

QString TfrmWait::Text() const {
    return m_Text->text();
}

} // namespace velkaris
