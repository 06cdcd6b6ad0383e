#include "MainWindow.h"

#include "ActionIcons.h"
#include "ZentavoMain.h"
#include "app/chart/ChartWindow.h"
#include "app/dialogs/CestSettingsDialog.h"
#include "app/dialogs/CountryAndTimeZoneDialog.h"
#include "app/dialogs/EditCityDataBaseDialog.h"
#include "app/dialogs/LifeStrategyDialog.h"
#include "app/dialogs/OrbisSettingsDialog.h"
#include "app/dialogs/SelfMarkersDialog.h"
#include "core/LangManager.h"
#include "core/Messages.h"
#include "data/SettingsKeys.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace velkaris {

namespace S = SettingsSection;
namespace K = SettingsKey;

namespace {

/// The house-system menu: the item's name ends in "_" + the letter stored.
const std::pair<const char*, const char*> HouseSystemItems[] = {
    {"hrendsz_Placidus1_P_", "Placidus"},     {"hrendsz_Velkaris1_R_", "Velkaris"},
    {"hrendsz_Campanus1_C_", "Campanus"},     {"hrendsz_Koch1_K_", "Koch"},
    {"hrendsz_Porphyrius1_O_", "Porphyrius"}, {"hrendsz_Egyenl1_A_", "Egyenlő"},
};
const std::pair<const char*, const char*> ZodiacItems[] = {{"zodiac_Sziderlis1_S_", "Sziderikus"},
                                                           {"zodiac_ropikus1_T_", "Tropikus"}};

/// The letter an item's name carries before its final "_".
QString LetterOf(const QString& itemName) {
    return itemName.size() >= 2 ? itemName.mid(itemName.size() - 2, 1) : QString();
}

} // namespace

TProgramSwitches TProgramSwitches::FromArguments(const QStringList& arguments) {
    TProgramSwitches switches;
    for (const QString& argument : arguments) {
        const QString name = argument.trimmed().toUpper();
        switches.Small |= name == QLatin1String("SMALL");
        switches.Font |= name == QLatin1String("FONT");
        switches.Debug |= name == QLatin1String("DEBUG");
        switches.Gradient |= name == QLatin1String("GRADIENT");
    }
    return switches;
}

QSize TfrmMain::StartSize(const QSize& desktop, bool small) {
    if (small)
        return {std::max(std::min(819, static_cast<int>(std::lround(1.3 * 701))), 845), 701};
    const int height = static_cast<int>(std::lround(0.8 * desktop.height()));
    const int width = std::max(std::min(static_cast<int>(std::lround(0.75 * desktop.width())),
                                        static_cast<int>(std::lround(1.18 * height))),
                               1024);
    return {width, height};
}

TfrmMain::TfrmMain(const TProgramFolders& folders, const TProgramSwitches& switches,
                   const std::function<void(const QString&)>& startUpStep, TDesktop* desktop)
    : m_Switches(switches), m_QtDesktop(this), m_Desktop(desktop ? *desktop : m_QtDesktop) {
    setObjectName(QStringLiteral("frmMain"));
    ApplyCaption();
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(StartSize(screen ? screen->size() : QSize(1920, 1080), switches.Small));

    m_Workspace = new QTabWidget(this);
    m_Workspace->setObjectName(QStringLiteral("pcWorkSpace"));
    m_Workspace->setTabsClosable(true);
    m_Workspace->setDocumentMode(true);
    m_Workspace->tabBar()->installEventFilter(this);
    setCentralWidget(m_Workspace);

    if (switches.Debug) {
        auto* dock = new QDockWidget(QStringLiteral("Napló"), this);
        dock->setObjectName(QStringLiteral("frmLog"));
        m_Log = new QPlainTextEdit(dock);
        m_Log->setReadOnly(true);
        dock->setWidget(m_Log);
        addDockWidget(Qt::RightDockWidgetArea, dock);
    }

    m_Controller = std::make_unique<TZentavoMain>(folders, *m_Workspace, m_Desktop, startUpStep);
    m_Controller->OnActiveTabChanged = [this] { RefreshStatus(); };
    m_Controller->IsMenuBarShown = [this] { return menuBar()->isVisible(); };
    m_Controller->OnMenuBarRequest = [this](int request) { HandleViewRequest(request); };
    m_Controller->DrawGradient = switches.Gradient;
    if (m_Log)
        m_Controller->DrawTimingLog = [this](const QString& line) { m_Log->appendPlainText(line); };
    connect(m_Workspace, &QTabWidget::currentChanged, this, [this] {
        SyncSwitchButtons();
        RefreshStatus();
    });
    connect(m_Workspace, &QTabWidget::tabCloseRequested, this, [this](int index) {
        m_Workspace->setCurrentIndex(index);
        m_Controller->CloseCharts(false, true);
        AfterClose();
    });

    for (int i = 0; i < 3; ++i) {
        m_Status[i] = new QLabel(this);
        m_Status[i]->setObjectName(QStringLiteral("statBar%1").arg(i));
        statusBar()->addWidget(m_Status[i], i == 0 ? 1 : 0);
    }
    m_Status[1]->setMinimumWidth(150);
    m_Status[2]->setMinimumWidth(170);
    statusBar()->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(QStringLiteral("Születési adatok másolása a vágólapra"), this);
    connect(copy, &QAction::triggered, this, &TfrmMain::CopyBirthDataToClipboard);
    statusBar()->addAction(copy);

    BuildActions();
    BuildMenus();
    BuildToolBars();
    if (m_Controller->Settings().GetStartMaximised())
        setWindowState(windowState() | Qt::WindowMaximized);
    RefreshCheckMarks();
    SyncSwitchButtons();
    RefreshStatus();
}

TfrmMain::~TfrmMain() {
    // The workspace outlives the controller here; its signals must not reach it.
    m_Workspace->disconnect(this);
    if (m_Controller)
        m_Controller->Shutdown();
}

void TfrmMain::ApplyCaption() {
    QString caption = QStringLiteral("Velkaris");
    if (!caption.contains(Version))
        caption += QLatin1Char(' ') + Version;
    setWindowTitle(caption);
}

// Actions, menus and tool bars.

void TfrmMain::BuildActions() {
    TZentavoMain& c = *m_Controller;
    auto action = [this](const QString& text, const char* icon, QKeySequence key = {}) {
        auto* a = new QAction(ActionIcons::Standard(icon), text, this);
        a->setShortcut(key);
        a->setToolTip(text);
        addAction(a);
        return a;
    };
    m_New = action(QStringLiteral("Új képlet"), "document-new", QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(m_New, &QAction::triggered, this, [this, &c] {
        if (c.NewChart())
            RefreshStatus();
    });
    m_EditData = action(QStringLiteral("Az aktuális képlet adatai"), "document-properties",
                        QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(m_EditData, &QAction::triggered, this, [this, &c] {
        if (c.EditActiveBirthData())
            RefreshStatus();
    });
    m_Open =
        action(QStringLiteral("Megnyitás"), "document-open", QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(m_Open, &QAction::triggered, this, [this, &c] {
        if (c.OpenChartFiles())
            RefreshStatus();
    });
    m_Save = action(QStringLiteral("Mentés"), "document-save", QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(m_Save, &QAction::triggered, this, [&c] { c.SaveActiveChart(false); });
    m_SaveAs = action(QStringLiteral("Mentés másként"), "document-save-as");
    connect(m_SaveAs, &QAction::triggered, this, [&c] { c.SaveActiveChart(true); });
    m_Close =
        action(QStringLiteral("Bezár"), "document-close", QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(m_Close, &QAction::triggered, this, [this, &c] {
        c.CloseCharts(false, true);
        AfterClose();
    });
    m_CloseAll = action(QStringLiteral("Mind bezár"), "window-close");
    connect(m_CloseAll, &QAction::triggered, this, [this, &c] {
        c.CloseCharts(true, true);
        AfterClose();
    });
    m_Exit =
        action(QStringLiteral("Kilépés"), "application-exit", QKeySequence(Qt::ALT | Qt::Key_X));
    connect(m_Exit, &QAction::triggered, this, &QWidget::close);
    m_SelfMarkerTable = action(QStringLiteral("Énállapotok"), "view-list-details",
                               QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(m_SelfMarkerTable, &QAction::triggered, this, &TfrmMain::ShowSelfMarkerTable);
    m_LifeStrategy = action(QStringLiteral("Életstratégia, járatlan út"), "view-grid",
                            QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(m_LifeStrategy, &QAction::triggered, this, &TfrmMain::ShowLifeStrategyTable);
    m_LifeStrategy->setIcon(ActionIcons::Glyph(QLatin1Char('t')));
    m_SelfMarkerTable->setIcon(ActionIcons::Glyph(QLatin1Char('a')));

    m_SelfMarkerView = action(QStringLiteral("Énállapotok (Be/Ki)"), "view-visible");
    m_SelfMarkerView->setCheckable(true);
    m_SelfMarkerView->setIcon(ActionIcons::Glyph(QChar(0x20AC)));
    connect(m_SelfMarkerView, &QAction::triggered, this, [this](bool down) {
        if (TfrmBaseSzulKepletForm* window = m_Controller->ActiveChartWindow()) {
            window->SetSelfMarkerView(down);
            m_SelfMarkerView->setChecked(window->SelfMarkerViewShown());
        } else {
            m_SelfMarkerView->setChecked(false);
        }
    });
    m_PersonalData = action(QStringLiteral("Személyes adatok ki/be kapcsolása"), "user-identity");
    m_PersonalData->setCheckable(true);
    m_PersonalData->setIcon(ActionIcons::Glyph(QLatin1Char('S')));
    connect(m_PersonalData, &QAction::triggered, this, [this](bool down) {
        m_Controller->SettingsStore().WriteBool(S::chkbInkognito, K::Inkognito, down);
        RefreshStatus();
    });
    m_FixedStars = action(QStringLiteral("Állócsillagok megjelenítése"), "starred");
    m_FixedStars->setCheckable(true);
    connect(m_FixedStars, &QAction::triggered, this, [this](bool down) {
        m_Controller->SettingsStore().WriteBool(S::chkbFixedStars, K::KELL_E_MEGJELENITES, down);
        m_Controller->RecalculateAll(false);
        RefreshStatus();
    });
    m_Reader = action(QStringLiteral("Horoszkópolvasó bekapcsolása"), "help-contextual",
                      QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_Reader->setCheckable(true);
    m_Reader->setIcon(ActionIcons::Glyph(QLatin1Char('q')));
    m_ViewModeAction = action(QStringLiteral("Teljes képernyős nézet (Netbook)"), "view-fullscreen",
                              QKeySequence(Qt::Key_F11));
    connect(m_ViewModeAction, &QAction::triggered, this, &TfrmMain::CycleViewMode);
    auto* language = action(QStringLiteral("Nyelv váltása"), "preferences-desktop-locale",
                            QKeySequence(Qt::CTRL | Qt::Key_F9));
    connect(language, &QAction::triggered, this, &TfrmMain::CycleLanguage);
}

void TfrmMain::BuildMenus() {
    m_MenuBar = menuBar();
    m_MenuBar->setObjectName(QStringLiteral("mnuMainTNT"));
    QMenu* file = m_MenuBar->addMenu(QStringLiteral("&Fájl"));
    file->addAction(m_New);
    file->addAction(m_EditData);
    file->addAction(m_Open);
    QMenu* folder = file->addMenu(QStringLiteral("Megnyitás könyvtárból..."));
    folder->setObjectName(QStringLiteral("mnuDirectroy"));
    const QString charts = QDir(m_Controller->ProgramFolder()).filePath(QStringLiteral("hors"));
    connect(folder, &QMenu::aboutToShow, this,
            [this, folder, charts] { FillFolderMenu(folder, charts); });
    file->addAction(m_Save);
    file->addAction(m_SaveAs);
    file->addSeparator();
    file->addAction(m_Close);
    file->addAction(m_CloseAll);
    file->addSeparator();
    file->addAction(m_Exit);

    QMenu* tables = m_MenuBar->addMenu(QStringLiteral("&Táblázatok"));
    tables->addAction(m_LifeStrategy);
    tables->addAction(m_SelfMarkerTable);

    QMenu* comparison = m_MenuBar->addMenu(QStringLiteral("Ö&sszevetés"));
    QMenu* display = comparison->addMenu(QStringLiteral("Képletek megjelenítése..."));
    display->addAction(QStringLiteral("... egymáson"), this, [this] {
        if (TfrmBaseSzulKepletForm* window = m_Controller->ActiveChartWindow())
            window->SetDisplayMode(1);
    });
    display->addAction(QStringLiteral("... egymás mellett"), this, [this] {
        if (TfrmBaseSzulKepletForm* window = m_Controller->ActiveChartWindow())
            window->SetDisplayMode(0);
    });

    QMenu* settings = m_MenuBar->addMenu(QStringLiteral("&Beállítások"));
    settings->addAction(QStringLiteral("Fényszög orbisok"), this, [this] {
        TfrmOrbisSettings dialog(m_Controller->Orbs(), m_Controller->SettingsStore(), this);
        if (dialog.exec() == QDialog::Accepted)
            m_Controller->RecalculateAll(true);
        m_Controller->RefreshActiveTab(true);
    });
    QMenu* houses = settings->addMenu(QStringLiteral("Házrendszer"));
    m_HouseSystems = new QActionGroup(this);
    for (const auto& [name, caption] : HouseSystemItems) {
        QAction* item = houses->addAction(QString::fromUtf8(caption));
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        m_HouseSystems->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] {
            m_Controller->SetHouseSystem(LetterOf(item->objectName()));
            RefreshCheckMarks();
        });
    }
    m_HouseSystems->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    QMenu* zodiac = settings->addMenu(QStringLiteral("Zodiákus"));
    m_Zodiacs = new QActionGroup(this);
    for (const auto& [name, caption] : ZodiacItems) {
        QAction* item = zodiac->addAction(QString::fromUtf8(caption));
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        m_Zodiacs->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] {
            m_Controller->SetZodiac(LetterOf(item->objectName()));
            RefreshCheckMarks();
        });
    }
    QMenu* direction = settings->addMenu(QStringLiteral("Primer direkció iránya"));
    m_Directions = new QActionGroup(this);
    for (const auto& [name, caption, tag] :
         {std::tuple{"progrirany_Direkt1", "Direkt", 0}, {"progrirany_Konverz1", "Konverz", 1}}) {
        QAction* item = direction->addAction(QString::fromUtf8(caption));
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        item->setData(tag);
        m_Directions->addAction(item);
        connect(item, &QAction::triggered, this, [this, tag] {
            m_Controller->SettingsStore().WriteInteger(S::chkbProgresszioIrany, K::ProgresszioIrany,
                                                       tag);
            RefreshCheckMarks();
            RefreshStatus();
        });
    }
    settings->addSeparator();
    settings->addAction(QStringLiteral("Országok és időzónák"), this, [this] {
        TfrmCountryAndTimeZone dialog(m_Controller->PlaceProvider(), this);
        dialog.exec();
    });
    settings->addAction(QStringLiteral("Nyári időszámítás szabályai"), this, [this] {
        TfrmCestSettings dialog(m_Controller->PlaceProvider(), this);
        dialog.exec();
    });
    settings->addAction(QStringLiteral("Település adatok szerkesztése"), this, [this] {
        TfrmEditCityDataBase editor(m_Controller->PlaceProvider(), this);
        const bool confirmed = editor.exec() == QDialog::Accepted;
        m_Controller->AfterCityEditor(editor.Changed(), confirmed);
    });
    settings->addSeparator();
    settings->addAction(QStringLiteral("Betöltés fájlból"), this, &TfrmMain::LoadSettingsFromFile);
    settings->addAction(QStringLiteral("Mentés fájlba"), this, &TfrmMain::SaveSettingsToFile);
    settings->addAction(QStringLiteral("Alapértelmezések visszaállítása"), this, [this] {
        if (m_Controller->SettingsStore().RestoreDefaultsAfterAsking(
                [this](const QString& q) { return m_Desktop.AskYesNo(q); })) {
            m_Controller->Orbs().LoadRows(m_Controller->Settings());
            m_Controller->RecalculateAll(true);
            RefreshCheckMarks();
        }
    });

    QMenu* view = m_MenuBar->addMenu(QStringLiteral("&Nézet"));
    view->addAction(m_ViewModeAction);
    view->addAction(m_SelfMarkerView);
    view->addAction(m_PersonalData);
    view->addAction(m_FixedStars);
}

void TfrmMain::BuildToolBars() {
    m_TopBar = addToolBar(QStringLiteral("Eszköztár"));
    m_TopBar->setObjectName(QStringLiteral("tbrMenuTNT"));
    m_LeftBar = new QToolBar(QStringLiteral("Oldalsó eszköztár"), this);
    m_LeftBar->setObjectName(QStringLiteral("tbrLeftTNT"));
    addToolBar(Qt::LeftToolBarArea, m_LeftBar);
    for (QToolBar* bar : {m_TopBar, m_LeftBar}) {
        bar->setMovable(false);
        bar->addActions({m_New, m_EditData});
        bar->addSeparator();
        bar->addActions({m_Open, m_Save, m_CloseAll});
        bar->addSeparator();
        bar->addActions({m_LifeStrategy, m_SelfMarkerView});
        bar->addSeparator();
        bar->addAction(m_PersonalData);
        bar->addSeparator();
        bar->addAction(m_FixedStars);
        bar->addSeparator();
        bar->addAction(m_Reader);
    }
    m_LeftBar->hide();
}

void TfrmMain::FillFolderMenu(QMenu* menu, const QString& folder) {
    menu->clear();
    const QDir dir(folder);
    const QFileInfoList folders =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    QStringList filters{QStringLiteral("*.szk"), QStringLiteral("*.SZK")};
    const QFileInfoList files =
        dir.entryInfoList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& sub : folders) {
        QMenu* submenu = menu->addMenu(sub.fileName());
        const QString path = sub.absoluteFilePath();
        connect(submenu, &QMenu::aboutToShow, this,
                [this, submenu, path] { FillFolderMenu(submenu, path); });
    }
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        menu->addAction(file.fileName(), this, [this, path] {
            if (QFileInfo(path).isFile())
                m_Controller->OpenChartFile(path);
        });
    }
    if (folders.isEmpty() && files.isEmpty())
        menu->addAction(QStringLiteral("[Üres]"))->setEnabled(false);
}

void TfrmMain::RefreshCheckMarks() {
    const QString house = m_Controller->Settings().GetHouseSystem();
    for (QAction* item : m_HouseSystems->actions())
        item->setChecked(item->objectName().toUpper().contains(house.toUpper() + QLatin1Char('_')));
    const QString zodiac = m_Controller->Settings().GetZodiac();
    for (QAction* item : m_Zodiacs->actions())
        item->setChecked(
            item->objectName().toUpper().contains(zodiac.toUpper() + QLatin1Char('_')));
    const int direction = m_Controller->Settings().GetProgressionDirection();
    for (QAction* item : m_Directions->actions())
        item->setChecked(item->data().toInt() == direction);
    m_PersonalData->setChecked(m_Controller->Settings().GetIncognito());
    m_FixedStars->setChecked(m_Controller->Settings().GetShowFixedStars());
}

void TfrmMain::SyncSwitchButtons() {
    const TfrmBaseSzulKepletForm* window = m_Controller->ActiveChartWindow();
    m_SelfMarkerView->setChecked(window && window->SelfMarkerViewShown());
}

// The status bar.

void TfrmMain::RefreshStatus() {
    for (QLabel* panel : m_Status)
        panel->clear();
    m_Controller->RefreshActiveTab(false);
    const int index = m_Workspace->currentIndex();
    if (index < 0 || !m_Controller->ActiveChartWindow()) {
        QApplication::setApplicationDisplayName(QStringLiteral("Velkaris"));
        return;
    }
    m_Status[0]->setText(m_Controller->ActiveTabHint());
    QApplication::setApplicationDisplayName(QStringLiteral("Velkaris - ") +
                                            m_Workspace->tabText(index).trimmed());
}

QString TfrmMain::StatusText(int panel) const {
    return panel >= 0 && panel < 3 ? m_Status[panel]->text() : QString();
}

void TfrmMain::CopyBirthDataToClipboard() {
    QString text = StatusText(0);
    if (!text.contains(QLatin1Char(',')))
        text += QStringLiteral(", ");
    QGuiApplication::clipboard()->setText(text.left(text.lastIndexOf(QLatin1Char(','))));
}

// View modes.

void TfrmMain::CycleViewMode() {
    m_ViewMode = m_ViewMode % 3 + 1;
    const bool normal = m_ViewMode == 1;
    menuBar()->setVisible(normal);
    m_TopBar->setVisible(normal);
    statusBar()->setVisible(normal);
    m_LeftBar->setVisible(!normal);
    setWindowFlag(Qt::FramelessWindowHint, !normal);
    if (m_ViewMode == 1) {
        showNormal();
    } else if (m_ViewMode == 2) {
        const QScreen* screen = this->screen();
        showNormal();
        if (screen)
            setGeometry(screen->availableGeometry());
    } else {
        showMaximized();
    }
}

void TfrmMain::HandleViewRequest(int code) {
    if (!statusBar()->isVisible())
        return;
    if (code == 100 && !menuBar()->isVisible()) {
        menuBar()->show();
        m_TopBar->show();
        m_LeftBar->hide();
    } else if (code == 101 && menuBar()->isVisible()) {
        menuBar()->hide();
        m_TopBar->hide();
        m_LeftBar->hide();
    }
}

void TfrmMain::AfterClose() {
    SyncSwitchButtons();
    RefreshStatus();
    HandleViewRequest(100);
}

// Languages.

void TfrmMain::CycleLanguage() {
    LangManager& lang = LangManager::Instance();
    const int count = std::max(lang.LanguageCount(), 1);
    m_LanguageIndex = (m_LanguageIndex + 1) % count;
    if (const auto failed = lang.SelectLanguage(lang.LanguageIdAt(m_LanguageIndex)))
        m_Desktop.ShowError(*failed);
    ApplyCaption();
}

// Tables and settings files.

void TfrmMain::ShowSelfMarkerTable() {
    const TSzulKepletFormInfo* entry = m_Controller->ActiveFormInfo(0);
    if (!entry) {
        m_Desktop.ShowError(GetMessageText(u"uZentavoMain_NoSelectableSzulKeplet"));
        return;
    }
    TfrmSelfMarkers dialog(*entry->Result, m_Controller->Settings().GetArabicAngularHouseNumbers(),
                           this);
    dialog.exec();
}

void TfrmMain::ShowLifeStrategyTable() {
    const TSzulKepletFormInfo* entry = m_Controller->ActiveFormInfo(0);
    if (!entry) {
        m_Desktop.ShowError(GetMessageText(u"uZentavoMain_NoSelectableSzulKeplet"));
        return;
    }
    TfrmEletstratJaratlanUt dialog(*entry->Result, this);
    dialog.exec();
}

void TfrmMain::LoadSettingsFromFile() {
    const QStringList files = m_Desktop.ChooseOpenFiles(
        GetMessageText(u"uZentavoMain_LoadSettingsFromFile"), m_Controller->ProgramFolder(),
        GetMessageText(u"uZentavoMain_LoadSettingsFromFileFilter"), false);
    if (files.isEmpty())
        return;
    if (!m_Controller->SettingsStore().LoadSettingsFromFile(files.first()))
        return;
    m_Controller->Orbs().LoadRows(m_Controller->Settings());
    m_Controller->RecalculateAll(true);
    RefreshCheckMarks();
    m_Controller->RefreshActiveTab(true);
}

void TfrmMain::SaveSettingsToFile() {
    const auto file = m_Desktop.ChooseSaveFile(
        GetMessageText(u"uZentavoMain_SaveSettingsToFile"),
        QDir(m_Controller->ProgramFolder()).filePath(QStringLiteral("beallitasok.ini")),
        GetMessageText(u"uZentavoMain_LoadSettingsFromFileFilter"));
    if (file)
        m_Controller->SettingsStore().SaveSettingsToFile(*file);
}

// Closing and the tab strip.

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!m_Controller->CloseCharts(true, false)) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    // A tab is moved by dragging it with Ctrl held onto another tab.
    QTabBar* bar = m_Workspace->tabBar();
    if (watched == bar && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_DragTabIndex =
            mouse->modifiers() & Qt::ControlModifier ? bar->tabAt(mouse->position().toPoint()) : -1;
    } else if (watched == bar && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int target = bar->tabAt(mouse->position().toPoint());
        if (m_DragTabIndex >= 0 && target >= 0 && target != m_DragTabIndex)
            bar->moveTab(m_DragTabIndex, target);
        m_DragTabIndex = -1;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace velkaris
