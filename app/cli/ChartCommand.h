#pragma once

#include <QStringList>
#include <QTextStream>

namespace velkaris {

class TProgramFolders;

/// `velkaris-cli chart`: calculates one chart from options and prints the whole result
/// as text or, with --json, as one JSON object. Returns the process exit code; errors
/// go to `err`.
int RunChartCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                    QTextStream& err);

} // namespace velkaris
