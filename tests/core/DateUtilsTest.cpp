#include "core/DateUtils.h"

#include "common/TestSupport.h"
#include "core/Messages.h"
#include "core/VelkarisError.h"

#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {} // namespace

TEST(DateUtils, EncodeSignedDateTimeKeepsSignedYears) {
    const TDateTime t = EncodeSignedDateTime(-44, 3, 15, 10, 20, 30);
    EXPECT_EQ(t.ToIsoString(), QStringLiteral("-0044-03-15T10:20:30"));
    EXPECT_EQ(EncodeSignedDateTime(2024, 2, 29, 23, 59, 59), At(2024, 2, 29, 23, 59, 59));
}

TEST(DateUtils, EncodeSignedDateTimeRejectsInvalidParts) {
    const QString expected = GetMessageText(u"fSzulKeplet_WrongDate");
    ASSERT_FALSE(expected.isEmpty());
    struct {
        int y, mo, d, h, mi, s;
    } cases[] = {{2023, 2, 29, 0, 0, 0}, {2000, 13, 1, 0, 0, 0}, {2000, 0, 1, 0, 0, 0},
                 {2000, 1, 0, 0, 0, 0},  {2000, 4, 31, 0, 0, 0}, {2000, 1, 1, 24, 0, 0},
                 {2000, 1, 1, 0, 60, 0}, {2000, 1, 1, 0, 0, 60}, {2000, 1, 1, -1, 0, 0},
                 {1900, 2, 29, 12, 0, 0}};
    for (const auto& c : cases) {
        try {
            EncodeSignedDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s);
            ADD_FAILURE() << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":"
                          << c.s << " was accepted";
        } catch (const EInvalidDateError& e) {
            EXPECT_EQ(e.UserText(), expected);
        }
    }
}

TEST(DateUtils, YearsBetweenCountsCompletedYears) {
    struct {
        TDateTime later, earlier;
        int years;
    } cases[] = {
        {At(2020, 5, 17, 23), At(2020, 5, 17, 1), 0},
        {At(2020, 5, 16), At(1990, 5, 17), 29},
        {At(2020, 5, 17), At(1990, 5, 17, 12), 30},
        {At(2020, 4, 30), At(1990, 5, 17), 29},
        {At(2001, 2, 28), At(2000, 2, 29), 0},
        {At(2001, 3, 1), At(2000, 2, 29), 1},
        {At(1, 1, 1), At(-1, 1, 1), 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(YearsBetween(c.later, c.earlier), c.years) << c.later.ToIsoString().toStdString();
}

TEST(DateUtils, AgeTextReadsDaysAsYears) {
    const TDateTime birth = At(1990, 3, 10, 12);
    const auto after = [&](int days, int hours, int minutes = 0, int seconds = 0) {
        return birth.AddSeconds(((days * 24LL + hours) * 60 + minutes) * 60 + seconds);
    };
    struct {
        bool adjective;
        TDateTime later;
        const char* text;
    } cases[] = {
        // Whole days: 27 days are 27 years, the noun form led by the calendar month
        // reached after 27 * 12 months.
        {false, after(27, 0), "2017. év 3 hó # 27év"},
        {true, after(27, 0), "27éves"},
        {false, after(27, 12), "2017. év 9 hó # 27év 6 hó"},
        {true, after(27, 12), "27év 6 hónapos"},
        // 0.98 of a day rounds to 12 months: one more whole year.
        {false, after(27, 23, 31, 12), "2018. év 3 hó # 28év"},
        {true, after(27, 23, 31, 12), "28éves"},
        // Months round half to even: 1.5 -> 2, 4.5 -> 4; the prefix month as well.
        {true, after(27, 3), "27év 2 hónapos"},
        {true, after(27, 9), "27év 4 hónapos"},
        {false, after(27, 9), "2017. év 7 hó # 27év 4 hó"},
        // A fraction that rounds to no month still reads with its 0 months.
        {true, after(27, 0, 10), "27év 0 hónapos"},
        {false, birth, "1990. év 3 hó # 0év"},
        {false, after(0, 2), "1990. év 4 hó # 0év 1 hó"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AgeText(c.adjective, c.later, birth), QString::fromUtf8(c.text))
            << c.later.ToIsoString().toStdString();
}

TEST(DateUtils, AgeTextIsIndependentOfTheOrderAndOfTheEra) {
    const TDateTime birth = At(1990, 3, 10, 12);
    const TDateTime later = birth.AddDays(27);
    EXPECT_EQ(AgeText(false, birth, later), AgeText(false, later, birth));
    EXPECT_EQ(AgeText(true, birth, later), QStringLiteral("27éves"));
    const TDateTime bc = At(-5, 11, 2);
    EXPECT_EQ(AgeText(false, bc.AddDays(10), bc), QStringLiteral("5. év 11 hó # 10év"));
    EXPECT_EQ(AgeText(false, bc.AddDays(4), bc), QStringLiteral("-1. év 11 hó # 4év"));
}
