#include "WidgetTestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace velkaris::test {

namespace {

// The one QApplication of the test run, made before the first test and gone after the
// last; the widgets run on the offscreen platform unless the caller chose another.
class TWidgetEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance())
            m_App = std::make_unique<QApplication>(m_Argc, m_Argv);
    }
    void TearDown() override { m_App.reset(); }

private:
    int m_Argc = 1;
    char m_Name[19] = "velkaris_app_tests";
    char* m_Argv[2] = {m_Name, nullptr};
    std::unique_ptr<QApplication> m_App;
};

[[maybe_unused]] ::testing::Environment* const Environment =
    ::testing::AddGlobalTestEnvironment(new TWidgetEnvironment);

} // namespace

void SaveScreenshot(QWidget& widget, const QString& fileName) {
    const QString folder = qEnvironmentVariable("VELKARIS_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    EXPECT_TRUE(widget.grab().save(QDir(folder).filePath(fileName)));
}

} // namespace velkaris::test
