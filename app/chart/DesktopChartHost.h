#pragma once

#include "ChartWindowHost.h"
#include "app/cli/CliSettings.h"
#include "app/main/Desktop.h"
#include "calc/AspectOrbProvider.h"
#include "calc/SWECalculator.h"

#include <functional>

class QWidget;

namespace velkaris {

class TProgramFolders;

/// A chart window's surroundings for a window shown on its own (the chart preview tool):
/// the settings of the home folder, never written back; the desktop's dialogs and shell; the
/// controller's commands that need the main window report that they are not here.
class TDesktopChartHost : public TChartWindowHost {
public:
    explicit TDesktopChartHost(const TProgramFolders& folders);

    /// The window dialogs are shown over.
    void SetDialogParent(QWidget* parent) { m_Desktop.SetParent(parent); }
    /// What opening an attached chart does (the tool opens another window).
    std::function<void(std::shared_ptr<TSzuletesiKepletInfo>)> OnOpenChart;

    const TSettingsProvider& Settings() const override { return m_Settings.Provider(); }
    const TAspectOrbProvider* OrbProvider() const override { return &m_Orbs; }
    TSWECalculator& Calculator() override { return m_Calculator; }
    QString ProgramFolder() const override { return m_Home; }
    void ShowNotesEditor(const QString& kind, int id) override;
    QString AttachPicturePath(const QString& file) override;
    QString AttachDocumentPath(const QString& file) override;
    void SetSidePanelsAll(bool) override {}
    void RefreshActiveTab(bool) override {}
    void OpenChartRecord(std::shared_ptr<TSzuletesiKepletInfo> record) override;
    void RequestMenuBar(int) override {}
    bool MainMenuBarShown() const override { return false; }
    bool AskYesNo(const QString& question) override { return m_Desktop.AskYesNo(question); }
    void ShowError(const QString& message) override { m_Desktop.ShowError(message); }
    std::optional<QString> ChooseFile(bool pictures) override;
    std::optional<QString> AskAddress() override { return m_Desktop.AskAddress(); }
    void OpenWithShell(const QString& target) override { m_Desktop.OpenWithShell(target); }

private:
    QString m_Home;
    TCliSettings m_Settings;
    TAspectOrbProvider m_Orbs;
    TSWECalculator m_Calculator;
    TQtDesktop m_Desktop;
};

} // namespace velkaris
