#include "CityLoader.h"

#include "CityText.h"
#include "core/CodePages.h"
#include "core/Messages.h"
#include "core/SegedUtils.h"
#include "core/StrUtils.h"
#include "core/TextFiles.h"

#include <QDir>
#include <QStringBuilder>

namespace velkaris {

namespace {

constexpr int EntriesBetweenPendingEvents = 500;

const QString CountryCodeColumn = QStringLiteral("CountryCode");
const QString CityNameColumn = QStringLiteral("CityName");
const QString LongitudeColumn = QStringLiteral("Longitude");
const QString LatitudeColumn = QStringLiteral("Latitude");
const QString TimeZoneCodeColumn = QStringLiteral("TimeZoneCode");

/// A value as the saved file can hold it: Windows-1250 text without the value separator
/// or a line break, which would shift the columns of the line.
QString SavedValue(const QString& value) {
    QString text = NarrowToWindows1250(value);
    for (QChar& c : text) {
        if (c == QLatin1Char(';'))
            c = QLatin1Char(',');
        else if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

TCityLoader::TCityLoader(const TProgramFolders& folders, int mode)
    : TBaseDataLoader(folders), m_Folders(folders), m_Mode(mode) {
    DefineColumns();
    Reload();
}

void TCityLoader::DefineColumns() {
    AddColumn(CountryCodeColumn, TFieldType::Text, CountryCodeColumn);
    AddColumn(CityNameColumn, TFieldType::Text, CityNameColumn);
    AddColumn(LongitudeColumn, TFieldType::Integer, LongitudeColumn);
    AddColumn(LatitudeColumn, TFieldType::Integer, LatitudeColumn);
    AddColumn(TimeZoneCodeColumn, TFieldType::Text, TimeZoneCodeColumn);
}

std::optional<QString> TCityLoader::Reload() {
    TDataTable& table = Table();
    table.DisableControls();
    // Emptied first: ordering the old rows would be wasted work.
    table.Clear();
    table.SetOrderColumn(CityNameColumn);
    m_CoordinateRule = true;
    const std::optional<QString> error =
        LoadKeepingError(FileForMode(QStringLiteral("table.city.dat"), m_Mode));
    RebuildLookupList();
    table.EnableControls();
    return error;
}

void TCityLoader::RebuildLookupList() {
    TDataTable& table = Table();
    const int name = table.ColumnIndex(CityNameColumn);
    const int code = table.ColumnIndex(CountryCodeColumn);
    m_Lookup.Clear();
    m_Lookup.Reserve(table.RowCount());
    for (int row = 0; row < table.RowCount(); ++row) {
        m_Lookup.Append(table.TextAt(row, name) % QLatin1String("; ") % table.TextAt(row, code) %
                        QLatin1Char('@') % QString::number(table.RecIdAt(row)));
        if ((row + 1) % EntriesBetweenPendingEvents == 0)
            HandlePendingEvents();
    }
    m_Lookup.BuildIndex();
    HandlePendingEvents();
    table.First();
}

int TCityLoader::FindCityRecId(const QString& text) const {
    const qsizetype entry = m_Lookup.FindFirst(NarrowToWindows1250(text));
    if (entry < 0)
        return -1;
    const QString& found = m_Lookup.Entries().at(entry);
    bool ok = false;
    const int recId = QStringView(found).mid(found.indexOf(QLatin1Char('@')) + 1).toInt(&ok);
    return ok ? recId : -1;
}

bool TCityLoader::LocatePlace(const QString& text) {
    const int recId = FindCityRecId(text);
    return recId >= 0 && Table().MoveToRecId(recId);
}

QString TCityLoader::SavedFileText() const {
    const TDataTable& table = Table();
    const int columns[] = {table.ColumnIndex(CountryCodeColumn), table.ColumnIndex(CityNameColumn),
                           table.ColumnIndex(LongitudeColumn), table.ColumnIndex(LatitudeColumn),
                           table.ColumnIndex(TimeZoneCodeColumn)};
    QString text = QLatin1String(SavedFileHeader) % QLatin1String("\r\n");
    for (int row = 0; row < table.RowCount(); ++row) {
        text += QLatin1Char(';');
        for (const int column : columns)
            text += SavedValue(table.TextAt(row, column)) % QLatin1Char(';');
        text += QLatin1String("\r\n");
        if ((row + 1) % EntriesBetweenPendingEvents == 0)
            HandlePendingEvents();
    }
    return text;
}

std::optional<QString> TCityLoader::SaveToExtendedFile() {
    TDataTable& table = Table();
    table.DisableControls();
    table.SetOrderColumn(CountryCodeColumn);
    m_CoordinateRule = false;
    const QString dataFolder = QDir(m_Folders.Home()).filePath(QStringLiteral("data"));
    const QString path = QDir(dataFolder).filePath(QLatin1String(ExtendedFileName));
    std::optional<QString> failure;
    const std::optional<QByteArray> bytes = EncodeCharset(SavedFileText(), "CP1250");
    if (!bytes)
        failure = QStringLiteral("Windows-1250");
    else if (!QDir().mkpath(dataFolder))
        failure = dataFolder;
    else
        failure = WriteFileAtomically(path, *bytes);
    if (failure) {
        table.SetOrderColumn(CityNameColumn);
        m_CoordinateRule = true;
        table.EnableControls();
        return GetMessageText(u"uCityLoader_WriteError")
            .replace(QLatin1String("#01#"), path)
            .replace(QLatin1String("#02#"), *failure);
    }
    table.EnableControls();
    return Reload();
}

QString TCityLoader::CoordinateDisplayText(const TFieldValue& value) {
    const QString text = FieldText(value);
    if (text.isEmpty())
        return {};
    const int degrees = CityCoordDegrees(text);
    const QString sign = degrees == 0 && text.trimmed().startsWith(QLatin1Char('-'))
                             ? QStringLiteral("-")
                             : QString();
    return sign % PadLeft(QLatin1Char('0'), QString::number(degrees), 2) % QStringLiteral("°") %
           PadLeft(QLatin1Char('0'), QString::number(CityCoordMinutes(text)), 2) %
           QLatin1Char('\'');
}

QString TCityLoader::DisplayText(int row, int column) const {
    const TDataTable& table = Table();
    const QString& name = column >= 0 && column < static_cast<int>(table.Columns().size())
                              ? table.Columns()[column].Name
                              : QString();
    if (m_CoordinateRule && (name == LongitudeColumn || name == LatitudeColumn))
        return CoordinateDisplayText(table.ValueAt(row, column));
    return table.TextAt(row, column);
}

} // namespace velkaris
