#pragma once

#include "OrbisSettingsModel.h"

#include <QDialog>
#include <array>

class QLabel;
class QTabWidget;

namespace velkaris {

class TAspectOrbProvider;
class TOrbEdit;
class TRadioGroup;
class TSettingsINIFileLoader;

/// The orb dialog "Orbis értékek beállítása": the simple orb of every aspect, the detailed
/// orbs of one aspect at a time, and the choice of the table the aspect search uses.
///
/// Each time it is shown the dialog takes the rows of `orbs` and keeps a copy of them in
/// the provider. OK writes the choice to the settings store, stores the aspect shown on
/// the detailed page, rebuilds every simple row from its edit and writes the rows to the
/// store; Cancel (also Esc and closing the window) puts the kept copy back. The caller
/// recalculates the open charts after OK.
class TfrmOrbisSettings : public QDialog {
    Q_OBJECT
public:
    /// Neither `orbs` nor `store` is owned; both must outlive the dialog.
    TfrmOrbisSettings(TAspectOrbProvider& orbs, TSettingsINIFileLoader& store,
                      QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildSimplePage();
    QWidget* BuildDetailedPage();
    QLabel* BuildHelpImage(const QString& name);
    void LoadFromProvider();
    void ChooseAspectType(int index);
    void ChooseDetailedAspect(int index);
    void StoreDetailedEdits();
    void ShowDetailedAspect(int aspectId);

    TAspectOrbProvider& m_Orbs;
    TSettingsINIFileLoader& m_Store;
    TOrbisSettingsModel m_Model;
    QTabWidget* m_Pages = nullptr;
    TRadioGroup* m_AspectType = nullptr;
    TRadioGroup* m_DetailedAspect = nullptr;
    std::array<TOrbEdit*, 12> m_SimpleEdits{};
    std::array<TOrbEdit*, TOrbisSettingsModel::DetailedColumns> m_DetailedEdits{};
    /// The aspect whose row the detailed edits show, 1-12.
    int m_ShownAspect = 1;
    /// A copy of the rows was kept when the dialog was shown, so Cancel may restore it.
    bool m_CopyKept = false;
};

} // namespace velkaris
