#include "TestDesktop.h"

#include "render/ChartFonts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velkaris::test {

TProgramFolders PrepareHome(const QTemporaryDir& home, const QTemporaryDir& config) {
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qunsetenv("SE_EPHE_PATH");
    RegisterChartFonts(QStringLiteral(VELKARIS_SOURCE_DIR "/share/velkaris/fonts/VelkarisWIN.ttf"));
    const TProgramFolders folders = TProgramFolders::Resolve(home.path());
    EXPECT_FALSE(folders.EnsureHomeLayout());
    return folders;
}

} // namespace velkaris::test
