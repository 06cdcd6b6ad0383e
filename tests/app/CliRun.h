#pragma once

#include "data/ProgramFolders.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace velkaris::test {

/// What a command of the command-line tool printed and returned.
struct TCliRun {
    int Code = 0;
    QString Out;
    QString Err;
};

using TCliCommand = int (*)(const QStringList&, const TProgramFolders&, QTextStream&, QTextStream&);

/// Runs `command` with `args` over `folders`, the ephemeris path left to the default.
inline TCliRun RunCliCommand(TCliCommand command, const QStringList& args,
                             const TProgramFolders& folders) {
    qunsetenv("SE_EPHE_PATH");
    TCliRun run;
    QTextStream out(&run.Out), err(&run.Err);
    run.Code = command(args, folders, out, err);
    out.flush();
    err.flush();
    return run;
}

} // namespace velkaris::test
