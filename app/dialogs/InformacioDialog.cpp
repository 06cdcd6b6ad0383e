#include "InformacioDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace velkaris {

namespace {

/// The four border panels and the client panel share this colour.
const QColor PaleYellow(255, 255, 225);

QWidget* BorderPanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFixedSize(8, 8);
    return panel;
}

} // namespace

TfrmInformacioDialog::TfrmInformacioDialog(QWidget* parent) : TfrmBaseDialogFormOnlyOK(parent) {
    setObjectName(QStringLiteral("frmInformacioDialog"));
    setWindowTitle(QStringLiteral("Információ"));
    pnlClient->setAutoFillBackground(true);
    QPalette palette = pnlClient->palette();
    palette.setColor(QPalette::Window, PaleYellow);
    pnlClient->setPalette(palette);

    lblInformacio = new QLabel(pnlClient);
    lblInformacio->setObjectName(QStringLiteral("lblInformacio"));
    lblInformacio->setWordWrap(true);
    lblInformacio->setTextFormat(Qt::PlainText);
    lblInformacio->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblInformacio->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btnCopyToClipboard = new QToolButton(pnlClient);
    btnCopyToClipboard->setObjectName(QStringLiteral("btnCopyToClipboard"));
    btnCopyToClipboard->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
    if (btnCopyToClipboard->icon().isNull())
        btnCopyToClipboard->setText(QStringLiteral("Másol"));
    btnCopyToClipboard->setToolTip(QStringLiteral("Szöveges tartalom másolása vágólapra"));
    btnCopyToClipboard->setAutoRaise(true);
    connect(btnCopyToClipboard, &QToolButton::clicked, this,
            &TfrmInformacioDialog::CopyToClipboard);

    auto* grid = new QGridLayout(pnlClient);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(BorderPanel(pnlClient, "pnlTop"), 0, 1);
    grid->addWidget(BorderPanel(pnlClient, "pnlLeft"), 1, 0);
    grid->addWidget(lblInformacio, 1, 1);
    grid->addWidget(btnCopyToClipboard, 1, 2, Qt::AlignTop);
    grid->addWidget(BorderPanel(pnlClient, "pnlRight"), 1, 3);
    grid->addWidget(BorderPanel(pnlClient, "pnlBottomBorder"), 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
}

void TfrmInformacioDialog::SetInformation(const QString& text) {
    lblInformacio->setText(text);
}

QString TfrmInformacioDialog::Information() const {
    return lblInformacio->text();
}

void TfrmInformacioDialog::CopyToClipboard() const {
    QApplication::clipboard()->setText(lblInformacio->text());
}

} // namespace velkaris
