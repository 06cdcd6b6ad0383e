#pragma once

#include <QStringList>
#include <QTextStream>

namespace velkaris {

class TProgramFolders;

/// `velkaris-cli city "TEXT" [--extended] [--json]`: looks a place text up in the city
/// table as the program does while the user types it, and prints the row found: name,
/// country code, longitude and latitude as stored (degrees * 100 + minutes) and zone
/// code. Returns the process exit code: 0 found, 1 not found or the table unreadable,
/// 2 bad options; errors go to `err`.
int RunCityCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                   QTextStream& err);

} // namespace velkaris
