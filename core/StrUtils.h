#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace velkaris {

/// Number of words in `text`, words being separated by runs of any of the characters
/// of `delimiters` (a single character or a set).
int WordCount(const QString& text, const QString& delimiters);
/// 1-based position in `text` of the first character of word `n` (counted from 1); 0
/// when there is no such word.
int WordPosition(int n, const QString& text, const QString& delimiters);
/// Word `n` (counted from 1) of `text`; empty when there is no such word.
QString ExtractWord(int n, const QString& text, const QString& delimiters);

/// `n` copies of `c`; empty for n <= 0.
QString StringOfChar(QChar c, int n);
/// `text` filled with `c` on the left up to `width` characters; a longer text is
/// returned whole.
QString PadLeft(QChar c, const QString& text, int width);
/// `text` filled with `c` on the right up to `width` characters; a longer text is
/// returned whole.
QString PadRight(QChar c, const QString& text, int width);

/// Integer from the "+", "-" and digit characters of `text` (everything else is
/// dropped), filled on the right with `padChar` up to `width` when width > 0: "4°7'"
/// gives 47, ("5", 3) gives 500. 0 when what is left is not an integer in range.
int DigitsToInt(const QString& text, int width = 0, QChar padChar = QLatin1Char('0'));
/// True when every character is "+", "-" or a digit 0-9; true for the empty text.
bool IsSignedDigits(const QString& text);
/// `text` with every character that a file name on Linux or Windows must not hold
/// (/ ? % * : | < > ; ( ) \ " and control characters) replaced by "_".
QString SafeFileName(const QString& text);

/// 8-bit `text` with the 18 Hungarian accented letters (ö Ö ü Ü ó Ó ő Ő ú Ú é É á Á ű Ű
/// í Í) converted from one character table to another.
///
/// Tables: 0 and 4 the program's own 8-bit codes, 1 code page 852, 2 Windows-1250,
/// 3 ISO 8859-2, 5 the base letters without accents (o O u U ...), 6 none.
/// Bytes below 128 and bytes that are no letter of the source table pass unchanged.
/// The text is returned unchanged when the source table is 5 or 6, the target is 6, a
/// table number lies outside 0-6 or the system cannot convert to one of the code pages.
/// Tables 0 and 4 give Ö and Ő the same byte, which converts back as Ö.
QByteArray StripAccents(const QByteArray& text, int fromTable, int toTable);

/// The first `length` + 1 bytes of a character buffer as trimmed UTF-8 text, ending
/// early at a NUL byte; never reads past the end of `buffer`. Empty for length < 0.
QString BufferToTrimmedText(QByteArrayView buffer, qsizetype length);
/// `value` as an int: integers, booleans, characters and enumerations as they are,
/// floating values rounded half to even, texts read as (trimmed) integers; 0 for a text
/// that is no integer, a value out of the int range and any other type.
int VariantToInt(const QVariant& value);

/// Every file matching the wildcard `mask` (case-insensitive, "*" when empty) in
/// `folder`, then, recursively, in every subfolder whose name does not begin with ".".
///
/// Each absolute path is appended to `list` when given and to the returned text, each
/// followed by a carriage return. Files of one folder come in name order. A folder that
/// is missing or unreadable gives nothing; folders reached twice through links are
/// searched once.
QString FindFiles(const QString& folder, const QString& mask, QStringList* list = nullptr);

/// The process's current directory. Throws EVelkarisError with the system's error text
/// when it cannot be found (for instance after it was deleted).
QString CurrentDirectory();

} // namespace velkaris
