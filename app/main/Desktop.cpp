#include "Desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace velkaris {

namespace {

const QString Title = QStringLiteral("Velkaris");

} // namespace

bool TQtDesktop::AskYesNo(const QString& question) {
    return QMessageBox::question(m_Parent, Title, question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

TDesktop::TAnswer TQtDesktop::AskYesNoCancel(const QString& question) {
    switch (QMessageBox::question(m_Parent, Title, question,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    default:
        return TAnswer::Cancel;
    }
}

void TQtDesktop::ShowError(const QString& message) {
    QMessageBox::critical(m_Parent, Title, message);
}

void TQtDesktop::ShowWarning(const QString& message) {
    QMessageBox::warning(m_Parent, Title, message);
}

void TQtDesktop::ShowInformation(const QString& message) {
    QMessageBox::information(m_Parent, Title, message);
}

QStringList TQtDesktop::ChooseOpenFiles(const QString& title, const QString& folder,
                                        const QString& filter, bool many) {
    if (many)
        return QFileDialog::getOpenFileNames(m_Parent, title, folder, filter);
    const QString file = QFileDialog::getOpenFileName(m_Parent, title, folder, filter);
    return file.isEmpty() ? QStringList() : QStringList{file};
}

std::optional<QString> TQtDesktop::ChooseSaveFile(const QString& title, const QString& proposed,
                                                  const QString& filter) {
    QFileDialog dialog(m_Parent, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("szk"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> TQtDesktop::AskAddress() {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_Parent, QStringLiteral("Új URL vagy e-mail cím csatolása"),
                              QStringLiteral("Cím:"), QLineEdit::Normal, {}, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void TQtDesktop::OpenWithShell(const QString& target) {
    QUrl url;
    if (target.contains(QLatin1Char('@')) && !target.contains(QLatin1String("://")) &&
        !target.startsWith(QLatin1String("mailto:")))
        url = QUrl(QStringLiteral("mailto:") + target);
    else if (target.contains(QLatin1String("http")))
        url = QUrl::fromUserInput(target);
    else
        url = QUrl::fromLocalFile(target);
    if (!QDesktopServices::openUrl(url))
        ShowError(QStringLiteral("Nem sikerült megnyitni: ") + target);
}

std::optional<QString> ChosenAttachment(TDesktop& desktop, const QString& folder, bool pictures) {
    const QString filter =
        pictures ? QStringLiteral("Képek (*.png *.jpg *.jpeg *.bmp *.gif *.webp)") : QString();
    const QStringList files = desktop.ChooseOpenFiles({}, folder, filter, false);
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

} // namespace velkaris
