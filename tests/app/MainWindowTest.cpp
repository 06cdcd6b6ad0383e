#include "app/main/MainWindow.h"

#include "WidgetTestEnvironment.h"
#include "app/chart/ChartWindow.h"
#include "app/main/Desktop.h"
#include "app/main/ZentavoMain.h"
#include "core/Messages.h"
#include "core/ZentavoConsts.h"
#include "data/ProgramFolders.h"
#include "render/ChartFonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

/// Questions and file choices answered from fields, and remembered.
class TFakeDesktop : public TDesktop {
public:
    bool AskYesNo(const QString& question) override {
        Questions << question;
        return YesNo;
    }
    TAnswer AskYesNoCancel(const QString& question) override {
        Questions << question;
        return Answer;
    }
    void ShowError(const QString& message) override { Errors << message; }
    void ShowWarning(const QString& message) override { Warnings << message; }
    QStringList ChooseOpenFiles(const QString&, const QString& folder, const QString&,
                                bool) override {
        OpenFolders << folder;
        return Open;
    }
    std::optional<QString> ChooseSaveFile(const QString& title, const QString& proposed,
                                          const QString&) override {
        SaveTitles << title;
        Proposed << proposed;
        return Save;
    }
    std::optional<QString> AskAddress() override { return std::nullopt; }
    void OpenWithShell(const QString& target) override { Shell << target; }

    QStringList Questions, Errors, Warnings, OpenFolders, SaveTitles, Proposed, Shell;
    QStringList Open;
    std::optional<QString> Save;
    bool YesNo = true;
    TAnswer Answer = TAnswer::No;
};

const QString Fixture = QStringLiteral(VELKARIS_TEST_DATA_DIR "/data/data/windows-chart.szk");

class Controller : public ::testing::Test {
protected:
    void SetUp() override {
        qunsetenv("SE_EPHE_PATH");
        qputenv("XDG_CONFIG_HOME", Config.path().toUtf8());
        RegisterChartFonts(
            QStringLiteral(VELKARIS_SOURCE_DIR "/share/velkaris/fonts/VelkarisWIN.ttf"));
        Folders = TProgramFolders::Resolve(Home.path());
        ASSERT_FALSE(Folders.EnsureHomeLayout());
        Workspace.resize(1000, 700);
        Main = std::make_unique<TZentavoMain>(Folders, Workspace, Desktop);
    }
    void TearDown() override { Main.reset(); }
    /// The fixture copied into the home folder's charts.
    QString CopyOfFixture(const QString& name) {
        const QString path = Home.filePath(QStringLiteral("hors/") + name);
        QFile::copy(Fixture, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    QTemporaryDir Home, Config;
    TProgramFolders Folders = TProgramFolders::Resolve({});
    QTabWidget Workspace;
    TFakeDesktop Desktop;
    std::unique_ptr<TZentavoMain> Main;
};

} // namespace

TEST_F(Controller, OpensChartsOnNumberedTabsAfterTheActiveOne) {
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva.szk")));
    ASSERT_EQ(Workspace.count(), 1);
    EXPECT_EQ(Workspace.widget(0)->objectName(), QStringLiteral("tsSheet1"));
    EXPECT_EQ(Workspace.tabText(0), QStringLiteral("Kovács Éva Zsófia     "));
    EXPECT_EQ(Main->ActiveRecord()->Name(), QStringLiteral("Kovács Éva Zsófia"));
    // Name, birth moment, place and age (to the death date) in the status text.
    EXPECT_TRUE(Main->ActiveTabHint().startsWith(
        QStringLiteral("Kovács Éva Zsófia 1985.08.23 14:35 Győr, Magyarország   34é")))
        << Main->ActiveTabHint().toStdString();

    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva2.szk")));
    Workspace.setCurrentIndex(0);
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva3.szk")));
    // The third chart goes right after the active first one.
    EXPECT_EQ(Workspace.widget(1)->objectName(), QStringLiteral("tsSheet3"));
    EXPECT_EQ(Workspace.currentIndex(), 1);
    EXPECT_EQ(Main->ActiveChartWindow()->Group, 3);
    EXPECT_FALSE(Main->OpenChartFile(Home.filePath("hors/none.szk")));
    EXPECT_EQ(Main->OpenChartCount(), 3);
}

TEST_F(Controller, CommandLineChartsOpenAndMissingOnesAreReported) {
    const QString chart = CopyOfFixture("eva.szk");
    Main->OpenCommandLineCharts({QStringLiteral("SMALL"), chart, Home.filePath("hors/no.SZK")});
    EXPECT_EQ(Workspace.count(), 1);
    ASSERT_EQ(Desktop.Errors.size(), 1);
    EXPECT_TRUE(Desktop.Errors[0].startsWith(GetMessageText(u"uZentavoMain_LoadSzulKepletError")));
}

TEST_F(Controller, SavingAsWritesTheChosenFile) {
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva.szk")));
    const QString target = Home.filePath(QStringLiteral("hors/uj nev.szk"));
    Desktop.Save = target;
    ASSERT_TRUE(Main->SaveActiveChart(true));
    EXPECT_TRUE(QFileInfo(target).isFile());
    EXPECT_EQ(Desktop.SaveTitles,
              QStringList{GetMessageText(u"uZentavoMain_SaveAsSzulKepletTitle")});
    EXPECT_FALSE(Main->ActiveRecord()->Modified());
    EXPECT_EQ(QFileInfo(Main->ActiveRecord()->FileName()).fileName(), QStringLiteral("uj nev.szk"));

    // A cancelled dialog writes nothing.
    Desktop.Save.reset();
    EXPECT_FALSE(Main->SaveActiveChart(true));
}

TEST_F(Controller, ANewNameAsksBeforeSavingOverTheOldFile) {
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva.szk")));
    Main->ActiveRecord()->SetName(QStringLiteral("Kovács Éva"));
    Desktop.YesNo = true;
    Desktop.Save = Home.filePath(QStringLiteral("hors/Kovács Éva.szk"));
    ASSERT_TRUE(Main->SaveActiveChart(false));
    ASSERT_EQ(Desktop.Questions.size(), 1);
    EXPECT_TRUE(Desktop.Questions[0].contains(QStringLiteral("Kovács Éva Zsófia")));
    EXPECT_TRUE(Desktop.Questions[0].contains(QStringLiteral("Kovács Éva")));
    // Yes saves under a new name; the proposal is the file-safe name.
    EXPECT_TRUE(Desktop.Proposed[0].endsWith(QStringLiteral("Kovács Éva")));
    EXPECT_EQ(Main->ActiveRecord()->OriginalName(), QStringLiteral("Kovács Éva"));
}

TEST_F(Controller, ClosingAModifiedChartAsksAndCancelKeepsIt) {
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva.szk")));
    Main->ActiveRecord()->SetModified(true);
    Desktop.Answer = TDesktop::TAnswer::Cancel;
    EXPECT_FALSE(Main->CloseCharts(false, true));
    EXPECT_EQ(Workspace.count(), 1);
    EXPECT_TRUE(Desktop.Questions.last().startsWith(GetMessageText(u"uZentavoMain_Changed01")));
    Desktop.Answer = TDesktop::TAnswer::No;
    EXPECT_TRUE(Main->CloseCharts(false, true));
    EXPECT_EQ(Workspace.count(), 0);
    EXPECT_EQ(Main->OpenChartCount(), 0);
    // Nothing left to close.
    EXPECT_TRUE(Main->CloseCharts(false, true));
    EXPECT_EQ(Desktop.Errors.last(), GetMessageText(u"uZentavoMain_NoOpenedSzulKeplet"));
}

TEST_F(Controller, CloseAllStopsAtTheFirstRefusal) {
    for (const char* name : {"a.szk", "b.szk", "c.szk"})
        ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture(QLatin1String(name))));
    qobject_cast<TfrmBaseSzulKepletForm*>(Workspace.widget(1))
        ->ChartEntry(0)
        ->Birth->SetModified(true);
    Desktop.Answer = TDesktop::TAnswer::Cancel;
    EXPECT_FALSE(Main->CloseCharts(true, false));
    // From the last tab backwards: the last closes, the modified one refuses, the first
    // stays.
    EXPECT_EQ(Workspace.count(), 2);
}

TEST_F(Controller, AHouseSystemChangeRecalculatesEveryChart) {
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva.szk")));
    Main->SetHouseSystem(QStringLiteral("P"));
    const double placidus = Main->ActiveFormInfo(0)->Result->Houses.LongitudeOf(2);
    Main->SetHouseSystem(QStringLiteral("K"));
    EXPECT_EQ(Main->Settings().GetHouseSystem(), QStringLiteral("K"));
    EXPECT_NE(Main->ActiveFormInfo(0)->Result->Houses.LongitudeOf(2), placidus);
}

TEST(MainWindow, ShowsChartsOnTabsAndTheStatusLine) {
    QTemporaryDir home, config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qunsetenv("SE_EPHE_PATH");
    RegisterChartFonts(QStringLiteral(VELKARIS_SOURCE_DIR "/share/velkaris/fonts/VelkarisWIN.ttf"));
    const TProgramFolders folders = TProgramFolders::Resolve(home.path());
    ASSERT_FALSE(folders.EnsureHomeLayout());
    const QString chart = home.filePath(QStringLiteral("hors/eva.szk"));
    QFile::copy(Fixture, chart);
    {
        TfrmMain window(folders);
        window.resize(1200, 850);
        window.show();
        window.Controller().OpenCommandLineCharts({chart});
        QCoreApplication::processEvents();
        EXPECT_EQ(window.Workspace().count(), 1);
        EXPECT_TRUE(window.StatusText().startsWith(QStringLiteral("Kovács Éva Zsófia")));
        test::SaveScreenshot(window, QStringLiteral("main-window.png"));
        window.close();
        EXPECT_EQ(window.Workspace().count(), 0);
    }
    // The settings are written back at the end.
    EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("data/settings.ini"))).isFile());
}
