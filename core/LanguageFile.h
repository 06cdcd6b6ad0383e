#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <optional>
#include <variant>

namespace velkaris {

/// A language file (*.lng) read whole: its language, its constants and the texts of its
/// window sections.
class TLanguageFile {
public:
    /// The file's language id; nullopt when LANGID is missing or not 1-65535, in which
    /// case the file is no usable language file.
    std::optional<quint16> LanguageId;
    /// Constant name (as written) and its unescaped text, in file order.
    QList<std::pair<QString, QString>> Constants;
    /// Window name (upper-cased) -> entry number -> text.
    QHash<QString, QMap<int, QString>> WindowTexts;

    /// Reads a language file's bytes: UTF-16LE with its byte-order mark, or 8-bit text in
    /// the ANSI code page of the file's language. The error text ("Loading translations
    /// failed.\r\nLine %d: ...") when a line cannot be read or holds a bad or repeated
    /// constant name.
    static std::variant<TLanguageFile, QString> Parse(const QByteArray& bytes);

    /// Only the file parameters before the first section, enough to register the file.
    static TLanguageFile ParseHeader(const QByteArray& bytes);

    /// The Windows ANSI code page of a language id (1250 for Hungarian).
    static int AnsiCodePage(quint16 languageId);
};

} // namespace velkaris
