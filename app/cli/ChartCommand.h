#pragma once

#include <QStringList>
#include <QTextStream>

namespace velkaris {

class TProgramFolders;

/// `velkaris-cli chart`: calculates one chart (from a chart file or from the moment and
/// place of the options) with the home folder's settings and prints the whole result
/// as text or, with --json, as one JSON object. Returns the process exit code; errors
/// go to `err`.
int RunChartCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                    QTextStream& err);

/// `velkaris-cli settings restore-defaults`: writes the default settings to the home
/// folder's settings file and prints its path.
int RunSettingsCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                       QTextStream& err);

} // namespace velkaris
