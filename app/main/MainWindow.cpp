#include "MainWindow.h"

#include "ZentavoMain.h"
#include "app/chart/ChartWindow.h"
#include "app/dialogs/OrbisSettingsDialog.h"
#include "data/SettingsKeys.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace velkaris {

namespace {

/// The house systems of the menu: the letter stored in the settings and the caption.
const std::pair<const char*, const char*> HouseSystems[] = {
    {"P", "Placidus"},           {"K", "Koch"},       {"R", "Regiomontanus"},
    {"C", "Campanus"},           {"O", "Porphyrius"}, {"E", "Egyenlő házak (Asc)"},
    {"W", "Egész jegyes házak"}, {"B", "Alcabitius"}, {"T", "Topocentrikus"},
};

} // namespace

TfrmMain::TfrmMain(const TProgramFolders& folders,
                   const std::function<void(const QString&)>& startUpStep)
    : m_Desktop(this) {
    setWindowTitle(QStringLiteral("Velkaris"));
    resize(1200, 850);
    m_Workspace = new QTabWidget(this);
    m_Workspace->setObjectName(QStringLiteral("pcWorkSpace"));
    m_Workspace->setTabsClosable(true);
    m_Workspace->setMovable(true);
    m_Workspace->setDocumentMode(true);
    setCentralWidget(m_Workspace);
    m_Controller = std::make_unique<TZentavoMain>(folders, *m_Workspace, m_Desktop, startUpStep);
    m_Controller->OnActiveTabChanged = [this] { RefreshStatus(); };
    m_Controller->IsMenuBarShown = [this] { return menuBar()->isVisible(); };
    m_Controller->OnMenuBarRequest = [this](int request) { menuBar()->setVisible(request == 100); };
    connect(m_Workspace, &QTabWidget::currentChanged, this,
            [this] { m_Controller->RefreshActiveTab(true); });
    connect(m_Workspace, &QTabWidget::tabCloseRequested, this, [this](int index) {
        m_Workspace->setCurrentIndex(index);
        m_Controller->CloseCharts(false, false);
    });
    m_Status = new QLabel(this);
    statusBar()->addWidget(m_Status, 1);
    BuildMenus();
    RefreshStatus();
}

TfrmMain::~TfrmMain() {
    if (m_Controller)
        m_Controller->Shutdown();
}

QString TfrmMain::StatusText() const {
    return m_Status->text();
}

void TfrmMain::RefreshStatus() {
    m_Status->setText(m_Controller->ActiveTabHint());
}

void TfrmMain::BuildMenus() {
    TZentavoMain& c = *m_Controller;
    QToolBar* tools = addToolBar(QStringLiteral("Fő eszköztár"));
    tools->setObjectName(QStringLiteral("tbMain"));

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fájl"));
    QAction* open =
        file->addAction(QIcon::fromTheme(QStringLiteral("document-open")),
                        QStringLiteral("&Megnyitás..."), this, [&c] { c.OpenChartFiles(); });
    open->setShortcut(QKeySequence::Open);
    QAction* save =
        file->addAction(QIcon::fromTheme(QStringLiteral("document-save")),
                        QStringLiteral("Menté&s"), this, [&c] { c.SaveActiveChart(false); });
    save->setShortcut(QKeySequence::Save);
    file->addAction(QIcon::fromTheme(QStringLiteral("document-save-as")),
                    QStringLiteral("Mentés &másként..."), this, [&c] { c.SaveActiveChart(true); });
    file->addSeparator();
    QAction* close =
        file->addAction(QIcon::fromTheme(QStringLiteral("document-close")),
                        QStringLiteral("&Bezár"), this, [&c] { c.CloseCharts(false, true); });
    close->setShortcut(QKeySequence::Close);
    file->addAction(QStringLiteral("Mind be&zár"), this, [&c] { c.CloseCharts(true, true); });
    file->addSeparator();
    QAction* quit = file->addAction(QIcon::fromTheme(QStringLiteral("application-exit")),
                                    QStringLiteral("&Kilépés"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    tools->addAction(open);
    tools->addAction(save);
    tools->addAction(close);

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Beállítások"));
    QMenu* houses = settings->addMenu(QStringLiteral("&Házrendszer"));
    m_HouseSystems = new QActionGroup(this);
    for (const auto& [letter, caption] : HouseSystems) {
        QAction* item = houses->addAction(QString::fromUtf8(caption));
        item->setCheckable(true);
        item->setData(QLatin1String(letter));
        item->setObjectName(QStringLiteral("mnuHaz_%1_").arg(QLatin1String(letter)));
        m_HouseSystems->addAction(item);
        connect(item, &QAction::triggered, this, [this, letter] {
            m_Controller->SetHouseSystem(QLatin1String(letter));
            RefreshHouseAndZodiacChecks();
        });
    }
    QMenu* zodiac = settings->addMenu(QStringLiteral("&Zodiákus"));
    m_Zodiacs = new QActionGroup(this);
    for (const auto& [letter, caption] :
         {std::pair{"T", "Tropikus"}, std::pair{"S", "Sziderikus (Fagan/Bradley)"}}) {
        QAction* item = zodiac->addAction(QString::fromUtf8(caption));
        item->setCheckable(true);
        item->setData(QLatin1String(letter));
        m_Zodiacs->addAction(item);
        connect(item, &QAction::triggered, this, [this, letter] {
            m_Controller->SetZodiac(QLatin1String(letter));
            RefreshHouseAndZodiacChecks();
        });
    }
    settings->addSeparator();
    settings->addAction(QStringLiteral("&Fényszögek és orbiszok..."), this, [this] {
        TfrmOrbisSettings dialog(m_Controller->Orbs(), m_Controller->SettingsStore(), this);
        if (dialog.exec() == QDialog::Accepted)
            m_Controller->RecalculateAll(true);
        m_Controller->RefreshActiveTab(true);
    });
    settings->addAction(QStringLiteral("&Alapértelmezések visszaállítása..."), this, [this] {
        if (m_Controller->SettingsStore().RestoreDefaultsAfterAsking(
                [this](const QString& q) { return m_Desktop.AskYesNo(q); })) {
            m_Controller->Orbs().LoadRows(m_Controller->Settings());
            m_Controller->RecalculateAll(true);
            RefreshHouseAndZodiacChecks();
        }
    });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Nézet"));
    QAction* fullScreen =
        view->addAction(QStringLiteral("&Teljes képernyő"), this, [this] { ToggleFullScreen(); });
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    addAction(fullScreen);
    view->addAction(QStringLiteral("&Oldalsávok"), this, [this] {
        if (TfrmBaseSzulKepletForm* window = m_Controller->ActiveChartWindow()) {
            window->SetSidePanels(false);
            m_Controller->SetSidePanelsAll(!window->SidePanelsShown());
        }
    });
    RefreshHouseAndZodiacChecks();
}

void TfrmMain::RefreshHouseAndZodiacChecks() {
    const QString house = m_Controller->Settings().GetHouseSystem().left(1);
    for (QAction* item : m_HouseSystems->actions())
        item->setChecked(item->data().toString() == house);
    const QString zodiac = m_Controller->Settings().GetZodiac();
    for (QAction* item : m_Zodiacs->actions())
        item->setChecked(item->data().toString() == zodiac);
}

void TfrmMain::ToggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!m_Controller->CloseCharts(true, false)) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace velkaris
