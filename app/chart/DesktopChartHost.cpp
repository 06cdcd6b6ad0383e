#include "DesktopChartHost.h"

#include "AttachmentPaths.h"
#include "data/ProgramFolders.h"

namespace velkaris {

TDesktopChartHost::TDesktopChartHost(const TProgramFolders& folders)
    : m_Home(folders.Home()), m_Settings(folders),
      m_Calculator(nullptr, &m_Orbs, &m_Settings.Provider()) {
    m_Orbs.LoadRows(m_Settings.Provider());
}

void TDesktopChartHost::ShowNotesEditor(const QString& kind, int id) {
    (void)kind;
    (void)id;
    m_Desktop.ShowWarning(QStringLiteral("A jegyzetek a főablakból érhetők el."));
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

std::optional<QString> TDesktopChartHost::ChooseFile(bool pictures) {
    return ChosenAttachment(m_Desktop, m_Home, pictures);
}

} // namespace velkaris
