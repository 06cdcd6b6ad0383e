#include "ZentavoMain.h"

#include "Desktop.h"
#include "app/chart/AttachmentPaths.h"
#include "app/chart/ChartWindow.h"
#include "app/dialogs/SzuletesiKepletAdatokDialog.h"
#include "app/dialogs/WaitWindow.h"
#include "calc/SWESession.h"
#include "core/Messages.h"
#include "core/StrUtils.h"
#include "core/VelkarisError.h"
#include "data/CityLoader.h"
#include "data/DataSetInfoProvider.h"
#include "data/DataSetLoader.h"
#include "data/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTabWidget>

namespace velkaris {

namespace {

const QString ChartFileFilter = QStringLiteral("Születési képlet (*.szk);;Minden fájl (*)");
const QString SheetPrefix = QStringLiteral("tsSheet");

/// The record's name differs from the one it was loaded or last saved with.
bool NameChanged(const TSzuletesiKepletInfo& record) {
    return !record.OriginalName().trimmed().isEmpty() && record.OriginalName() != record.Name();
}

int SheetNumber(const QString& name) {
    static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
    const auto match = digits.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

TZentavoMain::TZentavoMain(const TProgramFolders& folders, QTabWidget& workspace, TDesktop& desktop,
                           const TStartUpStep& startUpStep)
    : m_Folders(folders), m_Workspace(workspace), m_Desktop(desktop), m_Notifier(desktop),
      m_Store(folders.Home(), &m_Registry, &m_Notifier), m_Settings(m_Store),
      m_ChartFiles(folders.Home(), &m_Notifier) {
    auto step = [&](const char16_t* text) {
        if (startUpStep)
            startUpStep(GetMessageText(QStringView(text)));
    };
    step(u"uZentavoMain_Load01");
    m_Session = std::make_unique<TSWESession>(folders.EphemerisPath());
    step(u"uZentavoMain_Load03");
    m_Store.OpenAtStartUp();
    if (!m_Store.SectionExists(SettingsSection::chkbZodiakusJelek))
        m_Store.RestoreDefaults();
    step(u"uZentavoMain_Load04");
    step(u"uZentavoMain_Load05");
    m_Places = std::make_unique<TDataSetInfoProvider>(folders, m_Settings.GetCityDatabase());
    if (const QStringList errors = m_Places->LoadErrors(); !errors.isEmpty())
        m_Desktop.ShowWarning(errors.join(QLatin1Char('\n')));
    step(u"uZentavoMain_Load06");
    m_Orbs.LoadRows(m_Settings);
    step(u"uZentavoMain_Load07");
    m_Calculator = std::make_unique<TSWECalculator>(m_Places.get(), &m_Orbs, &m_Settings);
    step(u"uZentavoMain_Load08");
}

TZentavoMain::~TZentavoMain() {
    Shutdown();
}

void TZentavoMain::Shutdown() {
    if (m_ShutDown)
        return;
    m_ShutDown = true;
    // The windows go with their tabs; the settings are written back; the ephemeris is
    // closed last.
    // Each window leaves the list before it goes: removing its tab changes the active
    // tab, and the handlers of that look the windows up again.
    while (!m_Windows.empty()) {
        TfrmBaseSzulKepletForm* window = m_Windows.back();
        m_Windows.pop_back();
        delete window;
    }
    m_Store.SaveStore();
    m_Calculator.reset();
    m_Places.reset();
    m_Session.reset();
}

// The open charts.

TfrmBaseSzulKepletForm* TZentavoMain::WindowOfSheet(const QString& sheetName) const {
    if (sheetName.trimmed().isEmpty())
        return nullptr;
    for (TfrmBaseSzulKepletForm* window : m_Windows)
        if (window->SheetName == sheetName)
            return window;
    return nullptr;
}

TfrmBaseSzulKepletForm* TZentavoMain::ActiveChartWindow() const {
    const QWidget* active = m_Workspace.currentWidget();
    return active ? WindowOfSheet(active->objectName()) : nullptr;
}

TSzulKepletFormInfo* TZentavoMain::ActiveFormInfo(int index) const {
    const TfrmBaseSzulKepletForm* window = ActiveChartWindow();
    return window ? window->ChartEntry(index) : nullptr;
}

TSzuletesiKepletInfo* TZentavoMain::ActiveRecord(int index) const {
    const TSzulKepletFormInfo* entry = ActiveFormInfo(index);
    return entry ? entry->Birth.get() : nullptr;
}

int TZentavoMain::LargestTabNumber() const {
    int largest = 0;
    for (int i = 0; i < m_Workspace.count(); ++i)
        largest = std::max(largest, SheetNumber(m_Workspace.widget(i)->objectName()));
    return largest;
}

QString TZentavoMain::ChartsFolder() const {
    return QDir(m_Folders.Home()).filePath(QStringLiteral("hors"));
}

// Opening.

std::shared_ptr<TSzuletesiKepletInfo> TZentavoMain::ReadChartFile(const QString& path,
                                                                  bool commandLineRule) {
    QString reason = path;
    try {
        if (std::shared_ptr<TSzuletesiKepletInfo> record =
                m_ChartFiles.LoadChartFile(path, commandLineRule))
            return record;
    } catch (const EVelkarisError& e) {
        reason = e.UserText() + QLatin1Char(' ') + path;
    }
    m_Desktop.ShowError(GetMessageText(u"uZentavoMain_LoadSzulKepletError") +
                        QStringLiteral("\n\n") + reason);
    return nullptr;
}

void TZentavoMain::OpenChartRecord(std::shared_ptr<TSzuletesiKepletInfo> record) {
    // A chart without a birth time is drawn for noon of the day until the Aries-0 chart
    // can take its place.
    AddChartTab(std::move(record), ChartKind::Natal, true, nullptr, -1);
}

bool TZentavoMain::NewChart() {
    auto record = std::make_shared<TSzuletesiKepletInfo>();
    record->SetProgramFolder(m_Folders.Home(), &m_Notifier);
    TfrmSzuletesiKepletAdatok dialog(*m_Places, m_Settings, m_Desktop, m_Workspace.window());
    dialog.SetRecord(*record);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    OpenChartRecord(record);
    RefreshActiveTab(true);
    return true;
}

bool TZentavoMain::EditActiveBirthData() {
    TSzuletesiKepletInfo* record = ActiveRecord(0);
    if (!record) {
        m_Desktop.ShowError(GetMessageText(u"uZentavoMain_NoSelectableSzulKeplet"));
        return false;
    }
    TfrmSzuletesiKepletAdatok dialog(*m_Places, m_Settings, m_Desktop, m_Workspace.window());
    dialog.LoadRecord(*record);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    RecalculateActive(0);
    RefreshActiveTab(true);
    return true;
}

bool TZentavoMain::OpenChartFiles() {
    const QString folder = m_LastOpenFolder.trimmed().isEmpty() ? ChartsFolder() : m_LastOpenFolder;
    const QStringList files = m_Desktop.ChooseOpenFiles(
        GetMessageText(u"uZentavoMain_LoadSzulKeplet"), folder, ChartFileFilter, true);
    if (files.isEmpty())
        return false;
    m_LastOpenFolder = QFileInfo(files.first()).absolutePath();
    for (const QString& file : files) {
        std::shared_ptr<TSzuletesiKepletInfo> record = ReadChartFile(file, false);
        if (!record) {
            RefreshActiveTab(true);
            return false;
        }
        OpenChartRecord(std::move(record));
    }
    RefreshActiveTab(true);
    return true;
}

bool TZentavoMain::OpenChartFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    std::shared_ptr<TSzuletesiKepletInfo> record = ReadChartFile(path, false);
    if (!record)
        return false;
    OpenChartRecord(std::move(record));
    RefreshActiveTab(true);
    return true;
}

void TZentavoMain::OpenCommandLineCharts(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument.trimmed().isEmpty() || !argument.toUpper().contains(QLatin1String(".SZK")))
            continue;
        if (!QFileInfo(argument).isFile()) {
            m_Desktop.ShowError(GetMessageText(u"uZentavoMain_LoadSzulKepletError") +
                                QStringLiteral("\n\n") + argument);
            continue;
        }
        std::shared_ptr<TSzuletesiKepletInfo> record = ReadChartFile(argument, true);
        if (!record)
            continue;
        OpenChartRecord(std::move(record));
        RefreshActiveTab(true);
    }
}

void TZentavoMain::AddChartTab(std::shared_ptr<TSzuletesiKepletInfo> record, quint8 kind,
                               bool drawNow, std::unique_ptr<TCalcResult> result, int group) {
    if (!record)
        return;
    const int activeIndex = m_Workspace.currentIndex();
    const int number = LargestTabNumber() + 1;
    auto* window = new TfrmBaseSzulKepletForm(*this);
    window->setObjectName(SheetPrefix + QString::number(number));
    window->SheetName = window->objectName();
    window->Group = group == -1 ? number : group;
    window->setWindowTitle(record->Name());
    const int index =
        m_Workspace.insertTab(activeIndex + 1, window, record->Name() + QStringLiteral("     "));
    m_Workspace.setCurrentIndex(index);
    if (!window->LoadChart(record, kind, drawNow, std::move(result))) {
        m_Workspace.removeTab(m_Workspace.indexOf(window));
        delete window;
        return;
    }
    m_Windows.push_back(window);
    window->ResizeChart(true);
    RefreshActiveTab(true);
    WarnOfNewerFile(*record);
}

void TZentavoMain::WarnOfNewerFile(const TSzuletesiKepletInfo& record) {
    if (!record.FileVersionId().trimmed().isEmpty() &&
        TSzuletesiKepletAdatokINIFileLoader::IsNewerFileVersion(record.FileVersionId()))
        m_Desktop.ShowWarning(GetMessageText(u"uZentavoMain_WrongFileVersion"));
}

void TZentavoMain::RefreshActiveTab(bool fireChange) {
    TfrmBaseSzulKepletForm* window = ActiveChartWindow();
    const TSzuletesiKepletInfo* record = ActiveRecord(0);
    if (!window || !record) {
        m_ActiveHint.clear();
        if (fireChange && OnActiveTabChanged)
            OnActiveTabChanged();
        return;
    }
    QString hint = record->Name() + QLatin1Char(' ');
    QString country = QStringLiteral(", ") + record->LocCountry();
    if (country.toUpper().contains(QLatin1String("HUNGARY")) || record->LocCountry().isEmpty())
        country.clear();
    const QString era = record->BirthDateIsBC() ? QStringLiteral("ie. ") : QString();
    if (!m_Settings.GetIncognito()) {
        const TDateTime local = record->LocalDateTime();
        hint += era +
                QStringLiteral("%1.%2.%3 %4:%5")
                    .arg(local.Year(), 4, 10, QLatin1Char('0'))
                    .arg(local.Month(), 2, 10, QLatin1Char('0'))
                    .arg(local.Day(), 2, 10, QLatin1Char('0'))
                    .arg(local.Hour(), 2, 10, QLatin1Char('0'))
                    .arg(local.Minute(), 2, 10, QLatin1Char('0')) +
                QLatin1Char(' ') + record->LocCity() + country;
        if (!m_Settings.GetHideAge())
            hint += QStringLiteral("   ") + QString::number(record->Age()) +
                    GetMessageText(u"uZentavoPrinting_Display_Eves");
    }
    m_ActiveHint = hint;
    m_Workspace.setTabText(m_Workspace.indexOf(window), record->Name() + QStringLiteral("     "));
    if (fireChange && OnActiveTabChanged)
        OnActiveTabChanged();
}

// Saving.

bool TZentavoMain::SaveActiveChart(bool saveAs) {
    TSzuletesiKepletInfo* record = ActiveRecord(0);
    if (!record) {
        m_Desktop.ShowError(GetMessageText(u"uZentavoMain_NoSelectableSzulKeplet"));
        return false;
    }
    const bool nameChanged = NameChanged(*record);
    if (nameChanged && !saveAs) {
        const QString question = GetMessageText(u"uZentavoMain_NameChanged")
                                     .replace(QLatin1String("#01#"), record->OriginalName())
                                     .replace(QLatin1String("#02#"), record->Name());
        if (m_Desktop.AskYesNo(question)) {
            saveAs = true;
            record->SetFileName({});
        }
    }
    const bool hasNotes = record->NotesDocument().SectionExists(QStringLiteral("Megjegyzes"));
    // The setters mark the record modified; the written record is not.
    auto finish = [&](const QString&) {
        record->SetOriginalName(record->Name());
        record->SetIsOriginal(true);
        record->SetModified(false);
    };
    if (record->FileName().trimmed().isEmpty() || saveAs) {
        QString proposed = saveAs ? QFileInfo(record->FileName()).fileName() : QString();
        if (proposed.trimmed().isEmpty())
            proposed = record->Name();
        static const QRegularExpression unsafe(QStringLiteral("[/\\\\?%*:|\"<>;()]"));
        proposed.replace(unsafe, QStringLiteral("_"));
        const QString folder =
            m_LastSaveFolder.trimmed().isEmpty() ? ChartsFolder() : m_LastSaveFolder;
        QDir().mkpath(folder);
        const auto chosen =
            m_Desktop.ChooseSaveFile(GetMessageText(saveAs ? u"uZentavoMain_SaveAsSzulKepletTitle"
                                                           : u"uZentavoMain_SaveSzulKepletTitle"),
                                     QDir(folder).filePath(proposed), ChartFileFilter);
        if (!chosen)
            return false;
        const QString written = m_ChartFiles.SaveChartFile(*record, *chosen);
        if (written.isEmpty())
            return false;
        record->SetFileName(written);
        m_LastSaveFolder = QFileInfo(written).absolutePath();
        if (hasNotes) {
            if (const auto failed =
                    record->NotesDocument().SaveFile(record->NotesDocument().FileName())) {
                m_Desktop.ShowError(GetMessageText(u"uZentavoMain_ErrorOnSaveSzulKeplet") +
                                    QStringLiteral("\n\n") + *failed);
                return false;
            }
        }
        finish(written);
        return true;
    }
    if (hasNotes) {
        if (const auto failed =
                record->NotesDocument().SaveFile(record->NotesDocument().FileName())) {
            m_Desktop.ShowError(GetMessageText(u"uZentavoMain_ErrorOnSaveSzulKeplet") +
                                QStringLiteral("\n\n") + *failed);
            return false;
        }
    }
    const QString written = m_ChartFiles.SaveChartFile(*record, record->FileName());
    if (written.isEmpty())
        return false;
    finish(written);
    return true;
}

// Closing.

TDesktop::TAnswer TZentavoMain::AskToSave(const TSzuletesiKepletInfo& record) {
    const bool nameChanged = NameChanged(record);
    if (nameChanged)
        return m_Desktop.AskYesNoCancel(GetMessageText(u"uZentavoMain_NameChanged")
                                            .replace(QLatin1String("#01#"), record.OriginalName())
                                            .replace(QLatin1String("#02#"), record.Name()));
    const bool hasNotes = record.NotesDocument().SectionExists(QStringLiteral("Megjegyzes"));
    return m_Desktop.AskYesNoCancel(
        GetMessageText(hasNotes ? u"uZentavoMain_Changed02" : u"uZentavoMain_Changed01") +
        QStringLiteral(" \n\"") + record.Name() + QLatin1Char('"'));
}

bool TZentavoMain::CloseChartBySheet(const QString& sheetName, bool ask) {
    TfrmBaseSzulKepletForm* window = WindowOfSheet(sheetName);
    if (!window || m_Workspace.count() == 0)
        return false;
    const TSzulKepletFormInfo* first = window->ChartEntry(0);
    TSzuletesiKepletInfo* record = first ? first->Birth.get() : nullptr;
    const quint8 kind = first ? first->Result->ChartKind : ChartKind::Unassigned;
    bool proceed = true;
    if (ask && record && (kind == ChartKind::Natal || kind == ChartKind::SelfMarkerView)) {
        const bool nameChanged = NameChanged(*record);
        switch (AskToSave(*record)) {
        case TDesktop::TAnswer::Cancel:
            proceed = false;
            break;
        case TDesktop::TAnswer::Yes:
            m_Workspace.setCurrentWidget(window);
            if (nameChanged)
                SaveActiveChart(true);
            else
                proceed = SaveActiveChart(false);
            break;
        case TDesktop::TAnswer::No:
            break;
        }
    }
    if (!proceed)
        return false;
    std::erase(m_Windows, window);
    m_Workspace.removeTab(m_Workspace.indexOf(window));
    delete window;
    return true;
}

bool TZentavoMain::CloseCharts(bool all, bool reportNone) {
    if (!ActiveRecord(0)) {
        if (reportNone)
            m_Desktop.ShowError(GetMessageText(u"uZentavoMain_NoOpenedSzulKeplet"));
        return true;
    }
    bool result = true;
    if (all) {
        for (int i = m_Workspace.count() - 1; i >= 0 && result; --i) {
            m_Workspace.setCurrentIndex(i);
            QWidget* tab = m_Workspace.widget(i);
            const TfrmBaseSzulKepletForm* window = WindowOfSheet(tab->objectName());
            const TSzuletesiKepletInfo* record =
                window && window->ChartEntry(0) ? window->ChartEntry(0)->Birth.get() : nullptr;
            if (!CloseChartBySheet(tab->objectName(), record && record->Modified()))
                result = false;
        }
    } else {
        const int active = m_Workspace.currentIndex();
        const QString sheet = m_Workspace.currentWidget()->objectName();
        const int before = active > 0 ? active - 1 : m_Workspace.count() - 1;
        if (CloseChartBySheet(sheet, ActiveRecord(0)->Modified()))
            m_Workspace.setCurrentIndex(std::min(before, m_Workspace.count() - 1));
        else
            result = false;
    }
    RefreshActiveTab(true);
    return result;
}

// Recalculation.

void TZentavoMain::RecalculateAll(bool recalculate) {
    if (m_Workspace.count() == 0)
        return;
    const int active = m_Workspace.currentIndex();
    for (TfrmBaseSzulKepletForm* window : m_Windows) {
        if (recalculate) {
            window->ClearSelfMarkerElements();
            try {
                window->RecalculateChart(0);
            } catch (const EVelkarisError& e) {
                m_Desktop.ShowError(e.UserText());
                continue;
            }
        }
        window->Redraw();
    }
    m_Workspace.setCurrentIndex(active);
    RefreshActiveTab(true);
}

void TZentavoMain::RecalculateActive(int index) {
    TfrmBaseSzulKepletForm* window = ActiveChartWindow();
    TSzulKepletFormInfo* entry = window ? window->ChartEntry(index) : nullptr;
    if (!entry)
        return;
    window->ClearSelfMarkerElements();
    try {
        window->RecalculateChart(index);
    } catch (const EVelkarisError& e) {
        m_Desktop.ShowError(e.UserText());
        return;
    }
    window->Redraw();
    RefreshActiveTab(true);
}

void TZentavoMain::SetHouseSystem(const QString& letter) {
    m_Store.WriteString(SettingsSection::chkbHazrendszer, SettingsKey::Hazrendszer, letter);
    RecalculateAll(true);
}

void TZentavoMain::SetZodiac(const QString& letter) {
    m_Store.WriteString(SettingsSection::chkbZodiakus, SettingsKey::Zodiakus, letter);
    RecalculateAll(true);
}

void TZentavoMain::AfterCityEditor(bool changed, bool confirmed) {
    if (!changed)
        return;
    TfrmWait wait(m_Workspace.window());
    wait.ShowText(GetMessageText(confirmed ? u"uZentavoMain_EditCityDataBaseInProgress"
                                           : u"uZentavoMain_EditCityDataBaseResotreInProgress"));
    TCityLoader& cities = m_Places->Loader().CityLoader();
    const std::optional<QString> failed = confirmed ? cities.SaveToExtendedFile() : cities.Reload();
    wait.CloseWait();
    if (failed)
        m_Desktop.ShowError(*failed);
}

// The chart windows' host.

void TZentavoMain::ShowNotesEditor(const QString& kind, int id) {
    if (OnShowNotesEditor)
        OnShowNotesEditor(kind, id);
    if (TSzuletesiKepletInfo* record = ActiveRecord(0))
        record->SetModified(true);
}

QString TZentavoMain::AttachPicturePath(const QString& file) {
    return AttachmentPaths::StoredAttachment(
        file, m_Folders.Home(), m_Settings.GetCopyAttachedPicture(), QStringLiteral("hors/images"));
}

QString TZentavoMain::AttachDocumentPath(const QString& file) {
    return AttachmentPaths::StoredAttachment(
        file, m_Folders.Home(), m_Settings.GetCopyAttachedDocuments(), QStringLiteral("hors/docs"));
}

void TZentavoMain::SetSidePanelsAll(bool hidden) {
    const TfrmBaseSzulKepletForm* active = ActiveChartWindow();
    for (TfrmBaseSzulKepletForm* window : m_Windows) {
        if (window == active)
            continue;
        window->SetSidePanels(hidden);
        window->Redraw();
    }
}

void TZentavoMain::RequestMenuBar(int request) {
    if (OnMenuBarRequest)
        OnMenuBarRequest(request);
}

bool TZentavoMain::MainMenuBarShown() const {
    return IsMenuBarShown && IsMenuBarShown();
}

bool TZentavoMain::AskYesNo(const QString& question) {
    return m_Desktop.AskYesNo(question);
}

void TZentavoMain::ShowError(const QString& message) {
    m_Desktop.ShowError(message);
}

std::optional<QString> TZentavoMain::ChooseFile(bool pictures) {
    return ChosenAttachment(m_Desktop, m_Folders.Home(), pictures);
}

std::optional<QString> TZentavoMain::AskAddress() {
    return m_Desktop.AskAddress();
}

void TZentavoMain::OpenWithShell(const QString& target) {
    m_Desktop.OpenWithShell(target);
}

} // namespace velkaris
