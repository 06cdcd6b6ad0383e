#include "app/chart/ChartWindow.h"

#include "WidgetTestEnvironment.h"
#include "app/chart/AttachmentPaths.h"
#include "app/chart/ChartView.h"
#include "app/chart/ChartWindowHost.h"
#include "calc/AspectOrbProvider.h"
#include "calc/SWECalculator.h"
#include "calc/SWESession.h"
#include "core/Messages.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsProvider.h"
#include "render/ChartFonts.h"
#include "render/DrawController.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace velkaris;
using velkaris::test::SaveScreenshot;

namespace {

/// The program around a chart window, as a test sees it: real services, and the
/// questions and shell actions recorded and answered from fields.
class TFakeHost : public TChartWindowHost {
public:
    TFakeHost() : m_Provider(m_Store), m_Calculator(nullptr, &m_Orbs, &m_Provider) {
        m_Store.RestoreDefaults();
        m_Orbs.LoadRows(m_Provider);
    }
    const TSettingsProvider& Settings() const override { return m_Provider; }
    const TAspectOrbProvider* OrbProvider() const override { return &m_Orbs; }
    TSWECalculator& Calculator() override { return m_Calculator; }
    QString ProgramFolder() const override { return Home.path(); }
    void ShowNotesEditor(const QString& kind, int id) override {
        Notes << kind + QString::number(id);
    }
    QString AttachPicturePath(const QString& file) override { return Stored.value(file, file); }
    QString AttachDocumentPath(const QString& file) override { return Stored.value(file, file); }
    void SetSidePanelsAll(bool hidden) override { PanelsHiddenAll = hidden; }
    void RefreshActiveTab(bool) override { ++Refreshes; }
    void OpenChartRecord(std::shared_ptr<TSzuletesiKepletInfo> record) override {
        Opened.push_back(std::move(record));
    }
    void RequestMenuBar(int request) override { MenuRequests << request; }
    bool MainMenuBarShown() const override { return true; }
    bool AskYesNo(const QString& question) override {
        Questions << question;
        return Answer;
    }
    void ShowError(const QString& message) override { Errors << message; }
    std::optional<QString> ChooseFile(bool) override { return Chosen; }
    std::optional<QString> AskAddress() override { return Address; }
    void OpenWithShell(const QString& target) override { Shell << target; }
    QDateTime Now() const override { return Clock; }

    QTemporaryDir Home;
    QStringList Notes, Questions, Errors, Shell;
    QList<int> MenuRequests;
    std::vector<std::shared_ptr<TSzuletesiKepletInfo>> Opened;
    QMap<QString, QString> Stored;
    std::optional<QString> Chosen;
    std::optional<QString> Address;
    bool Answer = true;
    bool PanelsHiddenAll = false;
    int Refreshes = 0;
    QDateTime Clock{QDate(2026, 12, 10), QTime(15, 45)};

private:
    TSettingsINIFileLoader m_Store;
    TSettingsProvider m_Provider;
    TAspectOrbProvider m_Orbs;
    TSWECalculator m_Calculator;
};

std::shared_ptr<TSzuletesiKepletInfo> Budapest(int year, int month, int day, int hour) {
    auto b = std::make_shared<TSzuletesiKepletInfo>();
    b->SetLoading(true);
    b->SetName(QStringLiteral("Teszt Elek"));
    b->SetDateParts(year, month, day, hour, 30, 0);
    b->SetLocLatDegree(47);
    b->SetLocLatMinute(30);
    b->SetLocLongDegree(19);
    b->SetLocLongMinute(3);
    b->SetTZCodeIsManual(true);
    b->SetTZoneHour(1);
    b->SetTZoneMinute(0);
    b->SetLoading(false);
    return b;
}

class ChartWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        qunsetenv("SE_EPHE_PATH");
        Session = std::make_unique<TSWESession>(QStringLiteral("/usr/share/libswe/ephe"));
        RegisterChartFonts(
            QStringLiteral(VELKARIS_SOURCE_DIR "/share/velkaris/fonts/VelkarisWIN.ttf"));
    }
    static void TearDownTestSuite() { Session.reset(); }
    void SetUp() override {
        Window = std::make_unique<TfrmBaseSzulKepletForm>(Host);
        Window->resize(900, 700);
        Window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override { Window.reset(); }

    inline static std::unique_ptr<TSWESession> Session;
    TFakeHost Host;
    std::unique_ptr<TfrmBaseSzulKepletForm> Window;
};

} // namespace

TEST_F(ChartWindow, LoadsADrawsAndRedrawsOnResize) {
    ASSERT_TRUE(Window->LoadChart(Budapest(1975, 6, 15, 8), ChartKind::Natal, true));
    EXPECT_TRUE(Window->Built);
    ASSERT_NE(Window->Drawer(), nullptr);
    EXPECT_GT(Window->Drawer()->PlanetElements.Count(), 9);
    const QSize before = Window->View().ShownPicture().size();
    EXPECT_EQ(before, Window->View().size());

    Window->resize(1200, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(Window->View().ShownPicture().size(), Window->View().size());
    EXPECT_NE(Window->View().ShownPicture().size(), before);
    // The elements are reused, not multiplied, by the redraws.
    EXPECT_EQ(Window->Drawer()->SignElements.Count(), 12);
    SaveScreenshot(*Window, QStringLiteral("chart-window-natal.png"));
}

TEST_F(ChartWindow, DisplayModeSwitchesOverlayAndShifted) {
    ASSERT_TRUE(Window->LoadChart(Budapest(1975, 6, 15, 8), ChartKind::Natal, true));
    ASSERT_TRUE(Window->LoadChart(Budapest(1990, 2, 23, 6), ChartKind::SynastryPartner, false));
    Window->SetDisplayMode(1);
    const auto* outer = Window->Drawer()->PlanetElements.Find(1, BodyId::Sun);
    ASSERT_NE(outer, nullptr);
    const QRect overlaid(outer->Left, outer->Top, outer->Width, outer->Height);
    Window->SetDisplayMode(0);
    EXPECT_FALSE(Window->Drawer()->Overlay);
    // Shifted: the second chart has its own wheel, so its Sun moved.
    EXPECT_NE(QRect(outer->Left, outer->Top, outer->Width, outer->Height), overlaid);
    EXPECT_EQ(Window->DisplayMode, 0);
    SaveScreenshot(*Window, QStringLiteral("chart-window-two-charts.png"));
}

TEST_F(ChartWindow, AttachmentsAreAddedOpenedAndRemoved) {
    auto record = Budapest(1975, 6, 15, 8);
    ASSERT_TRUE(Window->LoadChart(record, ChartKind::Natal, true));
    auto* list = Window->findChild<QListWidget*>(QStringLiteral("lisCsatDocuments"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->height(), 0);

    Host.Chosen = QStringLiteral("/somewhere/level.pdf");
    Host.Stored[*Host.Chosen] = QStringLiteral("hors\\docs\\level.pdf");
    Window->AddDocument();
    Host.Address = QStringLiteral("kovacs.eva@example.hu");
    Window->AddAddress();
    EXPECT_EQ(record->Attachments(),
              (QStringList{"hors\\docs\\level.pdf", "kovacs.eva@example.hu"}));
    EXPECT_TRUE(record->Modified());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("level.pdf"));
    EXPECT_EQ(list->height(), 30);

    // The address goes to the shell as it is; the document is looked for below the home
    // folder and is missing.
    Window->OpenAttachment(1);
    EXPECT_EQ(Host.Shell, QStringList{"kovacs.eva@example.hu"});
    Window->OpenAttachment(0);
    ASSERT_EQ(Host.Errors.size(), 1);
    EXPECT_TRUE(Host.Errors[0].startsWith(GetMessageText(u"fBaseSzulKeplet_DocNemTalalhato")));
    EXPECT_TRUE(Host.Errors[0].endsWith(Host.Home.filePath("hors/docs/level.pdf")));
    EXPECT_EQ(record->Attachments().size(), 2);

    // Removing needs a selection and a yes.
    Window->RemoveAttachment();
    EXPECT_TRUE(Host.Questions.isEmpty());
    list->setCurrentRow(0);
    Host.Answer = false;
    Window->RemoveAttachment();
    EXPECT_EQ(record->Attachments().size(), 2);
    Host.Answer = true;
    Window->RemoveAttachment();
    EXPECT_EQ(record->Attachments(), QStringList{"kovacs.eva@example.hu"});
    EXPECT_TRUE(Host.Questions.last().endsWith("\"hors\\docs\\level.pdf\""));
}

TEST_F(ChartWindow, AnAttachedChartFileOpensAsAChart) {
    QDir(Host.Home.path()).mkpath(QStringLiteral("hors"));
    const QString chartFile = Host.Home.filePath(QStringLiteral("hors/Masik.SZK"));
    QFile::copy(QStringLiteral(VELKARIS_TEST_DATA_DIR "/data/data/windows-chart.szk"), chartFile);
    auto record = Budapest(1975, 6, 15, 8);
    record->SetAttachments({QStringLiteral("hors\\Masik.SZK")});
    ASSERT_TRUE(Window->LoadChart(record, ChartKind::Natal, true));
    Window->OpenAttachment(0);
    ASSERT_EQ(Host.Opened.size(), 1u);
    EXPECT_EQ(Host.Opened[0]->Year(), 1985);
}

TEST_F(ChartWindow, PortraitIsReadBelowTheHomeFolder) {
    QDir(Host.Home.path()).mkpath(QStringLiteral("hors/images"));
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(Host.Home.filePath(QStringLiteral("hors/images/eva.png"))));
    auto record = Budapest(1975, 6, 15, 8);
    record->SetPictureFilename(QStringLiteral("hors\\images\\eva.png"));
    ASSERT_TRUE(Window->LoadChart(record, ChartKind::Natal, true));
    auto* portrait = Window->findChild<QLabel*>(QStringLiteral("imgPersonPicture"));
    EXPECT_FALSE(portrait->property("placeholder").toBool());

    // A missing portrait shows the placeholder and the record keeps its path.
    auto other = Budapest(1980, 1, 1, 12);
    other->SetPictureFilename(QStringLiteral("hors/images/gone.png"));
    TfrmBaseSzulKepletForm second(Host);
    ASSERT_TRUE(second.LoadChart(other, ChartKind::Natal, true));
    EXPECT_TRUE(second.findChild<QLabel*>(QStringLiteral("imgPersonPicture"))
                    ->property("placeholder")
                    .toBool());
    EXPECT_EQ(other->PictureFilename(), QStringLiteral("hors/images/gone.png"));

    // Deleting asks first.
    Window->DeletePortrait();
    EXPECT_EQ(record->PictureFilename(), QString());
    EXPECT_TRUE(portrait->property("placeholder").toBool());
}

TEST_F(ChartWindow, RightClicksOnElementsOpenNotesOnlyForOneChart) {
    ASSERT_TRUE(Window->LoadChart(Budapest(1975, 6, 15, 8), ChartKind::Natal, true));
    auto* house = Window->Drawer()->HouseNumberElements.Find(0, 4);
    ASSERT_NE(house, nullptr);
    const QPoint at(house->Left + house->Width / 2, house->Top + house->Height / 2);
    EXPECT_EQ(Window->View().ElementAt(at), house);
    QTest::mouseClick(&Window->View(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(Host.Notes.isEmpty());
    QTest::mouseClick(&Window->View(), Qt::RightButton, {}, at);
    EXPECT_EQ(Host.Notes, QStringList{"H4"});

    ASSERT_TRUE(Window->LoadChart(Budapest(1990, 2, 23, 6), ChartKind::SynastryPartner, true));
    auto* again = Window->Drawer()->HouseNumberElements.Find(0, 4);
    QTest::mouseClick(&Window->View(), Qt::RightButton, {},
                      QPoint(again->Left + again->Width / 2, again->Top + again->Height / 2));
    EXPECT_EQ(Host.Notes, QStringList{"H4"});
    EXPECT_EQ(Host.Errors, QStringList{"Összevetés képletekhez nem lehet megjegyzést adni!"});
}

TEST_F(ChartWindow, CurrentSkyRefreshesOnItsTimer) {
    auto sky = Budapest(2026, 12, 10, 12);
    ASSERT_TRUE(Window->LoadChart(sky, ChartKind::CurrentSky, true));
    Window->hide();
    Window->show();
    auto* box = Window->findChild<QCheckBox*>(QStringLiteral("chkAutomFrissitesEgiAllas"));
    ASSERT_TRUE(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(Window->RefreshTimer().isActive());
    EXPECT_EQ(Window->RefreshTimer().interval(), 180'000);

    // Ctrl and the right button take minutes away, down to the 10-second refresh.
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(box, Qt::RightButton, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(Window->RefreshTimer().interval(), 10'000);
    EXPECT_EQ(box->text(), QStringLiteral("Autom.frissítés (10mp)"));
    // The left button's click unticks the box first, so only a click that ticks it again
    // raises the interval: to one minute.
    QTest::mouseClick(box, Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Window->RefreshTimer().isActive());
    QTest::mouseClick(box, Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Window->RefreshTimer().isActive());
    EXPECT_EQ(Window->RefreshTimer().interval(), 60'000);
    EXPECT_EQ(box->text(), QStringLiteral("Autom.frissítés (1p)"));

    // A tick moves the chart to the clock.
    const double before = Window->ChartEntry(0)->Result->Axes.Find(AxisId::Ascendant)->Longitude;
    Window->RefreshCurrentSky();
    EXPECT_EQ(sky->Hour(), 15);
    EXPECT_EQ(sky->Minute(), 45);
    EXPECT_EQ(Host.Refreshes, 1);
    EXPECT_NE(Window->ChartEntry(0)->Result->Axes.Find(AxisId::Ascendant)->Longitude, before);
}

TEST_F(ChartWindow, AChartThatCannotBeCalculatedDoesNotOpen) {
    auto broken = std::make_shared<TSzuletesiKepletInfo>();
    EXPECT_FALSE(Window->LoadChart(broken, ChartKind::Natal, true));
    ASSERT_EQ(Host.Errors.size(), 1);
    EXPECT_TRUE(Host.Errors[0].startsWith(GetMessageText(u"fBaseSzulKeplet_NemLehetMegnyitni")));
    EXPECT_TRUE(Window->ChartEntries.empty());
    EXPECT_FALSE(Window->Built);
}

TEST_F(ChartWindow, UnknownBirthTimeIsDrawnForNoon) {
    // A record whose file gives an hour although the time is unknown.
    auto unknown = Budapest(1975, 6, 15, 8);
    unknown->SetTimeIsUnknown(true);
    unknown->SetDateParts(1975, 6, 15, 8, 30, 0);
    auto noon = Budapest(1975, 6, 15, 12);
    noon->SetDateParts(1975, 6, 15, 12, 0, 0);
    ASSERT_TRUE(Window->LoadChart(unknown, ChartKind::Natal, true));
    TfrmBaseSzulKepletForm other(Host);
    ASSERT_TRUE(other.LoadChart(noon, ChartKind::Natal, true));
    EXPECT_EQ(Window->ChartEntry(0)->Result->Axes.Find(AxisId::Ascendant)->Longitude,
              other.ChartEntry(0)->Result->Axes.Find(AxisId::Ascendant)->Longitude);
    EXPECT_EQ(unknown->Hour(), 8); // the record itself is left as it was
}

TEST_F(ChartWindow, SidePanelsToggleAndHide) {
    ASSERT_TRUE(Window->LoadChart(Budapest(1975, 6, 15, 8), ChartKind::Natal, true));
    EXPECT_TRUE(Window->SidePanelsShown());
    const int wide = Window->View().width();
    Window->SetSidePanels(false);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Window->SidePanelsShown());
    EXPECT_EQ(Window->View().width(), wide + 2 * TfrmBaseSzulKepletForm::SidePanelWidth);
    Window->SetSidePanels(false);
    EXPECT_TRUE(Window->SidePanelsShown());
    Window->SetSidePanels(true);
    EXPECT_FALSE(Window->SidePanelsShown());
}

TEST(AttachmentPaths, ResolveAndShow) {
    using namespace AttachmentPaths;
    EXPECT_EQ(DisplayName(QStringLiteral("hors\\docs\\level.pdf")), QStringLiteral("level.pdf"));
    EXPECT_EQ(DisplayName(QStringLiteral("mailto:eva@example.hu")),
              QStringLiteral("eva@example.hu"));
    EXPECT_EQ(Resolve(QStringLiteral("hors\\docs\\a.pdf"), QStringLiteral("/home/u/v")),
              QStringLiteral("/home/u/v/hors/docs/a.pdf"));
    EXPECT_EQ(Resolve(QStringLiteral("C:\\docs\\a.szk"), QStringLiteral("/h")),
              QStringLiteral("C:/docs/a.szk"));
    EXPECT_EQ(Resolve(QStringLiteral("/tmp/a.pdf"), QStringLiteral("/h")),
              QStringLiteral("/tmp/a.pdf"));
    EXPECT_EQ(Resolve(QStringLiteral("  "), QStringLiteral("/h")), QString());
    EXPECT_TRUE(IsAddress(QStringLiteral("eva@example.hu")));
    EXPECT_TRUE(IsAddress(QStringLiteral("http://x.hu")));
    EXPECT_FALSE(IsAddress(QStringLiteral("HTTP.pdf")));
    EXPECT_TRUE(IsChartFile(QStringLiteral("a.SzK")));
}

TEST(AttachmentPaths, AttachedFilesAreCopiedOrStoredRelative) {
    using namespace AttachmentPaths;
    QTemporaryDir home, elsewhere;
    const QString picture = elsewhere.filePath(QStringLiteral("eva.png"));
    QFile(picture).open(QIODevice::WriteOnly);
    EXPECT_EQ(StoredAttachment(elsewhere.filePath("missing.png"), home.path(), true, "hors/images"),
              QString());
    EXPECT_EQ(StoredAttachment(picture, home.path(), true, QStringLiteral("hors/images")),
              QStringLiteral("hors\\images\\eva.png"));
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("hors/images/eva.png"))));
    // Not copied: kept as it is, or relative when below the home folder.
    EXPECT_EQ(StoredAttachment(picture, home.path(), false, QStringLiteral("hors/images")),
              QFileInfo(picture).absoluteFilePath());
    EXPECT_EQ(StoredAttachment(home.filePath(QStringLiteral("hors/images/eva.png")), home.path(),
                               false, QStringLiteral("hors/docs")),
              QStringLiteral("hors/images/eva.png"));
}
