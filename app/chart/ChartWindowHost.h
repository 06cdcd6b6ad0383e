#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace velkaris {

class TAspectOrbProvider;
class TSWECalculator;
class TSettingsProvider;
class TSzuletesiKepletInfo;

/// What a chart window needs from the program around it: the shared services, the
/// controller's commands it calls, and the questions and shell actions it leaves to the
/// desktop (so that a test can answer them).
class TChartWindowHost {
public:
    virtual ~TChartWindowHost() = default;

    // Services, borrowed for the window's life.
    virtual const TSettingsProvider& Settings() const = 0;
    virtual const TAspectOrbProvider* OrbProvider() const = 0;
    virtual TSWECalculator& Calculator() = 0;
    /// The home folder relative stored paths are read against.
    virtual QString ProgramFolder() const = 0;

    // The controller's commands.
    /// Opens the notes editor on a chart element: kind "P" body, "H" house, "J" sign, "A"
    /// the chart's general notes (id 999).
    virtual void ShowNotesEditor(const QString& kind, int id) = 0;
    /// The path to store for a portrait or a document the user picked (it may be copied
    /// into the home folder first); empty when that failed.
    virtual QString AttachPicturePath(const QString& file) = 0;
    virtual QString AttachDocumentPath(const QString& file) = 0;
    /// Shows or hides the side panels of every other chart window.
    virtual void SetSidePanelsAll(bool hidden) = 0;
    virtual void RefreshActiveTab(bool recalculated) = 0;
    /// Opens a chart record read from an attached chart file in a window of its own.
    virtual void OpenChartRecord(std::shared_ptr<TSzuletesiKepletInfo> record) = 0;
    /// Asks the main window to show (100) or hide (101) its menu bar.
    virtual void RequestMenuBar(int request) = 0;
    virtual bool MainMenuBarShown() const = 0;

    // The desktop.
    virtual bool AskYesNo(const QString& question) = 0;
    virtual void ShowError(const QString& message) = 0;
    /// The file the user picks in the system's open dialog; nullopt when cancelled.
    virtual std::optional<QString> ChooseFile(bool pictures) = 0;
    /// A web or e-mail address the user types; nullopt when cancelled.
    virtual std::optional<QString> AskAddress() = 0;
    /// Hands a file, web address or e-mail address to the system's "open".
    virtual void OpenWithShell(const QString& target) = 0;
    /// The local clock, for the refresh of a current-sky chart.
    virtual QDateTime Now() const { return QDateTime::currentDateTime(); }
    /// Where the drawing steps log their times (the "DEBUG" switch); none by default.
    virtual std::function<void(const QString&)> TimingLog() const { return {}; }
    /// A gradient behind the wheels (the "GRADIENT" switch).
    virtual bool Gradient() const { return false; }
};

} // namespace velkaris
