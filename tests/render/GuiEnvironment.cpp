#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Fonts and text drawing need a GUI application; the tests draw only into images, so the
// offscreen platform serves when none is chosen.
class TGuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_App = std::make_unique<QGuiApplication>(m_Argc, m_Argv);
    }
    void TearDown() override { m_App.reset(); }

private:
    int m_Argc = 1;
    char m_Name[32] = "velkaris_render_tests";
    char* m_Argv[2] = {m_Name, nullptr};
    std::unique_ptr<QGuiApplication> m_App;
};

[[maybe_unused]] ::testing::Environment* const Gui =
    ::testing::AddGlobalTestEnvironment(new TGuiEnvironment);

} // namespace
