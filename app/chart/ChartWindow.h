#pragma once

#include "core/SzulKepletFormInfo.h"

#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QToolButton;

namespace velkaris {

class TBaseGraphicControl;
class TChartView;
class TChartWindowHost;
class TNatalChartDrawer;

/// The window of one open chart (or of two charts shown together) on its tab: the wheel
/// in the middle, a left panel with the refresh of a current-sky chart, a right panel with
/// the portrait, the attached documents and addresses and the notes button.
class TfrmBaseSzulKepletForm : public QWidget {
    Q_OBJECT
public:
    /// Width of each side panel when shown, pixels.
    static constexpr int SidePanelWidth = 120;
    /// The refresh interval a current-sky chart starts with: three minutes.
    static constexpr int DefaultRefreshMs = 180'000;

    explicit TfrmBaseSzulKepletForm(TChartWindowHost& host, QWidget* parent = nullptr);
    ~TfrmBaseSzulKepletForm() override;

    /// The window's group, set by the controller when its tab is added; -1 until then.
    int Group = -1;
    /// How two charts are drawn: 1 one on the other, 0 shifted beside each other.
    quint8 DisplayMode = 1;
    /// The name of the window's tab, by which the controller finds it.
    QString SheetName;
    /// False until the first chart has been loaded.
    bool Built = false;
    /// Index 0 the chart the window was opened for; index 1 the second chart.
    std::vector<std::unique_ptr<TSzulKepletFormInfo>> ChartEntries;

    /// Adds a chart: calculates it (unless `result` is given), hands it to the drawer and
    /// shows the record's portrait and attachments. On failure shows the error box and
    /// returns false; the window keeps what it had.
    bool LoadChart(std::shared_ptr<TSzuletesiKepletInfo> record, quint8 kind, bool drawNow,
                   std::unique_ptr<TCalcResult> result = nullptr);
    /// Entry `index`, or null.
    TSzulKepletFormInfo* ChartEntry(int index) const;
    /// Applies the ego-state switch and redraws.
    void Redraw();
    /// Fits the picture to the drawing region (when asked) and redraws.
    void ResizeChart(bool resizePicture);
    /// Calculates chart `index` again in place; the caller redraws.
    void RecalculateChart(int index);
    void ClearSelfMarkerElements();
    /// 1 draws two charts one on the other, 0 shifted beside each other; redraws.
    void SetDisplayMode(int mode);
    /// Hides both side panels, or (hide false) toggles them.
    void SetSidePanels(bool hide);
    bool SidePanelsShown() const;
    /// Gives the glyph of body `bodyId` of chart `chartIndex` a hint text.
    void SetGlyphHint(int bodyId, const QString& text, int chartIndex);
    /// The ego-state switch, worked by the main window's tool button.
    void SetSelfMarkerView(bool down);
    bool SelfMarkerViewShown() const;

    TNatalChartDrawer* Drawer() const { return m_Drawer.get(); }
    TChartView& View() const { return *m_View; }
    /// The refresh timer of a current-sky chart.
    QTimer& RefreshTimer() { return m_RefreshTimer; }
    /// True when the notes button shows that the chart has general notes.
    bool NotesButtonShowsNotes() const { return m_HasNotes; }

public slots:
    /// One tick of the refresh: the chart moves to the host's clock and is drawn again.
    void RefreshCurrentSky();
    void AddDocument();
    void AddAddress();
    void RemoveAttachment();
    /// Opens attachment `row` of the list (a double click).
    void OpenAttachment(int row);
    void ChoosePortrait();
    void DeletePortrait();
    void ShowGeneralNotes();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void OnElementClick(TBaseGraphicControl& element, int button);
    void ShowPortrait(const QString& stored);
    void FillAttachmentList(const TSzuletesiKepletInfo& record);
    void LayoutAttachments();
    void RefreshNotesButton();
    void ApplySelfMarkerSwitch();
    void DrawAndShow();
    void ChangeRefreshInterval(int change);
    /// The record the side panel's commands act on: chart 0's.
    TSzuletesiKepletInfo* PanelRecord() const;
    /// True when the window shows one chart; shows the notes error otherwise.
    bool SingleChartForNotes();

    TChartWindowHost& m_Host;
    std::unique_ptr<TNatalChartDrawer> m_Drawer;
    TChartView* m_View = nullptr;
    QWidget* m_LeftBar = nullptr;
    QWidget* m_LeftPanel = nullptr;
    QWidget* m_DrawRegion = nullptr;
    QWidget* m_RightPanel = nullptr;
    QToolButton* m_SelfMarkerSwitch = nullptr;
    QCheckBox* m_AutoRefresh = nullptr;
    QTimer m_RefreshTimer;
    QToolButton* m_MenuPanelsButton = nullptr;
    QToolButton* m_SidePanelsButton = nullptr;
    QLabel* m_Portrait = nullptr;
    QToolButton* m_DeletePortrait = nullptr;
    QListWidget* m_Attachments = nullptr;
    QToolButton* m_NotesButton = nullptr;
    bool m_HasNotes = false;
};

} // namespace velkaris
