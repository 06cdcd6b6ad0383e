#pragma once

#include "ZoneFixture.h"
#include "core/CodePages.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace velkaris::test {

/// Writes `lines` as a table file of `<folder>/data/`: Windows-1250, each line ended by
/// CR LF.
inline void WriteTableFile(const QString& folder, const QString& fileName,
                           const QStringList& lines) {
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/data")));
    QFile file(folder + QStringLiteral("/data/") + fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const auto bytes =
        EncodeCharset(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), "CP1250");
    ASSERT_TRUE(bytes);
    file.write(*bytes);
}

/// Bytes of a file; empty when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The city table header as the program's files have it.
inline const QString CityHeader =
    QStringLiteral(";CountryCode;CityName;Longitude;Latitude;TimeZoneCode;");

} // namespace velkaris::test
