#include "CatalogueFormat.h"

#include "core/CodePages.h"

#include <QStringList>
#include <algorithm>

namespace velkaris {

namespace {

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

int CompareConstantNames(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = AsciiLower(a[i].unicode());
        const char16_t y = AsciiLower(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsValidConstantName(QStringView name) {
    if (name.isEmpty() || IsDigit(name[0]))
        return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_'));
    });
}

QString UnescapeCatalogueText(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[i + 1];
        if (next == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            ++i;
        } else if (next == QLatin1Char('n')) {
            out += QStringLiteral("\r\n");
            ++i;
        } else if (next == QLatin1Char('t')) {
            out += QLatin1Char('\t');
            ++i;
        } else if (IsDigit(next) && i + 2 < text.size() && IsDigit(text[i + 2])) {
            out += QChar((next.unicode() - u'0') * 10 + (text[i + 2].unicode() - u'0'));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::variant<std::vector<TCatalogueText>, QString> ParseCatalogueSource(const QString& source) {
    std::vector<TCatalogueText> entries;
    const QStringList lines = source.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? line : line.left(eq).trimmed();
        if (eq < 0 || !IsValidConstantName(name))
            return QStringLiteral("line %1: not a \"name=text\" line: %2").arg(i + 1).arg(line);
        entries.push_back({name, UnescapeCatalogueText(QStringView(line).mid(eq + 1).trimmed())});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return CompareConstantNames(a.Name, b.Name) < 0;
    });
    for (size_t i = 1; i < entries.size(); ++i) {
        if (CompareConstantNames(entries[i - 1].Name, entries[i].Name) == 0)
            return QStringLiteral("constant %1 is given twice").arg(entries[i].Name);
    }
    return entries;
}

namespace {

void AppendU16(QByteArray& out, quint32 value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

class TBlockReader {
public:
    explicit TBlockReader(QByteArrayView data) : m_Data(data) {}

    bool Read(qsizetype count, QByteArrayView& out) {
        if (count < 0 || m_Data.size() - m_Pos < count)
            return false;
        out = m_Data.sliced(m_Pos, count);
        m_Pos += count;
        return true;
    }
    bool ReadUInt(int bytes, quint32& value) {
        QByteArrayView raw;
        if (!Read(bytes, raw))
            return false;
        value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | static_cast<quint8>(raw[i]);
        return true;
    }

private:
    QByteArrayView m_Data;
    qsizetype m_Pos = 0;
};

} // namespace

QByteArray WriteCatalogueBlock(const std::vector<TCatalogueText>& entries) {
    QByteArray out;
    out.append(static_cast<char>(CatalogueBlockVersion));
    out.append(static_cast<char>(1));
    const auto count = static_cast<quint32>(entries.size());
    AppendU16(out, count & 0xFFFF);
    AppendU16(out, count >> 16);
    for (const TCatalogueText& e : entries) {
        const QByteArray name = e.Name.toLatin1();
        AppendU16(out, static_cast<quint32>(name.size()));
        out.append(name);
        AppendU16(out, static_cast<quint32>(e.Text.size()));
        for (QChar c : e.Text)
            AppendU16(out, c.unicode());
    }
    return out;
}

std::variant<std::vector<TCatalogueText>, QString> ReadCatalogueBlock(QByteArrayView block) {
    const QString damaged = QStringLiteral("The built-in message catalogue is damaged");
    TBlockReader reader(block);
    quint32 version = 0, flag = 0, count = 0;
    if (!reader.ReadUInt(1, version) || !reader.ReadUInt(1, flag) || !reader.ReadUInt(4, count))
        return damaged;
    if (version > static_cast<quint32>(CatalogueBlockVersion))
        return QStringLiteral("Stream version (%1) is greater than the current one (%2)")
            .arg(version)
            .arg(CatalogueBlockVersion);
    // The older layouts hold 8-bit text in the Hungarian ANSI code page.
    std::vector<TCatalogueText> entries;
    for (quint32 i = 0; i < count; ++i) {
        quint32 nameLength = 0, textLength = 0;
        QByteArrayView name, text;
        if (!reader.ReadUInt(2, nameLength) || !reader.Read(nameLength, name) ||
            !reader.ReadUInt(2, textLength))
            return damaged;
        TCatalogueText entry{QString::fromLatin1(name), {}};
        if (version == 2) {
            if (!reader.Read(static_cast<qsizetype>(textLength) * 2, text))
                return damaged;
            entry.Text.resize(textLength);
            for (quint32 k = 0; k < textLength; ++k)
                entry.Text[k] =
                    QChar(static_cast<char16_t>(static_cast<quint8>(text[2 * k]) |
                                                (static_cast<quint8>(text[2 * k + 1]) << 8)));
        } else {
            if (!reader.Read(textLength, text))
                return damaged;
            const auto decoded = DecodeCharset(text, "CP1250");
            if (!decoded)
                return damaged;
            entry.Text = *decoded;
        }
        if (!IsValidConstantName(entry.Name))
            return damaged;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace velkaris
