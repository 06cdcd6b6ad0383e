#pragma once

#include <QString>
#include <QStringView>

namespace velkaris {

/// `text` as the table files can hold it: every character that Windows-1250 lacks is
/// replaced by its nearest letter there (ș by ş, ā by a, ø by o), or by "?" when it has
/// none. Texts that Windows-1250 can write are returned unchanged.
QString NarrowToWindows1250(QStringView text);

/// True when every character of `text` has a code in Windows-1250.
bool IsWindows1250Text(QStringView text);

} // namespace velkaris
