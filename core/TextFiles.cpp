#include "TextFiles.h"

#include "CodePages.h"

#include <QSaveFile>

namespace velkaris {

namespace {

QString DecodeUtf16(QByteArrayView bytes, bool bigEndian) {
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto first = static_cast<quint8>(bytes[2 * i]);
        const auto second = static_cast<quint8>(bytes[2 * i + 1]);
        text[i] =
            QChar(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return text;
}

} // namespace

QByteArray EncodeWindowsText(const QStringList& lines) {
    QByteArray out("\xFF\xFE");
    for (const QString& line : lines) {
        for (QChar c : line + QStringLiteral("\r\n")) {
            out.append(static_cast<char>(c.unicode() & 0xFF));
            out.append(static_cast<char>(c.unicode() >> 8));
        }
    }
    return out;
}

QString DecodeWindowsText(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return DecodeUtf16(bytes.sliced(2), false);
    if (bytes.startsWith("\xFE\xFF"))
        return DecodeUtf16(bytes.sliced(2), true);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (const auto text = DecodeCharset(bytes, "CP1250"))
        return *text;
    // Every byte has a character in Windows-1250 but five, which read as "?".
    QByteArray cleaned = bytes.toByteArray();
    for (char& c : cleaned) {
        const auto b = static_cast<quint8>(c);
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98)
            c = '?';
    }
    return DecodeCharset(cleaned, "CP1250").value_or(QString::fromLatin1(cleaned));
}

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk, quota) shows in write()'s count: a
    // buffered QSaveFile flushes in commit(), which ignores a short flush and renames a
    // truncated file over the target.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace velkaris
