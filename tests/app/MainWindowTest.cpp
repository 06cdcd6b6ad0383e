#include "app/main/MainWindow.h"

#include "CliRun.h"
#include "TestDesktop.h"
#include "WidgetTestEnvironment.h"
#include "app/chart/ChartWindow.h"
#include "app/cli/ChartCommand.h"
#include "app/dialogs/SzuletesiKepletAdatokDialog.h"
#include "app/main/Desktop.h"
#include "app/main/ZentavoMain.h"
#include "core/LangManager.h"
#include "core/Messages.h"
#include "core/ZentavoConsts.h"
#include "data/CityLoader.h"
#include "data/DataSetInfoProvider.h"
#include "data/DataSetLoader.h"
#include "data/ProgramFolders.h"
#include "render/ChartFonts.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace velkaris;
using velkaris::test::PrepareHome;
using velkaris::test::TFakeDesktop;

namespace {

const QString Fixture = QStringLiteral(VELKARIS_TEST_DATA_DIR "/data/data/windows-chart.szk");

class Controller : public ::testing::Test {
protected:
    void SetUp() override {
        Folders = PrepareHome(Home, Config);
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

TEST_F(Controller, AChartFromANewerVersionOpensWithAWarning) {
    QFile fixture(Fixture);
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray bytes = fixture.readAll();
    QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    text.replace(QStringLiteral("FileVersionId=v3.0"), QStringLiteral("FileVersionId=v3.5"));
    const QString newer = Home.filePath(QStringLiteral("hors/newer.szk"));
    QFile out(newer);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("\xFF\xFE", 2); // UTF-16LE, as the Windows program writes it
    out.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    out.close();
    ASSERT_TRUE(Main->OpenChartFile(newer));
    EXPECT_EQ(Workspace.count(), 1);
    EXPECT_EQ(Desktop.Warnings, QStringList{GetMessageText(u"uZentavoMain_WrongFileVersion")});
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("same.szk")));
    EXPECT_EQ(Desktop.Warnings.size(), 1);
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

TEST_F(Controller, YesSavesBeforeClosing) {
    const QString path = CopyOfFixture("eva.szk");
    ASSERT_TRUE(Main->OpenChartFile(path));
    Main->ActiveRecord()->SetGender(2);
    ASSERT_TRUE(Main->ActiveRecord()->Modified());
    Desktop.Answer = TDesktop::TAnswer::Yes;
    EXPECT_TRUE(Main->CloseCharts(false, true));
    EXPECT_EQ(Workspace.count(), 0);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2)
            .contains(QStringLiteral("Gender=2")));
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

TEST_F(Controller, CityEditorChangesAreSavedOnlyWhenThereAreAny) {
    const QString saved = Home.filePath(QStringLiteral("data/table.city.dat.long"));
    Main->AfterCityEditor(false, true);
    EXPECT_FALSE(QFileInfo::exists(saved));
    const int rows = Main->PlaceProvider().Loader().CityLoader().Table().RowCount();
    ASSERT_GT(rows, 1000);
    Main->AfterCityEditor(true, true);
    ASSERT_TRUE(QFileInfo::exists(saved));
    EXPECT_EQ(Main->PlaceProvider().Loader().CityLoader().Table().RowCount(), rows);
    // Cancelled changes read the file again.
    Main->AfterCityEditor(true, false);
    EXPECT_EQ(Main->PlaceProvider().Loader().CityLoader().Table().RowCount(), rows);
    EXPECT_TRUE(Desktop.Errors.isEmpty());
}

TEST_F(Controller, ChartsWithoutAZoneCodeTakeTheirZoneFromThePlace) {
    // Budapest, 1 July 1943, 12:00 local: summer time was in force, so 10:00 UT.
    auto record = std::make_shared<TSzuletesiKepletInfo>();
    record->SetLoading(true);
    record->SetName(QStringLiteral("Nyári idő"));
    record->SetDateParts(1943, 7, 1, 12, 0, 0);
    record->SetLocLatDegree(47);
    record->SetLocLatMinute(30);
    record->SetLocLongDegree(19);
    record->SetLocLongMinute(3);
    record->SetLocCountryID(QStringLiteral("H"));
    record->SetLoading(false);
    Main->OpenChartRecord(record);
    ASSERT_NE(Main->ActiveFormInfo(0), nullptr);
    const TDateTime ut = Main->ActiveFormInfo(0)->Result->UniversalTime;
    EXPECT_EQ(ut.Hour(), 10);
    EXPECT_EQ(ut.Day(), 1);
}

TEST_F(Controller, AHouseSystemChangeRecalculatesEveryChart) {
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva.szk")));
    Main->SetHouseSystem(QStringLiteral("P"));
    const double placidus = Main->ActiveFormInfo(0)->Result->Houses.LongitudeOf(2);
    Main->SetHouseSystem(QStringLiteral("K"));
    EXPECT_EQ(Main->Settings().GetHouseSystem(), QStringLiteral("K"));
    EXPECT_NE(Main->ActiveFormInfo(0)->Result->Houses.LongitudeOf(2), placidus);
}

namespace {

/// Runs `fill` on the birth data dialog once it is shown modally (the wait window of the
/// city database may come first).
void WhenBirthDialogOpens(std::function<void(TfrmSzuletesiKepletAdatok&)> fill) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, fill = std::move(fill)] {
        auto* dialog = qobject_cast<TfrmSzuletesiKepletAdatok*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        QApplication::setActiveWindow(dialog);
        fill(*dialog);
    });
    timer->start();
}

void TypeInto(QWidget& dialog, const char* name, const QString& text, bool leave = true) {
    auto* field = dialog.findChild<QLineEdit*>(QLatin1String(name));
    ASSERT_TRUE(field) << name;
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    if (leave)
        QTest::keyClick(field, Qt::Key_Tab);
}

} // namespace

TEST_F(Controller, ANewChartEnteredThroughTheDialogIsTheChartOfTheCommandLineTool) {
    WhenBirthDialogOpens([](TfrmSzuletesiKepletAdatok& dialog) {
        TypeInto(dialog, "edtNev", QStringLiteral("Teszt Elek"));
        TypeInto(dialog, "edtTelepules", QStringLiteral("Kolozs"), false);
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("edtTelepules")),
                        Qt::Key_Return);
        TypeInto(dialog, "edtSzhEv", QStringLiteral("1990"));
        TypeInto(dialog, "edtSzhHo", QStringLiteral("7"));
        TypeInto(dialog, "edtSzhNap", QStringLiteral("1"));
        TypeInto(dialog, "edtSzhOra", QStringLiteral("14"));
        TypeInto(dialog, "edtSzhPerc", QStringLiteral("30"));
        dialog.findChild<QPushButton*>(QStringLiteral("btnRendben"))->click();
        // Closes only when the checks passed.
        if (dialog.isVisible())
            dialog.reject();
    });
    ASSERT_TRUE(Main->NewChart());
    ASSERT_EQ(Main->OpenChartCount(), 1);
    EXPECT_EQ(Workspace.tabText(0).trimmed(), QStringLiteral("Teszt Elek"));
    EXPECT_EQ(Main->ActiveRecord()->TZoneCode(), QStringLiteral("EEST"));

    const QString path = Home.filePath(QStringLiteral("hors/teszt.szk"));
    Desktop.Save = path;
    ASSERT_TRUE(Main->SaveActiveChart(true));
    ASSERT_TRUE(Main->OpenChartFile(path));
    ASSERT_EQ(Main->OpenChartCount(), 2);
    const TCalcResult& reopened = *Main->ActiveFormInfo(0)->Result;

    // The same moment and place given to the command-line tool: 14:30 EEST is 11:30 UT.
    QTemporaryDir cliHome;
    const velkaris::test::TCliRun cli =
        velkaris::test::RunCliCommand(RunChartCommand,
                                      {"--date", "1990-07-01", "--time", "14:30", "--zone",
                                       "+03:00", "--lat", "46N46", "--lon", "23E36", "--json"},
                                      TProgramFolders::Resolve(cliHome.path()));
    ASSERT_EQ(cli.Code, 0) << cli.Err.toStdString();
    const QJsonArray bodies =
        QJsonDocument::fromJson(cli.Out.toUtf8()).object()["bodies"].toArray();
    ASSERT_GE(bodies.size(), 10);
    int compared = 0;
    for (const QJsonValue& body : bodies) {
        const TPlanet* planet = reopened.Planets.Find(body["id"].toInt());
        if (!planet)
            continue;
        EXPECT_NEAR(planet->Longitude, body["lon"].toDouble(), 1e-9) << body["id"].toInt();
        ++compared;
    }
    EXPECT_GE(compared, 10);
    EXPECT_EQ(reopened.UniversalTime.Hour(), 11);
    EXPECT_EQ(reopened.UniversalTime.Minute(), 30);
}

TEST_F(Controller, EditingTheActiveChartRecalculatesIt) {
    ASSERT_TRUE(Main->OpenChartFile(CopyOfFixture("eva.szk")));
    const double moon = Main->ActiveFormInfo(0)->Result->Planets.Find(1)->Longitude;
    WhenBirthDialogOpens([](TfrmSzuletesiKepletAdatok& dialog) {
        TypeInto(dialog, "edtSzhOra", QStringLiteral("20"));
        dialog.findChild<QPushButton*>(QStringLiteral("btnRendben"))->click();
        if (dialog.isVisible())
            dialog.reject();
    });
    // The fixture's country code "HU" is not one of the table's: the zone question comes.
    Desktop.YesNo = false;
    ASSERT_TRUE(Main->EditActiveBirthData());
    EXPECT_EQ(Desktop.Questions.value(0), GetMessageText(u"fSzulKeplet_CheckCityAgain"));
    EXPECT_EQ(Main->ActiveRecord()->Hour(), 20);
    EXPECT_EQ(Main->ActiveRecord()->LocCountryID(), QStringLiteral("HU"));
    EXPECT_EQ(Main->ActiveRecord()->LocCountry(), QStringLiteral("Magyarország"));
    EXPECT_EQ(Main->ActiveRecord()->TZoneCode(), QStringLiteral("CEST"));
    EXPECT_TRUE(Main->ActiveRecord()->Modified());
    // Six hours later the Moon has moved about three degrees.
    EXPECT_NEAR(Main->ActiveFormInfo(0)->Result->Planets.Find(1)->Longitude - moon, 3.2, 0.5);

    // Cancelling changes nothing.
    WhenBirthDialogOpens([](TfrmSzuletesiKepletAdatok& dialog) {
        TypeInto(dialog, "edtSzhOra", QStringLiteral("3"));
        dialog.reject();
    });
    EXPECT_FALSE(Main->EditActiveBirthData());
    EXPECT_EQ(Main->ActiveRecord()->Hour(), 20);
}

TEST(MainWindow, ShowsChartsOnTabsAndTheStatusLine) {
    QTemporaryDir home, config;
    const TProgramFolders folders = PrepareHome(home, config);
    const QString chart = home.filePath(QStringLiteral("hors/eva.szk"));
    QFile::copy(Fixture, chart);
    {
        TFakeDesktop desktop;
        TfrmMain window(folders, {}, {}, &desktop);
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

TEST(MainWindow, StartSizeFollowsTheDesktop) {
    EXPECT_EQ(TfrmMain::StartSize(QSize(1920, 1080), false), QSize(1024, 864));
    EXPECT_EQ(TfrmMain::StartSize(QSize(2560, 1440), false), QSize(1359, 1152));
    EXPECT_EQ(TfrmMain::StartSize(QSize(1920, 1080), true), QSize(845, 701));
    const auto switches = TProgramSwitches::FromArguments({" small ", "Debug", "x.szk"});
    EXPECT_TRUE(switches.Small && switches.Debug);
    EXPECT_FALSE(switches.Font || switches.Gradient);
}

class MainWindowWithCharts : public ::testing::Test {
protected:
    void SetUp() override {
        Folders = PrepareHome(Home, Config);
        Window = std::make_unique<TfrmMain>(Folders, TProgramSwitches{}, nullptr, &Desktop);
        Window->show();
        for (const char* name : {"a.szk", "b.szk", "c.szk"}) {
            const QString path = Home.filePath(QStringLiteral("hors/") + QLatin1String(name));
            QFile::copy(Fixture, path);
            ASSERT_TRUE(Window->Controller().OpenChartFile(path));
        }
    }
    QTemporaryDir Home, Config;
    TProgramFolders Folders = TProgramFolders::Resolve({});
    TFakeDesktop Desktop;
    std::unique_ptr<TfrmMain> Window;
};

TEST_F(MainWindowWithCharts, CaptionStatusAndTheClipboardCopy) {
    EXPECT_TRUE(Window->windowTitle().endsWith(QStringLiteral("v3.0")));
    const quint16 language = LangManager::Instance().CurrentLanguageId();
    Window->CycleLanguage(); // only the built-in language
    EXPECT_TRUE(Window->windowTitle().endsWith(QStringLiteral("v3.0")));
    EXPECT_EQ(LangManager::Instance().CurrentLanguageId(), language);
    // A foreign place: the country and the age are cut off.
    Window->CopyBirthDataToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Kovács Éva Zsófia 1985.08.23 14:35 Győr"));
}

TEST_F(MainWindowWithCharts, TabsMoveOnlyWhenDraggedWithCtrl) {
    QTabBar* bar = Window->Workspace().tabBar();
    const QString first = Window->Workspace().widget(0)->objectName();
    const QPoint from = bar->tabRect(2).center();
    const QPoint to = bar->tabRect(0).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, from);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
    EXPECT_EQ(Window->Workspace().widget(0)->objectName(), first);
    const QString third = Window->Workspace().widget(2)->objectName();
    QTest::mousePress(bar, Qt::LeftButton, Qt::ControlModifier, from);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::ControlModifier, to);
    EXPECT_EQ(Window->Workspace().widget(0)->objectName(), third);
}

TEST_F(MainWindowWithCharts, ClosingTheLastChartBringsTheMenuBack) {
    Window->HandleViewRequest(101);
    EXPECT_FALSE(Window->menuBar()->isVisible());
    ASSERT_TRUE(Window->Controller().CloseCharts(true, false));
    emit Window->Workspace().tabCloseRequested(0); // nothing left: the close commands' tail
    EXPECT_TRUE(Window->menuBar()->isVisible());
}

TEST_F(MainWindowWithCharts, HouseSystemMarksFollowTheStoredLetter) {
    auto checked = [this] {
        QStringList names;
        for (QAction* a : Window->findChildren<QAction*>())
            if (a->objectName().startsWith("hrendsz_") && a->isChecked())
                names << a->objectName();
        return names;
    };
    Window->Controller().SetHouseSystem(QStringLiteral("K"));
    for (QAction* a : Window->findChildren<QAction*>())
        if (a->objectName() == QLatin1String("hrendsz_Koch1_K_"))
            a->trigger();
    EXPECT_EQ(checked(), QStringList{"hrendsz_Koch1_K_"});
    for (QAction* a : Window->findChildren<QAction*>())
        if (a->objectName() == QLatin1String("hrendsz_Campanus1_C_"))
            a->trigger();
    EXPECT_EQ(checked(), QStringList{"hrendsz_Campanus1_C_"});
    EXPECT_EQ(Window->Controller().Settings().GetHouseSystem(), QStringLiteral("C"));
}

TEST_F(MainWindowWithCharts, ViewModesCycleThroughTheBorderlessViews) {
    EXPECT_EQ(Window->ViewMode(), 1);
    Window->CycleViewMode();
    EXPECT_EQ(Window->ViewMode(), 2);
    EXPECT_FALSE(Window->menuBar()->isVisible());
    Window->CycleViewMode();
    EXPECT_EQ(Window->ViewMode(), 3);
    Window->CycleViewMode();
    EXPECT_EQ(Window->ViewMode(), 1);
    EXPECT_TRUE(Window->menuBar()->isVisible());
}

TEST(MainWindow, FromTheCommandLineToSavedFiles) {
    QTemporaryDir home, config;
    const TProgramFolders folders = PrepareHome(home, config);
    const QString first = home.filePath(QStringLiteral("hors/egy.szk"));
    const QString second = home.filePath(QStringLiteral("hors/ketto.szk"));
    QFile::copy(Fixture, first);
    QFile::copy(Fixture, second);
    const QByteArray secondBefore = [&] {
        QFile f(second);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const QString renamed = home.filePath(QStringLiteral("hors/harom.szk"));
    TFakeDesktop desktop;
    {
        TfrmMain window(folders, {}, {}, &desktop);
        window.show();
        window.Controller().OpenCommandLineCharts({QStringLiteral("DEBUG"), first, second});
        ASSERT_EQ(window.Workspace().count(), 2);
        window.Workspace().setCurrentIndex(0);
        EXPECT_TRUE(window.StatusText().startsWith(QStringLiteral("Kovács Éva Zsófia")));
        for (QAction* a : window.findChildren<QAction*>())
            if (a->objectName() == QLatin1String("hrendsz_Koch1_K_"))
                a->trigger();
        for (int i = 0; i < 2; ++i) {
            const auto* w = qobject_cast<TfrmBaseSzulKepletForm*>(window.Workspace().widget(i));
            EXPECT_TRUE(w->ChartEntry(0)->Birth->Modified()) << i; // recalculated
        }
        // The first chart gets another name and is saved under it.
        window.Workspace().setCurrentIndex(0);
        window.Controller().ActiveRecord()->SetName(QStringLiteral("Harmadik"));
        desktop.YesNo = true;
        desktop.Save = renamed;
        ASSERT_TRUE(window.Controller().SaveActiveChart(false));
        // Closing asks for the other, modified chart; "No" leaves its file alone.
        desktop.Answer = TDesktop::TAnswer::No;
        EXPECT_TRUE(window.close());
        EXPECT_EQ(window.Workspace().count(), 0);
        EXPECT_EQ(desktop.Questions.size(), 2);
    }
    EXPECT_TRUE(QFileInfo(renamed).isFile());
    QFile saved(renamed);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2)
            .contains(QStringLiteral("Name=Harmadik")));
    QFile untouched(second);
    ASSERT_TRUE(untouched.open(QIODevice::ReadOnly));
    EXPECT_EQ(untouched.readAll(), secondBefore);
    EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("data/settings.ini"))).isFile());
}

TEST_F(MainWindowWithCharts, TheFolderMenuMirrorsTheChartsFolder) {
    QDir(Home.path()).mkpath(QStringLiteral("hors/család/üres"));
    QFile::copy(Fixture, Home.filePath(QStringLiteral("hors/család/anya.SZK")));
    QFile(Home.filePath(QStringLiteral("hors/jegyzet.txt"))).open(QIODevice::WriteOnly);
    QMenu* folder = Window->findChild<QMenu*>(QStringLiteral("mnuDirectroy"));
    ASSERT_NE(folder, nullptr);
    emit folder->aboutToShow();
    QStringList items;
    for (QAction* a : folder->actions())
        items << a->text();
    // The subfolders first (the home layout's own among them), then the chart files,
    // each by name; no other files.
    EXPECT_EQ(items,
              (QStringList{"család", "docs", "images", "import", "a.szk", "b.szk", "c.szk"}));
    QMenu* family = folder->actions().first()->menu();
    emit family->aboutToShow();
    ASSERT_EQ(family->actions().size(), 2);
    EXPECT_EQ(family->actions()[1]->text(), QStringLiteral("anya.SZK"));
    QMenu* empty = family->actions()[0]->menu();
    emit empty->aboutToShow();
    EXPECT_EQ(empty->actions().first()->text(), QStringLiteral("[Üres]"));
    // Choosing a file opens it, without touching the others.
    family->actions()[1]->trigger();
    EXPECT_EQ(Window->Workspace().count(), 4);
}
