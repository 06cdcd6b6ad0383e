#include "ChartWindow.h"

#include "AttachmentPaths.h"
#include "ChartView.h"
#include "ChartWindowHost.h"
#include "calc/SWECalculator.h"
#include "core/Messages.h"
#include "core/VelkarisError.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"
#include "render/DrawController.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace velkaris {

namespace {

QToolButton* SmallButton(QWidget* parent, const char* name, const QString& hint,
                         const QString& themeIcon, const QString& fallbackText) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    const QIcon icon = QIcon::fromTheme(themeIcon);
    if (icon.isNull())
        button->setText(fallbackText);
    else
        button->setIcon(icon);
    button->setAutoRaise(true);
    return button;
}

TDateTime ToDateTime(const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    return TDateTime::FromParts(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second())
        .value_or(TDateTime());
}

/// The refresh caption for an interval of `minutes`.
QString RefreshCaption(int minutes) {
    if (minutes == 0)
        return GetMessageText(u"fBaseSzulKeplet_chkAutomFrissitesEgiAllas10mp");
    return GetMessageText(u"fBaseSzulKeplet_chkAutomFrissitesEgiAllasAktErtek")
        .replace(QLatin1Char('#'), QString::number(minutes));
}

} // namespace

TfrmBaseSzulKepletForm::TfrmBaseSzulKepletForm(TChartWindowHost& host, QWidget* parent)
    : QWidget(parent), m_Host(host) {
    setWindowTitle(QStringLiteral("Születési képlet"));
    m_RefreshTimer.setInterval(DefaultRefreshMs);
    connect(&m_RefreshTimer, &QTimer::timeout, this, &TfrmBaseSzulKepletForm::RefreshCurrentSky);
    BuildControls();
}

TfrmBaseSzulKepletForm::~TfrmBaseSzulKepletForm() {
    // The view shows the drawer's elements: it must not paint once the drawer is gone.
    m_View->SetController(nullptr);
}

void TfrmBaseSzulKepletForm::BuildControls() {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_LeftBar = new QWidget(this);
    m_LeftBar->setObjectName(QStringLiteral("tbLeft"));
    m_LeftBar->setFixedWidth(1);
    m_SelfMarkerSwitch = new QToolButton(m_LeftBar);
    m_SelfMarkerSwitch->setObjectName(QStringLiteral("toolbtnEnallapotok"));
    m_SelfMarkerSwitch->setCheckable(true);
    m_SelfMarkerSwitch->setToolTip(QStringLiteral("Énállapotok"));
    m_SelfMarkerSwitch->setText(QStringLiteral("Énállapotok (Be/Ki)"));
    m_SelfMarkerSwitch->hide();
    row->addWidget(m_LeftBar);

    m_LeftPanel = new QWidget(this);
    m_LeftPanel->setObjectName(QStringLiteral("pnlLeirasok"));
    m_LeftPanel->setFixedWidth(SidePanelWidth);
    auto* left = new QVBoxLayout(m_LeftPanel);
    left->addStretch();
    m_AutoRefresh = new QCheckBox(QStringLiteral("Autom.frissítés (3p)"), m_LeftPanel);
    m_AutoRefresh->setObjectName(QStringLiteral("chkAutomFrissitesEgiAllas"));
    m_AutoRefresh->hide();
    m_AutoRefresh->installEventFilter(this);
    connect(m_AutoRefresh, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked)
            m_RefreshTimer.start();
        else
            m_RefreshTimer.stop();
    });
    left->addWidget(m_AutoRefresh);
    row->addWidget(m_LeftPanel);

    m_DrawRegion = new QWidget(this);
    m_DrawRegion->setObjectName(QStringLiteral("pnlDrawRegion"));
    m_DrawRegion->setAutoFillBackground(true);
    QPalette white = m_DrawRegion->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_DrawRegion->setPalette(white);
    auto* region = new QVBoxLayout(m_DrawRegion);
    region->setContentsMargins(0, 0, 0, 0);
    m_View = new TChartView(m_DrawRegion);
    m_View->setObjectName(QStringLiteral("imgSzulKeplet"));
    region->addWidget(m_View);
    connect(m_View, &TChartView::Resized, this, [this] { ResizeChart(true); });
    connect(m_View, &TChartView::MouseMoved, this, [this] { m_Attachments->clearSelection(); });
    m_MenuPanelsButton = SmallButton(m_DrawRegion, "btnShowHideMenuPanels",
                                     QStringLiteral("Menüsáv elrejtése/mutatása..."),
                                     QStringLiteral("view-restore"), QStringLiteral("≡"));
    m_SidePanelsButton = SmallButton(m_DrawRegion, "btnShowHideSidePanels",
                                     QStringLiteral("Oldalsáv elrejtése/mutatása..."),
                                     QStringLiteral("view-split-left-right"), QStringLiteral("‖"));
    connect(m_MenuPanelsButton, &QToolButton::clicked, this, [this] {
        m_Host.RequestMenuBar(m_Host.MainMenuBarShown() ? 101 : 100);
        ResizeChart(true);
    });
    connect(m_SidePanelsButton, &QToolButton::clicked, this, [this] {
        SetSidePanels(SidePanelsShown());
        m_Host.SetSidePanelsAll(!SidePanelsShown());
    });
    m_DrawRegion->installEventFilter(this);
    row->addWidget(m_DrawRegion, 1);

    m_RightPanel = new QWidget(this);
    m_RightPanel->setObjectName(QStringLiteral("pnlSzulkepletOtherInfos"));
    m_RightPanel->setFixedWidth(SidePanelWidth);
    auto* right = new QVBoxLayout(m_RightPanel);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(3);
    m_Portrait = new QLabel(m_RightPanel);
    m_Portrait->setObjectName(QStringLiteral("imgPersonPicture"));
    m_Portrait->setFixedSize(SidePanelWidth, SidePanelWidth);
    m_Portrait->setAlignment(Qt::AlignCenter);
    m_Portrait->setToolTip(QStringLiteral("Fénykép hozzáadása"));
    m_Portrait->setCursor(Qt::PointingHandCursor);
    m_Portrait->installEventFilter(this);
    right->addWidget(m_Portrait);
    m_DeletePortrait = SmallButton(m_RightPanel, "btnIMGTorol", QStringLiteral("Fénykép törlése"),
                                   QStringLiteral("edit-delete"), QStringLiteral("✕"));
    connect(m_DeletePortrait, &QToolButton::clicked, this, &TfrmBaseSzulKepletForm::DeletePortrait);
    right->addWidget(m_DeletePortrait, 0, Qt::AlignHCenter);
    right->addStretch();
    m_Attachments = new QListWidget(m_RightPanel);
    m_Attachments->setObjectName(QStringLiteral("lisCsatDocuments"));
    m_Attachments->setUniformItemSizes(true);
    m_Attachments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Attachments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Attachments->setFrameShape(QFrame::NoFrame);
    connect(m_Attachments, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OpenAttachment(m_Attachments->row(item)); });
    right->addWidget(m_Attachments);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    m_NotesButton = SmallButton(m_RightPanel, "btnMegjegyzes",
                                QStringLiteral("Jegyzet az aktuális születési képlethez"),
                                QStringLiteral("document-new"), QStringLiteral("J"));
    connect(m_NotesButton, &QToolButton::clicked, this, &TfrmBaseSzulKepletForm::ShowGeneralNotes);
    auto* addDocument =
        SmallButton(m_RightPanel, "btnAddDoksi", QStringLiteral("Dokumentum csatolása"),
                    QStringLiteral("mail-attachment"), QStringLiteral("+"));
    connect(addDocument, &QToolButton::clicked, this, &TfrmBaseSzulKepletForm::AddDocument);
    auto* addAddress =
        SmallButton(m_RightPanel, "btnAddURL", QStringLiteral("Webcím vagy e-mail cím csatolása"),
                    QStringLiteral("applications-internet"), QStringLiteral("@"));
    connect(addAddress, &QToolButton::clicked, this, &TfrmBaseSzulKepletForm::AddAddress);
    auto* remove = SmallButton(m_RightPanel, "btnRemoveDoksi", QStringLiteral("Csatolás törlése"),
                               QStringLiteral("list-remove"), QStringLiteral("−"));
    connect(remove, &QToolButton::clicked, this, &TfrmBaseSzulKepletForm::RemoveAttachment);
    for (QToolButton* b : {m_NotesButton, addDocument, addAddress, remove})
        buttons->addWidget(b);
    right->addLayout(buttons);
    row->addWidget(m_RightPanel);

    ShowPortrait({});
    LayoutAttachments();
    RefreshNotesButton();
}

// Loading and drawing.

bool TfrmBaseSzulKepletForm::LoadChart(std::shared_ptr<TSzuletesiKepletInfo> record, quint8 kind,
                                       bool drawNow, std::unique_ptr<TCalcResult> result) {
    try {
        if (!record)
            throw EVelkarisError(QStringLiteral("no birth record"));
        m_View->FitSurface();
        if (!m_Drawer) {
            m_Drawer = std::make_unique<TNatalChartDrawer>(
                m_View->Surface(), -1, -1, false, m_Host.Settings(), m_Host.OrbProvider(), [this] {
                    return TAreaSize{m_View->width(), m_View->height()};
                });
            m_View->SetController(m_Drawer.get());
            m_Drawer->TimingLog = m_Host.TimingLog();
            m_Drawer->Gradient = m_Host.Gradient();
        }
        auto entry = std::make_unique<TSzulKepletFormInfo>();
        entry->Birth = record;
        if (result) {
            result->SetChartKind(kind);
            entry->Result = std::move(result);
        } else {
            entry->Result->SetChartKind(kind);
            TSWECalculator& calculator = m_Host.Calculator();
            calculator.SetResult(entry->Result.get());
            if (record->TimeIsUnknown()) {
                // Without a birth time the chart is drawn for noon of the day.
                TSzuletesiKepletInfo noon;
                noon.CopyFrom(*record);
                noon.SetDateParts(record->Year(), record->Month(), record->Day(), 12, 0, 0);
                calculator.Calculate(&noon);
            } else {
                calculator.Calculate(record.get());
            }
        }
        entry->ChartKind = kind;
        TCalcResult* shown = entry->Result.get();
        ChartEntries.push_back(std::move(entry));
        m_Drawer->OnElementClick = [this](TBaseGraphicControl& element, int button) {
            OnElementClick(element, button);
        };
        m_Drawer->AddChart(shown, drawNow);
        if (drawNow)
            m_View->PictureChanged();
        ShowPortrait(record->PictureFilename());
        FillAttachmentList(*record);
        LayoutAttachments();
        RefreshNotesButton();
        Built = true;
        return true;
    } catch (const EVelkarisError& e) {
        m_Host.ShowError(GetMessageText(u"fBaseSzulKeplet_NemLehetMegnyitni") + QLatin1Char(' ') +
                         e.UserText());
        return false;
    }
}

TSzulKepletFormInfo* TfrmBaseSzulKepletForm::ChartEntry(int index) const {
    if (index < 0 || index >= static_cast<int>(ChartEntries.size()))
        return nullptr;
    return ChartEntries[static_cast<size_t>(index)].get();
}

void TfrmBaseSzulKepletForm::ApplySelfMarkerSwitch() {
    TSzulKepletFormInfo* first = ChartEntry(0);
    if (!first)
        return;
    if (m_SelfMarkerSwitch->isChecked())
        first->Result->SetChartKind(ChartKind::SelfMarkerView);
    else
        first->Result->RestoreChartKind();
}

void TfrmBaseSzulKepletForm::DrawAndShow() {
    if (!m_Drawer)
        return;
    m_Drawer->ReDrawCalculatedResults(m_Drawer->Overlay);
    m_View->PictureChanged();
}

void TfrmBaseSzulKepletForm::Redraw() {
    ApplySelfMarkerSwitch();
    DrawAndShow();
}

void TfrmBaseSzulKepletForm::ResizeChart(bool resizePicture) {
    if (!Built)
        return;
    if (resizePicture)
        m_View->FitSurface();
    ApplySelfMarkerSwitch();
    DrawAndShow();
    LayoutAttachments();
}

void TfrmBaseSzulKepletForm::RecalculateChart(int index) {
    TSzulKepletFormInfo* entry = ChartEntry(index);
    if (!entry || !entry->Birth)
        return;
    TSWECalculator& calculator = m_Host.Calculator();
    calculator.SetResult(entry->Result.get());
    calculator.Calculate(entry->Birth.get());
    entry->Birth->SetModified(true);
}

void TfrmBaseSzulKepletForm::ClearSelfMarkerElements() {
    if (m_Drawer)
        m_Drawer->ClearSelfMarkerElements();
}

void TfrmBaseSzulKepletForm::SetDisplayMode(int mode) {
    DisplayMode = static_cast<quint8>(mode);
    if (!m_Drawer)
        return;
    m_Drawer->Overlay = mode == 1;
    ResizeChart(true);
}

void TfrmBaseSzulKepletForm::SetGlyphHint(int bodyId, const QString& text, int chartIndex) {
    if (!m_Drawer || static_cast<int>(ChartEntries.size()) <= chartIndex)
        return;
    if (TPlanetSignGraphicControl* glyph = m_Drawer->PlanetElements.Find(chartIndex, bodyId))
        glyph->ShortHint = text;
}

// The ego-state switch.

void TfrmBaseSzulKepletForm::SetSelfMarkerView(bool down) {
    m_SelfMarkerSwitch->setChecked(down);
    TSzulKepletFormInfo* first = ChartEntry(0);
    if (!first)
        return;
    if (first->ChartKind == ChartKind::CurrentSky) {
        // A current-sky chart has no ego-state view.
        m_SelfMarkerSwitch->setChecked(false);
        return;
    }
    ApplySelfMarkerSwitch();
    DrawAndShow();
}

bool TfrmBaseSzulKepletForm::SelfMarkerViewShown() const {
    return m_SelfMarkerSwitch->isChecked();
}

// Side panels.

bool TfrmBaseSzulKepletForm::SidePanelsShown() const {
    return m_RightPanel->width() > 0 && m_RightPanel->maximumWidth() > 0;
}

void TfrmBaseSzulKepletForm::SetSidePanels(bool hide) {
    const int width = SidePanelsShown() || hide ? 0 : SidePanelWidth;
    m_RightPanel->setFixedWidth(width);
    m_LeftPanel->setFixedWidth(width);
    m_RightPanel->setVisible(width > 0);
    m_LeftPanel->setVisible(width > 0);
    ResizeChart(true);
}

// Element clicks and notes.

bool TfrmBaseSzulKepletForm::SingleChartForNotes() {
    if (ChartEntries.size() > 1) {
        m_Host.ShowError(GetMessageText(u"fBaseSzulKepletForm_NotesNotAllowed"));
        return false;
    }
    return true;
}

void TfrmBaseSzulKepletForm::OnElementClick(TBaseGraphicControl& element, int button) {
    if (button != Qt::RightButton)
        return;
    if (!SingleChartForNotes())
        return;
    QString kind;
    if (dynamic_cast<TPlanetSignGraphicControl*>(&element))
        kind = QStringLiteral("P");
    else if (dynamic_cast<THouseNumberGraphicControl*>(&element))
        kind = QStringLiteral("H");
    else if (dynamic_cast<TZodiacSignGraphicControl*>(&element))
        kind = QStringLiteral("J");
    if (!kind.isEmpty())
        m_Host.ShowNotesEditor(kind, element.ElementId);
    Redraw();
    RefreshNotesButton();
}

void TfrmBaseSzulKepletForm::ShowGeneralNotes() {
    if (!SingleChartForNotes())
        return;
    m_Host.ShowNotesEditor(QStringLiteral("A"), 999);
    RefreshNotesButton();
}

void TfrmBaseSzulKepletForm::RefreshNotesButton() {
    const TSzuletesiKepletInfo* record = PanelRecord();
    m_HasNotes = record && !record->NotesDocument().Entries(QStringLiteral("Megjegyzes")).isEmpty();
    const QIcon icon = QIcon::fromTheme(m_HasNotes ? QStringLiteral("document-edit")
                                                   : QStringLiteral("document-new"));
    m_NotesButton->setIcon(icon);
    if (icon.isNull())
        m_NotesButton->setText(m_HasNotes ? QStringLiteral("J*") : QStringLiteral("J"));
}

// Portrait.

TSzuletesiKepletInfo* TfrmBaseSzulKepletForm::PanelRecord() const {
    const TSzulKepletFormInfo* first = ChartEntry(0);
    return first ? first->Birth.get() : nullptr;
}

void TfrmBaseSzulKepletForm::ShowPortrait(const QString& stored) {
    const QString path = AttachmentPaths::Resolve(stored, m_Host.ProgramFolder());
    QPixmap picture;
    if (!path.isEmpty() && QFileInfo(path).isFile())
        picture.load(path);
    if (picture.isNull()) {
        m_Portrait->setPixmap({});
        m_Portrait->setText(QStringLiteral("(fénykép)"));
        m_Portrait->setProperty("placeholder", true);
        return;
    }
    m_Portrait->setText({});
    m_Portrait->setPixmap(
        picture.scaled(m_Portrait->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_Portrait->setProperty("placeholder", false);
}

void TfrmBaseSzulKepletForm::ChoosePortrait() {
    TSzuletesiKepletInfo* record = PanelRecord();
    if (!record)
        return;
    const auto chosen = m_Host.ChooseFile(true);
    if (!chosen)
        return;
    const QString stored = m_Host.AttachPicturePath(*chosen);
    if (stored.isEmpty())
        return;
    record->SetPictureFilename(stored);
    ShowPortrait(stored);
}

void TfrmBaseSzulKepletForm::DeletePortrait() {
    TSzuletesiKepletInfo* record = PanelRecord();
    if (!record || !m_Host.AskYesNo(GetMessageText(u"fBaseSzulKeplet_KepTorlese")))
        return;
    record->SetPictureFilename({});
    ShowPortrait({});
}

// Attachments.

void TfrmBaseSzulKepletForm::FillAttachmentList(const TSzuletesiKepletInfo& record) {
    m_Attachments->clear();
    for (const QString& stored : record.Attachments()) {
        auto* item = new QListWidgetItem(AttachmentPaths::DisplayName(stored), m_Attachments);
        item->setToolTip(item->text());
    }
}

void TfrmBaseSzulKepletForm::LayoutAttachments() {
    m_Attachments->setFixedHeight(15 * m_Attachments->count());
    m_Attachments->setVisible(m_Attachments->count() > 0);
}

void TfrmBaseSzulKepletForm::AddDocument() {
    TSzuletesiKepletInfo* record = PanelRecord();
    if (!record)
        return;
    const auto chosen = m_Host.ChooseFile(false);
    if (!chosen)
        return;
    const QString stored = m_Host.AttachDocumentPath(*chosen);
    if (stored.isEmpty())
        return;
    QStringList attachments = record->Attachments();
    attachments << stored;
    record->SetAttachments(attachments);
    record->SetModified(true);
    FillAttachmentList(*record);
    LayoutAttachments();
}

void TfrmBaseSzulKepletForm::AddAddress() {
    TSzuletesiKepletInfo* record = PanelRecord();
    if (!record)
        return;
    const auto address = m_Host.AskAddress();
    if (!address || address->trimmed().isEmpty())
        return;
    QStringList attachments = record->Attachments();
    attachments << address->trimmed();
    record->SetAttachments(attachments);
    record->SetModified(true);
    FillAttachmentList(*record);
    LayoutAttachments();
}

void TfrmBaseSzulKepletForm::RemoveAttachment() {
    TSzuletesiKepletInfo* record = PanelRecord();
    const int row = m_Attachments->currentRow();
    if (!record || m_Attachments->count() == 0 || row < 0 || row >= record->Attachments().size() ||
        !m_Attachments->currentItem()->isSelected())
        return;
    const QString stored = record->Attachments().at(row);
    if (!m_Host.AskYesNo(GetMessageText(u"fBaseSzulKeplet_CsatDokTorlese") +
                         QStringLiteral("\r\r\"") + stored + QLatin1Char('"')))
        return;
    QStringList attachments = record->Attachments();
    attachments.removeAt(row);
    record->SetAttachments(attachments);
    record->SetModified(true);
    FillAttachmentList(*record);
    LayoutAttachments();
}

void TfrmBaseSzulKepletForm::OpenAttachment(int row) {
    const TSzuletesiKepletInfo* record = PanelRecord();
    if (!record || row < 0 || row >= record->Attachments().size())
        return;
    const QString stored = record->Attachments().at(row);
    if (AttachmentPaths::IsAddress(stored)) {
        m_Host.OpenWithShell(stored);
        return;
    }
    const QString path = AttachmentPaths::Resolve(stored, m_Host.ProgramFolder());
    if (!QFileInfo(path).isFile()) {
        m_Host.ShowError(GetMessageText(u"fBaseSzulKeplet_DocNemTalalhato") +
                         QStringLiteral("\r\r") + path);
        return;
    }
    if (!AttachmentPaths::IsChartFile(path)) {
        m_Host.OpenWithShell(path);
        return;
    }
    TSzuletesiKepletAdatokINIFileLoader loader(m_Host.ProgramFolder(), nullptr);
    std::shared_ptr<TSzuletesiKepletInfo> chart;
    QString reason = path;
    try {
        chart = loader.LoadChartFile(path, false);
    } catch (const EVelkarisError& e) {
        reason = e.UserText() + QLatin1Char(' ') + path;
    }
    if (!chart) {
        m_Host.ShowError(GetMessageText(u"uZentavoMain_LoadSzulKepletError") +
                         QStringLiteral("\n\n") + reason);
        return;
    }
    m_Host.OpenChartRecord(std::move(chart));
}

// The refresh of a current-sky chart.

void TfrmBaseSzulKepletForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const TSzulKepletFormInfo* first = ChartEntry(0);
    if (first && first->ChartKind == ChartKind::CurrentSky) {
        m_AutoRefresh->show();
        return;
    }
    m_AutoRefresh->setChecked(false);
    m_AutoRefresh->hide();
    m_RefreshTimer.stop();
}

void TfrmBaseSzulKepletForm::RefreshCurrentSky() {
    TSzulKepletFormInfo* first = ChartEntry(0);
    if (!first || !first->Birth)
        return;
    first->Birth->SetLocalDateTime(ToDateTime(m_Host.Now()));
    try {
        RecalculateChart(0);
    } catch (const EVelkarisError& e) {
        m_RefreshTimer.stop();
        m_AutoRefresh->setChecked(false);
        m_Host.ShowError(e.UserText());
        return;
    }
    Redraw();
    m_Host.RefreshActiveTab(true);
}

void TfrmBaseSzulKepletForm::ChangeRefreshInterval(int change) {
    if (!m_RefreshTimer.isActive())
        return;
    const int minutes =
        std::max(static_cast<int>(std::lround(m_RefreshTimer.interval() / 60000.0)) + change, 0);
    m_RefreshTimer.stop();
    m_RefreshTimer.setInterval(minutes == 0 ? 10'000 : minutes * 60'000);
    m_RefreshTimer.start();
    m_AutoRefresh->setText(RefreshCaption(minutes));
}

bool TfrmBaseSzulKepletForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_AutoRefresh && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->modifiers() & Qt::ControlModifier) {
            // The box toggles on the click first; the interval changes on the release.
            QTimer::singleShot(0, this, [this, button = mouse->button()] {
                ChangeRefreshInterval(button == Qt::LeftButton    ? 1
                                      : button == Qt::RightButton ? -1
                                                                  : 0);
            });
        }
    } else if (watched == m_Portrait && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            ChoosePortrait();
        } else if (mouse->button() == Qt::RightButton) {
            if (const TSzuletesiKepletInfo* record = PanelRecord()) {
                const QString path =
                    AttachmentPaths::Resolve(record->PictureFilename(), m_Host.ProgramFolder());
                if (!path.isEmpty())
                    m_Host.OpenWithShell(path);
            }
        }
        return true;
    } else if (watched == m_DrawRegion && event->type() == QEvent::Resize) {
        const int right = m_DrawRegion->width() - 2;
        m_SidePanelsButton->move(right - m_SidePanelsButton->sizeHint().width(), 2);
        m_MenuPanelsButton->move(m_SidePanelsButton->x() - m_MenuPanelsButton->sizeHint().width(),
                                 2);
        m_SidePanelsButton->raise();
        m_MenuPanelsButton->raise();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velkaris
