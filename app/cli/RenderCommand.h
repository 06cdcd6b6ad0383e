#pragma once

#include <QStringList>
#include <QTextStream>

namespace velkaris {

class TProgramFolders;

/// `velkaris-cli render`: calculates a chart as `chart` does and draws its wheel, as the
/// chart window shows it, into a PNG picture. Needs a GUI application (fonts). Returns
/// the process exit code; errors go to `err`.
int RunRenderCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                     QTextStream& err);

} // namespace velkaris
