#include "DesktopChartHost.h"

#include "AttachmentPaths.h"
#include "data/ProgramFolders.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace velkaris {

TDesktopChartHost::TDesktopChartHost(const TProgramFolders& folders)
    : m_Home(folders.Home()), m_Settings(folders),
      m_Calculator(nullptr, &m_Orbs, &m_Settings.Provider()) {
    m_Orbs.LoadRows(m_Settings.Provider());
}

void TDesktopChartHost::ShowNotesEditor(const QString& kind, int id) {
    (void)kind;
    (void)id;
    QMessageBox::information(m_Parent, QStringLiteral("Velkaris"),
                             QStringLiteral("A jegyzetek a főablakból érhetők el."));
}

QString TDesktopChartHost::AttachPicturePath(const QString& file) {
    return AttachmentPaths::StoredAttachment(file, m_Home, Settings().GetCopyAttachedPicture(),
                                             QStringLiteral("hors/images"));
}

QString TDesktopChartHost::AttachDocumentPath(const QString& file) {
    return AttachmentPaths::StoredAttachment(file, m_Home, Settings().GetCopyAttachedDocuments(),
                                             QStringLiteral("hors/docs"));
}

void TDesktopChartHost::OpenChartRecord(std::shared_ptr<TSzuletesiKepletInfo> record) {
    if (OnOpenChart)
        OnOpenChart(std::move(record));
}

bool TDesktopChartHost::AskYesNo(const QString& question) {
    return QMessageBox::question(m_Parent, QStringLiteral("Velkaris"), question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TDesktopChartHost::ShowError(const QString& message) {
    QMessageBox::critical(m_Parent, QStringLiteral("Velkaris"), message);
}

std::optional<QString> TDesktopChartHost::ChooseFile(bool pictures) {
    const QString filter =
        pictures ? QStringLiteral("Képek (*.png *.jpg *.jpeg *.bmp *.gif *.webp)") : QString();
    const QString file = QFileDialog::getOpenFileName(m_Parent, {}, m_Home, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> TDesktopChartHost::AskAddress() {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_Parent, QStringLiteral("Új URL vagy e-mail cím csatolása"),
                              QStringLiteral("Cím:"), QLineEdit::Normal, {}, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void TDesktopChartHost::OpenWithShell(const QString& target) {
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

} // namespace velkaris
