#include "core/StrUtils.h"

#include "core/VelkarisError.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using namespace velkaris;

namespace {

// The 18 letters ö Ö ü Ü ó Ó ő Ő ú Ú é É á Á ű Ű í Í in the published code page charts.
using TLetters = std::array<unsigned char, 18>;
const TLetters Custom = {0x94, 0x99, 0x81, 0x9A, 0xA2, 0x95, 0x93, 0x99, 0xA3,
                         0x97, 0x82, 0x90, 0xA0, 0x8F, 0x96, 0x98, 0xA1, 0x8D};
const TLetters Cp852 = {0x94, 0x99, 0x81, 0x9A, 0xA2, 0xE0, 0x8B, 0x8A, 0xA3,
                        0xE9, 0x82, 0x90, 0xA0, 0xB5, 0xFB, 0xEB, 0xA1, 0xD6};
const TLetters Cp1250 = {0xF6, 0xD6, 0xFC, 0xDC, 0xF3, 0xD3, 0xF5, 0xD5, 0xFA,
                         0xDA, 0xE9, 0xC9, 0xE1, 0xC1, 0xFB, 0xDB, 0xED, 0xCD};
const TLetters& Iso8859_2 = Cp1250;
const TLetters Base = {'o', 'O', 'u', 'U', 'o', 'O', 'o', 'O', 'u',
                       'U', 'e', 'E', 'a', 'A', 'u', 'U', 'i', 'I'};
const std::array<const TLetters*, 6> Tables = {&Custom,    &Cp852,  &Cp1250,
                                               &Iso8859_2, &Custom, &Base};

QByteArray Bytes(const TLetters& letters) {
    return QByteArray(reinterpret_cast<const char*>(letters.data()),
                      static_cast<qsizetype>(letters.size()));
}

} // namespace

TEST(StrUtils, Words) {
    const QString text = QStringLiteral("  alma, körte;;szilva ");
    const QString delimiters = QStringLiteral(" ,;");
    EXPECT_EQ(WordCount(text, delimiters), 3);
    struct {
        int n;
        int position;
        const char* word;
    } cases[] = {{1, 3, "alma"}, {2, 9, "körte"}, {3, 16, "szilva"},
                 {4, 0, ""},     {0, 0, ""},      {-1, 0, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(WordPosition(c.n, text, delimiters), c.position) << c.n;
        EXPECT_EQ(ExtractWord(c.n, text, delimiters), QString::fromUtf8(c.word)) << c.n;
    }
    EXPECT_EQ(WordCount(QStringLiteral("a b"), QStringLiteral(",")), 1);
    EXPECT_EQ(ExtractWord(1, QStringLiteral("a b"), QStringLiteral(",")), QStringLiteral("a b"));
    EXPECT_EQ(WordCount(QString(), QStringLiteral(" ")), 0);
    EXPECT_EQ(WordCount(QStringLiteral(" ;; "), QStringLiteral(" ;")), 0);
    EXPECT_EQ(ExtractWord(2, QStringLiteral("CET + 1"), QStringLiteral(" ")), QStringLiteral("+"));
}

TEST(StrUtils, CharactersAndPadding) {
    EXPECT_EQ(StringOfChar(QLatin1Char('-'), 3), QStringLiteral("---"));
    EXPECT_EQ(StringOfChar(QLatin1Char('-'), 0), QString());
    EXPECT_EQ(StringOfChar(QLatin1Char('-'), -2), QString());
    EXPECT_EQ(PadLeft(QLatin1Char('0'), QStringLiteral("7"), 3), QStringLiteral("007"));
    EXPECT_EQ(PadRight(QLatin1Char('.'), QStringLiteral("ab"), 4), QStringLiteral("ab.."));
    EXPECT_EQ(PadLeft(QLatin1Char('0'), QStringLiteral("1234"), 3), QStringLiteral("1234"));
    EXPECT_EQ(PadRight(QLatin1Char('0'), QStringLiteral("1234"), 3), QStringLiteral("1234"));
}

TEST(StrUtils, DigitsToIntKeepsSignsAndDigits) {
    struct {
        const char* text;
        int width;
        char pad;
        int expected;
    } cases[] = {{"12", 0, '0', 12}, {"4°7'", 0, '0', 47}, {"-12", 0, '0', -12},
                 {"+5", 0, '0', 5},  {"5", 3, '0', 500},   {"12", 1, '0', 12},
                 {"", 0, '0', 0},    {"abc", 0, '0', 0},   {"1-2", 0, '0', 0},
                 {"-", 0, '0', 0},   {"7", 2, 'x', 0},     {"99999999999", 0, '0', 0},
                 {"٣", 0, '0', 0},   {" 8 ", 0, '0', 8}};
    for (const auto& c : cases)
        EXPECT_EQ(DigitsToInt(QString::fromUtf8(c.text), c.width, QLatin1Char(c.pad)), c.expected)
            << c.text;
    EXPECT_EQ(DigitsToInt(QStringLiteral("19")), 19);
}

TEST(StrUtils, IsSignedDigits) {
    for (const char* text : {"", "0", "+12", "-3", "1-2"})
        EXPECT_TRUE(IsSignedDigits(QString::fromUtf8(text))) << text;
    for (const char* text : {" 1", "1.5", "x", "٣"})
        EXPECT_FALSE(IsSignedDigits(QString::fromUtf8(text))) << text;
}

TEST(StrUtils, SafeFileNameReplacesEveryUnsafeCharacter) {
    EXPECT_EQ(SafeFileName(QStringLiteral("/?%*:|<>;()\\\"")), QString(13, QLatin1Char('_')));
    EXPECT_EQ(SafeFileName(QStringLiteral("Kovács Éva (2)")), QStringLiteral("Kovács Éva _2_"));
    EXPECT_EQ(SafeFileName(QStringLiteral("a\nb\tc")), QStringLiteral("a_b_c"));
    EXPECT_EQ(SafeFileName(QStringLiteral("Nagy-Kiss.Anna, 1975")),
              QStringLiteral("Nagy-Kiss.Anna, 1975"));
}

TEST(StrUtils, StripAccentsBetweenEveryPairOfTables) {
    for (int from = 0; from <= 4; ++from) {
        for (int to = 0; to <= 5; ++to) {
            const TLetters& source = *Tables[static_cast<std::size_t>(from)];
            const TLetters& target = *Tables[static_cast<std::size_t>(to)];
            // A byte that stands for two letters (Ö and Ő in tables 0 and 4) converts as
            // the first of them.
            TLetters expected{};
            for (std::size_t i = 0; i < source.size(); ++i) {
                std::size_t first = 0;
                while (source[first] != source[i])
                    ++first;
                expected[i] = target[first];
            }
            EXPECT_EQ(StripAccents(Bytes(source), from, to), Bytes(expected))
                << from << " -> " << to;
        }
    }
}

TEST(StrUtils, StripAccentsRoundTripsAndLeavesOtherBytes) {
    EXPECT_EQ(StripAccents(QByteArray("\xCD"), 3, 5), QByteArray("I"));
    for (int a : {1, 2, 3}) {
        for (int b : {1, 2, 3}) {
            const QByteArray letters = Bytes(*Tables[static_cast<std::size_t>(a)]);
            EXPECT_EQ(StripAccents(StripAccents(letters, a, b), b, a), letters) << a << b;
        }
    }
    // Through tables 0 and 4 only Ő comes back as Ö.
    QByteArray viaCustom = Bytes(Cp852);
    viaCustom[7] = static_cast<char>(Cp852[1]);
    EXPECT_EQ(StripAccents(StripAccents(Bytes(Cp852), 1, 0), 0, 1), viaCustom);
    // ASCII and bytes that are no letter of the source table pass: ä is E4 in Windows-1250.
    EXPECT_EQ(StripAccents(QByteArray("Kov\xE1"
                                      "cs \xE4 1975"),
                           2, 5),
              QByteArray("Kovacs \xE4 1975"));
    EXPECT_EQ(StripAccents(QByteArray("\x99\x80"), 0, 2), QByteArray("\xD6\x80"));
}

TEST(StrUtils, StripAccentsLeavesTextForTablesWithoutAWayBack) {
    const QByteArray text("\xF6r\xF6m");
    struct {
        int from, to;
    } cases[] = {{5, 2}, {6, 2}, {2, 6}, {-1, 5}, {2, 7}, {7, 5}, {2, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(StripAccents(text, c.from, c.to), text) << c.from << " -> " << c.to;
    EXPECT_EQ(StripAccents(QByteArray(), 2, 5), QByteArray());
}

TEST(StrUtils, BufferToTrimmedTextStaysInsideTheBuffer) {
    const char buffer[10] = {' ', ' ', 'N', 'a', 'p', '\0', 'x', 'x', 'x', 'x'};
    const QByteArrayView view(buffer, sizeof buffer);
    EXPECT_EQ(BufferToTrimmedText(view, 9), QStringLiteral("Nap"));
    EXPECT_EQ(BufferToTrimmedText(view, 3), QStringLiteral("Na"));
    EXPECT_EQ(BufferToTrimmedText(view, 1000), QStringLiteral("Nap"));
    EXPECT_EQ(BufferToTrimmedText(view, -1), QString());
    EXPECT_EQ(BufferToTrimmedText(QByteArrayView(), 5), QString());
    const char full[6] = {'N', 'a', 'p', 'o', 'k', ' '};
    EXPECT_EQ(BufferToTrimmedText(QByteArrayView(full, sizeof full),
                                  std::numeric_limits<qsizetype>::max()),
              QStringLiteral("Napok"));
    EXPECT_EQ(BufferToTrimmedText(QByteArrayView("F\xC3\xB6ld  "), 7), QStringLiteral("Föld"));
}

namespace {

enum class TTestOrdinal { First = 3, Second = 4 };

} // namespace

TEST(StrUtils, VariantToInt) {
    struct {
        QVariant value;
        int expected;
    } cases[] = {
        {QVariant(42), 42},
        {QVariant(-7), -7},
        {QVariant(true), 1},
        {QVariant(false), 0},
        {QVariant(3.5), 4},
        {QVariant(2.5), 2},
        {QVariant(-2.5), -2},
        {QVariant(2.4f), 2},
        {QVariant(7u), 7},
        {QVariant(qlonglong(-123)), -123},
        {QVariant(qlonglong(1) << 40), 0},
        {QVariant(qulonglong(3000000000u)), 0},
        {QVariant(1e20), 0},
        {QVariant(std::nan("")), 0},
        {QVariant(QChar(u'A')), 65},
        {QVariant(QStringLiteral(" 17 ")), 17},
        {QVariant(QStringLiteral("x")), 0},
        {QVariant(QStringLiteral("1.5")), 0},
        {QVariant(QByteArray("12")), 12},
        {QVariant(), 0},
        {QVariant(QDate(2020, 1, 1)), 0},
        {QVariant::fromValue(TTestOrdinal::Second), 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VariantToInt(c.value), c.expected) << c.value.typeName();
}

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(StrUtils, FindFilesSearchesSubfoldersButNotDotFolders) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString root = temp.path();
    for (const char* name : {"b.szk", "C.SZK", "note.txt", "a/x.szk", "sub/deep/z.szk",
                             "sub/.hidden/y.szk", ".git/w.szk", "sub/deep/z.szk.bak"})
        Touch(root + QLatin1Char('/') + QString::fromUtf8(name));
    // A link back to the top must not make the search go round for ever.
    ASSERT_EQ(::symlink(QFile::encodeName(root).constData(),
                        QFile::encodeName(root + QStringLiteral("/sub/loop")).constData()),
              0);

    QStringList list{QStringLiteral("kept")};
    const QString text = FindFiles(root, QStringLiteral("*.szk"), &list);
    const QStringList expected{root + QStringLiteral("/b.szk"), root + QStringLiteral("/C.SZK"),
                               root + QStringLiteral("/a/x.szk"),
                               root + QStringLiteral("/sub/deep/z.szk")};
    EXPECT_EQ(list, QStringList{QStringLiteral("kept")} + expected);
    EXPECT_EQ(text, expected.join(QLatin1Char('\r')) + QLatin1Char('\r'));
    EXPECT_EQ(FindFiles(root + QLatin1Char('/'), QStringLiteral("*.szk")), text);

    EXPECT_EQ(FindFiles(root + QStringLiteral("/a"), QString()),
              root + QStringLiteral("/a/x.szk\r"));
    EXPECT_EQ(FindFiles(root + QStringLiteral("/a"), QStringLiteral("*.*")),
              root + QStringLiteral("/a/x.szk\r"));
    QStringList untouched;
    EXPECT_EQ(FindFiles(root + QStringLiteral("/missing"), QStringLiteral("*"), &untouched),
              QString());
    EXPECT_TRUE(untouched.isEmpty());
}

TEST(StrUtils, CurrentDirectory) {
    EXPECT_EQ(CurrentDirectory(), QDir::currentPath());

    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QByteArray start = QFile::encodeName(QDir::currentPath());
    const QByteArray gone = QFile::encodeName(temp.path() + QStringLiteral("/gone"));
    ASSERT_EQ(::mkdir(gone.constData(), 0700), 0);
    ASSERT_EQ(::chdir(gone.constData()), 0);
    ASSERT_EQ(::rmdir(gone.constData()), 0);
    QString error;
    try {
        CurrentDirectory();
    } catch (const EVelkarisError& e) {
        error = e.UserText();
    }
    ASSERT_EQ(::chdir(start.constData()), 0);
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(ENOENT)));
}
