#include "core/IniDocument.h"

#include "core/CodePages.h"
#include "core/TextFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

QByteArray Utf16(const QString& text, bool bigEndian = false) {
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        const char lo = static_cast<char>(c.unicode() & 0xFF);
        const char hi = static_cast<char>(c.unicode() >> 8);
        out.append(bigEndian ? hi : lo);
        out.append(bigEndian ? lo : hi);
    }
    return out;
}

const QString Sample = QStringLiteral("orphan=dropped\r\n"
                                      "[Első]\r\n"
                                      "  Név = Kovács Ödön  \r\n"
                                      "; a comment\r\n"
                                      "\r\n"
                                      "free text line\r\n"
                                      "Képlet=a=b\r\n"
                                      "[második]\r\n"
                                      "x=1\r\n"
                                      "[ELSŐ]\r\n"
                                      "Név=never found\r\n");

} // namespace

TEST(IniDocument, ReadsEveryEncodingTheSame) {
    const QByteArray encodings[] = {
        Utf16(Sample),
        Utf16(Sample, true),
        QByteArray("\xEF\xBB\xBF") + Sample.toUtf8(),
        *EncodeCharset(Sample, "CP1250"),
        Utf16(Sample) + 'x', // a trailing odd byte
    };
    for (const QByteArray& bytes : encodings) {
        const TIniDocument doc = TIniDocument::FromBytes(bytes);
        ASSERT_EQ(doc.Sections().size(), 3);
        EXPECT_EQ(doc.ReadString("első", "NÉV"), QStringLiteral(" Kovács Ödön"));
        EXPECT_EQ(doc.ReadString("Első", "Képlet"), QStringLiteral("a=b"));
        EXPECT_EQ(doc.ReadString("Második", "x"), QStringLiteral("1"));
        EXPECT_FALSE(doc.Contains("Első", "free text line"));
        EXPECT_FALSE(doc.Contains("Első", "orphan"));
    }
}

TEST(IniDocument, WritesInTheOrderOfFirstAppearance) {
    TIniDocument doc = TIniDocument::FromBytes(Utf16(Sample));
    doc.WriteString("első", "Képlet", "changed");
    doc.WriteString("Első", "Új", "appended");
    doc.WriteInteger("Harmadik", "n", -5);
    const QString expected = QStringLiteral("[Első]\r\n"
                                            "Név= Kovács Ödön\r\n"
                                            "free text line\r\n"
                                            "Képlet=changed\r\n"
                                            "Új=appended\r\n"
                                            "\r\n"
                                            "[második]\r\n"
                                            "x=1\r\n"
                                            "\r\n"
                                            "[ELSŐ]\r\n"
                                            "Név=never found\r\n"
                                            "\r\n"
                                            "[Harmadik]\r\n"
                                            "n=-5\r\n"
                                            "\r\n");
    EXPECT_EQ(doc.ToBytes(), Utf16(expected));
    EXPECT_EQ(DecodeWindowsText(doc.ToBytes()), expected);
}

TEST(IniDocument, ValueTypesAndTheirOddReadings) {
    const TIniDocument doc = TIniDocument::FromBytes(
        Utf16("[s]\r\ni=42\r\nneg=-7\r\nhex=0x1F\r\nHEX=0XfF\r\nbad=4x\r\nempty=\r\n"
              "b1=1\r\nb2=2\r\nbt=true\r\nb0=0\r\n"
              "r1=1,5\r\nr2=2.25\r\nr3=abc\r\n"));
    struct {
        const char* key;
        int fallback;
        int expected;
    } ints[] = {{"i", 0, 42},  {"neg", 0, -7},  {"hex", 0, 31},
                {"bad", 9, 9}, {"empty", 3, 3}, {"none", 5, 5}};
    for (const auto& c : ints)
        EXPECT_EQ(doc.ReadInteger("s", c.key, c.fallback), c.expected) << c.key;
    EXPECT_EQ(doc.ReadInteger("s", "HEX"), 31); // keys match regardless of case: first wins
    EXPECT_TRUE(doc.ReadBool("s", "b1"));
    EXPECT_FALSE(doc.ReadBool("s", "b2"));
    EXPECT_FALSE(doc.ReadBool("s", "bt"));
    EXPECT_TRUE(doc.ReadBool("s", "bt", true));
    EXPECT_FALSE(doc.ReadBool("s", "b0", true));
    EXPECT_TRUE(doc.ReadBool("s", "missing", true));
    EXPECT_DOUBLE_EQ(doc.ReadFloat("s", "r1", 0), 1.5);
    EXPECT_DOUBLE_EQ(doc.ReadFloat("s", "r2", 0), 2.25);
    EXPECT_DOUBLE_EQ(doc.ReadFloat("s", "r3", 9.5), 9.5);
    EXPECT_DOUBLE_EQ(doc.ReadFloat("s", "empty", 1.0), 1.0);

    TIniDocument written;
    written.WriteBool("s", "t", true);
    written.WriteBool("s", "f", false);
    written.WriteFloat("s", "r", 2.5);
    EXPECT_EQ(written.ReadString("s", "t"), QStringLiteral("1"));
    EXPECT_EQ(written.ReadString("s", "f"), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(written.ReadFloat("s", "r", 0), 2.5);
}

TEST(IniDocument, FilesAreReplacedWholeOrNotAtAll) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("settings.ini");
    const auto missing = TIniDocument::LoadFile(path);
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->Sections().isEmpty());
    EXPECT_EQ(missing->FileName(), path);

    TIniDocument doc;
    doc.WriteString("a", "k", "első");
    EXPECT_EQ(doc.SaveFile(path), std::nullopt);
    const auto loaded = TIniDocument::LoadFile(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->ReadString("a", "k"), QStringLiteral("első"));

    // A folder that cannot hold the file: the error, and nothing else changes.
    QFile blocker(dir.filePath("notafolder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(doc.SaveFile(dir.filePath("notafolder/x.ini")).has_value());
    EXPECT_FALSE(TIniDocument::LoadFile(dir.path()).has_value()); // a folder is no file
}
