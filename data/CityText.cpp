#include "CityText.h"

#include "core/CodePages.h"

#include <QByteArray>
#include <QHash>
#include <array>

namespace velkaris {

namespace {

/// Which UTF-16 units Windows-1250 can write: the characters of its 256 bytes.
class TWindows1250Set {
public:
    TWindows1250Set() {
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const auto text = DecodeCharset(QByteArrayView(&byte, 1), "CP1250");
            if (text && text->size() == 1)
                m_Has[text->at(0).unicode()] = true;
        }
    }
    bool Has(QChar c) const { return m_Has[c.unicode()]; }

private:
    std::array<bool, 0x10000> m_Has{};
};

const TWindows1250Set& Windows1250() {
    static const TWindows1250Set set;
    return set;
}

/// Letters that losing their accents does not bring into Windows-1250.
const QHash<char16_t, QString>& Transliterations() {
    static const QHash<char16_t, QString> map{
        {u'ș', QStringLiteral("ş")},  {u'Ș', QStringLiteral("Ş")},  {u'ț', QStringLiteral("ţ")},
        {u'Ț', QStringLiteral("Ţ")},  {u'ø', QStringLiteral("o")},  {u'Ø', QStringLiteral("O")},
        {u'æ', QStringLiteral("ae")}, {u'Æ', QStringLiteral("Ae")}, {u'œ', QStringLiteral("oe")},
        {u'Œ', QStringLiteral("Oe")}, {u'ð', QStringLiteral("d")},  {u'Ð', QStringLiteral("D")},
        {u'þ', QStringLiteral("th")}, {u'Þ', QStringLiteral("Th")}, {u'ħ', QStringLiteral("h")},
        {u'Ħ', QStringLiteral("H")},  {u'ı', QStringLiteral("i")},  {u'ŋ', QStringLiteral("ng")},
        {u'Ŋ', QStringLiteral("Ng")}, {u'ŀ', QStringLiteral("l")},  {u'Ŀ', QStringLiteral("L")},
        {u'ſ', QStringLiteral("s")},  {u'ʻ', QStringLiteral("'")},  {u'ʼ', QStringLiteral("'")},
        {u'ʿ', QStringLiteral("'")},  {u'ʾ', QStringLiteral("'")},  {u'–', QStringLiteral("-")},
        {u'—', QStringLiteral("-")},  {u'Ə', QStringLiteral("E")},  {u'ə', QStringLiteral("e")},
    };
    return map;
}

/// The nearest Windows-1250 text of one character that it lacks.
QString NearestOf(QChar c) {
    const auto& map = Transliterations();
    if (const auto it = map.constFind(c.unicode()); it != map.constEnd())
        return *it;
    const QString parts = QString(c).normalized(QString::NormalizationForm_D);
    // The letter with its first accent, then the bare letter.
    if (parts.size() > 2) {
        const QString composed = parts.left(2).normalized(QString::NormalizationForm_C);
        if (composed.size() == 1 && Windows1250().Has(composed.at(0)))
            return composed;
    }
    if (parts.size() > 1 && Windows1250().Has(parts.at(0)))
        return parts.left(1);
    return QStringLiteral("?");
}

} // namespace

bool IsWindows1250Text(QStringView text) {
    const TWindows1250Set& set = Windows1250();
    for (const QChar c : text) {
        if (!set.Has(c))
            return false;
    }
    return true;
}

QString NarrowToWindows1250(QStringView text) {
    if (IsWindows1250Text(text))
        return text.toString();
    const TWindows1250Set& set = Windows1250();
    QString narrow;
    narrow.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (set.Has(c)) {
            narrow += c;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            narrow += QLatin1Char('?');
            ++i;
        } else if (c.category() == QChar::Mark_NonSpacing && !narrow.isEmpty()) {
            // A combining accent joins the letter before it when the pair has a code.
            const QString joined = (narrow.right(1) + c).normalized(QString::NormalizationForm_C);
            if (joined.size() == 1 && set.Has(joined.at(0)))
                narrow.back() = joined.at(0);
        } else {
            narrow += NearestOf(c);
        }
    }
    return narrow;
}

} // namespace velkaris
