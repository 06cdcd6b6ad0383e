#include "data/CityLoader.h"

#include "CityFixture.h"
#include "core/Messages.h"
#include "data/CityText.h"
#include "data/DataSetInfoProvider.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

using namespace velkaris;
using namespace velkaris::test;

namespace {

// A small city table, out of name order, with the cases the lookups must tell apart.
const QStringList SmallRows{
    CityHeader,
    QStringLiteral(";H;Budapest;1902;4730;Europe/Budapest;"),
    QStringLiteral(";US-New_York;Budapest;-7500;4000;America/New_York;"),
    QStringLiteral(";H;budafok;1903;4726;Europe/Budapest;"),
    QStringLiteral(";H;Budakeszi;1856;4731;Europe/Budapest;"),
    QStringLiteral(";H;Pesterzsébet;1906;4726;Europe/Budapest;"),
    QStringLiteral(";H;Pest;1904;4729;Europe/Budapest;"),
    QStringLiteral(";H;Őriszentpéter;1626;4651;Europe/Budapest;"),
    QStringLiteral(";H;Érd;1855;4723;Europe/Budapest;"),
    QStringLiteral(";RO;Timişoara;2113;4545;Europe/Bucharest;"),
    QStringLiteral(";GB;Greenwich;-0;5129;Europe/London;"),
    QStringLiteral(";AR;Buenos Aires;-5822;-3436;America/Argentina/Buenos_Aires;"),
};

class CityTable : public ::testing::Test {
protected:
    QTemporaryDir Shipped;
    QTemporaryDir Home;

    void SetUp() override { WriteTableFile(Shipped.path(), "table.city.dat.small", SmallRows); }
    TProgramFolders Folders() const { return FoldersOf(Shipped.path(), Home.path()); }
    static QString CityOf(const TCityLoader& cities, int recId) {
        const TDataTable& t = cities.Table();
        for (int row = 0; row < t.RowCount(); ++row) {
            if (t.RecIdAt(row) == recId)
                return t.TextAt(row, t.ColumnIndex(u"CityName")) + QStringLiteral("; ") +
                       t.TextAt(row, t.ColumnIndex(u"CountryCode"));
        }
        return {};
    }
};

} // namespace

TEST_F(CityTable, EachModeReadsItsFileOrTheCommonOne) {
    const struct {
        QStringList Files;
        int Mode;
        const char* Read;
    } cases[] = {
        {{"table.city.dat.small", "table.city.dat"}, 0, "table.city.dat.small"},
        {{"table.city.dat"}, 0, "table.city.dat"},
        {{"table.city.dat.long", "table.city.dat.small", "table.city.dat"},
         1,
         "table.city.dat.long"},
        {{"table.city.dat.small", "table.city.dat"}, 1, "table.city.dat"},
        {{"table.city.dat.long", "table.city.dat.small", "table.city.dat"}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Mode);
        QTemporaryDir shipped;
        for (const QString& file : c.Files)
            WriteTableFile(
                shipped.path(), file,
                {CityHeader, QStringLiteral(";H;%1;1902;4730;Europe/Budapest;").arg(file)});
        const TCityLoader cities(FoldersOf(shipped.path(), Home.path()), c.Mode);
        EXPECT_EQ(cities.GetCityDatabaseMode(), c.Mode);
        if (*c.Read == 0) {
            EXPECT_TRUE(cities.Table().IsEmpty());
            EXPECT_EQ(cities.FindCityRecId(QString()), -1);
            continue;
        }
        ASSERT_EQ(cities.Table().RowCount(), 1);
        EXPECT_EQ(QFileInfo(cities.FileName()).fileName(), QLatin1String(c.Read));
        EXPECT_EQ(cities.Table().Text(u"CityName"), QLatin1String(c.Read));
    }
}

TEST_F(CityTable, RowsInNameOrderWithTheirLookupEntries) {
    const TCityLoader cities(Folders(), 0);
    ASSERT_FALSE(cities.LoadError()) << cities.LoadError()->toStdString();
    const TDataTable& table = cities.Table();
    ASSERT_EQ(table.RowCount(), SmallRows.size() - 1);
    const QStringList& entries = cities.LookupList().Entries();
    ASSERT_EQ(entries.size(), table.RowCount());
    QSet<int> recIds;
    for (int row = 0; row < table.RowCount(); ++row) {
        const QString name = table.TextAt(row, table.ColumnIndex(u"CityName"));
        if (row > 0) {
            EXPECT_LE(QString::compare(table.TextAt(row - 1, table.ColumnIndex(u"CityName")), name,
                                       Qt::CaseInsensitive),
                      0);
        }
        EXPECT_EQ(entries[row], name + QStringLiteral("; ") +
                                    table.TextAt(row, table.ColumnIndex(u"CountryCode")) +
                                    QStringLiteral("@") + QString::number(table.RecIdAt(row)));
        recIds.insert(table.RecIdAt(row));
    }
    EXPECT_EQ(recIds.size(), table.RowCount());
    EXPECT_EQ(table.CurrentIndex(), 0);
}

TEST_F(CityTable, FindCityRecIdByPlaceTextOrBeginning) {
    const TCityLoader cities(Folders(), 0);
    const struct {
        const char16_t* Text;
        const char16_t* Found;
    } cases[] = {
        {u"buda", u"budafok; H"},
        {u"BUDAK", u"Budakeszi; H"},
        {u"Budapest; H", u"Budapest; H"},
        {u"budapest; us", u"Budapest; US-New_York"},
        {u"Budapest; H ", u""},
        {u"Pest", u"Pest; H"},
        {u"Peste", u"Pesterzsébet; H"},
        {u"érd", u"Érd; H"},
        {u"ŐRISZENT", u"Őriszentpéter; H"},
        {u"Timișoara", u"Timişoara; RO"},
        {u"Budapest; H@", u"Budapest; H"},
        {u"Xanadu", u""},
        {u"", u"Budafok; H"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.Text);
        SCOPED_TRACE(text.toStdString());
        const int recId = cities.FindCityRecId(text);
        const QString expected = QString::fromUtf16(c.Found);
        if (expected.isEmpty()) {
            EXPECT_EQ(recId, -1);
            continue;
        }
        EXPECT_EQ(CityOf(cities, recId).compare(expected, Qt::CaseInsensitive), 0)
            << CityOf(cities, recId).toStdString();
        EXPECT_EQ(cities.LookupList().FindFirst(NarrowToWindows1250(text)),
                  cities.LookupList().ScanFirst(NarrowToWindows1250(text)));
    }
}

TEST_F(CityTable, ProviderGivesTheCountryOfAPlaceAndMovesTheCurrentRow) {
    for (const char* file : {"table.country.dat", "table.timezone.dat", "table.timezone.v2.dat",
                             "table.cest.v2.dat", "table.cest.v2.dat.long"})
        ASSERT_TRUE(
            QFile::copy(ZoneFixtureFolder() + "/data/" + file, Shipped.path() + "/data/" + file));
    TDataSetInfoProvider provider(Folders(), 0);
    EXPECT_EQ(provider.GetCityDatabaseMode(), 0);
    EXPECT_EQ(provider.GetCountryCodeOfPlace(QStringLiteral("Timi")), QStringLiteral("RO"));
    EXPECT_EQ(provider.Loader().CityLoader().Table().Text(u"CityName"),
              QStringLiteral("Timişoara"));
    EXPECT_EQ(provider.GetCountryCodeOfPlace(QStringLiteral("Budapest; US")),
              QStringLiteral("US-New_York"));
    EXPECT_EQ(provider.GetCountryCodeOfPlace(QStringLiteral("Nowhere")), QString());

    // The small rule table is missing, so mode 0 reads table.cest.v2.dat; the switch reads
    // both extended files (the city table has none: it falls back to table.city.dat,
    // which is missing too).
    EXPECT_TRUE(provider.UseExtendedCityDatabase().isEmpty());
    EXPECT_EQ(provider.GetCityDatabaseMode(), 1);
    EXPECT_EQ(provider.Loader().CestLoader().DatabaseMode(), 1);
    EXPECT_TRUE(provider.Loader().CestLoader().FileName().endsWith("table.cest.v2.dat.long"));
    EXPECT_TRUE(provider.Loader().CityLoader().Table().IsEmpty());
    EXPECT_EQ(provider.GetCountryCodeOfPlace(QStringLiteral("Budapest; H")), QString());
}

TEST(CityCoordinates, DisplayRule) {
    const struct {
        TFieldValue Value;
        const char16_t* Shown;
    } cases[] = {
        {4729, u"47°29'"}, {-1903, u"-19°03'"}, {-703, u"-7°03'"},   {-30, u"-00°30'"},
        {30, u"00°30'"},   {0, u"00°00'"},      {18000, u"180°00'"}, {TFieldValue{}, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCityLoader::CoordinateDisplayText(c.Value), QString::fromUtf16(c.Shown))
            << FieldText(c.Value).toStdString();
}

TEST_F(CityTable, ADamagedFileStopsAtItsBadLineAndKeepsTheRowsBefore) {
    const struct {
        const char* Line;
        const char* Message;
        const char* Value;
        const char* Column;
    } cases[] = {
        {";H;Szeged;2009;4615;Europe/Budapest;extra;", "uCSVLoader_TooManyValues", "", ""},
        {";H;Szeged;20E09;4615;Europe/Budapest;", "uCSVLoader_WrongValue", "20E09", "Longitude"},
        {";H;Szeged;2009;;Europe/Budapest;x;y;z", "uCSVLoader_TooManyValues", "", ""},
        {";H;Szeged;2009;46.15;Europe/Budapest;", "uCSVLoader_WrongValue", "46.15", "Latitude"},
        {";H;Szeged;99999999999;4615;Europe/Budapest;", "uCSVLoader_WrongValue", "99999999999",
         "Longitude"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        QTemporaryDir shipped;
        WriteTableFile(
            shipped.path(), "table.city.dat.small",
            {CityHeader, SmallRows[1], SmallRows[4], QString::fromUtf8(c.Line), SmallRows[6]});
        TCityLoader cities(FoldersOf(shipped.path(), Home.path()), 0);
        ASSERT_TRUE(cities.LoadError());
        EXPECT_EQ(*cities.LoadError(), GetMessageText(QString::fromLatin1(c.Message))
                                           .replace("#01#", cities.FileName())
                                           .replace("#02#", "4")
                                           .replace("#03#", c.Value)
                                           .replace("#04#", c.Column));
        EXPECT_EQ(cities.Table().RowCount(), 2);
        EXPECT_GE(cities.FindCityRecId(QStringLiteral("Budakeszi; H")), 0);
        EXPECT_EQ(cities.FindCityRecId(QStringLiteral("Szeged")), -1);
        EXPECT_EQ(cities.FindCityRecId(QStringLiteral("Pest")), -1);
    }
}

TEST_F(CityTable, JunkFilesLoadWithoutHarm) {
    QRandomGenerator random(7);
    QByteArray junk(4096, '\0');
    for (char& byte : junk)
        byte = static_cast<char>(random.bounded(256));
    const QByteArray files[] = {QByteArray(), QByteArray("\r\n\r\n"), QByteArray(";;;;\n;\n"), junk,
                                QByteArray("CityName\n") + junk};
    for (const QByteArray& bytes : files) {
        QTemporaryDir shipped;
        ASSERT_TRUE(QDir().mkpath(shipped.path() + "/data"));
        QFile file(shipped.path() + "/data/table.city.dat.small");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        TCityLoader cities(FoldersOf(shipped.path(), Home.path()), 0);
        cities.FindCityRecId(QStringLiteral("a"));
        EXPECT_EQ(cities.LookupList().Count(), cities.Table().RowCount());
    }
}

TEST_F(CityTable, SavedExtendedFileLoadsBackIntoTheSameRows) {
    TCityLoader cities(Folders(), 0);
    TDataTable& table = cities.Table();
    // A name with the value separator must not shift the columns of its line.
    ASSERT_TRUE(cities.LocatePlace(QStringLiteral("Pest; H")));
    ASSERT_TRUE(table.SetRowValues(table.RecId(), {QStringLiteral("H"), QStringLiteral("Pest;Buda"),
                                                   1904, 4729, QStringLiteral("Europe/Budapest")}));
    const auto rows = [](const TDataTable& t) {
        QStringList texts;
        for (int row = 0; row < t.RowCount(); ++row) {
            QStringList values;
            for (int column = 0; column < static_cast<int>(t.Columns().size()); ++column)
                values << t.TextAt(row, column);
            texts << values.join('|');
        }
        return texts;
    };
    QStringList before = rows(table);
    before.replaceInStrings(QStringLiteral("Pest;Buda"), QStringLiteral("Pest,Buda"));

    ASSERT_EQ(cities.SaveToExtendedFile(), std::nullopt);
    const QString path = Home.path() + "/data/table.city.dat.long";
    const QByteArray bytes = FileBytes(path);
    ASSERT_TRUE(bytes.startsWith(CityHeader.toLatin1() + "\r\n")) << bytes.left(80).toStdString();
    EXPECT_TRUE(bytes.contains(";H;Pest,Buda;1904;4729;Europe/Budapest;\r\n"));
    EXPECT_TRUE(bytes.contains(";H;\xC9rd;1855;4723;")) << "Windows-1250";
    // Ordered by country code: AR, GB, H ..., RO, US-New_York.
    const QList<QByteArray> lines = bytes.split('\n');
    EXPECT_TRUE(lines[1].startsWith(";AR;"));
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(";US-New_York;"));

    // The save reloaded the table (mode 0 reads the small file, so read the saved one).
    TCityLoader extended(Folders(), 1);
    EXPECT_TRUE(QFileInfo(extended.FileName()).absoluteFilePath() ==
                QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(rows(extended.Table()), before);
    extended.Table().SetOrderColumn(QStringLiteral("CountryCode"));
    EXPECT_EQ(EncodeCharset(extended.SavedFileText(), "CP1250"), bytes);
    EXPECT_TRUE(cities.CoordinateRuleAttached());
    EXPECT_EQ(cities.Table().OrderColumn(), QStringLiteral("CityName"));
}

TEST_F(CityTable, AFailedSaveKeepsTheEditsAndTheOldFile) {
    TCityLoader cities(Folders(), 0);
    ASSERT_TRUE(cities.LocatePlace(QStringLiteral("Érd")));
    ASSERT_TRUE(cities.Table().DeleteRow(cities.Table().RecId()));
    const int rows = cities.Table().RowCount();
    // The data folder is a file: nothing can be written below it.
    QFile blocker(Home.path() + "/data");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("old");
    blocker.close();
    const auto error = cities.SaveToExtendedFile();
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains("table.city.dat.long"));
    EXPECT_EQ(cities.Table().RowCount(), rows);
    EXPECT_EQ(cities.Table().OrderColumn(), QStringLiteral("CityName"));
    EXPECT_EQ(FileBytes(Home.path() + "/data"), QByteArray("old"));
    // The deleted row's entry stays in the list until it is rebuilt; it finds no row.
    EXPECT_GE(cities.FindCityRecId(QStringLiteral("Érd")), 0);
    EXPECT_FALSE(cities.LocatePlace(QStringLiteral("Érd")));
    cities.RebuildLookupList();
    EXPECT_EQ(cities.FindCityRecId(QStringLiteral("Érd")), -1);
}

TEST(CityLookupList, IndexGivesTheFirstEntryInListOrderAsTheScan) {
    // Entries in an order unlike the sorted one, with repeats, accents, case pairs and
    // entries that are prefixes of others.
    const QString letters = QStringLiteral("aAbBéÉőŐ ;@1sS");
    QRandomGenerator random(20261210);
    TCityLookupList list;
    for (int i = 0; i < 3000; ++i) {
        QString entry;
        for (int n = 1 + random.bounded(5); n > 0; --n)
            entry += letters[random.bounded(letters.size())];
        list.Append(entry);
    }
    list.BuildIndex();
    int found = 0;
    for (int q = 0; q < 4000; ++q) {
        QString text;
        for (int n = random.bounded(5); n > 0; --n)
            text += letters[random.bounded(letters.size())];
        const qsizetype first = list.FindFirst(text);
        ASSERT_EQ(first, list.ScanFirst(text)) << text.toStdString();
        found += first >= 0;
    }
    EXPECT_GT(found, 1000);
    TCityLookupList empty;
    empty.BuildIndex();
    EXPECT_EQ(empty.FindFirst(QString()), -1);
}

namespace {

// The tables the program ships, loaded once for the tests below.
class ShippedCities : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Home = std::make_unique<QTemporaryDir>();
        Small = std::make_unique<TCityLoader>(FoldersOf(ShippedFolder(), Home->path()), 0);
        World = std::make_unique<TCityLoader>(FoldersOf(ShippedFolder(), Home->path()), 1);
    }
    static void TearDownTestSuite() {
        World.reset();
        Small.reset();
        Home.reset();
    }
    struct TRow {
        QString Name, Country, Zone;
        int Lon = 0, Lat = 0;
    };
    static TRow Found(TCityLoader& cities, const QString& text) {
        if (!cities.LocatePlace(text))
            return {};
        const TDataTable& t = cities.Table();
        return {t.Text(u"CityName"), t.Text(u"CountryCode"), t.Text(u"TimeZoneCode"),
                t.Integer(u"Longitude"), t.Integer(u"Latitude")};
    }
    static inline std::unique_ptr<QTemporaryDir> Home;
    static inline std::unique_ptr<TCityLoader> Small;
    static inline std::unique_ptr<TCityLoader> World;
};

} // namespace

TEST_F(ShippedCities, TablesLoadCleanly) {
    for (const TCityLoader* cities : {Small.get(), World.get()}) {
        EXPECT_FALSE(cities->LoadError()) << cities->LoadError()->toStdString();
        EXPECT_EQ(cities->LookupList().Count(), cities->Table().RowCount());
    }
    EXPECT_GT(Small->Table().RowCount(), 10000);
    EXPECT_GT(World->Table().RowCount(), 130000);
}

TEST_F(ShippedCities, BudapestAndTheHungarianNamesOfNeighbouringPlaces) {
    for (TCityLoader* cities : {Small.get(), World.get()}) {
        const TRow budapest = Found(*cities, QStringLiteral("Budapest; H"));
        EXPECT_EQ(budapest.Name, QStringLiteral("Budapest"));
        EXPECT_EQ(budapest.Lon, 1902);
        EXPECT_EQ(budapest.Lat, 4730);
        EXPECT_EQ(budapest.Zone, QStringLiteral("Europe/Budapest"));
        const struct {
            const char16_t* Typed;
            const char* Country;
            const char* Zone;
            const char16_t* Local;
        } cases[] = {
            {u"Kolozsvár", "RO", "Europe/Bucharest", u"Cluj-Napoca; RO"},
            {u"kassa", "SK", "Europe/Bratislava", u"Košice; SK"},
            {u"Ungvár", "UA-Uzhgorod", "Europe/Uzhgorod", u"Uzhgorod; UA-Uzhgorod"},
            {u"Szabadka", "RS", "Europe/Belgrade", u"Subotica; RS"},
            {u"Bécs", "AT", "Europe/Vienna", u"Vienna; AT"},
            {u"Csíkszereda", "RO", "Europe/Bucharest", u"Miercurea-Ciuc; RO"},
        };
        for (const auto& c : cases) {
            const TRow hungarian = Found(*cities, QString::fromUtf16(c.Typed));
            SCOPED_TRACE(hungarian.Name.toStdString());
            EXPECT_EQ(hungarian.Name.compare(QString::fromUtf16(c.Typed), Qt::CaseInsensitive), 0);
            EXPECT_EQ(hungarian.Country, QLatin1String(c.Country));
            EXPECT_EQ(hungarian.Zone, QLatin1String(c.Zone));
            const TRow local = Found(*cities, QString::fromUtf16(c.Local));
            EXPECT_EQ(local.Lon, hungarian.Lon);
            EXPECT_EQ(local.Lat, hungarian.Lat);
        }
    }
}

TEST_F(ShippedCities, IndexAgreesWithTheScanOnTheWorldTable) {
    const TCityLookupList& list = World->LookupList();
    QStringList texts{QString(),
                      QStringLiteral("a"),
                      QStringLiteral("É"),
                      QStringLiteral("ő"),
                      QStringLiteral("ZZZZ"),
                      QStringLiteral("san "),
                      QStringLiteral("Ürümqi")};
    for (qsizetype i = 0; i < list.Count(); i += 2711) {
        const QString& entry = list.Entries()[i];
        for (const int n : {1, 3, 8})
            texts << entry.left(n).toLower();
        texts << entry.left(entry.indexOf('@'));
    }
    for (const QString& text : texts)
        ASSERT_EQ(list.FindFirst(text), list.ScanFirst(text)) << text.toStdString();
}

TEST_F(ShippedCities, TheGeneratedWorldFileIsWhatASaveWrites) {
    // Saving without changes writes the shipped file again, byte for byte.
    World->Table().SetOrderColumn(QStringLiteral("CountryCode"));
    const auto saved = EncodeCharset(World->SavedFileText(), "CP1250");
    World->Table().SetOrderColumn(QStringLiteral("CityName"));
    ASSERT_TRUE(saved);
    EXPECT_TRUE(*saved == FileBytes(ShippedFolder() + "/data/table.city.dat.long"));
}
