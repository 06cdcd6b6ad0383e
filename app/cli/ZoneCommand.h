#pragma once

#include <QStringList>
#include <QTextStream>

namespace velkaris {

class TProgramFolders;

/// `velkaris-cli zone --country CODE --local "YYYY-MM-DD hh:mm" [--lon DEG] [--json]`:
/// the zone in force in a country at a local clock moment, from the world rule table.
/// Returns the process exit code: 2 for bad options, 1 when the tables cannot be read or
/// the country has no zone rules.
int RunZoneCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                   QTextStream& err);

} // namespace velkaris
