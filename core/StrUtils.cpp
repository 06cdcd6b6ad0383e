#include "StrUtils.h"

#include "CodePages.h"
#include "SegedUtils.h"
#include "VelkarisError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <unistd.h>
#include <vector>

namespace velkaris {

namespace {

// Start and length of word n (1-based) of `text`; Start is -1 when there is no word n.
struct TWordSpan {
    qsizetype Start = -1;
    qsizetype Length = 0;
};

TWordSpan FindWord(int n, const QString& text, const QString& delimiters) {
    int count = 0;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        while (i < size && delimiters.contains(text[i]))
            ++i;
        if (i == size)
            break;
        const qsizetype start = i;
        while (i < size && !delimiters.contains(text[i]))
            ++i;
        if (++count == n)
            return {start, i - start};
    }
    return {};
}

bool IsSignedDigitChar(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-') ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

constexpr int AccentLetterCount = 18;
constexpr int AccentTableCount = 6;
using TAccentCodes = std::array<unsigned char, AccentLetterCount>;

// ö Ö ü Ü ó Ó ő Ő ú Ú é É á Á ű Ű í Í, the order of every table.
constexpr const char* AccentLettersUtf8[AccentLetterCount] = {
    "ö", "Ö", "ü", "Ü", "ó", "Ó", "ő", "Ő", "ú", "Ú", "é", "É", "á", "Á", "ű", "Ű", "í", "Í"};

// The program's own codes: code page 437 positions, with the letters it lacks placed on
// look-alikes (Ő shares Ö's byte).
constexpr TAccentCodes CustomAccentCodes = {0x94, 0x99, 0x81, 0x9A, 0xA2, 0x95, 0x93, 0x99, 0xA3,
                                            0x97, 0x82, 0x90, 0xA0, 0x8F, 0x96, 0x98, 0xA1, 0x8D};

constexpr TAccentCodes BaseLetterCodes = {'o', 'O', 'u', 'U', 'o', 'O', 'o', 'O', 'u',
                                          'U', 'e', 'E', 'a', 'A', 'u', 'U', 'i', 'I'};

struct TAccentTables {
    std::array<TAccentCodes, AccentTableCount> Codes{};
    std::array<bool, AccentTableCount> Available{};
};

// The letters in an 8-bit code page, each of them one byte; false when the system has
// no converter for the code page or a letter does not fit it.
bool ConvertLetters(const char* codePage, TAccentCodes& codes) {
    for (int i = 0; i < AccentLetterCount; ++i) {
        const auto bytes = EncodeCharset(QString::fromUtf8(AccentLettersUtf8[i]), codePage);
        if (!bytes || bytes->size() != 1)
            return false;
        codes[static_cast<std::size_t>(i)] = static_cast<unsigned char>(bytes->at(0));
    }
    return true;
}

const TAccentTables& AccentTables() {
    static const TAccentTables tables = [] {
        TAccentTables t;
        t.Codes[0] = t.Codes[4] = CustomAccentCodes;
        t.Codes[5] = BaseLetterCodes;
        t.Available[0] = t.Available[4] = t.Available[5] = true;
        t.Available[1] = ConvertLetters("CP852", t.Codes[1]);
        t.Available[2] = ConvertLetters("CP1250", t.Codes[2]);
        t.Available[3] = ConvertLetters("ISO-8859-2", t.Codes[3]);
        return t;
    }();
    return tables;
}

bool FitsInt(qlonglong value) {
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

int RoundedToInt(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        return 0;
    return static_cast<int>(rounded);
}

} // namespace

int WordCount(const QString& text, const QString& delimiters) {
    int count = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool isDelimiter = delimiters.contains(c);
        if (!isDelimiter && !inWord)
            ++count;
        inWord = !isDelimiter;
    }
    return count;
}

int WordPosition(int n, const QString& text, const QString& delimiters) {
    const TWordSpan word = FindWord(n, text, delimiters);
    return word.Start < 0 ? 0 : static_cast<int>(word.Start + 1);
}

QString ExtractWord(int n, const QString& text, const QString& delimiters) {
    const TWordSpan word = FindWord(n, text, delimiters);
    return word.Start < 0 ? QString() : text.mid(word.Start, word.Length);
}

QString StringOfChar(QChar c, int n) {
    return n > 0 ? QString(n, c) : QString();
}

QString PadLeft(QChar c, const QString& text, int width) {
    return text.rightJustified(width, c);
}

QString PadRight(QChar c, const QString& text, int width) {
    return text.leftJustified(width, c);
}

int DigitsToInt(const QString& text, int width, QChar padChar) {
    QString kept;
    for (const QChar c : text) {
        if (IsSignedDigitChar(c))
            kept += c;
    }
    if (width > 0)
        kept = PadRight(padChar, kept, width);
    bool ok = false;
    const int value = kept.toInt(&ok);
    return ok ? value : 0;
}

bool IsSignedDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), IsSignedDigitChar);
}

QString SafeFileName(const QString& text) {
    static const QString Unsafe = QStringLiteral("/?%*:|<>;()\\\"");
    QString safe = text;
    for (QChar& c : safe) {
        if (c.unicode() < 0x20 || Unsafe.contains(c))
            c = QLatin1Char('_');
    }
    return safe;
}

QByteArray StripAccents(const QByteArray& text, int fromTable, int toTable) {
    // From the base letters there is no way back (o stands for ö, ó and ő alike).
    if (fromTable < 0 || fromTable > 4 || toTable < 0 || toTable > 5 || fromTable == toTable)
        return text;
    const TAccentTables& tables = AccentTables();
    if (!tables.Available[static_cast<std::size_t>(fromTable)] ||
        !tables.Available[static_cast<std::size_t>(toTable)])
        return text;
    const TAccentCodes& from = tables.Codes[static_cast<std::size_t>(fromTable)];
    const TAccentCodes& to = tables.Codes[static_cast<std::size_t>(toTable)];
    QByteArray result = text;
    for (char& c : result) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 128)
            continue;
        const auto* hit = std::find(from.begin(), from.end(), byte);
        if (hit != from.end())
            c = static_cast<char>(to[static_cast<std::size_t>(hit - from.begin())]);
    }
    return result;
}

QString BufferToTrimmedText(QByteArrayView buffer, qsizetype length) {
    if (length < 0 || buffer.isEmpty())
        return {};
    const qsizetype count = length >= buffer.size() ? buffer.size() : length + 1;
    const char* begin = buffer.data();
    const char* end = std::find(begin, begin + count, '\0');
    return QString::fromUtf8(begin, end - begin).trimmed();
}

int VariantToInt(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Char:
    case QMetaType::SChar: {
        const qlonglong v = value.toLongLong();
        return FitsInt(v) ? static_cast<int>(v) : 0;
    }
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar: {
        const qulonglong v = value.toULongLong();
        return v <= static_cast<qulonglong>(std::numeric_limits<int>::max()) ? static_cast<int>(v)
                                                                             : 0;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return RoundedToInt(value.toDouble());
    case QMetaType::QChar:
        return value.toChar().unicode();
    case QMetaType::Char16:
        return value.value<char16_t>();
    case QMetaType::Char32: {
        const auto v = static_cast<qlonglong>(value.value<char32_t>());
        return FitsInt(v) ? static_cast<int>(v) : 0;
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        bool ok = false;
        const int v = value.toString().trimmed().toInt(&ok);
        return ok ? v : 0;
    }
    default:
        break;
    }
    if (value.metaType().flags().testFlag(QMetaType::IsEnumeration)) {
        bool ok = false;
        const qlonglong v = value.toLongLong(&ok);
        return ok && FitsInt(v) ? static_cast<int>(v) : 0;
    }
    return 0;
}

QString FindFiles(const QString& folder, const QString& mask, QStringList* list) {
    // The Windows habit "*.*" means every file, also those without an extension.
    const QStringList filters{mask.isEmpty() || mask == QStringLiteral("*.*") ? QStringLiteral("*")
                                                                              : mask};
    QStringList found;
    QSet<QString> searched;
    // Depth first, a folder's own files before those of its subfolders; a stack instead
    // of recursion keeps a very deep tree from exhausting the call stack.
    QStringList pending{folder};
    while (!pending.isEmpty()) {
        const QDir dir(pending.takeLast());
        const QString canonical = dir.canonicalPath();
        if (canonical.isEmpty() || searched.contains(canonical))
            continue;
        searched.insert(canonical);
        const QFileInfoList files =
            dir.entryInfoList(filters, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& file : files)
            found.append(file.absoluteFilePath());
        const QStringList subfolders =
            dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (auto it = subfolders.crbegin(); it != subfolders.crend(); ++it) {
            if (!it->startsWith(QLatin1Char('.')))
                pending.append(dir.filePath(*it));
        }
    }
    QString text;
    for (const QString& path : found)
        text += path + QLatin1Char('\r');
    if (list)
        list->append(found);
    return text;
}

QString CurrentDirectory() {
    std::vector<char> buffer(256);
    while (!::getcwd(buffer.data(), buffer.size())) {
        const int error = errno;
        if (error != ERANGE)
            throw EVelkarisError(QString::fromLocal8Bit(std::strerror(error)));
        buffer.resize(buffer.size() * 2);
    }
    return QFile::decodeName(buffer.data());
}

} // namespace velkaris
