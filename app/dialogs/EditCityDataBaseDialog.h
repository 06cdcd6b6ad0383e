#pragma once

#include "CityEditRows.h"
#include "CityGridModel.h"
#include "data/DataTable.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace velkaris {

class TCityLoader;
class TDataSetInfoProvider;
class TfrmWait;

/// The city editor "Település adatok szerkesztése": adds, changes and deletes rows of the
/// extended city database, which it switches in when it is shown.
///
/// Changes reach the in-memory table at once; the caller makes them lasting after "OK"
/// when `Changed` is set (`TCityLoader::SaveToExtendedFile`), or drops them after
/// "Mégsem" (`TCityLoader::Reload`). A row is saved only with a name, a country and
/// coordinates in range; otherwise a warning says what is missing and the row stays in
/// editing.
class TfrmEditCityDataBase : public QDialog {
    Q_OBJECT
public:
    /// Asks a Yes/No question; true for Yes.
    using TConfirm = std::function<bool(const QString& text)>;
    /// Shows a warning.
    using TWarn = std::function<void(const QString& text)>;

    /// `places` is not owned and must outlive the dialog. Questions and warnings go to
    /// message boxes unless `SetMessageBoxes` replaces them.
    explicit TfrmEditCityDataBase(TDataSetInfoProvider& places, QWidget* parent = nullptr);
    ~TfrmEditCityDataBase() override;

    void SetMessageBoxes(TConfirm confirm, TWarn warn);

    /// A row was saved or deleted since the dialog was shown.
    bool Changed() const { return m_Changed; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TEditState { Browse, Editing, Inserting };

    void BuildControls();
    void SetBrowseMode(bool browse);
    void SearchChanged(const QString& text);
    void ShowCurrentCity();
    void ShowCurrentRowInGrid(int row);
    void AddCity();
    void EditCity();
    void DeleteCity();
    void SaveCity();
    void CancelEditing();
    TCityEditFields Fields() const;
    QString CurrentCityName() const;

    TDataSetInfoProvider& m_Places;
    TCityLoader& m_Cities;
    TCityGridModel* m_Model = nullptr;
    TfrmWait* m_Wait = nullptr;
    TConfirm m_Confirm;
    TWarn m_Warn;
    bool m_Changed = false;
    TEditState m_State = TEditState::Browse;
    int m_EditRecId = -1;
    bool m_GridFollowing = false;

    QLineEdit* edtTelepules = nullptr;
    QTableView* dbgCityes = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnCancel = nullptr;
    QLineEdit* edtTelepulesNeve2 = nullptr;
    QComboBox* cmbCountry = nullptr;
    QLineEdit* edtHosszFok = nullptr;
    QLineEdit* edtHosszPerc = nullptr;
    QRadioButton* rgbKeleti = nullptr;
    QRadioButton* rgbNyugati = nullptr;
    QLineEdit* edtSzelFok = nullptr;
    QLineEdit* edtSzelPerc = nullptr;
    QRadioButton* rgbEszaki = nullptr;
    QRadioButton* rgbDeli = nullptr;
    QPushButton* btnRendben = nullptr;
    QPushButton* btnMegsem = nullptr;
};

} // namespace velkaris
