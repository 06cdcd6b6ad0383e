#include "SzuletesiKepletAdatokDialog.h"

#include "CityGridModel.h"
#include "FormControls.h"
#include "RadioGroup.h"
#include "WaitWindow.h"
#include "app/main/Desktop.h"
#include "core/Messages.h"
#include "core/SzuletesiKepletInfo.h"
#include "data/DataSetInfoProvider.h"
#include "data/SettingsProvider.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>

namespace velkaris {

namespace {

QLabel* Caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

/// Checks `button` of an exclusive pair, or neither.
void CheckOneOf(QRadioButton* button, QRadioButton* other) {
    QButtonGroup* group = button->group();
    group->setExclusive(false);
    button->setChecked(true);
    other->setChecked(false);
    group->setExclusive(true);
}

void SetText(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

} // namespace

TfrmSzuletesiKepletAdatok::TfrmSzuletesiKepletAdatok(TDataSetInfoProvider& places,
                                                     const TSettingsProvider& settings,
                                                     TDesktop& desktop, QWidget* parent)
    : TfrmBaseDialogForm(parent), m_Places(places), m_Settings(settings), m_Desktop(desktop),
      m_LoadCopy(std::make_unique<TSzuletesiKepletInfo>()), m_Wait(new TfrmWait(this)) {
    setObjectName(QStringLiteral("frmSzuletesiKepletAdatok"));
    setWindowTitle(GetMessageText(u"fSzulKeplet_Title02"));
    BuildControls();
    SetZoneType(Zone);
    ApplyZoneTypeRule();
}

TfrmSzuletesiKepletAdatok::~TfrmSzuletesiKepletAdatok() = default;

// Building the form.

void TfrmSzuletesiKepletAdatok::BuildControls() {
    auto* client = new QVBoxLayout(pnlClient);
    client->setContentsMargins(8, 8, 8, 0);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Caption(QStringLiteral("Név:"), pnlClient));
    edtNev = new QLineEdit(pnlClient);
    edtNev->setObjectName(QStringLiteral("edtNev"));
    edtNev->setMaxLength(100);
    nameRow->addWidget(edtNev, 1);
    client->addLayout(nameRow);

    rgpEset = new TRadioGroup(
        QStringLiteral(" Eset "),
        {QStringLiteral("Férfi"), QStringLiteral("Nő"), QStringLiteral("Egyéb")}, 3, pnlClient);
    rgpEset->setObjectName(QStringLiteral("rgpEset"));
    rgpEset->hide();
    connect(rgpEset, &TRadioGroup::ItemIndexChanged, this, [this](int index) { m_Gender = index; });

    client->addWidget(BuildDateGroup(pnlClient));
    client->addWidget(BuildPlaceGroup(pnlClient));
    client->addWidget(BuildZoneGroup(pnlClient));
    client->addWidget(BuildDeathGroup(pnlClient));

    auto* notesGroup = new QGroupBox(QStringLiteral(" Megjegyzések / Feljegyzések "), pnlClient);
    auto* notesLayout = new QVBoxLayout(notesGroup);
    memNotes = new QPlainTextEdit(notesGroup);
    memNotes->setObjectName(QStringLiteral("memNotes"));
    memNotes->setFixedHeight(64);
    notesLayout->addWidget(memNotes);
    client->addWidget(notesGroup);
    client->addWidget(BuildTagGroup(pnlClient));

    btnSetOriginalBirthDate =
        new QPushButton(QStringLiteral("Eredeti értékek visszaállítása"), pnlClient);
    btnSetOriginalBirthDate->setObjectName(QStringLiteral("btnSetOriginalBirthDate"));
    btnSetOriginalBirthDate->setAutoDefault(false);
    btnSetOriginalBirthDate->hide();
    connect(btnSetOriginalBirthDate, &QPushButton::clicked, this,
            &TfrmSzuletesiKepletAdatok::RestoreLoadedValues);
    client->addWidget(btnSetOriginalBirthDate, 0, Qt::AlignLeft);

    btnMost = new QPushButton(QStringLiteral("&Aktuális időpont"), pnlBottom);
    btnMost->setObjectName(QStringLiteral("btnMost"));
    btnMost->setToolTip(QStringLiteral("Aktuális időpont beillesztése"));
    btnMost->setAutoDefault(false);
    connect(btnMost, &QPushButton::clicked, this, &TfrmSzuletesiKepletAdatok::FillPresentMoment);
    static_cast<QHBoxLayout*>(pnlBottom->layout())->insertWidget(0, btnMost);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    pnlClient->setFixedWidth(500);

    // The tab order is the order of creation; the hidden controls are skipped.
    for (QLineEdit* field : {edtSzhEv, edtSzhHo, edtSzhNap, edtSzhOra, edtSzhPerc, edtSzhMp}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &TfrmSzuletesiKepletAdatok::MarkEdited);
    }
    for (QLineEdit* field :
         {edtHosszFok, edtHosszPerc, edtSzelFok, edtSzelPerc, edtZonaOra, edtZonaPerc}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &TfrmSzuletesiKepletAdatok::MarkEdited);
    }
    for (QLineEdit* field :
         {edtDeathEv, edtDeathHo, edtDeathNap, edtDeathOra, edtDeathPerc, edtDeathMp})
        field->installEventFilter(this);
}

QGroupBox* TfrmSzuletesiKepletAdatok::BuildDateGroup(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral(" Születési időpont "), parent);
    auto* row = new QHBoxLayout(group);
    auto add = [&](const QString& caption, QLineEdit* field) {
        row->addWidget(Caption(caption, group));
        row->addWidget(field);
    };
    edtSzhEv = CreateNumberField(group, "edtSzhEv", 4, 48);
    add(QStringLiteral("Év"), edtSzhEv);
    edtSzhHo = CreateNumberField(group, "edtSzhHo", 2, 30);
    add(QStringLiteral("Hó"), edtSzhHo);
    edtSzhNap = CreateNumberField(group, "edtSzhNap", 2, 30);
    add(QStringLiteral("Nap"), edtSzhNap);
    row->addSpacing(8);
    edtSzhOra = CreateNumberField(group, "edtSzhOra", 2, 30);
    add(QStringLiteral("Óra"), edtSzhOra);
    edtSzhPerc = CreateNumberField(group, "edtSzhPerc", 2, 30);
    add(QStringLiteral("Perc"), edtSzhPerc);
    edtSzhMp = CreateNumberField(group, "edtSzhMp", 2, 30);
    edtSzhMp->hide();
    chkBC = new QCheckBox(QStringLiteral("i.e."), group);
    chkBC->setObjectName(QStringLiteral("chkBC"));
    chkBC->hide();
    chkTimeIsUnknown = new QCheckBox(QStringLiteral("ismeretlen"), group);
    chkTimeIsUnknown->setObjectName(QStringLiteral("chkTimeIsUnknown"));
    chkTimeIsUnknown->setToolTip(QStringLiteral(
        "Amennyiben a pontos időpont ismeretlen, akkor egy Kos 0° ASC, egyenlő házbeosztású "
        "horoszkópot fogunk eredményül kapni!"));
    connect(chkTimeIsUnknown, &QCheckBox::toggled, this,
            &TfrmSzuletesiKepletAdatok::TimeUnknownToggled);
    row->addWidget(chkTimeIsUnknown);
    row->addStretch(1);
    return group;
}

QGroupBox* TfrmSzuletesiKepletAdatok::BuildPlaceGroup(QWidget* parent) {
    grpPlace = new QGroupBox(QStringLiteral(" Születési hely "), parent);
    grpPlace->setObjectName(QStringLiteral("grpPlace"));
    auto* grid = new QGridLayout(grpPlace);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(4);
    grid->addWidget(Caption(QStringLiteral("Település:"), grpPlace), 0, 0);
    edtTelepules = new QLineEdit(grpPlace);
    edtTelepules->setObjectName(QStringLiteral("edtTelepules"));
    edtTelepules->installEventFilter(this);
    connect(edtTelepules, &QLineEdit::textChanged, this, &TfrmSzuletesiKepletAdatok::PlaceChanged);
    grid->addWidget(edtTelepules, 0, 1, 1, 5);
    btnNagyTelepulesBetolt = new QToolButton(grpPlace);
    btnNagyTelepulesBetolt->setObjectName(QStringLiteral("btnNagyTelepulesBetolt"));
    btnNagyTelepulesBetolt->setIcon(QIcon::fromTheme(QStringLiteral("applications-internet")));
    if (btnNagyTelepulesBetolt->icon().isNull())
        btnNagyTelepulesBetolt->setIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));
    btnNagyTelepulesBetolt->setToolTip(
        GetMessageText(u"fSzuletesiKepletAdatok_btnNagyTelepulesBetolt"));
    connect(btnNagyTelepulesBetolt, &QToolButton::clicked, this,
            &TfrmSzuletesiKepletAdatok::LoadExtendedCityDatabase);
    grid->addWidget(btnNagyTelepulesBetolt, 0, 6);

    grid->addWidget(Caption(QStringLiteral("Ország:"), grpPlace), 1, 0);
    lblOrszag = new QLabel(grpPlace);
    lblOrszag->setObjectName(QStringLiteral("lblOrszag"));
    grid->addWidget(lblOrszag, 1, 1, 1, 6);

    // One row per coordinate: degrees, minutes and the two hemispheres.
    struct TCoordinateRow {
        const char *Caption, *Degrees, *Minutes, *Positive, *PositiveText, *Negative, *NegativeText;
        int DegreeDigits;
        QLineEdit **DegreesField, **MinutesField;
        QRadioButton **PositiveButton, **NegativeButton;
    };
    const TCoordinateRow rows[] = {
        {"Hosszúság:", "edtHosszFok", "edtHosszPerc", "rgbKeleti", "K", "rgbNyugati", "Ny", 3,
         &edtHosszFok, &edtHosszPerc, &rgbKeleti, &rgbNyugati},
        {"Szélesség:", "edtSzelFok", "edtSzelPerc", "rgbEszaki", "É", "rgbDeli", "D", 2,
         &edtSzelFok, &edtSzelPerc, &rgbEszaki, &rgbDeli},
    };
    int line = 2;
    for (const TCoordinateRow& row : rows) {
        auto* hemispheres = new QButtonGroup(grpPlace);
        grid->addWidget(Caption(QString::fromUtf8(row.Caption), grpPlace), line, 0);
        *row.DegreesField = CreateNumberField(grpPlace, row.Degrees, row.DegreeDigits, 40);
        grid->addWidget(*row.DegreesField, line, 1);
        grid->addWidget(Caption(QStringLiteral("°"), grpPlace), line, 2);
        *row.MinutesField = CreateNumberField(grpPlace, row.Minutes, 2, 30);
        grid->addWidget(*row.MinutesField, line, 3);
        *row.PositiveButton = CreateGroupedRadio(grpPlace, row.Positive,
                                                 QString::fromUtf8(row.PositiveText), hemispheres);
        grid->addWidget(*row.PositiveButton, line, 4);
        *row.NegativeButton = CreateGroupedRadio(grpPlace, row.Negative,
                                                 QString::fromUtf8(row.NegativeText), hemispheres);
        grid->addWidget(*row.NegativeButton, line, 5);
        ++line;
    }
    grid->setColumnStretch(6, 1);
    for (QRadioButton* button : {rgbKeleti, rgbNyugati, rgbEszaki, rgbDeli})
        connect(button, &QRadioButton::clicked, this, &TfrmSzuletesiKepletAdatok::MarkEdited);

    // The grid lies over the rows below the place field while a place is typed.
    TCityLoader& cities = m_Places.Loader().CityLoader();
    dbgCityes = new QTableView(grpPlace);
    dbgCityes->setObjectName(QStringLiteral("dbgCityes"));
    m_CityModel = new TCityGridModel(cities, dbgCityes);
    dbgCityes->setModel(m_CityModel);
    dbgCityes->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgCityes->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgCityes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgCityes->verticalHeader()->hide();
    dbgCityes->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    dbgCityes->verticalHeader()->setDefaultSectionSize(18);
    dbgCityes->horizontalHeader()->setFixedHeight(18);
    const int widths[] = {125, 37, 37, 45, 45};
    for (int column = 0; column < 5; ++column)
        dbgCityes->setColumnWidth(column, widths[column]);
    dbgCityes->horizontalHeader()->setStretchLastSection(true);
    dbgCityes->installEventFilter(this);
    dbgCityes->hide();
    connect(m_CityModel, &TCityGridModel::CurrentRowMoved, this,
            &TfrmSzuletesiKepletAdatok::ShowCurrentRowInGrid);
    // Moving in the grid itself (arrow keys while it has the focus) moves the table's row.
    connect(dbgCityes->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                TDataTable& table = m_Places.Loader().CityLoader().Table();
                if (current.isValid() && current.row() != table.CurrentIndex())
                    table.MoveTo(current.row());
            });
    connect(dbgCityes, &QTableView::clicked, this, [this](const QModelIndex& index) {
        m_Places.Loader().CityLoader().Table().MoveTo(index.row());
        ShowGrid(true);
        dbgCityes->setFocus();
    });
    connect(dbgCityes, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        m_Places.Loader().CityLoader().Table().MoveTo(index.row());
        GridActivated();
    });
    return grpPlace;
}

QGroupBox* TfrmSzuletesiKepletAdatok::BuildZoneGroup(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral(" Időzóna "), parent);
    auto* grid = new QGridLayout(group);
    grid->addWidget(Caption(QStringLiteral("Időzóna típusa:"), group), 0, 0);
    cmbTimeZoneSettings = new QComboBox(group);
    cmbTimeZoneSettings->setObjectName(QStringLiteral("cmbTimeZoneSettings"));
    cmbTimeZoneSettings->addItems(
        {QStringLiteral("Kézi"), QStringLiteral("Zóna"), QStringLiteral("LMT")});
    connect(cmbTimeZoneSettings, &QComboBox::activated, this,
            &TfrmSzuletesiKepletAdatok::ZoneTypeChosen);
    grid->addWidget(cmbTimeZoneSettings, 0, 1, 1, 3);
    lblIdozonaTipusa = new QLabel(group);
    lblIdozonaTipusa->setObjectName(QStringLiteral("lblIdozonaTipusa"));
    lblIdozonaTipusa->setMinimumWidth(200);
    grid->addWidget(lblIdozonaTipusa, 0, 4);
    btnTimeZoneSelector = new QToolButton(group);
    btnTimeZoneSelector->setObjectName(QStringLiteral("btnTimeZoneSelector"));
    btnTimeZoneSelector->setText(QStringLiteral("..."));
    btnTimeZoneSelector->setToolTip(QStringLiteral("Kézi időzóna választáshoz kattintson ide"));
    connect(btnTimeZoneSelector, &QToolButton::clicked, this,
            [this] { ZoneMenu()->popup(QCursor::pos()); });
    grid->addWidget(btnTimeZoneSelector, 0, 5);

    grid->addWidget(Caption(QStringLiteral("Zónaidő:"), group), 1, 0);
    edtZonaOra = CreateNumberField(group, "edtZonaOra", 3, 36);
    grid->addWidget(edtZonaOra, 1, 1);
    grid->addWidget(Caption(QStringLiteral(":"), group), 1, 2);
    edtZonaPerc = CreateNumberField(group, "edtZonaPerc", 2, 30);
    grid->addWidget(edtZonaPerc, 1, 3);
    chkNyariIdoszamitas = new QCheckBox(QStringLiteral("Nyári időszámítás? :"), group);
    chkNyariIdoszamitas->setObjectName(QStringLiteral("chkNyariIdoszamitas"));
    chkNyariIdoszamitas->setLayoutDirection(Qt::RightToLeft);
    connect(chkNyariIdoszamitas, &QCheckBox::clicked, this,
            &TfrmSzuletesiKepletAdatok::DaylightSavingClicked);
    grid->addWidget(chkNyariIdoszamitas, 1, 4, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(4, 1);
    popTZMenu = new QMenu(this);
    popTZMenu->setObjectName(QStringLiteral("popTZMenu"));
    return group;
}

QGroupBox* TfrmSzuletesiKepletAdatok::BuildDeathGroup(QWidget* parent) {
    rgpDied = new QGroupBox(parent);
    rgpDied->setObjectName(QStringLiteral("rgpDied"));
    auto* row = new QHBoxLayout(rgpDied);
    chkDied = new QCheckBox(QStringLiteral("Elhalálozott"), rgpDied);
    chkDied->setObjectName(QStringLiteral("chkDied"));
    row->addWidget(chkDied);
    edtDeathEv = CreateNumberField(rgpDied, "edtDeathEv", 4, 48);
    edtDeathHo = CreateNumberField(rgpDied, "edtDeathHo", 2, 30);
    edtDeathNap = CreateNumberField(rgpDied, "edtDeathNap", 2, 30);
    edtDeathOra = CreateNumberField(rgpDied, "edtDeathOra", 2, 30);
    edtDeathPerc = CreateNumberField(rgpDied, "edtDeathPerc", 2, 30);
    edtDeathMp = CreateNumberField(rgpDied, "edtDeathMp", 2, 30);
    for (QLineEdit* field :
         {edtDeathEv, edtDeathHo, edtDeathNap, edtDeathOra, edtDeathPerc, edtDeathMp})
        row->addWidget(field);
    edtDeathOra->hide();
    edtDeathPerc->hide();
    edtDeathMp->hide();
    connect(chkDied, &QCheckBox::toggled, this, [this](bool died) {
        for (QLineEdit* field : {edtDeathEv, edtDeathHo, edtDeathNap})
            field->setVisible(died);
    });
    for (QLineEdit* field : {edtDeathEv, edtDeathHo, edtDeathNap})
        field->setVisible(false);
    rgpDied->hide();
    return rgpDied;
}

QGroupBox* TfrmSzuletesiKepletAdatok::BuildTagGroup(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral(" Címkék "), parent);
    auto* grid = new QGridLayout(group);
    memTags = new QListWidget(group);
    memTags->setObjectName(QStringLiteral("memTags"));
    memTags->setFixedHeight(60);
    grid->addWidget(memTags, 0, 0, 3, 1);
    edtTag = new QLineEdit(group);
    edtTag->setObjectName(QStringLiteral("edtTag"));
    grid->addWidget(edtTag, 0, 1);
    btnAddTag = new QPushButton(QStringLiteral("Címke hozzáadása"), group);
    btnAddTag->setObjectName(QStringLiteral("btnAddTag"));
    btnAddTag->setAutoDefault(false);
    grid->addWidget(btnAddTag, 1, 1);
    btnDelTag = new QPushButton(QStringLiteral("Címke törlése"), group);
    btnDelTag->setObjectName(QStringLiteral("btnDelTag"));
    btnDelTag->setAutoDefault(false);
    grid->addWidget(btnDelTag, 2, 1);
    connect(btnAddTag, &QPushButton::clicked, this, &TfrmSzuletesiKepletAdatok::AddTags);
    connect(btnDelTag, &QPushButton::clicked, this, &TfrmSzuletesiKepletAdatok::DeleteTag);
    connect(memTags, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { edtTag->setText(item->text()); });
    return group;
}

// The record.

void TfrmSzuletesiKepletAdatok::SetRecord(TSzuletesiKepletInfo& record) {
    m_Record = &record;
}

void TfrmSzuletesiKepletAdatok::SetSolarMode(TSzuletesiKepletInfo* second) {
    m_Second = second;
    m_SolarMode = second != nullptr;
}

void TfrmSzuletesiKepletAdatok::LoadRecord(TSzuletesiKepletInfo& record) {
    m_Loaded = true;
    m_Record = &record;
    m_LoadCopy = std::make_unique<TSzuletesiKepletInfo>();
    m_LoadCopy->CopyFrom(record);
    btnSetOriginalBirthDate->show();
    setWindowTitle(GetMessageText(u"fSzulKeplet_Title"));
    FillControls(record);
}

void TfrmSzuletesiKepletAdatok::FillControls(const TSzuletesiKepletInfo& record) {
    m_Updating = true;
    edtNev->setText(record.Name());
    rgpEset->SetItemIndex(record.Gender());
    m_Gender = record.Gender();
    const bool dated = record.Year() + record.Month() + record.Day() != 0;
    auto part = [dated](int value) { return dated ? QString::number(value) : QString(); };
    SetText(edtSzhEv, part(record.Year()));
    SetText(edtSzhHo, part(record.Month()));
    SetText(edtSzhNap, part(record.Day()));
    SetText(edtSzhOra, part(record.Hour()));
    SetText(edtSzhPerc, part(record.Minute()));
    SetText(edtSzhMp, part(record.Second()));
    chkTimeIsUnknown->setChecked(record.TimeIsUnknown());
    if (record.TimeIsUnknown()) {
        edtSzhOra->setText(QStringLiteral("12"));
        edtSzhPerc->setText(QStringLiteral("00"));
    }
    chkDied->setChecked(record.IsDead());
    if (record.IsDead() && !record.DeathDateTime().IsZero()) {
        const TDateTime& death = record.DeathDateTime();
        edtDeathEv->setText(QString::number(death.Year()));
        edtDeathHo->setText(QString::number(death.Month()));
        edtDeathNap->setText(QString::number(death.Day()));
        edtDeathOra->setText(QString::number(death.Hour()));
        edtDeathPerc->setText(QString::number(death.Minute()));
        edtDeathMp->setText(QString::number(death.Second()));
    }
    chkBC->setChecked(record.BirthDateIsBC());

    QString place = record.LocCity();
    if (!place.contains(QLatin1Char(';')))
        place += QStringLiteral("; ") + record.LocCountryID();
    edtTelepules->setText(place);

    const QString code = record.TZoneCode().trimmed();
    if (code == QLatin1String("LMT"))
        SetZoneType(LocalMeanTime);
    else if (code.isEmpty() || record.TZCodeIsManual())
        SetZoneType(Manual);
    else
        SetZoneType(Zone);
    ApplyZoneTypeRule();
    ResolveZoneFromRecord(record);
    chkNyariIdoszamitas->setChecked(record.IsDayLightSavingTime());
    SetCountryLabel();
    FollowHemispheres();

    auto coordinate = [](qint32 value) {
        return value == TSzuletesiKepletInfo::NotSet ? QString() : QString::number(std::abs(value));
    };
    edtHosszFok->setText(coordinate(record.LocLongDegree()));
    edtHosszPerc->setText(coordinate(record.LocLongMinute()));
    edtSzelFok->setText(coordinate(record.LocLatDegree()));
    edtSzelPerc->setText(coordinate(record.LocLatMinute()));
    if (record.LocLongDegree() != TSzuletesiKepletInfo::NotSet) {
        const bool west = record.LocLongWest() || record.LocLongDegree() < 0;
        CheckOneOf(west ? rgbNyugati : rgbKeleti, west ? rgbKeleti : rgbNyugati);
    }
    if (record.LocLatDegree() != TSzuletesiKepletInfo::NotSet) {
        const bool south = record.LocLatSouth() || record.LocLatDegree() < 0;
        CheckOneOf(south ? rgbDeli : rgbEszaki, south ? rgbEszaki : rgbDeli);
    }
    memNotes->setPlainText(record.Notes().join(QLatin1Char('\n')));
    memTags->clear();
    memTags->addItems(record.Tags());
    m_LastDateTime = ReadEnteredDateTime();
    m_Updating = false;
}

void TfrmSzuletesiKepletAdatok::showEvent(QShowEvent* event) {
    TfrmBaseDialogForm::showEvent(event);
    if (!event->spontaneous() && !m_Shown)
        FirstShow();
}

void TfrmSzuletesiKepletAdatok::FirstShow() {
    if (!m_Record) {
        m_OwnRecord = std::make_unique<TSzuletesiKepletInfo>();
        m_Record = m_OwnRecord.get();
    }
    m_OpenedOriginal = m_Record->IsOriginal();
    m_OpenedModified = m_Record->Modified();
    btnMost->setVisible(!m_Loaded);
    if (!m_Loaded || m_Record->LocCity().trimmed().isEmpty()) {
        const QString place = m_Settings.GetDefaultCity();
        if (!place.trimmed().isEmpty()) {
            edtTelepules->setText(place);
            AcceptCityRow(true);
            ResolveZoneFromFields();
            ResolveDaylightSaving();
        }
        edtNev->setFocus();
    }
    if (!m_Loaded)
        PlaceChanged(edtTelepules->text());
    ShowGrid(false);
    rgpEset->SetItemIndex(m_Record->Gender());
    m_Gender = m_Record->Gender();
    edtNev->setFocus();
    m_Shown = true;
}

void TfrmSzuletesiKepletAdatok::MarkEdited() {
    if (!m_Shown || m_SolarMode || m_Updating || !m_Record)
        return;
    m_Record->SetIsOriginal(false);
    btnSetOriginalBirthDate->setEnabled(true);
}

void TfrmSzuletesiKepletAdatok::RestoreLoadedValues() {
    if (!m_Loaded)
        return;
    FillControls(*m_LoadCopy);
    m_Record->SetIsOriginal(m_LoadCopy->IsOriginal());
    btnSetOriginalBirthDate->setEnabled(false);
}

// Date and time fields.

TDateFieldTexts TfrmSzuletesiKepletAdatok::DateFields() const {
    return {edtSzhEv->text(),  edtSzhHo->text(),   edtSzhNap->text(),
            edtSzhOra->text(), edtSzhPerc->text(), edtSzhMp->text()};
}

TDateTime TfrmSzuletesiKepletAdatok::ReadEnteredDateTime() {
    TDateFieldTexts fields = DateFields();
    const std::optional<TDateTime> dateTime = ReadDateFieldsCorrectingDay(fields);
    SetText(edtSzhNap, fields.Day);
    return dateTime.value_or(TDateTime());
}

bool TfrmSzuletesiKepletAdatok::NumberFieldLeft(QLineEdit* field) {
    if (HoldsOnlyNumberCharacters(field->text()))
        return true;
    m_Desktop.ShowError(GetMessageText(u"fSzulKeplet_OnlyNumAllowed"));
    field->setFocus();
    return false;
}

void TfrmSzuletesiKepletAdatok::DateFieldLeft(QLineEdit* field) {
    if (!NumberFieldLeft(field))
        return;
    if (!PlaceIsKnown())
        return;
    const QString typedDay = edtSzhNap->text();
    const TDateTime entered = ReadEnteredDateTime();
    if (edtSzhNap->text() != typedDay) {
        // The day was past the end of its month and is corrected; the user is told, so
        // that a mistyped birth date is not taken silently.
        m_Desktop.ShowWarning(GetMessageText(u"fSzulKeplet_WrongDate"));
        edtSzhNap->setFocus();
    }
    if (entered == m_LastDateTime)
        return;
    m_LastDateTime = entered;
    SetZoneType(Zone);
    ApplyZoneTypeRule();
    ResolveZoneFromFields();
    ResolveDaylightSaving();
}

void TfrmSzuletesiKepletAdatok::TimeUnknownToggled(bool checked) {
    edtSzhOra->setEnabled(!checked);
    edtSzhPerc->setEnabled(!checked);
    edtSzhOra->setText(QStringLiteral("12"));
    edtSzhPerc->setText(QStringLiteral("00"));
}

void TfrmSzuletesiKepletAdatok::FillPresentMoment() {
    const QDateTime now = QDateTime::currentDateTime();
    edtSzhEv->setText(QString::number(now.date().year()));
    edtSzhHo->setText(QString::number(now.date().month()));
    edtSzhNap->setText(QString::number(now.date().day()));
    edtSzhOra->setText(QString::number(now.time().hour()));
    edtSzhPerc->setText(QString::number(now.time().minute()));
    edtSzhMp->setText(QString::number(now.time().second()));
    SetZoneType(Zone);
    ApplyZoneTypeRule();
    ResolveZoneFromFields();
    ResolveDaylightSaving();
    edtNev->setFocus();
}

// Tags.

void TfrmSzuletesiKepletAdatok::AddTags() {
    memTags->addItems(SplitTags(edtTag->text()));
    edtTag->clear();
    edtTag->setFocus();
}

void TfrmSzuletesiKepletAdatok::DeleteTag() {
    delete memTags->currentItem();
}

// Keys and focus.

bool TfrmSzuletesiKepletAdatok::PassesKeyToBase(QWidget* focus, int key) const {
    if (focus == edtTelepules && dbgCityes->isVisible())
        return false;
    if (focus == dbgCityes)
        return false;
    if (focus == memNotes || focus == memTags)
        return key == Qt::Key_Escape;
    return true;
}

bool TfrmSzuletesiKepletAdatok::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtTelepules) {
        if (event->type() == QEvent::KeyPress && PlaceKey(static_cast<QKeyEvent*>(event)->key()))
            return true;
        // Getting the focus back with the window is not entering the field.
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            PlaceEntered();
        else if (event->type() == QEvent::FocusOut && QApplication::focusWidget() != dbgCityes &&
                 static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
                 static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            PlaceLeft();
    } else if (watched == dbgCityes) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                GridEnter();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut &&
                   QApplication::focusWidget() != edtTelepules &&
                   static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
                   static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            GridLeft();
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const bool dateField = field == edtSzhEv || field == edtSzhHo || field == edtSzhNap ||
                                   field == edtSzhOra || field == edtSzhPerc || field == edtSzhMp;
            if (dateField)
                DateFieldLeft(field);
            else
                NumberFieldLeft(field);
        }
    }
    return TfrmBaseDialogForm::eventFilter(watched, event);
}

// Confirmation.

QLineEdit* TfrmSzuletesiKepletAdatok::FirstNonNumberField() const {
    for (QLineEdit* field :
         {edtSzhEv, edtSzhHo, edtSzhNap, edtSzhOra, edtSzhPerc, edtSzhMp, edtHosszFok, edtHosszPerc,
          edtSzelFok, edtSzelPerc, edtZonaOra, edtZonaPerc, edtDeathEv, edtDeathHo, edtDeathNap,
          edtDeathOra, edtDeathPerc, edtDeathMp})
        if (!HoldsOnlyNumberCharacters(field->text()))
            return field;
    return nullptr;
}

bool TfrmSzuletesiKepletAdatok::CheckBeforeWriting() {
    // A letter in a number field would otherwise be written as the field's default.
    if (QLineEdit* field = FirstNonNumberField()) {
        m_Desktop.ShowError(GetMessageText(u"fSzulKeplet_OnlyNumAllowed"));
        field->setFocus();
        return false;
    }
    const auto wrongDate = [this](QLineEdit* year) {
        m_Desktop.ShowWarning(GetMessageText(u"fSzulKeplet_WrongDate"));
        year->setFocus();
        return false;
    };
    const TDateFieldTexts birth = DateFields();
    if (!DateTimeOfFields(birth) || FieldInteger(birth.Year, 1900) == 0)
        return wrongDate(edtSzhEv);
    if (chkDied->isChecked() &&
        !DateTimeOfFields({edtDeathEv->text(), edtDeathHo->text(), edtDeathNap->text(),
                           edtDeathOra->text(), edtDeathPerc->text(), edtDeathMp->text()}))
        return wrongDate(edtDeathEv);
    if (!edtNev->isHidden() && edtNev->text().trimmed().isEmpty()) {
        m_Desktop.ShowWarning(GetMessageText(u"fSzuletesiKepletAdatok_NameRequired"));
        edtNev->setFocus();
        return false;
    }
    if (lblIdozonaTipusa->text().trimmed().isEmpty()) {
        m_Desktop.ShowWarning(GetMessageText(u"fSzuletesiKepletAdatok_TZoneRequired"));
        return false;
    }
    return true;
}

void TfrmSzuletesiKepletAdatok::accept() {
    if (!m_Record)
        return;
    if (!CheckBeforeWriting())
        return;
    WriteRecord();
    const TSzuletesiKepletInfo& place = m_SolarMode && m_Second ? *m_Second : *m_Record;
    if (!IsTrustedZoneCountry(place.LocCountryID()) &&
        m_Desktop.AskYesNo(GetMessageText(u"fSzulKeplet_CheckCityAgain")))
        return;
    TfrmBaseDialogForm::accept();
}

void TfrmSzuletesiKepletAdatok::reject() {
    // Edits cleared the record's "unchanged since saved" flag at once; "Mégsem" gives it
    // back, so that a cancelled dialog leaves the record as it found it.
    if (m_Record && m_Shown && !m_SolarMode) {
        m_Record->SetIsOriginal(m_OpenedOriginal);
        m_Record->SetModified(m_OpenedModified);
    }
    TfrmBaseDialogForm::reject();
}

void TfrmSzuletesiKepletAdatok::WriteRecord() {
    TSzuletesiKepletInfo& r = *m_Record;
    r.SetName(edtNev->text());
    const TDateFieldTexts f = DateFields();
    const int year = FieldInteger(f.Year, 1900);
    const bool beforeChrist = chkBC->isChecked() || year < 0;
    r.SetDateParts(beforeChrist ? -std::abs(year) : year, FieldInteger(f.Month, 1),
                   FieldInteger(f.Day, 1), FieldInteger(f.Hour, 0), FieldInteger(f.Minute, 0),
                   FieldInteger(f.Second, 0));
    if (!m_SolarMode)
        r.SetOriginalDateTime(r.SignedLocalDateTime());
    r.SetTimeIsUnknown(chkTimeIsUnknown->isChecked());
    r.SetBirthDateIsBC(beforeChrist);
    r.SetGender(m_Gender);
    r.SetFileVersionId(QStringLiteral("v3.0"));
    r.SetIsDead(chkDied->isChecked());
    if (chkDied->isChecked())
        r.SetDeathDateTime(
            FieldInteger(edtDeathEv->text(), 1900), FieldInteger(edtDeathHo->text(), 1),
            FieldInteger(edtDeathNap->text(), 1), FieldInteger(edtDeathOra->text(), 0),
            FieldInteger(edtDeathPerc->text(), 0), FieldInteger(edtDeathMp->text(), 0));

    TSzuletesiKepletInfo& p = m_SolarMode && m_Second ? *m_Second : r;
    const QString placeText = edtTelepules->text();
    p.SetLocCity(placeText);
    // A place the city table does not know keeps the country code of its text ("Győr;
    // HU" of an older file), and its country name when that code stays; it is not
    // emptied.
    QString country = m_Places.GetCountryCodeOfPlace(placeText);
    if (country.isEmpty())
        country = placeText.section(QLatin1Char(';'), 1).trimmed();
    QString countryName = m_Places.GetCountryName(country);
    if (countryName.isEmpty() && country == p.LocCountryID())
        countryName = p.LocCountry();
    p.SetLocCountryID(country);
    p.SetLocCountry(countryName);
    p.SetLocAltitude(0);
    p.SetLocLatDegree(std::abs(FieldInteger(edtSzelFok->text(), 0)));
    p.SetLocLatMinute(std::abs(FieldInteger(edtSzelPerc->text(), 0)));
    p.SetLocLatSouth(rgbDeli->isChecked());
    p.SetLocLongDegree(std::abs(FieldInteger(edtHosszFok->text(), 0)));
    p.SetLocLongMinute(std::abs(FieldInteger(edtHosszPerc->text(), 0)));
    p.SetLocLongWest(rgbNyugati->isChecked());
    p.SetIsDayLightSavingTime(chkNyariIdoszamitas->isChecked());
    p.SetTZoneCode(ZoneType() == LocalMeanTime ? QStringLiteral("LMT")
                                               : ZoneCodeOfCaption(lblIdozonaTipusa->text()));
    p.SetTZCodeIsManual(ZoneType() == Manual);
    // The record keeps the hours with their sign and the minutes without; a zone west of
    // UT by less than an hour has only the west flag for its sign.
    const TZoneFieldTexts zone = ZoneFields();
    const double offset = OffsetOfZoneFields(zone);
    p.SetTZoneHour(FieldInteger(zone.Hours, 0));
    p.SetTZoneMinute(static_cast<quint16>(std::abs(FieldInteger(zone.Minutes, 0))));
    p.SetTZoneWest(FieldInteger(edtHosszFok->text(), 0) < 0 || offset < 0);

    QStringList notes = memNotes->toPlainText().split(QLatin1Char('\n'));
    if (notes == QStringList{QString()})
        notes.clear();
    r.SetNotes(notes);
    QStringList tags;
    for (int i = 0; i < memTags->count(); ++i)
        tags << memTags->item(i)->text();
    r.SetTags(tags);
}

} // namespace velkaris
