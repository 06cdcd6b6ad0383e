#include "app/dialogs/BirthDataFields.h"

#include "core/SzuletesiKepletInfo.h"

#include <gtest/gtest.h>

using namespace velkaris;

TEST(BirthDataFields, ADayPastTheEndOfItsMonthIsCorrected) {
    struct TCase {
        TDateFieldTexts Fields;
        QString Day;
        QString Expected;
    };
    const TCase cases[] = {
        {{"1980", "2", "30", "", "", ""}, "28", "1980-02-28T00:00:00"},
        {{"1980", "4", "31", "10", "5", ""}, "30", "1980-04-30T10:05:00"},
        {{"1981", "2", "29", "", "", ""}, "28", "1981-02-28T00:00:00"},
        {{"1980", "2", "29", "", "", ""}, "29", "1980-02-29T00:00:00"},
        // Blank fields take their defaults.
        {{"", "", "", "", "", ""}, "", "1900-01-01T00:00:00"},
        // Nothing to correct in a wrong month or time: the confirmation reports them.
        {{"1980", "13", "31", "", "", ""}, "31", ""},
        {{"1980", "5", "1", "25", "", ""}, "1", ""},
    };
    for (const TCase& c : cases) {
        TDateFieldTexts fields = c.Fields;
        const auto dateTime = ReadDateFieldsCorrectingDay(fields);
        EXPECT_EQ(fields.Day, c.Day) << c.Fields.Month.toStdString();
        EXPECT_EQ(dateTime ? dateTime->ToIsoString() : QString(), c.Expected);
    }
}

TEST(BirthDataFields, NumberFieldsAndLongitudes) {
    EXPECT_TRUE(HoldsOnlyNumberCharacters(QStringLiteral("-03")));
    EXPECT_TRUE(HoldsOnlyNumberCharacters(QString()));
    EXPECT_FALSE(HoldsOnlyNumberCharacters(QStringLiteral("a")));
    EXPECT_FALSE(HoldsOnlyNumberCharacters(QStringLiteral("1 2")));
    EXPECT_FALSE(HoldsOnlyNumberCharacters(QStringLiteral("1,5")));
    EXPECT_EQ(FieldInteger(QStringLiteral(" 12 "), 0), 12);
    EXPECT_EQ(FieldInteger(QStringLiteral("x"), 7), 7);
    EXPECT_DOUBLE_EQ(*LongitudeOfFields("19", "30", false), 19.5);
    EXPECT_DOUBLE_EQ(*LongitudeOfFields("0", "30", true), -0.5);
    EXPECT_FALSE(LongitudeOfFields("", "30", false));
    EXPECT_FALSE(LongitudeOfFields("19", "x", false));
}

TEST(BirthDataFields, ZoneFieldsKeepTheSignOfZonesWestOfUt) {
    struct TCase {
        double Hours;
        TZoneFieldTexts Fields;
    };
    const TCase cases[] = {
        {1, {"1", "0"}}, {5.75, {"5", "45"}}, {-3.5, {"-3", "30"}},    {-0.5, {"-0", "30"}},
        {0, {"0", "0"}}, {1.999, {"2", "0"}}, {-9.9999, {"-10", "0"}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ZoneFieldsOfOffset(c.Hours), c.Fields) << c.Hours;
        EXPECT_NEAR(OffsetOfZoneFields(c.Fields), c.Hours, 1.0 / 120) << c.Hours;
    }
    TSzuletesiKepletInfo record;
    EXPECT_EQ(ZoneFieldsOfRecord(record), TZoneFieldTexts());
    record.SetTZoneHour(0);
    record.SetTZoneMinute(30);
    record.SetTZoneWest(true);
    EXPECT_EQ(ZoneFieldsOfRecord(record), (TZoneFieldTexts{"-0", "30"}));
}

TEST(BirthDataFields, ZoneCaptionsGiveCodeNameAndOffset) {
    struct TCase {
        QString Caption, Code, Name;
        double Offset;
    };
    const TCase cases[] = {
        {"X - Y [ABC] [UTC + 1:30]", "X", "Y", 1.5},
        {"X - Y [UTC - 3:30]", "X", "Y", -3.5},
        {"CET - közép-európai téli idő [CET,MEZ] [UTC + 1]", "CET", "közép-európai téli idő", 1},
        // Codes of zones west of UT begin with their sign.
        {"-03 - UTC - 3 zónaidő [UTC - 3]", "-03", "UTC - 3 zónaidő", -3},
        {"UTC - koordinált világidő [UTC] [UTC]", "UTC", "koordinált világidő", 0},
        {"L&MT - Helyi középidő", "LMT", "Helyi középidő", 0},
        {"CEST - ", "CEST", "", 0},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ZoneCodeOfCaption(c.Caption), c.Code) << c.Caption.toStdString();
        EXPECT_EQ(ZoneNameOfCaption(c.Caption), c.Name) << c.Caption.toStdString();
        EXPECT_DOUBLE_EQ(ZoneOffsetOfCaption(c.Caption), c.Offset) << c.Caption.toStdString();
    }
    EXPECT_EQ(ZoneMenuCaption("CET", "közép-európai téli idő", "CET", "UTC + 1"),
              QStringLiteral("CET - közép-európai téli idő [CET] [UTC + 1]"));
    EXPECT_EQ(ZoneMenuCaption("-03", "UTC - 3 zónaidő", "", "UTC - 3"),
              QStringLiteral("-03 - UTC - 3 zónaidő [UTC - 3]"));
}

TEST(BirthDataFields, TagsAndTrustedCountries) {
    EXPECT_EQ(SplitTags(QStringLiteral(" család , barát;; ügyfél ;")),
              (QStringList{"család", "barát", "ügyfél"}));
    EXPECT_TRUE(SplitTags(QStringLiteral(" ,; ")).isEmpty());
    for (const char* code : {"H", "A", "YU", "UKR", "AT", "RO", "UA-Uzhgorod", "SK"})
        EXPECT_TRUE(IsTrustedZoneCountry(QLatin1String(code))) << code;
    for (const char* code : {"D", "DE", "", "US-Chicago", "UAX"})
        EXPECT_FALSE(IsTrustedZoneCountry(QLatin1String(code))) << code;
}
