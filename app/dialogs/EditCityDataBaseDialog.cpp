#include "EditCityDataBaseDialog.h"

#include "FormControls.h"
#include "WaitWindow.h"
#include "core/Messages.h"
#include "core/SegedUtils.h"
#include "data/DataSetInfoProvider.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <cstdlib>

namespace velkaris {

TfrmEditCityDataBase::TfrmEditCityDataBase(TDataSetInfoProvider& places, QWidget* parent)
    : QDialog(parent), m_Places(places), m_Cities(places.Loader().CityLoader()),
      m_Wait(new TfrmWait(this)) {
    setObjectName(QStringLiteral("frmEditCityDataBase"));
    setWindowTitle(QStringLiteral("Település adatok szerkesztése"));
    m_Confirm = [this](const QString& text) {
        return QMessageBox::question(this, windowTitle(), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    m_Warn = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
    BuildControls();
    SetBrowseMode(true);
}

TfrmEditCityDataBase::~TfrmEditCityDataBase() = default;

void TfrmEditCityDataBase::SetMessageBoxes(TConfirm confirm, TWarn warn) {
    m_Confirm = std::move(confirm);
    m_Warn = std::move(warn);
}

void TfrmEditCityDataBase::BuildControls() {
    auto* main = new QVBoxLayout(this);
    auto* cityGroup = new QGroupBox(QStringLiteral(" Település adatok szerkesztése "), this);
    auto* cityLayout = new QVBoxLayout(cityGroup);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Település neve:"), cityGroup));
    edtTelepules = new QLineEdit(cityGroup);
    edtTelepules->setObjectName(QStringLiteral("edtTelepules"));
    edtTelepules->installEventFilter(this);
    searchRow->addWidget(edtTelepules, 1);
    cityLayout->addLayout(searchRow);

    m_Model = new TCityGridModel(m_Cities, this);
    dbgCityes = new QTableView(cityGroup);
    dbgCityes->setObjectName(QStringLiteral("dbgCityes"));
    dbgCityes->setModel(m_Model);
    dbgCityes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgCityes->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgCityes->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgCityes->verticalHeader()->hide();
    dbgCityes->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    dbgCityes->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [column, width] : {std::pair{0, 200}, {1, 90}, {2, 150}, {3, 70}})
        dbgCityes->setColumnWidth(column, width);
    dbgCityes->setMinimumHeight(220);
    cityLayout->addWidget(dbgCityes, 1);
    connect(m_Model, &TCityGridModel::CurrentRowMoved, this, [this](int row) {
        ShowCurrentRowInGrid(row);
        ShowCurrentCity();
    });
    connect(m_Model, &QAbstractItemModel::modelReset, this,
            [this] { ShowCurrentRowInGrid(m_Cities.Table().CurrentIndex()); });
    connect(dbgCityes->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_GridFollowing && current.isValid())
                    m_Cities.Table().MoveTo(current.row());
            });

    auto* buttons = new QHBoxLayout;
    const auto button = [&](QPushButton*& target, const char* name, const QString& text,
                            void (TfrmEditCityDataBase::*action)()) {
        target = new QPushButton(text, cityGroup);
        target->setObjectName(QLatin1String(name));
        target->setAutoDefault(false);
        connect(target, &QPushButton::clicked, this, action);
        buttons->addWidget(target);
    };
    button(btnAdd, "btnAdd", QStringLiteral("Új..."), &TfrmEditCityDataBase::AddCity);
    button(btnEdit, "btnEdit", QStringLiteral("Szerkesztés"), &TfrmEditCityDataBase::EditCity);
    button(btnDelete, "btnDelete", QStringLiteral("Törlés"), &TfrmEditCityDataBase::DeleteCity);
    button(btnSave, "btnSave", QStringLiteral("Változtatás"), &TfrmEditCityDataBase::SaveCity);
    button(btnCancel, "btnCancel", QStringLiteral("Visszavonás"),
           &TfrmEditCityDataBase::CancelEditing);
    cityLayout->addLayout(buttons);

    auto* detail = new QGroupBox(QStringLiteral(" Részletes adatok "), cityGroup);
    auto* grid = new QGridLayout(detail);
    grid->addWidget(new QLabel(QStringLiteral("Település neve:"), detail), 0, 0);
    edtTelepulesNeve2 = new QLineEdit(detail);
    edtTelepulesNeve2->setObjectName(QStringLiteral("edtTelepulesNeve2"));
    edtTelepulesNeve2->setMaxLength(50);
    grid->addWidget(edtTelepulesNeve2, 0, 1, 1, 6);
    grid->addWidget(new QLabel(QStringLiteral("Ország:"), detail), 1, 0);
    cmbCountry = new QComboBox(detail);
    cmbCountry->setObjectName(QStringLiteral("cmbCountry"));
    grid->addWidget(cmbCountry, 1, 1, 1, 6);
    const auto coordinateRow = [&](int row, const QString& label, QLineEdit*& degrees,
                                   const char* degreesName, QLineEdit*& minutes,
                                   const char* minutesName, int degreeDigits) {
        grid->addWidget(new QLabel(label, detail), row, 0);
        degrees = CreateNumberField(detail, degreesName, degreeDigits);
        grid->addWidget(degrees, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("°"), detail), row, 2);
        minutes = CreateNumberField(detail, minutesName, 2);
        grid->addWidget(minutes, row, 3);
        grid->addWidget(new QLabel(QStringLiteral("'"), detail), row, 4);
    };
    coordinateRow(2, QStringLiteral("Hosszúság:"), edtHosszFok, "edtHosszFok", edtHosszPerc,
                  "edtHosszPerc", 3);
    coordinateRow(3, QStringLiteral("Szélesség:"), edtSzelFok, "edtSzelFok", edtSzelPerc,
                  "edtSzelPerc", 2);
    auto* eastWest = new QButtonGroup(detail);
    rgbKeleti = CreateGroupedRadio(detail, "rgbKeleti", QStringLiteral("K"), eastWest);
    rgbNyugati = CreateGroupedRadio(detail, "rgbNyugati", QStringLiteral("Ny"), eastWest);
    auto* northSouth = new QButtonGroup(detail);
    rgbEszaki = CreateGroupedRadio(detail, "rgbEszaki", QStringLiteral("É"), northSouth);
    rgbDeli = CreateGroupedRadio(detail, "rgbDeli", QStringLiteral("D"), northSouth);
    grid->addWidget(rgbKeleti, 2, 5);
    grid->addWidget(rgbNyugati, 2, 6);
    grid->addWidget(rgbEszaki, 3, 5);
    grid->addWidget(rgbDeli, 3, 6);
    rgbKeleti->setChecked(true);
    rgbEszaki->setChecked(true);
    cityLayout->addWidget(detail);
    main->addWidget(cityGroup, 1);

    auto* warning = new QLabel(
        QStringLiteral("Figyelem! A változtatások csak a BŐVÍTETT TELEPÜLÉS adatbázist érintik, "
                       "és csak akkor láthatók, ha az van használatban. Alapértelmezetté a "
                       "\"Beállítások => Egyebek => Bővített adatbázis (Teljes világ)\" "
                       "beállítással tehető."),
        this);
    warning->setObjectName(QStringLiteral("TntLabel2"));
    warning->setWordWrap(true);
    main->addWidget(warning);

    auto* dialogButtons = new QHBoxLayout;
    dialogButtons->addStretch();
    btnRendben = new QPushButton(QStringLiteral("Rendben"), this);
    btnRendben->setObjectName(QStringLiteral("btnRendben"));
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    for (QPushButton* b : {btnRendben, btnMegsem}) {
        b->setAutoDefault(false);
        dialogButtons->addWidget(b);
    }
    connect(btnRendben, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    main->addLayout(dialogButtons);

    connect(edtTelepules, &QLineEdit::textChanged, this, &TfrmEditCityDataBase::SearchChanged);
    resize(620, 620);
}

void TfrmEditCityDataBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_Changed = false;
    m_State = TEditState::Browse;
    {
        const TWaitWindowScope wait(*m_Wait);
        if (m_Places.GetCityDatabaseMode() == 0) {
            const QStringList errors = m_Places.UseExtendedCityDatabase();
            if (!errors.isEmpty())
                m_Warn(errors.join(QLatin1Char('\n')));
        }
    }
    edtTelepules->blockSignals(true);
    edtTelepules->clear();
    edtTelepules->blockSignals(false);
    edtTelepulesNeve2->clear();
    cmbCountry->clear();
    TDataTable& countries = m_Places.Loader().CountryLoader().Table();
    const int code = countries.ColumnIndex(u"CountryCode");
    const int name = countries.ColumnIndex(u"DisplayName");
    const int zone = countries.ColumnIndex(u"TimeZoneCode");
    QStringList items;
    items.reserve(countries.RowCount());
    for (int row = 0; row < countries.RowCount(); ++row)
        items << CountryItemText(countries.TextAt(row, code), countries.TextAt(row, name),
                                 countries.TextAt(row, zone));
    cmbCountry->addItems(items);
    countries.First();
    m_Model->RowsChanged();
    edtTelepules->setFocus();
    SearchChanged(edtTelepules->text());
    SetBrowseMode(true);
    ShowCurrentCity();
}

void TfrmEditCityDataBase::SetBrowseMode(bool browse) {
    for (QWidget* w : std::initializer_list<QWidget*>{btnAdd, btnEdit, btnDelete, edtTelepules,
                                                      dbgCityes, btnRendben, btnMegsem})
        w->setEnabled(browse);
    for (QWidget* w : std::initializer_list<QWidget*>{
             btnSave, btnCancel, edtTelepulesNeve2, edtHosszFok, edtHosszPerc, edtSzelFok,
             edtSzelPerc, cmbCountry, rgbKeleti, rgbNyugati, rgbEszaki, rgbDeli})
        w->setEnabled(!browse);
}

void TfrmEditCityDataBase::SearchChanged(const QString& text) {
    const int recId = m_Cities.FindCityRecId(text);
    if (recId >= 0)
        m_Cities.Table().MoveToRecId(recId);
}

bool TfrmEditCityDataBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtTelepules && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            if (key == Qt::Key_Up)
                m_Cities.Table().Prior();
            else
                m_Cities.Table().Next();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmEditCityDataBase::ShowCurrentRowInGrid(int row) {
    if (row < 0 || row >= m_Model->rowCount())
        return;
    m_GridFollowing = true;
    const QModelIndex index = m_Model->index(row, 0);
    dbgCityes->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    dbgCityes->scrollTo(index);
    m_GridFollowing = false;
}

void TfrmEditCityDataBase::ShowCurrentCity() {
    if (m_State != TEditState::Browse)
        return;
    const TDataTable& table = m_Cities.Table();
    const QString lon = table.Text(u"Longitude");
    const QString lat = table.Text(u"Latitude");
    edtHosszFok->setText(QString::number(std::abs(CityCoordDegrees(lon))));
    edtHosszPerc->setText(QString::number(CityCoordMinutes(lon)));
    edtSzelFok->setText(QString::number(std::abs(CityCoordDegrees(lat))));
    edtSzelPerc->setText(QString::number(CityCoordMinutes(lat)));
    (table.Integer(u"Longitude") < 0 ? rgbNyugati : rgbKeleti)->setChecked(true);
    (table.Integer(u"Latitude") < 0 ? rgbDeli : rgbEszaki)->setChecked(true);
    edtTelepulesNeve2->setText(table.Text(u"CityName"));
    const QString prefix = table.Text(u"CountryCode") + QStringLiteral(" - ");
    int item = -1;
    for (int i = 0; i < cmbCountry->count() && item < 0; ++i) {
        if (cmbCountry->itemText(i).startsWith(prefix))
            item = i;
    }
    cmbCountry->setCurrentIndex(item);
}

void TfrmEditCityDataBase::AddCity() {
    m_State = TEditState::Inserting;
    m_EditRecId = -1;
    SetBrowseMode(false);
    for (QLineEdit* field : {edtTelepulesNeve2, edtHosszFok, edtHosszPerc, edtSzelFok, edtSzelPerc})
        field->clear();
    rgbEszaki->setChecked(true);
    rgbKeleti->setChecked(true);
    cmbCountry->setCurrentIndex(-1);
    edtTelepulesNeve2->setFocus();
}

void TfrmEditCityDataBase::EditCity() {
    if (m_Cities.Table().IsEmpty())
        return;
    m_State = TEditState::Editing;
    m_EditRecId = m_Cities.Table().RecId();
    SetBrowseMode(false);
    edtTelepulesNeve2->setFocus();
}

void TfrmEditCityDataBase::DeleteCity() {
    TDataTable& table = m_Cities.Table();
    if (table.IsEmpty())
        return;
    if (m_Confirm(GetMessageText(u"fEditCityDataBase_DeleteCurrentCity"))) {
        table.DeleteRow(table.RecId());
        m_Changed = true;
    }
    edtTelepules->setText(CurrentCityName());
}

TCityEditFields TfrmEditCityDataBase::Fields() const {
    TCityEditFields fields;
    fields.Name = edtTelepulesNeve2->text();
    fields.CountryItem = cmbCountry->currentIndex() >= 0 ? cmbCountry->currentText() : QString();
    fields.LonDegrees = edtHosszFok->text();
    fields.LonMinutes = edtHosszPerc->text();
    fields.LatDegrees = edtSzelFok->text();
    fields.LatMinutes = edtSzelPerc->text();
    fields.West = rgbNyugati->isChecked();
    fields.South = rgbDeli->isChecked();
    return fields;
}

void TfrmEditCityDataBase::SaveCity() {
    if (m_State == TEditState::Browse)
        return;
    const TCityEditFields fields = Fields();
    if (const auto problem = CityRowProblem(fields)) {
        m_Warn(GetMessageText(*problem));
        return;
    }
    TDataTable& table = m_Cities.Table();
    std::vector<TFieldValue> values = CityRowValues(table, fields);
    int recId = m_EditRecId;
    if (m_State == TEditState::Inserting || !table.SetRowValues(recId, values))
        recId = table.InsertRow(std::move(values));
    m_Changed = true;
    const QString savedName = table.Text(u"CityName");
    {
        const TWaitWindowScope wait(*m_Wait, GetMessageText(u"fEditCityDataBase_DataReindex"));
        table.DisableControls();
        m_Cities.RebuildLookupList();
        table.EnableControls();
    }
    m_State = TEditState::Browse;
    edtTelepules->setText(savedName);
    // The name may be shared by other rows: the saved one stays in view.
    table.MoveToRecId(recId);
    SetBrowseMode(true);
    ShowCurrentCity();
}

void TfrmEditCityDataBase::CancelEditing() {
    m_State = TEditState::Browse;
    SetBrowseMode(true);
    edtTelepules->setText(CurrentCityName());
    ShowCurrentCity();
}

QString TfrmEditCityDataBase::CurrentCityName() const {
    return m_Cities.Table().Text(u"CityName");
}

void TfrmEditCityDataBase::accept() {
    m_State = TEditState::Browse;
    SetBrowseMode(true);
    QDialog::accept();
}

void TfrmEditCityDataBase::reject() {
    m_State = TEditState::Browse;
    SetBrowseMode(true);
    QDialog::reject();
}

} // namespace velkaris
