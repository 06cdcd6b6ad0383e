#include "data/ProgramFolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;

TEST(ProgramFolders, HomeFromSwitchThenEnvironment) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("VELKARIS_HOME", dir.filePath(QStringLiteral("env")).toLocal8Bit());
    EXPECT_EQ(TProgramFolders::Resolve(dir.filePath(QStringLiteral("switch"))).Home(),
              dir.filePath(QStringLiteral("switch")));
    EXPECT_EQ(TProgramFolders::Resolve().Home(), dir.filePath(QStringLiteral("env")));
    qunsetenv("VELKARIS_HOME");
    EXPECT_TRUE(TProgramFolders::Resolve().Home().endsWith(QStringLiteral("/velkaris")));
}

TEST(ProgramFolders, CreatesTheHomeLayoutAndTheEphemerisPath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TProgramFolders folders = TProgramFolders::Resolve(dir.path());
    EXPECT_EQ(folders.EnsureHomeLayout(), std::nullopt);
    for (const char* sub : {"data", "hors", "hors/docs", "hors/images", "hors/import"})
        EXPECT_TRUE(QDir(dir.filePath(QString::fromLatin1(sub))).exists()) << sub;
    const QStringList path = folders.EphemerisPath().split(QLatin1Char(':'));
    ASSERT_EQ(path.size(), 3);
    EXPECT_EQ(path[0], dir.filePath(QStringLiteral("data/sweph")));
    EXPECT_EQ(path[2], QStringLiteral("/usr/share/libswe/ephe"));
}
