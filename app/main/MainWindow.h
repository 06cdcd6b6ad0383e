#pragma once

#include "Desktop.h"

#include <QMainWindow>
#include <memory>

class QActionGroup;
class QLabel;
class QTabWidget;

namespace velkaris {

class TProgramFolders;
class TZentavoMain;

/// The program's main window: the menus and the tool bar, the workspace whose tabs hold
/// the chart windows, and the status bar with the active chart's data.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    /// Starts the controller; `startUpStep` shows each start-up step's text.
    TfrmMain(const TProgramFolders& folders,
             const std::function<void(const QString&)>& startUpStep = {});
    ~TfrmMain() override;

    TZentavoMain& Controller() { return *m_Controller; }
    QTabWidget& Workspace() { return *m_Workspace; }
    /// The text of the status bar's first panel.
    QString StatusText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void RefreshStatus();
    void RefreshHouseAndZodiacChecks();
    void ToggleFullScreen();

    TQtDesktop m_Desktop;
    QTabWidget* m_Workspace = nullptr;
    std::unique_ptr<TZentavoMain> m_Controller;
    QLabel* m_Status = nullptr;
    QActionGroup* m_HouseSystems = nullptr;
    QActionGroup* m_Zodiacs = nullptr;
};

} // namespace velkaris
