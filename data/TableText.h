#pragma once

#include "DataTable.h"

#include <QString>
#include <functional>
#include <optional>

namespace velkaris {

/// Why a table text stopped loading.
struct TTableTextError {
    enum class TKind { TooManyValues, BadValue };
    TKind Kind = TKind::BadValue;
    /// 1-based line of the text.
    int Line = 0;
    /// The value that does not convert and its column (for BadValue).
    QString Value;
    QString Column;
};

/// Appends the rows of a table text to `table`, as every table file of the program is
/// read.
///
/// The text is a list of lines ended by CR LF or LF. The first line names the columns,
/// separated by ";", matched to the table's columns without regard to letter case; a
/// name that matches none makes its values ignored. Every further line appends a row:
/// its values split at ";" left to right, a ";" at the very end adding no value
/// ("a;;b" gives three values, "a;b;" two); an empty line appends a row of empty fields.
/// An empty value is null; texts are cut to their column's size; integer columns take a
/// decimal integer, number columns a decimal number with "." or "," as separator.
///
/// A value that does not convert, or a line with more values than the first line has
/// names, stops the load: the rows before it stay and the error is returned. A text
/// without any line leaves the table as it was. `pendingEvents` (may be empty) is called
/// after every 500 rows.
std::optional<TTableTextError> AppendTableText(TDataTable& table, const QString& text,
                                               const std::function<void()>& pendingEvents);

/// The values of one line: split at ";", a ";" at the very end adding no value.
QStringList SplitTableLine(QStringView line);

} // namespace velkaris
