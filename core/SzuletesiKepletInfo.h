#pragma once

#include "DateTime.h"
#include "DateUtils.h"
#include "IniDocument.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace velkaris {

class TUserNotifier;

/// One person's birth data (or one moment's data) in local clock time, with the place,
/// the zone, the person's details, tags, notes, attachments and the notes document.
///
/// The setters set `Modified` when the value really changes, the stored value counts as
/// assigned and `Loading` is off. Fields that hold 999 are "not set".
class TSzuletesiKepletInfo {
public:
    static constexpr int NotSet = 999;

    TSzuletesiKepletInfo() = default;
    TSzuletesiKepletInfo(const TSzuletesiKepletInfo&) = delete;
    TSzuletesiKepletInfo& operator=(const TSzuletesiKepletInfo&) = delete;

    /// Where the notes files of charts go: `<programFolder>/hors/docs/`. `notifier` is
    /// told when that folder cannot be made; it may be null. Copies inherit both.
    void SetProgramFolder(const QString& programFolder, TUserNotifier* notifier);
    const QString& ProgramFolder() const { return m_ProgramFolder; }

    bool BirthDateIsBC() const { return m_BirthDateIsBC; }
    const QStringList& Attachments() const { return m_Attachments; }
    bool Modified() const { return m_Modified; }
    quint16 Day() const { return m_Day; }
    const QString& FileName() const { return m_FileName; }
    qint32 Gender() const { return m_Gender; }
    quint16 Hour() const { return m_Hour; }
    bool IsDayLightSavingTime() const { return m_IsDayLightSavingTime; }
    bool IsOriginal() const { return m_IsOriginal; }
    qint32 LocAltitude() const { return m_LocAltitude; }
    const QString& LocCity() const { return m_LocCity; }
    const QString& LocCountry() const { return m_LocCountry; }
    const QString& LocCountryID() const { return m_LocCountryID; }
    qint32 LocLatDegree() const { return m_LocLatDegree; }
    qint32 LocLatMinute() const { return m_LocLatMinute; }
    quint16 LocLatSecond() const { return m_LocLatSecond; }
    bool LocLatSouth() const { return m_LocLatSouth; }
    qint32 LocLongDegree() const { return m_LocLongDegree; }
    qint32 LocLongMinute() const { return m_LocLongMinute; }
    quint16 LocLongSecond() const { return m_LocLongSecond; }
    bool LocLongWest() const { return m_LocLongWest; }
    const TIniDocument& NotesDocument() const { return m_NotesDocument; }
    TIniDocument& NotesDocument() { return m_NotesDocument; }
    quint16 Minute() const { return m_Minute; }
    quint16 Month() const { return m_Month; }
    const QString& Name() const { return m_Name; }
    const QStringList& Notes() const { return m_Notes; }
    const TDateTime& OriginalDateTime() const { return m_OriginalDateTime; }
    const QString& OriginalName() const { return m_OriginalName; }
    const TDateTime& TransitOriginDateTime() const { return m_TransitOriginDateTime; }
    const QString& PictureFilename() const { return m_PictureFilename; }
    quint16 Second() const { return m_Second; }
    const QStringList& Tags() const { return m_Tags; }
    bool TZCodeIsManual() const { return m_TZCodeIsManual; }
    const QString& TZoneCode() const { return m_TZoneCode; }
    qint32 TZoneHour() const { return m_TZoneHour; }
    quint16 TZoneMinute() const { return m_TZoneMinute; }
    bool TZoneWest() const { return m_TZoneWest; }
    quint16 Year() const { return m_Year; }
    const TDateTime& DeathDateTime() const { return m_DeathDateTime; }
    const QString& FileVersionId() const { return m_FileVersionId; }
    bool IsDead() const { return m_IsDead; }
    bool TimeIsUnknown() const { return m_TimeIsUnknown; }
    bool Loading() const { return m_Loading; }

    /// The local date-time of the birth from `Year` ... `Second` (the year as stored,
    /// positive also for BC dates). Throws EInvalidDateError when the record has no date
    /// or the parts do not form a date-time.
    TDateTime LocalDateTime() const;
    /// The same moment with the BC year as a negative year, ready for calendar
    /// arithmetic and for the ephemeris library.
    TDateTime SignedLocalDateTime() const;

    /// Splits `dateTime` into `Year` ... `Second`; the first date-time ever assigned is
    /// also kept as `OriginalDateTime`. A negative year sets `BirthDateIsBC`.
    void SetLocalDateTime(const TDateTime& dateTime);
    void SetDateParts(int year, int month, int day, int hour, int minute, int second);
    void SetDeathDateTime(int year, int month, int day, int hour, int minute, int second);
    void SetDeathDateTime(const TDateTime& dateTime);

    /// Whole years from birth to death, or to `today` while the person lives.
    int Age(const TDateTime& today) const;
    /// `Age` against today's date.
    int Age() const;

    /// Stores the flag; an unknown time is held as 12:00:00.
    void SetTimeIsUnknown(bool flag);
    /// Stores the path and binds the notes document to `hors/docs/<name>.mgj`, creating
    /// the folder when missing. Nothing is read or written.
    void SetFileName(const QString& path);

    void SetModified(bool modified) { m_Modified = modified; }
    void SetLoading(bool loading) { m_Loading = loading; }

    void SetBirthDateIsBC(bool value);
    void SetAttachments(const QStringList& value);
    void SetGender(qint32 value);
    void SetIsDayLightSavingTime(bool value);
    void SetIsOriginal(bool value);
    void SetLocAltitude(qint32 value);
    /// Keeps only the part before the first "; " (the country code the place list adds).
    void SetLocCity(const QString& value);
    void SetLocCountry(const QString& value);
    void SetLocCountryID(const QString& value);
    void SetLocLatDegree(qint32 value);
    void SetLocLatMinute(qint32 value);
    void SetLocLatSecond(quint16 value);
    void SetLocLatSouth(bool value);
    void SetLocLongDegree(qint32 value);
    void SetLocLongMinute(qint32 value);
    void SetLocLongSecond(quint16 value);
    void SetLocLongWest(bool value);
    /// Also fills `OriginalName` while that is empty.
    void SetName(const QString& value);
    void SetNotes(const QStringList& value);
    void SetOriginalName(const QString& value) { m_OriginalName = value; }
    void SetOriginalDateTime(const TDateTime& value) { m_OriginalDateTime = value; }
    void SetTransitOriginDateTime(const TDateTime& value) { m_TransitOriginDateTime = value; }
    void SetPictureFilename(const QString& value);
    void SetTags(const QStringList& value);
    void SetTZCodeIsManual(bool value);
    void SetTZoneCode(const QString& value);
    void SetTZoneHour(qint32 value);
    void SetTZoneMinute(quint16 value);
    void SetTZoneWest(bool value) { m_TZoneWest = value; }
    void SetFileVersionId(const QString& value) { m_FileVersionId = value; }
    void SetIsDead(bool value);

    /// Signed latitude in degrees, north positive (seconds are not used).
    double LatitudeDegrees() const;
    /// Signed longitude in degrees, east positive (seconds are not used).
    double LongitudeDegrees() const;

    /// Copies `source` into this record: the date-time and every field through its
    /// setter (the usual `Modified` rules apply here), the lists by content, the file
    /// name through `SetFileName` (the notes file is shared, its content is not copied),
    /// the death date-time only when the person died.
    void CopyFrom(const TSzuletesiKepletInfo& source);

private:
    void MarkChange(bool differs, bool storedIsAssigned);
    template <class T>
    void Assign(T& field, const T& value, bool storedIsAssigned);
    void AssignDateParts(const TDateTime& dateTime);

    bool m_BirthDateIsBC = false;
    QStringList m_Attachments;
    bool m_Modified = false;
    quint16 m_Day = 0;
    QString m_FileName;
    qint32 m_Gender = 2;
    quint16 m_Hour = 0;
    bool m_IsDayLightSavingTime = false;
    bool m_IsOriginal = false;
    qint32 m_LocAltitude = 0;
    QString m_LocCity;
    QString m_LocCountry;
    QString m_LocCountryID;
    qint32 m_LocLatDegree = NotSet;
    qint32 m_LocLatMinute = NotSet;
    quint16 m_LocLatSecond = NotSet;
    bool m_LocLatSouth = false;
    qint32 m_LocLongDegree = NotSet;
    qint32 m_LocLongMinute = NotSet;
    quint16 m_LocLongSecond = NotSet;
    bool m_LocLongWest = false;
    TIniDocument m_NotesDocument;
    quint16 m_Minute = 0;
    quint16 m_Month = 0;
    QString m_Name;
    QStringList m_Notes;
    TDateTime m_OriginalDateTime;
    QString m_OriginalName;
    TDateTime m_TransitOriginDateTime;
    QString m_PictureFilename;
    quint16 m_Second = 0;
    QStringList m_Tags;
    bool m_TZCodeIsManual = false;
    QString m_TZoneCode;
    qint32 m_TZoneHour = NotSet;
    quint16 m_TZoneMinute = NotSet;
    bool m_TZoneWest = false;
    quint16 m_Year = 0;
    TDateTime m_DeathDateTime;
    QString m_FileVersionId;
    bool m_IsDead = false;
    bool m_TimeIsUnknown = false;
    bool m_Loading = false;

    QString m_ProgramFolder;
    TUserNotifier* m_Notifier = nullptr;
};

} // namespace velkaris
