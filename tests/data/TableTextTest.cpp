#include "data/TableText.h"

#include "ZoneFixture.h"
#include "data/CestLoader_v2.h"
#include "data/CountryLoader.h"
#include "data/DataSetInfoProvider.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

TDataTable TableOfColumns() {
    TDataTable t;
    t.AddColumn({QStringLiteral("Name"), TFieldType::Text, {}, 50});
    t.AddColumn({QStringLiteral("Count"), TFieldType::Integer, {}, 50});
    t.AddColumn({QStringLiteral("Weight"), TFieldType::Number, {}, 50});
    return t;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class TRecordingObserver : public TTableObserver {
public:
    void RowsChanged() override { ++Rows; }
    void CurrentRowChanged() override { ++Current; }
    int Rows = 0;
    int Current = 0;
};

} // namespace

TEST(TableText, SplitsValuesAsTheFilesAreWritten) {
    struct TCase {
        const char* line;
        QStringList values;
    };
    const TCase cases[] = {
        {"a;;b", {"a", "", "b"}},
        {"a;b;", {"a", "b"}},
        {"a;b;;", {"a", "b", ""}},
        {";", {""}},
        {"", {""}},
        {";CountryCode;CityName;", {"", "CountryCode", "CityName"}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SplitTableLine(QString::fromLatin1(c.line)), c.values) << c.line;
}

TEST(TableText, ConvertsByColumnTypeAndIgnoresUnknownColumns) {
    TDataTable t = TableOfColumns();
    const QString text = QStringLiteral("name;COUNT;Unknown;weight\r\n"
                                        "alma; 12 ;zzz;1,5\r\n"
                                        "\r\n"
                                        "körte;-3;;2.25\n"
                                        ";;;\n"
                                        "%1;7\n")
                             .arg(QString(60, QLatin1Char('x')));
    EXPECT_EQ(AppendTableText(t, text, {}), std::nullopt);
    ASSERT_EQ(t.RowCount(), 5);
    EXPECT_EQ(t.TextAt(0, 0), QStringLiteral("alma"));
    EXPECT_EQ(t.IntegerAt(0, 1), 12);
    EXPECT_DOUBLE_EQ(std::get<double>(t.ValueAt(0, 2)), 1.5);
    // An empty line and a line of empty values give rows of null fields.
    for (int row : {1, 3})
        for (int column = 0; column < 3; ++column)
            EXPECT_TRUE(std::holds_alternative<std::monostate>(t.ValueAt(row, column)));
    EXPECT_EQ(t.TextAt(2, 0), QStringLiteral("körte"));
    EXPECT_EQ(t.IntegerAt(2, 1), -3);
    EXPECT_EQ(t.TextAt(4, 0), QString(50, QLatin1Char('x')));
    EXPECT_EQ(t.CurrentIndex(), 0);
}

TEST(TableText, ABadLineStopsTheLoadKeepingTheRowsBeforeIt) {
    struct TCase {
        const char* what;
        const char* text;
        TTableTextError::TKind kind;
        int line;
        int rowsKept;
        const char* value;
    };
    const TCase cases[] = {
        {"integer", "Name;Count\na;1\nb;x\nc;3\n", TTableTextError::TKind::BadValue, 3, 1, "x"},
        {"too large", "Name;Count\na;99999999999\n", TTableTextError::TKind::BadValue, 2, 0,
         "99999999999"},
        {"number", "Name;Weight\na;1.5.2\n", TTableTextError::TKind::BadValue, 2, 0, "1.5.2"},
        {"not finite", "Name;Weight\na;inf\n", TTableTextError::TKind::BadValue, 2, 0, "inf"},
        {"more values than names", "Name;Count\na;1\nb;2;3\n",
         TTableTextError::TKind::TooManyValues, 3, 1, ""},
    };
    for (const TCase& c : cases) {
        TDataTable t = TableOfColumns();
        const auto error = AppendTableText(t, QString::fromLatin1(c.text), {});
        ASSERT_TRUE(error) << c.what;
        EXPECT_EQ(error->Kind, c.kind) << c.what;
        EXPECT_EQ(error->Line, c.line) << c.what;
        EXPECT_EQ(error->Value, QLatin1String(c.value)) << c.what;
        EXPECT_EQ(t.RowCount(), c.rowsKept) << c.what;
    }
}

TEST(TableText, ATextWithoutLinesLeavesTheTableAsItWas) {
    TDataTable t = TableOfColumns();
    ASSERT_EQ(AppendTableText(t, QStringLiteral("Name\na\nb\n"), {}), std::nullopt);
    EXPECT_EQ(AppendTableText(t, QString(), {}), std::nullopt);
    EXPECT_EQ(t.RowCount(), 2);
    // A header alone adds nothing either; a second load appends.
    ASSERT_EQ(AppendTableText(t, QStringLiteral("Name\r\n"), {}), std::nullopt);
    ASSERT_EQ(AppendTableText(t, QStringLiteral("Name\nc"), {}), std::nullopt);
    EXPECT_EQ(t.RowCount(), 3);
}

TEST(DataTable, OrdersWithoutCaseKeepingAppendOrderOfEqualTexts) {
    TDataTable t = TableOfColumns();
    ASSERT_EQ(AppendTableText(t, QStringLiteral("Name;Count\nb;1\nA;2\nB;3\na;4\nb;5\n"), {}),
              std::nullopt);
    t.SetOrderColumn(QStringLiteral("name"));
    QList<int> counts;
    for (int row = 0; row < t.RowCount(); ++row)
        counts << t.IntegerAt(row, 1);
    EXPECT_EQ(counts, (QList<int>{2, 4, 1, 3, 5}));
    // Record numbers follow the appending, not the order.
    EXPECT_EQ(t.RecIdAt(0), 2);
    EXPECT_EQ(t.RecIdAt(4), 5);
}

TEST(DataTable, LocatesExactlyOrWithoutCaseAlsoWithinTheOrdering) {
    for (const bool ordered : {false, true}) {
        SCOPED_TRACE(ordered);
        TDataTable t = TableOfColumns();
        if (ordered)
            t.SetOrderColumn(QStringLiteral("Name"));
        ASSERT_EQ(AppendTableText(t, QStringLiteral("Name;Count\nh;1\nHR;2\nH;3\nH;4\nA;5\n"), {}),
                  std::nullopt);
        EXPECT_TRUE(t.Locate({QStringLiteral("Name")}, {QStringLiteral("H")}, false));
        EXPECT_EQ(t.Integer(u"Count"), 3);
        EXPECT_TRUE(t.Locate({QStringLiteral("Name")}, {QStringLiteral("H")}, true));
        EXPECT_EQ(t.Integer(u"Count"), 1);
        EXPECT_TRUE(t.Locate({QStringLiteral("name"), QStringLiteral("count")},
                             {QStringLiteral("H"), QStringLiteral("4")}, false));
        EXPECT_EQ(t.Integer(u"Count"), 4);
        EXPECT_FALSE(t.Locate({QStringLiteral("Name")}, {QStringLiteral("hu")}, true));
        EXPECT_FALSE(t.Locate({QStringLiteral("Nothing")}, {QStringLiteral("H")}, true));
        EXPECT_EQ(t.Integer(u"Count"), 4) << "a failed locate moves nothing";
    }
}

TEST(DataTable, CurrentRowFilterAndObservers) {
    TDataTable t = TableOfColumns();
    TRecordingObserver observer;
    t.AddObserver(&observer);
    ASSERT_EQ(AppendTableText(t, QStringLiteral("Name;Count\nH;1\nA;2\nH;3\n"), {}), std::nullopt);
    EXPECT_EQ(observer.Rows, 1);
    EXPECT_TRUE(t.Next());
    EXPECT_TRUE(t.Next());
    EXPECT_FALSE(t.Eof());
    EXPECT_FALSE(t.Next());
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.Integer(u"Count"), 3) << "Next at the last row stays there";

    t.SetFilter([](const TDataRow& row) { return row.Text(0) == QLatin1String("H"); });
    EXPECT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.StoredRowCount(), 3);
    EXPECT_EQ(t.Integer(u"Count"), 1);
    EXPECT_FALSE(t.MoveToRecId(2)) << "a hidden row cannot become current";
    t.SetFilter({});
    EXPECT_EQ(t.RowCount(), 3);

    t.DisableControls();
    const int rowsBefore = observer.Rows;
    t.Clear();
    t.Clear();
    EXPECT_EQ(observer.Rows, rowsBefore);
    t.EnableControls();
    EXPECT_EQ(observer.Rows, rowsBefore + 1);
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.CurrentIndex(), -1);
    EXPECT_EQ(t.Text(u"Name"), QString());
    t.RemoveObserver(&observer);
}

TEST(TableLoaders, HomeTablesComeBeforeTheShippedOnes) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const TProgramFolders folders = FoldersOf(ZoneFixtureFolder(), home.path());
    EXPECT_EQ(TCountryLoader(folders).Table().RowCount(), 3);
    WriteFile(home.filePath(QStringLiteral("data/table.country.dat")),
              "CountryCode;DisplayName\r\nZZ;Saj\xe1t\r\n");
    const TCountryLoader own(folders);
    ASSERT_EQ(own.Table().RowCount(), 1);
    EXPECT_EQ(own.Table().Text(u"DisplayName"), QStringLiteral("Saját"));
    EXPECT_EQ(own.FileName(), home.filePath(QStringLiteral("data/table.country.dat")));
}

TEST(TableLoaders, TheDatabaseModeChoosesTheRuleFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const TProgramFolders folders = FoldersOf(ZoneFixtureFolder(), home.path());
    // No .small variant: mode 0 reads the plain file.
    TCestLoader_v2 rules(folders, 0);
    EXPECT_TRUE(rules.FileName().endsWith(QStringLiteral("/table.cest.v2.dat")));
    EXPECT_EQ(rules.Table().RowCount(), 15);
    EXPECT_EQ(rules.LastYear(), 2019);

    rules.SetDatabaseMode(1);
    EXPECT_EQ(rules.Reload(), std::nullopt);
    ASSERT_EQ(rules.Table().RowCount(), 1);
    EXPECT_EQ(rules.Table().Text(u"CountryCode"), QStringLiteral("X"));
    EXPECT_EQ(rules.LastYear(), 2000);

    rules.SetDatabaseMode(2);
    rules.Reload();
    EXPECT_TRUE(rules.Table().IsEmpty());
    EXPECT_EQ(rules.LastYear(), 0);

    WriteFile(home.filePath(QStringLiteral("data/table.cest.v2.dat.small")),
              "CountryCode;EV\r\nY;1999\r\n");
    rules.SetDatabaseMode(0);
    rules.Reload();
    EXPECT_EQ(rules.Table().Text(u"CountryCode"), QStringLiteral("Y"));
}

TEST(TableLoaders, DamagedFilesKeepTheirGoodRowsAndNameTheFault) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const TProgramFolders folders = FoldersOf(ZoneFixtureFolder(), home.path());
    const QString path = home.filePath(QStringLiteral("data/table.cest.v2.dat"));
    WriteFile(path, "CountryCode;EV;HO\r\nH;2019;3\r\nH;2019;tavasz\r\nH;2020;3\r\n");
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    TDataSetInfoProvider provider(folders, 0);
    const QStringList errors = provider.LoadErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(path)) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral(" 3. sor"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("\"tavasz\""))) << errors[0].toStdString();
    EXPECT_EQ(provider.Loader().CestLoader().Table().RowCount(), 1);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before) << "a table file is never written";

    // Bytes that are no table at all, and a folder in the place of a file.
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 7919 + 13) % 256));
    WriteFile(path, junk);
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("data/table.country.dat"))));
    TDataSetInfoProvider damaged(folders, 0);
    EXPECT_EQ(damaged.ResolveZone(QStringLiteral("H"), true, 19, LocalJd(2019, 6, 1)).TIMEZONECODE,
              QString());
    EXPECT_EQ(damaged.Loader().CountryLoader().Table().RowCount(), 3)
        << "a folder is no table file: the shipped table is read";
}
