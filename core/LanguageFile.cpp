#include "LanguageFile.h"

#include "CodePages.h"
#include "messages/CatalogueFormat.h"

#include <QSet>
#include <QStringList>

namespace velkaris {

namespace {

constexpr quint16 BuiltInLanguage = 1033;

QString LineError(qsizetype line, const QString& what) {
    return QStringLiteral("Loading translations failed.\r\nLine %1: %2").arg(line).arg(what);
}

std::optional<QString> DecodeCodePage(const QByteArray& bytes, int codePage) {
    return DecodeCharset(bytes, ("CP" + QByteArray::number(codePage)).constData());
}

struct TLine {
    qsizetype Number; // zero-based
    QString Text;
};

QList<TLine> SplitLines(const QString& text) {
    QList<TLine> lines;
    qsizetype start = 0, number = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != QLatin1Char('\n') && text[i] != QLatin1Char('\r'))
            continue;
        lines.append({number++, text.mid(start, i - start)});
        if (i + 1 < text.size() && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    return lines;
}

std::optional<quint16> ParseLanguageId(const QString& value) {
    bool ok = false;
    const int id = value.toInt(&ok);
    if (!ok || id < 1 || id > 65535)
        return std::nullopt;
    return static_cast<quint16>(id);
}

/// The value of LANGID among the lines before the first section.
std::optional<quint16> FindLanguageId(const QList<TLine>& lines) {
    for (const TLine& line : lines) {
        const QString t = line.Text.trimmed();
        if (t.startsWith(QLatin1Char('[')))
            break;
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (eq > 0 &&
            t.left(eq).trimmed().compare(QLatin1String("LANGID"), Qt::CaseInsensitive) == 0)
            return ParseLanguageId(t.mid(eq + 1).trimmed());
    }
    return std::nullopt;
}

/// The file's text: UTF-16LE after its byte-order mark, otherwise 8-bit text in the code
/// page of the language the file names.
struct TDecoded {
    QString Text;
    /// Set when the bytes are no text.
    QString Error;
};

TDecoded DecodeFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE")) {
        const QByteArray body = bytes.mid(2, (bytes.size() - 2) / 2 * 2);
        QString text(body.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(static_cast<char16_t>(static_cast<quint8>(body[2 * i]) |
                                                  (static_cast<quint8>(body[2 * i + 1]) << 8)));
        if (bytes.size() % 2 != 0)
            return {
                {},
                LineError(SplitLines(text).size() - 1, QStringLiteral("truncated UTF-16 text"))};
        return {text, {}};
    }
    const auto id = FindLanguageId(SplitLines(QString::fromLatin1(bytes)));
    const int codePage = TLanguageFile::AnsiCodePage(id.value_or(BuiltInLanguage));
    const auto text = DecodeCodePage(bytes, codePage);
    if (!text) {
        // Name the line that holds the byte the code page lacks.
        const QList<TLine> lines = SplitLines(QString::fromLatin1(bytes));
        for (const TLine& line : lines) {
            if (!DecodeCodePage(line.Text.toLatin1(), codePage))
                return {{},
                        LineError(line.Number,
                                  QStringLiteral("not a text of code page %1").arg(codePage))};
        }
        return {{}, LineError(0, QStringLiteral("not a text of code page %1").arg(codePage))};
    }
    return {*text, {}};
}

bool HasControlCharacters(const QString& line) {
    for (QChar c : line) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return true;
        if (c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            return true;
    }
    return false;
}

std::variant<TLanguageFile, QString> ParseText(const QString& text, bool headerOnly) {
    TLanguageFile file;
    enum class TSection { Parameters, Constants, Window };
    TSection section = TSection::Parameters;
    QString window;
    QSet<QString> seen;
    for (const TLine& line : SplitLines(text)) {
        const QString t = line.Text.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
            continue;
        if (HasControlCharacters(t))
            return LineError(line.Number,
                             QStringLiteral("the line holds characters that are not text"));
        if (t.size() >= 3 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            if (headerOnly)
                break;
            const QString name = t.mid(1, t.size() - 2).trimmed();
            if (name.compare(QLatin1String("$CONSTANTS"), Qt::CaseInsensitive) == 0) {
                section = TSection::Constants;
            } else {
                section = TSection::Window;
                window = name.toUpper();
            }
            continue;
        }
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = t.left(eq).trimmed();
        const QString value = t.mid(eq + 1).trimmed();
        if (key.isEmpty())
            continue;
        switch (section) {
        case TSection::Parameters:
            if (key.compare(QLatin1String("LANGID"), Qt::CaseInsensitive) == 0)
                file.LanguageId = ParseLanguageId(value);
            break;
        case TSection::Constants: {
            if (!IsValidConstantName(key))
                return LineError(line.Number,
                                 QStringLiteral("Invalid constant name (\"%1\")").arg(key));
            const QString folded = key.toLower();
            if (seen.contains(folded))
                return LineError(line.Number,
                                 QStringLiteral("Duplicate constant name (\"%1\")").arg(key));
            seen.insert(folded);
            file.Constants.append({key, UnescapeCatalogueText(value)});
            break;
        }
        case TSection::Window: {
            bool ok = false;
            const int entry = key.toInt(&ok);
            if (ok && entry > 0)
                file.WindowTexts[window].insert(entry, UnescapeCatalogueText(value));
            break;
        }
        }
    }
    return file;
}

} // namespace

int TLanguageFile::AnsiCodePage(quint16 languageId) {
    // The ANSI code page follows the primary language (the low ten bits of the id).
    switch (languageId & 0x3FF) {
    case 0x05: // Czech
    case 0x0E: // Hungarian
    case 0x15: // Polish
    case 0x18: // Romanian
    case 0x1A: // Croatian, Serbian (Latin)
    case 0x1B: // Slovak
    case 0x1C: // Albanian
    case 0x24: // Slovenian
        return 1250;
    case 0x02: // Bulgarian
    case 0x19: // Russian
    case 0x22: // Ukrainian
    case 0x23: // Belarusian
        return 1251;
    case 0x08: // Greek
        return 1253;
    case 0x1F: // Turkish
        return 1254;
    case 0x0D: // Hebrew
        return 1255;
    case 0x01: // Arabic
        return 1256;
    case 0x25: // Estonian
    case 0x26: // Latvian
    case 0x27: // Lithuanian
        return 1257;
    case 0x2B: // Armenian
    case 0x37: // Georgian
    case 0x39: // Hindi
    case 0x45: // Bengali
    case 0x49: // Tamil
        // Unicode-only languages have no ANSI code page: the system's is used.
        return 1250;
    default:
        return 1252;
    }
}

std::variant<TLanguageFile, QString> TLanguageFile::Parse(const QByteArray& bytes) {
    const TDecoded decoded = DecodeFile(bytes);
    if (!decoded.Error.isEmpty())
        return decoded.Error;
    return ParseText(decoded.Text, false);
}

TLanguageFile TLanguageFile::ParseHeader(const QByteArray& bytes) {
    const TDecoded decoded = DecodeFile(bytes);
    if (!decoded.Error.isEmpty())
        return {};
    const auto parsed = ParseText(decoded.Text, true);
    return parsed.index() == 0 ? std::get<0>(parsed) : TLanguageFile{};
}

} // namespace velkaris
