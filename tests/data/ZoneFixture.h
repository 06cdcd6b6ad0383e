#pragma once

#include "data/CalendarUtils.h"
#include "data/ProgramFolders.h"

#include <QString>
#include <ostream>

/// Texts in test failures as UTF-8.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velkaris::test {

/// Program folders with `home` as the home folder and `shipped` as the shipped data
/// folder (its tables in `<shipped>/data/`).
inline TProgramFolders FoldersOf(const QString& shipped, const QString& home) {
    qputenv("VELKARIS_SHARE_DIR", shipped.toLocal8Bit());
    const TProgramFolders folders = TProgramFolders::Resolve(home);
    qunsetenv("VELKARIS_SHARE_DIR");
    return folders;
}

/// The small tables of tests/data/data/zones: the Hungarian rows of 2018-2019 and a few
/// countries made for the edge cases.
inline QString ZoneFixtureFolder() {
    return QStringLiteral(VELKARIS_TEST_DATA_DIR "/data/data/zones");
}

/// The tables the program ships.
inline QString ShippedFolder() {
    return QStringLiteral(VELKARIS_SOURCE_DIR "/share/velkaris");
}

/// Julian day of a local clock moment.
inline double LocalJd(int year, int month, int day, int hour = 12, int minute = 0) {
    return JulianDayOfParts(year, month, day, hour, minute);
}

} // namespace velkaris::test
