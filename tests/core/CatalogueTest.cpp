#include "core/Messages.h"
#include "core/PlanetConstInfoProvider.h"
#include "core/ZentavoConsts.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace velkaris;

namespace {

class TFakeStars : public TFixedStarLookup {
public:
    std::optional<TFixedStarName> FindStar(int id) const override {
        if (id == 10000001)
            return TFixedStarName{QStringLiteral("Aldebaran"), QStringLiteral("alTau")};
        if (id == 10000002)
            return TFixedStarName{QStringLiteral("Alcyone Pleiades"),
                                  QStringLiteral("Alcyone,etTau")};
        return std::nullopt;
    }
};

class TFakeLibraryNames : public TLibraryPlanetNames {
public:
    QString LibraryPlanetName(int number) const override {
        return QStringLiteral("library %1").arg(number);
    }
};

} // namespace

TEST(Catalogue, EveryConstantOfTheTablesHasItsText) {
    std::vector<QString> names;
    for (const TBodyConstInfo& b : BodyTable()) {
        if (b.NameConst)
            names.push_back(QString::fromUtf16(b.NameConst));
    }
    for (int i = 0; i < SignCount; ++i) {
        names.push_back(QString::fromUtf16(ZodiacSign(i).NameConst));
        names.push_back(QString::fromUtf16(ZodiacSign(i).RulerNameConst));
    }
    for (int id = 1; id <= AspectCount; ++id) {
        names.push_back(QString::fromUtf16(AspectInfo(id).NameConst));
        names.push_back(QString::fromUtf16(AspectInfo(id).OtherNameConst));
    }
    for (int h = 1; h <= HouseCount; ++h) {
        names.push_back(MessageFamilyName(u"houseNumberPref", h));
        names.push_back(MessageFamilyName(u"houseNameEnding", h));
    }
    for (const QString& name : names)
        EXPECT_FALSE(GetMessageText(name).isEmpty()) << name.toStdString();
    EXPECT_EQ(GetMessageText(u"PLANETNAME01"), QStringLiteral("Nap"));
}

TEST(Catalogue, NamesAndTextsOfTheFamilies) {
    EXPECT_EQ(ZodiacSign(5).Name(), QStringLiteral("Szűz"));
    EXPECT_EQ(ZodiacSign(7).RulerName(), QStringLiteral("Plútó"));
    EXPECT_EQ(AspectInfo(9).Name(), QStringLiteral("Öt-tizenkettedfény"));
    EXPECT_EQ(AspectInfo(12).OtherName(), QStringLiteral("Bikvintil"));
    EXPECT_EQ(HouseOrdinal(11), QStringLiteral("Tizenegyedik"));
    EXPECT_EQ(HouseName(12), QStringLiteral("Tizenkettedik Ház"));
    EXPECT_EQ(WeekDayName(1), QStringLiteral("Hétfő"));
    EXPECT_EQ(WeekDayName(7), QStringLiteral("Vasárnap"));
    const QStringList labels{"I", "2", "3", "IV", "5", "6", "VII", "8", "9", "X", "11", "12"};
    for (int h = 1; h <= 12; ++h) {
        EXPECT_EQ(HouseWheelLabel(h), labels[h - 1]);
        EXPECT_EQ(HouseName(h), HouseOrdinal(h) + QStringLiteral(" Ház"));
    }
}

TEST(Catalogue, SignsRulersAndTheQualityElementGrid) {
    const int rulers[12] = {4, 3, 2, 1, 0, 2, 3, 9, 5, 6, 7, 8};
    std::set<int> inGrid;
    for (const auto& row : SignGrid)
        for (int sign : row)
            inGrid.insert(sign);
    EXPECT_EQ(inGrid.size(), 12u);
    for (int i = 0; i < SignCount; ++i) {
        EXPECT_EQ(ZodiacSign(i).Index, i);
        EXPECT_EQ(ZodiacSign(i).RulerId, rulers[i]);
        // The ruler's symbol is the ruler body's own symbol.
        EXPECT_EQ(QString(QChar(ZodiacSign(i).RulerSymbol)),
                  TPlanetConstInfoProvider().SymbolText(rulers[i]));
        EXPECT_EQ(ZodiacSign(i).RulerName(), TPlanetConstInfoProvider().DisplayName(rulers[i]));
    }
    // Cardinal fire is Aries, mutable water Pisces, fixed air Aquarius.
    EXPECT_EQ(SignGrid[0][0], 0);
    EXPECT_EQ(SignGrid[2][3], 11);
    EXPECT_EQ(SignGrid[1][2], 10);
}

TEST(Catalogue, AspectAnglesAndOrbs) {
    const double angles[12] = {0, 180, 90, 45, 135, 120, 60, 30, 150, 72, 36, 144};
    const double orbs[12] = {15, 7.5, 4, 2, 2, 5, 2.5, 1, 1, 3, 2.5, 3};
    for (int id = 1; id <= AspectCount; ++id) {
        EXPECT_EQ(AspectInfo(id).Id, id);
        EXPECT_DOUBLE_EQ(AspectInfo(id).ExactAngle, angles[id - 1]);
        EXPECT_DOUBLE_EQ(AspectInfo(id).DefaultOrb, orbs[id - 1]);
    }
}

TEST(PlanetConstInfoProvider, SymbolsAndNames) {
    const TFakeStars stars;
    const TFakeLibraryNames library;
    const TPlanetConstInfoProvider p(&stars, &library);
    struct {
        int id;
        QString symbol;
        QString name;
    } cases[] = {
        {0, "a", "Nap"},
        {9, ";", "Plútó"},
        {12, QString(QChar(0x2021)), "Lilith"},
        {13, "Pri", "Priapus"},
        {22, ":", "library 22"},
        {24, "Q", "Lesz.holdcs.(közepes)"},
        {25, "Q", "Lesz.holdcs.(valódi)"},
        {146199, "Eris", "Eris"},
        {1009032, "Csur", "67P/Csurjumov–Geraszimenko üstökös"},
        {14055, "NMag-f", "Nagy Magellán-felhő"},
        {-1, "S", "Ascendens"},
        {-2, "D", "Medium Coeli"},
        {-3, "", "library -3"},
        {-4, "Vtx", "Vertex"},
        {-6, "", "library -6"},
        {-7, "Cas", "Koascendens (M. Munkasey)"},
        {-10, "T", "Imum Coeli"},
        {10000001, "Aldebaran", "Aldebaran ,alTau"},
        {10000002, "Alcyone Pl", "Alcyone PleiadesAlcyone,etTau"},
        {10000099, "", ""},
        {500, "", "library 500"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(p.SymbolText(c.id), c.symbol) << c.id;
        EXPECT_EQ(p.DisplayName(c.id), c.name) << c.id;
    }
}

TEST(PlanetConstInfoProvider, WorksWithoutStarTableOrLibrary) {
    const TPlanetConstInfoProvider p;
    EXPECT_EQ(p.DisplayName(10000001), QString());
    EXPECT_EQ(p.DisplayName(-3), QString());
    EXPECT_EQ(p.DisplayName(1), QStringLiteral("Hold"));
}
