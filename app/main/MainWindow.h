#pragma once

#include "Desktop.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QTabWidget;
class QToolBar;

namespace velkaris {

class TProgramFolders;
class TZentavoMain;

/// The command-line switches of the program (compared without regard to letter case).
struct TProgramSwitches {
    /// A smaller window (845 × 701).
    bool Small = false;
    /// Leave the symbol font alone (it is installed elsewhere).
    bool Font = false;
    /// Open the logging window; the drawing steps log their times into it.
    bool Debug = false;
    /// A gradient behind the chart wheels.
    bool Gradient = false;

    static TProgramSwitches FromArguments(const QStringList& arguments);
};

/// The program's main window: the menus, the two tool bars (the left one for the
/// borderless views), the workspace whose tabs hold the chart windows, and the status
/// bar with the active chart's data.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    /// The version shown in the caption and compared with chart files.
    static inline const QString Version = QStringLiteral("v3.0");

    /// Starts the controller; `startUpStep` shows each start-up step's text. The
    /// questions and file dialogs go to `desktop` when given (tests), else to Qt's.
    TfrmMain(const TProgramFolders& folders, const TProgramSwitches& switches = {},
             const std::function<void(const QString&)>& startUpStep = {},
             TDesktop* desktop = nullptr);
    ~TfrmMain() override;

    TZentavoMain& Controller() { return *m_Controller; }
    QTabWidget& Workspace() { return *m_Workspace; }
    /// 1 normal, 2 borderless on the work area, 3 borderless maximised.
    int ViewMode() const { return m_ViewMode; }
    void CycleViewMode();
    /// 100 shows the menu bar (and the top tool bar), 101 hides both.
    void HandleViewRequest(int code);
    /// The status bar's panels and the application's title, from the active chart.
    void RefreshStatus();
    QString StatusText(int panel = 0) const;
    /// Selects the next language (the built-in Hungarian counts as one).
    void CycleLanguage();
    /// The window size for a desktop of `desktop` pixels (the "SMALL" switch aside).
    static QSize StartSize(const QSize& desktop, bool small);
    /// Copies the active chart's description (without the country and age part of a
    /// foreign place) to the clipboard.
    void CopyBirthDataToClipboard();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBars();
    void FillFolderMenu(QMenu* menu, const QString& folder);
    void RefreshCheckMarks();
    void SyncSwitchButtons();
    void ApplyCaption();
    void ShowSelfMarkerTable();
    void ShowLifeStrategyTable();
    void LoadSettingsFromFile();
    void SaveSettingsToFile();
    void AfterClose();

    TProgramSwitches m_Switches;
    TQtDesktop m_QtDesktop;
    TDesktop& m_Desktop;
    QTabWidget* m_Workspace = nullptr;
    std::unique_ptr<TZentavoMain> m_Controller;
    QLabel* m_Status[3] = {};
    QToolBar* m_TopBar = nullptr;
    QToolBar* m_LeftBar = nullptr;
    QMenuBar* m_MenuBar = nullptr;
    QActionGroup* m_HouseSystems = nullptr;
    QActionGroup* m_Zodiacs = nullptr;
    QActionGroup* m_Directions = nullptr;
    QAction* m_New = nullptr;
    QAction* m_EditData = nullptr;
    QAction* m_Open = nullptr;
    QAction* m_Save = nullptr;
    QAction* m_SaveAs = nullptr;
    QAction* m_Close = nullptr;
    QAction* m_CloseAll = nullptr;
    QAction* m_Exit = nullptr;
    QAction* m_SelfMarkerTable = nullptr;
    QAction* m_LifeStrategy = nullptr;
    QAction* m_SelfMarkerView = nullptr;
    QAction* m_PersonalData = nullptr;
    QAction* m_FixedStars = nullptr;
    QAction* m_Reader = nullptr;
    QAction* m_ViewModeAction = nullptr;
    QPlainTextEdit* m_Log = nullptr;
    int m_ViewMode = 1;
    int m_LanguageIndex = 0;
    int m_DragTabIndex = -1;
};

} // namespace velkaris
