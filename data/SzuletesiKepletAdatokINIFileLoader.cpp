#include "SzuletesiKepletAdatokINIFileLoader.h"

#include "core/Messages.h"
#include "core/SegedUtils.h"
#include "core/StrUtils.h"
#include "core/TextFiles.h"
#include "core/UserNotifier.h"
#include "core/VelkarisError.h"

#include <QDir>
#include <QFileInfo>
#include <limits>
#include <utility>

namespace velkaris {

namespace {

const QString BirthInfoSection = QStringLiteral("BirthInfo");
const QString TagsSection = QStringLiteral("Tags");
const QString NotesSection = QStringLiteral("Notes");
const QString OtherSection = QStringLiteral("Other");
// The Windows program spells it so; charts from it must keep opening.
const QString AttachmentsSection = QStringLiteral("Attachements");

constexpr int MaxWord = std::numeric_limits<quint16>::max();

[[noreturn]] void ThrowLoadError() {
    throw EVelkarisError(GetMessageText(u"uZentavoMain_LoadSzulKepletError"));
}

/// Typed reads of [BirthInfo] with the chart file's own rules.
class TBirthInfoReader {
public:
    explicit TBirthInfoReader(const TIniDocument& document) : m_Document(document) {}

    QString Text(const QString& key, const QString& fallback = {}) const {
        return m_Document.ReadString(BirthInfoSection, key, fallback);
    }
    int Integer(const QString& key, int fallback) const {
        return m_Document.ReadInteger(BirthInfoSection, key, fallback);
    }
    /// The 16-bit fields: a number outside 0-65535 makes the whole read fail.
    quint16 Word(const QString& key, int fallback) const {
        const int value = Integer(key, fallback);
        if (value < 0 || value > MaxWord)
            ThrowLoadError();
        return static_cast<quint16>(value);
    }
    /// True when the value holds a capital "T" anywhere ("T", "True", "TF"); "t" is false.
    bool Flag(const QString& key) const {
        return Text(key).contains(QLatin1Char('T'), Qt::CaseSensitive);
    }

private:
    const TIniDocument& m_Document;
};

int Negated(int value) {
    return value == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -value;
}

void ReadBirthDate(const TBirthInfoReader& in, TSzuletesiKepletInfo& record) {
    record.SetTimeIsUnknown(in.Flag(QStringLiteral("TimeIsUnknown")));
    const quint16 day = in.Word(QStringLiteral("Day"), 1);
    const quint16 hour = in.Word(QStringLiteral("Hour"), record.TimeIsUnknown() ? 12 : 0);
    const quint16 minute = in.Word(QStringLiteral("Minute"), 0);
    const quint16 second = in.Word(QStringLiteral("Second"), 0);
    const quint16 month = in.Word(QStringLiteral("Month"), 1);
    const quint16 year = in.Word(QStringLiteral("Year"), 1900);
    // BC years are held as positive years with a flag; there is no year 0 to hold.
    if (year == 0)
        ThrowLoadError();
    record.SetDateParts(year, month, day, hour, minute, second);
}

void ReadZoneAndPlace(const TBirthInfoReader& in, TSzuletesiKepletInfo& record) {
    record.SetTZoneCode(in.Text(QStringLiteral("TZoneCode")));
    record.SetTZoneWest(in.Flag(QStringLiteral("TZoneWest")));
    record.SetTZoneHour(in.Integer(QStringLiteral("TZoneHour"), 0));
    record.SetTZoneMinute(in.Word(QStringLiteral("TZoneMinute"), 0));
    record.SetTZCodeIsManual(in.Flag(QStringLiteral("TZCodeIsManual")));

    record.SetLocCity(in.Text(QStringLiteral("LocCity")));
    record.SetLocCountry(in.Text(QStringLiteral("LocCountry")));
    record.SetLocCountryID(in.Text(QStringLiteral("LocCountryID")));
    record.SetLocAltitude(in.Integer(QStringLiteral("LocAltitude"), 0));

    // Older charts hold west longitudes and south latitudes as negative degrees.
    record.SetLocLongDegree(in.Integer(QStringLiteral("LocLongDegree"), 0));
    record.SetLocLongMinute(in.Integer(QStringLiteral("LocLongMinute"), 0));
    record.SetLocLongSecond(in.Word(QStringLiteral("LocLongSecond"), 0));
    record.SetLocLongWest(in.Flag(QStringLiteral("LocLongWest")));
    if (record.LocLongDegree() < 0 && !record.LocLongWest()) {
        record.SetLocLongWest(true);
        record.SetLocLongDegree(Negated(record.LocLongDegree()));
    }
    record.SetLocLatDegree(in.Integer(QStringLiteral("LocLatDegree"), 0));
    record.SetLocLatMinute(in.Integer(QStringLiteral("LocLatMinute"), 0));
    record.SetLocLatSecond(in.Word(QStringLiteral("LocLatSecond"), 0));
    record.SetLocLatSouth(in.Flag(QStringLiteral("LocLatSouth")));
    if (record.LocLatDegree() < 0 && !record.LocLatSouth()) {
        record.SetLocLatSouth(true);
        record.SetLocLatDegree(Negated(record.LocLatDegree()));
    }
}

void ReadBirthInfo(const TIniDocument& document, TSzuletesiKepletInfo& record) {
    const TBirthInfoReader in(document);
    record.SetName(in.Text(QStringLiteral("Name"), GetMessageText(u"uZentavoFileHandling_NoName")));
    record.SetGender(in.Integer(QStringLiteral("Gender"), 3));
    ReadBirthDate(in, record);
    ReadZoneAndPlace(in, record);
    record.SetIsDayLightSavingTime(in.Flag(QStringLiteral("IsDayLightSavingTime")));
    record.SetBirthDateIsBC(in.Flag(QStringLiteral("BirthDateIsBC")));
    record.SetIsDead(in.Flag(QStringLiteral("IsDead")));
    // Read whether or not the person died, as the Windows program does.
    const quint16 day = in.Word(QStringLiteral("DeathDay"), 1);
    const quint16 hour = in.Word(QStringLiteral("DeathHour"), 0);
    const quint16 minute = in.Word(QStringLiteral("DeathMin"), 0);
    const quint16 second = in.Word(QStringLiteral("DeathSec"), 0);
    const quint16 month = in.Word(QStringLiteral("DeathMonth"), 1);
    const quint16 year = in.Word(QStringLiteral("DeathYear"), 1900);
    record.SetDeathDateTime(year, month, day, hour, minute, second);
}

QStringList EntryValues(const TIniDocument& document, const QString& section) {
    QStringList values;
    for (const TIniDocument::TLine& line : document.Entries(section))
        values << line.Value;
    return values;
}

void ReadListsAndOther(const TIniDocument& document, TSzuletesiKepletInfo& record) {
    record.SetPictureFilename(document.ReadString(OtherSection, QStringLiteral("PictureFilename")));
    record.SetFileVersionId(document.ReadString(OtherSection, QStringLiteral("FileVersionId")));
    record.SetNotes(EntryValues(document, NotesSection));
    QStringList tags;
    for (const QString& value : EntryValues(document, TagsSection))
        tags << value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    record.SetTags(tags);
    record.SetAttachments(EntryValues(document, AttachmentsSection));
}

/// The folder with a single trailing "/", symbolic links resolved where it exists, so
/// that a substring test between two such texts compares whole folder names.
QString NormalisedFolder(const QString& folder) {
    const QFileInfo info(folder);
    QString path = info.canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(info.absoluteFilePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

/// False for a record whose file the reader would refuse: birth date parts that form no
/// date-time (a record never given a date), or a death year outside 0-65535.
bool CanBeReadBack(const TSzuletesiKepletInfo& r) {
    if (r.Year() == 0 ||
        !TDateTime::FromParts(r.Year(), r.Month(), r.Day(), r.Hour(), r.Minute(), r.Second()))
        return false;
    const int deathYear = r.DeathDateTime().Year();
    return !r.IsDead() || (deathYear >= 0 && deathYear <= MaxWord);
}

/// One line of the file per value: every line break (CR LF, CR or LF) becomes a blank.
QString SingleLine(const QString& value) {
    if (!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString line;
    line.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < value.size() && value[i + 1] == QLatin1Char('\n'))
                ++i;
            line += QLatin1Char(' ');
        } else {
            line += c;
        }
    }
    return line;
}

/// "01", "02", ... "99", "100": at least two digits.
QString EntryNumber(qsizetype index) {
    return QString::number(index + 1).rightJustified(2, QLatin1Char('0'));
}

class TChartLines {
public:
    void Section(const QString& name) {
        m_Lines << QString() << QLatin1Char('[') + name + QLatin1Char(']');
    }
    void Entry(const QString& key, const QString& value) {
        m_Lines << key + QLatin1Char('=') + SingleLine(value);
    }
    void Entry(const QString& key, qint64 value) { Entry(key, QString::number(value)); }
    void Flag(const QString& key, bool value) { Entry(key, BoolText(value, false)); }
    void Numbered(const QString& prefix, const QStringList& values) {
        for (qsizetype i = 0; i < values.size(); ++i)
            Entry(prefix + EntryNumber(i), values[i]);
    }
    QStringList Lines() && { return std::move(m_Lines); }

private:
    QStringList m_Lines;
};

void WriteBirthInfo(const TSzuletesiKepletInfo& r, TChartLines& out) {
    out.Section(BirthInfoSection);
    out.Entry(QStringLiteral("Name"), r.Name());
    out.Entry(QStringLiteral("Gender"), r.Gender());
    out.Entry(QStringLiteral("Year"), r.Year());
    out.Entry(QStringLiteral("Month"), r.Month());
    out.Entry(QStringLiteral("Day"), r.Day());
    out.Entry(QStringLiteral("Hour"), r.Hour());
    out.Entry(QStringLiteral("Minute"), r.Minute());
    out.Entry(QStringLiteral("Second"), r.Second());
    out.Flag(QStringLiteral("TimeIsUnknown"), r.TimeIsUnknown());
    out.Entry(QStringLiteral("TZoneCode"), r.TZoneCode());
    out.Flag(QStringLiteral("TZoneWest"), r.TZoneWest());
    out.Entry(QStringLiteral("TZoneHour"), r.TZoneHour());
    out.Entry(QStringLiteral("TZoneMinute"), r.TZoneMinute());
    out.Flag(QStringLiteral("TZCodeIsManual"), r.TZCodeIsManual());
    out.Entry(QStringLiteral("LocCity"), r.LocCity());
    out.Entry(QStringLiteral("LocCountry"), r.LocCountry());
    out.Entry(QStringLiteral("LocCountryID"), r.LocCountryID());
    out.Entry(QStringLiteral("LocAltitude"), r.LocAltitude());
    out.Entry(QStringLiteral("LocLongDegree"), r.LocLongDegree());
    out.Entry(QStringLiteral("LocLongMinute"), r.LocLongMinute());
    out.Entry(QStringLiteral("LocLongSecond"), r.LocLongSecond());
    out.Flag(QStringLiteral("LocLongWest"), r.LocLongWest());
    out.Entry(QStringLiteral("LocLatDegree"), r.LocLatDegree());
    out.Entry(QStringLiteral("LocLatMinute"), r.LocLatMinute());
    out.Entry(QStringLiteral("LocLatSecond"), r.LocLatSecond());
    out.Flag(QStringLiteral("LocLatSouth"), r.LocLatSouth());
    out.Flag(QStringLiteral("IsDayLightSavingTime"), r.IsDayLightSavingTime());
    out.Flag(QStringLiteral("BirthDateIsBC"), r.BirthDateIsBC());
    out.Flag(QStringLiteral("IsDead"), r.IsDead());
    if (r.IsDead()) {
        const TDateTime& death = r.DeathDateTime();
        out.Entry(QStringLiteral("DeathYear"), death.Year());
        out.Entry(QStringLiteral("DeathMonth"), death.Month());
        out.Entry(QStringLiteral("DeathDay"), death.Day());
        out.Entry(QStringLiteral("DeathHour"), death.Hour());
        out.Entry(QStringLiteral("DeathMin"), death.Minute());
        out.Entry(QStringLiteral("DeathSec"), death.Second());
    }
}

} // namespace

TSzuletesiKepletAdatokINIFileLoader::TSzuletesiKepletAdatokINIFileLoader(QString programFolder,
                                                                         TUserNotifier* notifier)
    : m_ProgramFolder(std::move(programFolder)), m_Notifier(notifier) {}

std::unique_ptr<TSzuletesiKepletInfo>
TSzuletesiKepletAdatokINIFileLoader::LoadChartFile(const QString& path,
                                                   bool commandLineRule) const {
    const auto document = TIniDocument::LoadFile(path);
    if (!document)
        return nullptr;
    return LoadChartDocument(*document, path, commandLineRule);
}

std::unique_ptr<TSzuletesiKepletInfo> TSzuletesiKepletAdatokINIFileLoader::LoadChartDocument(
    const TIniDocument& document, const QString& path, bool commandLineRule) const {
    auto record = std::make_unique<TSzuletesiKepletInfo>();
    record->SetProgramFolder(m_ProgramFolder, m_Notifier);
    record->SetLoading(true);
    if (!path.isEmpty())
        AssignFileName(*record, path, commandLineRule);
    try {
        ReadBirthInfo(document, *record);
    } catch (const EInvalidDateError&) {
        ThrowLoadError();
    }
    ReadListsAndOther(document, *record);
    record->SetLoading(false);
    return record;
}

void TSzuletesiKepletAdatokINIFileLoader::AssignFileName(TSzuletesiKepletInfo& record,
                                                         const QString& path,
                                                         bool commandLineRule) const {
    if (!commandLineRule) {
        record.SetFileName(path);
    } else if (LiesUnderProgramFolder(path)) {
        // A path typed on the command line may be relative to a working folder that
        // later look-ups (recent files, saving) no longer share.
        record.SetFileName(QFileInfo(path).absoluteFilePath());
    } else {
        record.SetModified(true);
        return;
    }
    const QString notesPath = record.NotesDocument().FileName();
    if (notesPath.isEmpty() || !QFileInfo(notesPath).isFile())
        return;
    if (auto notes = TIniDocument::LoadFile(notesPath))
        record.NotesDocument() = std::move(*notes);
}

bool TSzuletesiKepletAdatokINIFileLoader::LiesUnderProgramFolder(const QString& path) const {
    if (m_ProgramFolder.isEmpty())
        return false;
    return NormalisedFolder(QFileInfo(path).absolutePath())
        .contains(NormalisedFolder(m_ProgramFolder));
}

QString TSzuletesiKepletAdatokINIFileLoader::SaveChartFile(const TSzuletesiKepletInfo& record,
                                                           const QString& path) const {
    const QString target = ChartFilePath(path);
    const std::optional<QString> failure =
        CanBeReadBack(record) ? WriteFileAtomically(target, ChartFileBytes(record))
                              : std::optional(GetMessageText(u"fSzulKeplet_WrongDate"));
    if (!failure)
        return target;
    const QString text = GetMessageText(u"uZentavoUtils_NotSaved") + QLatin1Char('\n') + target +
                         QStringLiteral(": ") + *failure;
    if (m_Notifier)
        m_Notifier->ShowMessage(TMessageKind::Error, text);
    throw EVelkarisError(text);
}

QStringList
TSzuletesiKepletAdatokINIFileLoader::ChartFileLines(const TSzuletesiKepletInfo& record) {
    TChartLines out;
    WriteBirthInfo(record, out);
    out.Section(TagsSection);
    out.Entry(QStringLiteral("Tags"), record.Tags().join(QLatin1Char(';')));
    out.Section(NotesSection);
    out.Numbered(QStringLiteral("Note"), record.Notes());
    out.Section(OtherSection);
    out.Entry(QStringLiteral("PictureFilename"), record.PictureFilename());
    out.Entry(QStringLiteral("FileVersionId"), record.FileVersionId());
    out.Section(AttachmentsSection);
    out.Numbered(QStringLiteral("CsatDoc"), record.Attachments());
    return std::move(out).Lines();
}

QByteArray TSzuletesiKepletAdatokINIFileLoader::ChartFileBytes(const TSzuletesiKepletInfo& record) {
    return EncodeWindowsText(ChartFileLines(record));
}

QString TSzuletesiKepletAdatokINIFileLoader::ChartFilePath(const QString& path) {
    const QString name = path.sliced(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && name.sliced(dot).toUpper() == QLatin1String(".SZK"))
        return path;
    return path + QStringLiteral(".szk");
}

int TSzuletesiKepletAdatokINIFileLoader::FileVersionNumber(const QString& fileVersionId) {
    return DigitsToInt(fileVersionId, 5, QLatin1Char('0'));
}

bool TSzuletesiKepletAdatokINIFileLoader::IsNewerFileVersion(const QString& fileVersionId) {
    return !fileVersionId.trimmed().isEmpty() &&
           FileVersionNumber(fileVersionId) > FileVersionNumber(CurrentFileVersionId);
}

} // namespace velkaris
