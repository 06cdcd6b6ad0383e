#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <variant>
#include <vector>

namespace velkaris {

/// One constant of the message catalogue with its text.
struct TCatalogueText {
    QString Name;
    QString Text;
};

/// The layout version of the built-in catalogue block written by this program.
inline constexpr int CatalogueBlockVersion = 2;

/// Orders constant names the way the catalogue does: ASCII letters without regard to
/// case. Negative, zero or positive like strcmp.
int CompareConstantNames(QStringView a, QStringView b);

/// Letters, digits and underscores, not starting with a digit.
bool IsValidConstantName(QStringView name);

/// Undoes the escapes of catalogue and language-file texts: "\\" a backslash, "\n"
/// CR LF, "\t" a tab, a backslash and two decimal digits the character of that code;
/// any other backslash stays.
QString UnescapeCatalogueText(QStringView text);

/// Reads the catalogue's source text: "name=text" lines, ";" comments, empty lines
/// skipped, texts trimmed and unescaped. The entries come back sorted; a malformed
/// line or a name given twice is an error naming the 1-based line.
std::variant<std::vector<TCatalogueText>, QString> ParseCatalogueSource(const QString& source);

/// The built-in block (version 2) of entries already in catalogue order.
QByteArray WriteCatalogueBlock(const std::vector<TCatalogueText>& entries);

/// Reads a catalogue block of layout version 0, 1 or 2; the error text when the block
/// is of a later version or damaged.
std::variant<std::vector<TCatalogueText>, QString> ReadCatalogueBlock(QByteArrayView block);

} // namespace velkaris
