#pragma once

#include "Desktop.h"
#include "app/chart/ChartWindowHost.h"
#include "calc/AspectOrbProvider.h"
#include "calc/SWECalculator.h"
#include "core/SzulKepletFormInfo.h"
#include "data/ProgramFolders.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsProvider.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"
#include "data/UserRegistry.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QTabWidget;

namespace velkaris {

class TDataSetInfoProvider;
class TSWESession;
class TfrmBaseSzulKepletForm;

/// The application controller: owns the program's services and the set of open charts,
/// and carries out the commands on charts. Every chart is a chart window on its own tab
/// of the workspace; the main window forwards its menu commands here.
class TZentavoMain : public TChartWindowHost {
public:
    /// A step of the start-up, shown on the load screen.
    using TStartUpStep = std::function<void(const QString& text)>;

    /// Starts the services in their order: the ephemeris, the settings (the defaults when
    /// the file has none), the orbs, the calculator, the chart-file loader. `workspace` and
    /// `desktop` are borrowed.
    TZentavoMain(const TProgramFolders& folders, QTabWidget& workspace, TDesktop& desktop,
                 const TStartUpStep& startUpStep = {});
    ~TZentavoMain() override;

    // The open charts.
    TfrmBaseSzulKepletForm* ActiveChartWindow() const;
    TSzulKepletFormInfo* ActiveFormInfo(int index) const;
    TSzuletesiKepletInfo* ActiveRecord(int index = 0) const;
    int OpenChartCount() const { return static_cast<int>(m_Windows.size()); }
    const std::vector<TfrmBaseSzulKepletForm*>& OpenCharts() const { return m_Windows; }

    /// "Új képlet": a new chart entered in the birth data dialog, starting at the default
    /// place of the settings; true when it was confirmed and opened.
    bool NewChart();
    /// "Az aktuális képlet adatai": the active chart's record edited in the birth data
    /// dialog; when confirmed the chart is recalculated and redrawn. False when there is no
    /// chart or the dialog was cancelled.
    bool EditActiveBirthData();
    /// The open dialog; true when it was confirmed and every file opened.
    bool OpenChartFiles();
    /// Opens a chart file (the recent-files menu); false when there is no such file.
    bool OpenChartFile(const QString& path);
    void OpenChartRecord(std::shared_ptr<TSzuletesiKepletInfo> record) override;
    /// Opens the chart files among the program's command-line arguments.
    void OpenCommandLineCharts(const QStringList& arguments);
    /// Puts a chart window for the record on a new tab after the active one.
    void AddChartTab(std::shared_ptr<TSzuletesiKepletInfo> record, quint8 kind, bool drawNow,
                     std::unique_ptr<TCalcResult> result, int group);
    /// Saves the active chart (asking for a file when it has none or `saveAs`); true
    /// when written.
    bool SaveActiveChart(bool saveAs);
    /// Closes the active chart, or all; false when the user cancelled a save question.
    bool CloseCharts(bool all, bool reportNone);
    bool CloseChartBySheet(const QString& sheetName, bool ask);
    /// Brings the active tab's caption and hint up to date and tells the main window.
    void RefreshActiveTab(bool fireChange) override;
    /// The status text of the active chart: name, birth moment, place, age.
    QString ActiveTabHint() const { return m_ActiveHint; }
    /// Recalculates chart `index` of the active window from its record and redraws it.
    void RecalculateActive(int index);
    /// Redraws every open chart, recalculating chart 0 first when asked.
    void RecalculateAll(bool recalculate);
    /// Stores the house system or zodiac letter and recalculates every chart.
    void SetHouseSystem(const QString& letter);
    void SetZodiac(const QString& letter);
    /// After the city editor closed: with changes, saves the extended city file
    /// (`confirmed`) or reads it again (dropping the changes), behind the wait window.
    void AfterCityEditor(bool changed, bool confirmed);
    /// Writes the settings back; called once at the end, before the ephemeris closes.
    void Shutdown();

    /// Called after the active tab's texts changed (the main window's status bar).
    std::function<void()> OnActiveTabChanged;
    /// Called with the notes editor's element (the editor comes with the notes window).
    std::function<void(const QString& kind, int id)> OnShowNotesEditor;
    /// The main window's menu bar requests.
    std::function<void(int request)> OnMenuBarRequest;
    std::function<bool()> IsMenuBarShown;
    /// The "GRADIENT" and "DEBUG" switches of the run, for the chart windows' drawing.
    bool DrawGradient = false;
    std::function<void(const QString&)> DrawTimingLog;

    TSettingsINIFileLoader& SettingsStore() { return m_Store; }
    /// The city, country, time-zone and daylight-saving tables.
    TDataSetInfoProvider& PlaceProvider() { return *m_Places; }
    TAspectOrbProvider& Orbs() { return m_Orbs; }
    const TProgramFolders& Folders() const { return m_Folders; }

    // The chart windows' host.
    const TSettingsProvider& Settings() const override { return m_Settings; }
    const TAspectOrbProvider* OrbProvider() const override { return &m_Orbs; }
    TSWECalculator& Calculator() override { return *m_Calculator; }
    QString ProgramFolder() const override { return m_Folders.Home(); }
    void ShowNotesEditor(const QString& kind, int id) override;
    QString AttachPicturePath(const QString& file) override;
    QString AttachDocumentPath(const QString& file) override;
    void SetSidePanelsAll(bool hidden) override;
    void RequestMenuBar(int request) override;
    bool MainMenuBarShown() const override;
    bool AskYesNo(const QString& question) override;
    void ShowError(const QString& message) override;
    std::optional<QString> ChooseFile(bool pictures) override;
    std::optional<QString> AskAddress() override;
    void OpenWithShell(const QString& target) override;
    std::function<void(const QString&)> TimingLog() const override { return DrawTimingLog; }
    bool Gradient() const override { return DrawGradient; }

private:
    /// The record of a chart file; null, with the error box shown, when it cannot be read.
    std::shared_ptr<TSzuletesiKepletInfo> ReadChartFile(const QString& path, bool commandLineRule);
    TfrmBaseSzulKepletForm* WindowOfSheet(const QString& sheetName) const;
    int LargestTabNumber() const;
    QString ChartsFolder() const;
    void WarnOfNewerFile(const TSzuletesiKepletInfo& record);
    /// The question before a modified chart is closed; the record's name when changed.
    TDesktop::TAnswer AskToSave(const TSzuletesiKepletInfo& record);

    TProgramFolders m_Folders;
    QTabWidget& m_Workspace;
    TDesktop& m_Desktop;
    TDesktopNotifier m_Notifier;
    std::unique_ptr<TSWESession> m_Session;
    TUserRegistry m_Registry;
    TSettingsINIFileLoader m_Store;
    TSettingsProvider m_Settings;
    TAspectOrbProvider m_Orbs;
    std::unique_ptr<TDataSetInfoProvider> m_Places;
    std::unique_ptr<TSWECalculator> m_Calculator;
    TSzuletesiKepletAdatokINIFileLoader m_ChartFiles;
    /// The chart windows in the order they were opened; the tabs own them.
    std::vector<TfrmBaseSzulKepletForm*> m_Windows;
    QString m_LastOpenFolder;
    QString m_LastSaveFolder;
    QString m_ActiveHint;
    bool m_ShutDown = false;
};

} // namespace velkaris
