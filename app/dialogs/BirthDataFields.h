#pragma once

#include "core/DateTime.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace velkaris {

class TSzuletesiKepletInfo;

/// The rules of the birth data dialog's fields, apart from the widgets.

/// The texts of a dialog's date and time fields.
struct TDateFieldTexts {
    QString Year, Month, Day, Hour, Minute, Second;
};

/// True when `text` holds nothing but "+", "-" and the digits 0-9 (a blank text too): the
/// rule every number field is checked by when the user leaves it.
bool HoldsOnlyNumberCharacters(const QString& text);

/// The integer in a field (blanks around it allowed); `fallback` when it holds none.
int FieldInteger(const QString& text, int fallback);

/// The date-time of the fields, a blank or non-numeric field counting as year 1900,
/// month 1, day 1, hour 0, minute 0 or second 0; nullopt when they form no date-time.
std::optional<TDateTime> DateTimeOfFields(const TDateFieldTexts& fields);

/// `DateTimeOfFields`, but a day that its month lacks is corrected first: to "28" in
/// February and to "30" in any other month (30 February 1980 reads as the 28th, 31 April
/// as the 30th). The corrected day is written back into `fields`.
std::optional<TDateTime> ReadDateFieldsCorrectingDay(TDateFieldTexts& fields);

/// Julian day (local clock, Gregorian calendar) of the fields as they stand, with the
/// defaults of `DateTimeOfFields`; the year is negated for a date Before Christ.
double JulianDayOfFields(const TDateFieldTexts& fields, bool beforeChrist);

/// The signed decimal longitude of a degrees and a minutes field (negative for west);
/// nullopt when either does not hold an integer.
std::optional<double> LongitudeOfFields(const QString& degrees, const QString& minutes, bool west);

/// The texts of the zone hours and minutes fields.
struct TZoneFieldTexts {
    QString Hours, Minutes;
    friend bool operator==(const TZoneFieldTexts&, const TZoneFieldTexts&) = default;
};

/// An offset in hours as the zone fields show it: whole hours with their sign and the
/// minutes rounded, 60 minutes carried into the hours. The minutes carry no sign; a zone
/// west of UT by less than an hour shows its sign as "-0" (-3.5 gives "-3" "30", -0.5
/// gives "-0" "30").
TZoneFieldTexts ZoneFieldsOfOffset(double hours);
/// The zone fields of a record's stored offset; blank for an offset that is not set.
TZoneFieldTexts ZoneFieldsOfRecord(const TSzuletesiKepletInfo& record);
/// The offset in hours of the zone fields, the sign of the hours field applying to the
/// minutes; a non-number counts as 0.
double OffsetOfZoneFields(const TZoneFieldTexts& fields);

/// The zone code of a zone label or a zone menu caption ("CET - közép-európai idő",
/// "-03 - UTC - 3 zónaidő [UTC - 3]"): the text before the first " - ", trimmed, without
/// "&". A text without " - " gives its part before the first "-" after the first
/// character.
QString ZoneCodeOfCaption(const QString& caption);
/// The zone name of a caption: the text after the first " - ", up to the first "[",
/// trimmed, without "&".
QString ZoneNameOfCaption(const QString& caption);
/// The offset of a zone menu caption, from its last "[UTC" on: "UTC", "[", "]", blanks
/// and "&" removed, an empty rest is 0, a rest without ":" a whole number of hours, and
/// otherwise the leading sign applies to hours + minutes / 60.
double ZoneOffsetOfCaption(const QString& caption);
/// The caption of a zone menu item: code, " - ", name, then " [" abbreviations "]" when
/// there are any, then " [" UTC delta "]".
QString ZoneMenuCaption(const QString& code, const QString& name, const QString& abbreviations,
                        const QString& utcDelta);

/// The tags of a text: its parts between "," and ";", trimmed; empty parts are dropped.
QStringList SplitTags(const QString& text);

/// Whether the zone data of country `code` is trusted without asking the user to check it
/// again: Austria, Czechoslovakia, Hungary, Romania, Ukraine and Yugoslavia, in the codes
/// of old chart files and in those of the country table.
bool IsTrustedZoneCountry(const QString& code);

} // namespace velkaris
