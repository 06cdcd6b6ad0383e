#include "SzuletesiKepletInfo.h"

#include "Messages.h"
#include "SegedUtils.h"
#include "UserNotifier.h"
#include "VelkarisError.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace velkaris {

namespace {

bool IsAssignedText(const QString& text) {
    return !text.trimmed().isEmpty();
}

bool IsAssignedList(const QStringList& list) {
    for (const QString& s : list) {
        if (!s.trimmed().isEmpty())
            return true;
    }
    return false;
}

bool IsAssignedNumber(qint64 value) {
    return value != TSzuletesiKepletInfo::NotSet;
}

} // namespace

void TSzuletesiKepletInfo::SetProgramFolder(const QString& programFolder, TUserNotifier* notifier) {
    m_ProgramFolder = programFolder;
    m_Notifier = notifier;
}

void TSzuletesiKepletInfo::MarkChange(bool differs, bool storedIsAssigned) {
    if (!m_Loading && differs && storedIsAssigned)
        m_Modified = true;
}

template <class T>
void TSzuletesiKepletInfo::Assign(T& field, const T& value, bool storedIsAssigned) {
    MarkChange(!(field == value), storedIsAssigned);
    field = value;
}

TDateTime TSzuletesiKepletInfo::LocalDateTime() const {
    if (m_Year + m_Month + m_Day == 0)
        throw EInvalidDateError(GetMessageText(u"fSzulKeplet_WrongDate"));
    return EncodeSignedDateTime(m_Year, m_Month, m_Day, m_Hour, m_Minute, m_Second);
}

TDateTime TSzuletesiKepletInfo::SignedLocalDateTime() const {
    const TDateTime t = LocalDateTime();
    if (!m_BirthDateIsBC)
        return t;
    const auto signedTime =
        TDateTime::FromParts(-t.Year(), t.Month(), t.Day(), t.Hour(), t.Minute(), t.Second());
    // 29 February exists in a year Y only when it exists in -Y, so this cannot fail.
    return signedTime ? *signedTime : t;
}

void TSzuletesiKepletInfo::AssignDateParts(const TDateTime& dateTime) {
    const bool storedIsAssigned = m_Year + m_Month + m_Day != 0;
    int year = dateTime.Year();
    if (year < 1) {
        // Year -Y stands for Y BC; there is no year 0 BC, the year before 1 AD is 1 BC.
        SetBirthDateIsBC(true);
        year = year == 0 ? 1 : -year;
    }
    const bool differs = m_Year != year || m_Month != dateTime.Month() || m_Day != dateTime.Day() ||
                         m_Hour != dateTime.Hour() || m_Minute != dateTime.Minute() ||
                         m_Second != dateTime.Second();
    MarkChange(differs, storedIsAssigned);
    m_Year = static_cast<quint16>(year);
    m_Month = static_cast<quint16>(dateTime.Month());
    m_Day = static_cast<quint16>(dateTime.Day());
    m_Hour = static_cast<quint16>(dateTime.Hour());
    m_Minute = static_cast<quint16>(dateTime.Minute());
    m_Second = static_cast<quint16>(dateTime.Second());
}

void TSzuletesiKepletInfo::SetLocalDateTime(const TDateTime& dateTime) {
    if (dateTime.IsZero())
        return;
    AssignDateParts(dateTime);
    if (m_OriginalDateTime.IsZero())
        m_OriginalDateTime = dateTime;
}

void TSzuletesiKepletInfo::SetDateParts(int year, int month, int day, int hour, int minute,
                                        int second) {
    SetLocalDateTime(EncodeSignedDateTime(year, month, day, hour, minute, second));
}

void TSzuletesiKepletInfo::SetDeathDateTime(int year, int month, int day, int hour, int minute,
                                            int second) {
    SetDeathDateTime(EncodeSignedDateTime(year, month, day, hour, minute, second));
}

void TSzuletesiKepletInfo::SetDeathDateTime(const TDateTime& dateTime) {
    m_DeathDateTime = dateTime;
    if (!m_Loading)
        m_Modified = true;
}

int TSzuletesiKepletInfo::Age(const TDateTime& today) const {
    const TDateTime birth = SignedLocalDateTime();
    return YearsBetween(m_IsDead && !m_DeathDateTime.IsZero() ? m_DeathDateTime : today, birth);
}

int TSzuletesiKepletInfo::Age() const {
    const QDate d = QDate::currentDate();
    return Age(*TDateTime::FromParts(d.year(), d.month(), d.day()));
}

void TSzuletesiKepletInfo::SetTimeIsUnknown(bool flag) {
    Assign(m_TimeIsUnknown, flag, true);
    if (flag) {
        m_Hour = 12;
        m_Minute = 0;
        m_Second = 0;
    }
}

void TSzuletesiKepletInfo::SetFileName(const QString& path) {
    Assign(m_FileName, path, IsAssignedText(m_FileName));
    if (m_ProgramFolder.isEmpty() || path.trimmed().isEmpty())
        return;
    const QString docs = QDir(m_ProgramFolder).filePath(QStringLiteral("hors/docs"));
    if (!QDir().mkpath(docs)) {
        const QString text = GetMessageText(u"uZentavoTypes_MegjNotSaved");
        if (m_Notifier)
            m_Notifier->ShowMessage(TMessageKind::Error, text);
        return;
    }
    // Charts written on Windows may carry "\" separators.
    QString normalised = path;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString notesName = QFileInfo(normalised).completeBaseName() + QStringLiteral(".mgj");
    m_NotesDocument.SetFileName(QDir(docs).filePath(notesName));
}

void TSzuletesiKepletInfo::SetBirthDateIsBC(bool value) {
    Assign(m_BirthDateIsBC, value, true);
}

void TSzuletesiKepletInfo::SetAttachments(const QStringList& value) {
    Assign(m_Attachments, value, true);
}

void TSzuletesiKepletInfo::SetGender(qint32 value) {
    Assign(m_Gender, value, m_Gender != 0);
}

void TSzuletesiKepletInfo::SetIsDayLightSavingTime(bool value) {
    Assign(m_IsDayLightSavingTime, value, true);
}

void TSzuletesiKepletInfo::SetIsOriginal(bool value) {
    Assign(m_IsOriginal, value, true);
}

void TSzuletesiKepletInfo::SetLocAltitude(qint32 value) {
    Assign(m_LocAltitude, value, m_LocAltitude != 0);
}

void TSzuletesiKepletInfo::SetLocCity(const QString& value) {
    const qsizetype cut = value.indexOf(QStringLiteral("; "));
    Assign(m_LocCity, cut < 0 ? value : value.left(cut), IsAssignedText(m_LocCity));
}

void TSzuletesiKepletInfo::SetLocCountry(const QString& value) {
    Assign(m_LocCountry, value, IsAssignedText(m_LocCountry));
}

void TSzuletesiKepletInfo::SetLocCountryID(const QString& value) {
    Assign(m_LocCountryID, value, IsAssignedText(m_LocCountryID));
}

void TSzuletesiKepletInfo::SetLocLatDegree(qint32 value) {
    Assign(m_LocLatDegree, value, IsAssignedNumber(m_LocLatDegree));
}

void TSzuletesiKepletInfo::SetLocLatMinute(qint32 value) {
    Assign(m_LocLatMinute, value, IsAssignedNumber(m_LocLatMinute));
}

void TSzuletesiKepletInfo::SetLocLatSecond(quint16 value) {
    Assign(m_LocLatSecond, value, IsAssignedNumber(m_LocLatSecond));
}

void TSzuletesiKepletInfo::SetLocLatSouth(bool value) {
    Assign(m_LocLatSouth, value, true);
}

void TSzuletesiKepletInfo::SetLocLongDegree(qint32 value) {
    Assign(m_LocLongDegree, value, IsAssignedNumber(m_LocLongDegree));
}

void TSzuletesiKepletInfo::SetLocLongMinute(qint32 value) {
    Assign(m_LocLongMinute, value, IsAssignedNumber(m_LocLongMinute));
}

void TSzuletesiKepletInfo::SetLocLongSecond(quint16 value) {
    Assign(m_LocLongSecond, value, IsAssignedNumber(m_LocLongSecond));
}

void TSzuletesiKepletInfo::SetLocLongWest(bool value) {
    Assign(m_LocLongWest, value, true);
}

void TSzuletesiKepletInfo::SetName(const QString& value) {
    Assign(m_Name, value, IsAssignedText(m_Name));
    if (m_OriginalName.isEmpty())
        m_OriginalName = value;
}

void TSzuletesiKepletInfo::SetNotes(const QStringList& value) {
    Assign(m_Notes, value, IsAssignedList(m_Notes));
}

void TSzuletesiKepletInfo::SetPictureFilename(const QString& value) {
    Assign(m_PictureFilename, value, true);
}

void TSzuletesiKepletInfo::SetTags(const QStringList& value) {
    Assign(m_Tags, value, IsAssignedList(m_Tags));
}

void TSzuletesiKepletInfo::SetTZCodeIsManual(bool value) {
    Assign(m_TZCodeIsManual, value, true);
}

void TSzuletesiKepletInfo::SetTZoneCode(const QString& value) {
    Assign(m_TZoneCode, value, IsAssignedText(m_TZoneCode));
}

void TSzuletesiKepletInfo::SetTZoneHour(qint32 value) {
    Assign(m_TZoneHour, value, IsAssignedNumber(m_TZoneHour));
}

void TSzuletesiKepletInfo::SetTZoneMinute(quint16 value) {
    Assign(m_TZoneMinute, value, IsAssignedNumber(m_TZoneMinute));
}

void TSzuletesiKepletInfo::SetIsDead(bool value) {
    Assign(m_IsDead, value, true);
}

double TSzuletesiKepletInfo::LatitudeDegrees() const {
    return DegMinToSignedDecimal(m_LocLatDegree, m_LocLatMinute, m_LocLatSouth);
}

double TSzuletesiKepletInfo::LongitudeDegrees() const {
    return DegMinToSignedDecimal(m_LocLongDegree, m_LocLongMinute, m_LocLongWest);
}

void TSzuletesiKepletInfo::CopyFrom(const TSzuletesiKepletInfo& source) {
    if (&source == this)
        return;
    m_ProgramFolder = source.m_ProgramFolder;
    m_Notifier = source.m_Notifier;
    if (!source.m_OriginalDateTime.IsZero())
        m_OriginalDateTime = source.m_OriginalDateTime;
    const auto sourceTime = TDateTime::FromParts(source.m_Year, source.m_Month, source.m_Day,
                                                 source.m_Hour, source.m_Minute, source.m_Second);
    if (sourceTime) {
        SetLocalDateTime(*sourceTime);
    } else {
        // A record whose parts form no date-time is copied as it stands.
        m_Year = source.m_Year;
        m_Month = source.m_Month;
        m_Day = source.m_Day;
        m_Hour = source.m_Hour;
        m_Minute = source.m_Minute;
        m_Second = source.m_Second;
    }
    SetBirthDateIsBC(source.m_BirthDateIsBC);
    SetAttachments(source.m_Attachments);
    SetGender(source.m_Gender);
    SetIsDayLightSavingTime(source.m_IsDayLightSavingTime);
    SetIsOriginal(source.m_IsOriginal);
    SetLocAltitude(source.m_LocAltitude);
    SetLocCity(source.m_LocCity);
    SetLocCountry(source.m_LocCountry);
    SetLocCountryID(source.m_LocCountryID);
    SetLocLatDegree(source.m_LocLatDegree);
    SetLocLatMinute(source.m_LocLatMinute);
    SetLocLatSecond(source.m_LocLatSecond);
    SetLocLatSouth(source.m_LocLatSouth);
    SetLocLongDegree(source.m_LocLongDegree);
    SetLocLongMinute(source.m_LocLongMinute);
    SetLocLongSecond(source.m_LocLongSecond);
    SetLocLongWest(source.m_LocLongWest);
    SetName(source.m_Name);
    SetOriginalName(source.m_OriginalName);
    SetNotes(source.m_Notes);
    SetTransitOriginDateTime(source.m_TransitOriginDateTime);
    SetPictureFilename(source.m_PictureFilename);
    SetTags(source.m_Tags);
    SetTZCodeIsManual(source.m_TZCodeIsManual);
    SetTZoneCode(source.m_TZoneCode);
    SetTZoneHour(source.m_TZoneHour);
    SetTZoneMinute(source.m_TZoneMinute);
    SetTZoneWest(source.m_TZoneWest);
    SetFileVersionId(source.m_FileVersionId);
    SetIsDead(source.m_IsDead);
    // The flag comes after the date so that an unknown time stays 12:00:00.
    SetTimeIsUnknown(source.m_TimeIsUnknown);
    SetFileName(source.m_FileName);
    if (source.m_IsDead)
        SetDeathDateTime(source.m_DeathDateTime);
}

} // namespace velkaris
