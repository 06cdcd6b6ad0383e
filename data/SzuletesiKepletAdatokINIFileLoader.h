#pragma once

#include "core/IniDocument.h"
#include "core/SzuletesiKepletInfo.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace velkaris {

class TUserNotifier;

/// Reads chart files (.szk) into birth records and writes birth records as chart files,
/// in the text the Windows program reads and writes: UTF-16LE with a byte-order mark,
/// CR LF, sections [BirthInfo], [Tags], [Notes], [Other] and [Attachements].
///
/// Paths stored in a chart (picture, attachments) are kept exactly as written, "\"
/// separators of charts from Windows included.
class TSzuletesiKepletAdatokINIFileLoader {
public:
    /// The version text of every chart this program writes.
    static inline const QString CurrentFileVersionId = QStringLiteral("v3.0");

    /// `programFolder` is the home folder (charts' notes files go to its hors/docs/);
    /// `notifier` shows the save failure and the notes-folder failure; it may be null.
    TSzuletesiKepletAdatokINIFileLoader(QString programFolder, TUserNotifier* notifier);

    /// A new birth record from the chart file at `path`.
    ///
    /// Null when the file exists but cannot be read. A path naming no file gives the
    /// record of defaults. With `commandLineRule` (a file named on the command line) a
    /// chart from outside the home folder opens without a file name and as modified, so
    /// that saving asks for a name. Throws EVelkarisError (the text of
    /// uZentavoMain_LoadSzulKepletError) when a 16-bit field lies outside 0-65535 or the
    /// date parts form no date (the year 0 included); the caller reports it.
    std::unique_ptr<TSzuletesiKepletInfo> LoadChartFile(const QString& path,
                                                        bool commandLineRule) const;

    /// The same reading from a document already in memory. `path` is the file the
    /// document came from; when empty the record gets no file name and no notes
    /// document content, and nothing on disk is touched.
    std::unique_ptr<TSzuletesiKepletInfo> LoadChartDocument(const TIniDocument& document,
                                                            const QString& path,
                                                            bool commandLineRule) const;

    /// Writes `record` as a chart file at `ChartFilePath(path)` through a temporary file
    /// renamed over the target, so that a failed write leaves any old file whole. The
    /// record is not changed (clearing Modified and setting FileName are the caller's
    /// steps). Returns the path written. On failure shows uZentavoUtils_NotSaved as an
    /// error and throws EVelkarisError; so it does, writing nothing, for a record whose
    /// file could not be opened again (birth date parts that form no date, as in a record
    /// never given a date, or a death year outside 0-65535).
    QString SaveChartFile(const TSzuletesiKepletInfo& record, const QString& path) const;

    /// The lines of the chart file of `record`, without line ends. Line breaks inside
    /// values are written as one blank each, so that a value never splits the file.
    static QStringList ChartFileLines(const TSzuletesiKepletInfo& record);
    /// `ChartFileLines` encoded as the file's bytes.
    static QByteArray ChartFileBytes(const TSzuletesiKepletInfo& record);
    /// `path` with ".szk" appended unless its extension is already ".szk" in any case
    /// ("a.txt" gives "a.txt.szk").
    static QString ChartFilePath(const QString& path);

    /// The number of a version text: its "+", "-" and digit characters, padded on the
    /// right with "0" to five characters, read as a decimal (0 when that fails);
    /// "v3.0" gives 30000, "v3.0.1" 30100.
    static int FileVersionNumber(const QString& fileVersionId);
    /// True when `fileVersionId` is not blank and its number exceeds that of "v3.0".
    static bool IsNewerFileVersion(const QString& fileVersionId);

private:
    void AssignFileName(TSzuletesiKepletInfo& record, const QString& path,
                        bool commandLineRule) const;
    bool LiesUnderProgramFolder(const QString& path) const;

    QString m_ProgramFolder;
    TUserNotifier* m_Notifier = nullptr;
};

} // namespace velkaris
