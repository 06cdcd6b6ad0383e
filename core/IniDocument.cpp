#include "IniDocument.h"

#include "TextFiles.h"

#include <QFile>
#include <QLocale>
#include <algorithm>

namespace velkaris {

namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

/// Trailing blanks go, leading ones stay.
QString ChopTrailingBlanks(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.first(end).toString();
}

std::optional<int> ParseInteger(const QString& raw) {
    const QString t = raw.trimmed();
    bool ok = false;
    int value = 0;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = static_cast<int>(t.mid(2).toUInt(&ok, 16));
    else
        value = t.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

TIniDocument TIniDocument::FromBytes(QByteArrayView bytes) {
    TIniDocument doc;
    const QString text = DecodeWindowsText(bytes);
    TSection* current = nullptr;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != QLatin1Char('\n') && text[i] != QLatin1Char('\r'))
            continue;
        const QStringView line = QStringView(text).sliced(start, i - start).trimmed();
        if (i + 1 < text.size() && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) &&
            line.size() >= 2) {
            doc.m_Sections.append(
                TSection{line.sliced(1, line.size() - 2).trimmed().toString(), {}});
            current = &doc.m_Sections.last();
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            current->Lines.append(TLine{{}, line.toString(), false});
        else
            current->Lines.append(TLine{line.first(eq).trimmed().toString(),
                                        ChopTrailingBlanks(line.sliced(eq + 1)), true});
    }
    return doc;
}

std::optional<TIniDocument> TIniDocument::LoadFile(const QString& path) {
    QFile file(path);
    TIniDocument doc;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        doc = FromBytes(file.readAll());
    }
    doc.m_FileName = path;
    return doc;
}

QByteArray TIniDocument::ToBytes() const {
    QStringList lines;
    for (const TSection& s : m_Sections) {
        lines << QLatin1Char('[') + s.Name + QLatin1Char(']');
        for (const TLine& l : s.Lines)
            lines << (l.IsEntry ? l.Key + QLatin1Char('=') + l.Value : l.Value);
        lines << QString();
    }
    return EncodeWindowsText(lines);
}

std::optional<QString> TIniDocument::SaveFile(const QString& path) const {
    return WriteFileAtomically(path, ToBytes());
}

const TIniDocument::TSection* TIniDocument::FindSection(const QString& name) const {
    const auto it = std::find_if(m_Sections.cbegin(), m_Sections.cend(),
                                 [&](const TSection& s) { return SameName(s.Name, name); });
    return it == m_Sections.cend() ? nullptr : &*it;
}

TIniDocument::TSection* TIniDocument::FindSection(const QString& name) {
    const auto it = std::find_if(m_Sections.begin(), m_Sections.end(),
                                 [&](const TSection& s) { return SameName(s.Name, name); });
    return it == m_Sections.end() ? nullptr : &*it;
}

bool TIniDocument::SectionExists(const QString& section) const {
    return FindSection(section) != nullptr;
}

std::optional<QString> TIniDocument::RawValue(const QString& section, const QString& key) const {
    if (const TSection* s = FindSection(section)) {
        for (const TLine& l : s->Lines) {
            if (l.IsEntry && SameName(l.Key, key))
                return l.Value;
        }
    }
    return std::nullopt;
}

bool TIniDocument::Contains(const QString& section, const QString& key) const {
    return RawValue(section, key).has_value();
}

QList<TIniDocument::TLine> TIniDocument::Entries(const QString& section) const {
    QList<TLine> entries;
    if (const TSection* s = FindSection(section)) {
        for (const TLine& l : s->Lines) {
            if (l.IsEntry)
                entries.append(l);
        }
    }
    return entries;
}

QString TIniDocument::ReadString(const QString& section, const QString& key,
                                 const QString& fallback) const {
    return RawValue(section, key).value_or(fallback);
}

int TIniDocument::ReadInteger(const QString& section, const QString& key, int fallback) const {
    const auto raw = RawValue(section, key);
    if (!raw)
        return fallback;
    return ParseInteger(*raw).value_or(fallback);
}

bool TIniDocument::ReadBool(const QString& section, const QString& key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) == 1;
}

double TIniDocument::ReadFloat(const QString& section, const QString& key, double fallback) const {
    const auto raw = RawValue(section, key);
    if (!raw)
        return fallback;
    QString t = raw->trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok);
    return ok ? value : fallback;
}

void TIniDocument::WriteString(const QString& section, const QString& key, const QString& value) {
    TSection* s = FindSection(section);
    if (!s) {
        m_Sections.append(TSection{section, {}});
        s = &m_Sections.last();
    }
    for (TLine& l : s->Lines) {
        if (l.IsEntry && SameName(l.Key, key)) {
            l.Value = value;
            return;
        }
    }
    s->Lines.append(TLine{key, value, true});
}

void TIniDocument::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniDocument::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDocument::WriteFloat(const QString& section, const QString& key, double value) {
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    WriteString(section, key, text);
}

void TIniDocument::RemoveSection(const QString& section) {
    m_Sections.removeIf([&](const TSection& s) { return SameName(s.Name, section); });
}

} // namespace velkaris
