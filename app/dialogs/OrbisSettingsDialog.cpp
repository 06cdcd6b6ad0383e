#include "OrbisSettingsDialog.h"

#include "OrbEdit.h"
#include "RadioGroup.h"
#include "calc/AspectOrbProvider.h"
#include "core/Messages.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velkaris {

namespace {

constexpr int SimplePage = 0;
constexpr int DetailedPage = 1;

QString AspectLabel(int aspectId) {
    const TAspectConstInfo& aspect = AspectInfo(aspectId);
    return aspect.Name() + QStringLiteral(" (") + QString::number(aspect.ExactAngle) +
           QStringLiteral("°)");
}

QStringList AspectLabels() {
    QStringList labels;
    for (int aspect = 1; aspect <= AspectCount; ++aspect)
        labels << AspectLabel(aspect);
    return labels;
}

// The detailed edits in column order: the ten planets, then the four points. The
// number in the name is the column's number less one for the planets and the column's
// own number for the points, so there is no edt_r10.
QString DetailedEditName(int column) {
    const int number = column <= 10 ? column - 1 : column;
    return QStringLiteral("edt_r%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString DetailedEditLabel(int column) {
    switch (column) {
    case 11:
        return QStringLiteral("Asc");
    case 12:
        return QStringLiteral("MC");
    case 13:
        return QStringLiteral("Holdcsomó");
    case 14:
        return QStringLiteral("Házsarkak");
    default:
        return GetMessageText(MessageFamilyName(u"planetName", column));
    }
}

} // namespace

TfrmOrbisSettings::TfrmOrbisSettings(TAspectOrbProvider& orbs, TSettingsINIFileLoader& store,
                                     QWidget* parent)
    : QDialog(parent), m_Orbs(orbs), m_Store(store) {
    setObjectName(QStringLiteral("frmOrbisSettings"));
    setWindowTitle(QStringLiteral("Orbis értékek beállítása"));

    m_AspectType =
        new TRadioGroup(QStringLiteral(" Melyik beállítást használjuk?! "),
                        {QStringLiteral("Egyszerű"), QStringLiteral("Részletes")}, 2, this);
    m_AspectType->setObjectName(QStringLiteral("rgpAspectType"));

    m_Pages = new QTabWidget(this);
    m_Pages->setObjectName(QStringLiteral("pcOrbValues"));
    m_Pages->addTab(BuildSimplePage(), QStringLiteral("Egyszerű "));
    m_Pages->addTab(BuildDetailedPage(), QStringLiteral("Részletes "));

    auto* bottom = new QLabel(QStringLiteral("FONTOS! Az értékek megadásánál figyeljünk arra, "
                                             "hogy az orbis teljes értékét kell megadnunk!"),
                              this);
    bottom->setObjectName(QStringLiteral("pnlBottom"));
    bottom->setFrameShape(QFrame::StyledPanel);
    bottom->setWordWrap(true);
    bottom->setMargin(6);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmOrbisSettings::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmOrbisSettings::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_AspectType);
    layout->addWidget(m_Pages);
    layout->addWidget(bottom);
    layout->addWidget(buttons);

    // The radio group and the tabs are one choice: the page shown is the table used.
    connect(m_AspectType, &TRadioGroup::ItemIndexChanged, this,
            &TfrmOrbisSettings::ChooseAspectType);
    connect(m_Pages, &QTabWidget::currentChanged, this, &TfrmOrbisSettings::ChooseAspectType);
    connect(m_DetailedAspect, &TRadioGroup::ItemIndexChanged, this,
            &TfrmOrbisSettings::ChooseDetailedAspect);
}

QLabel* TfrmOrbisSettings::BuildHelpImage(const QString& name) {
    auto* image = new QLabel(this);
    image->setObjectName(name);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    image->setToolTip(GetMessageText(u"fOrbisSettings_OrbisInfo"));
    image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return image;
}

QWidget* TfrmOrbisSettings::BuildSimplePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsSimple"));
    auto* grid = new QGridLayout;
    for (int aspect = 1; aspect <= AspectCount; ++aspect) {
        auto* edit = new TOrbEdit(m_Model.DecimalPoint(), page);
        edit->setObjectName(QStringLiteral("edt_e%1").arg(aspect, 2, 10, QLatin1Char('0')));
        auto* label = new QLabel(AspectLabel(aspect), page);
        label->setBuddy(edit);
        // Two columns of six, with an empty grid column between them.
        const int row = (aspect - 1) % 6;
        const int column = (aspect - 1) / 6 * 3;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        m_SimpleEdits[static_cast<size_t>(aspect - 1)] = edit;
    }
    grid->setColumnMinimumWidth(2, 24);
    grid->setRowStretch(6, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(grid, 1);
    layout->addWidget(BuildHelpImage(QStringLiteral("imgOrbisInfoSimple")));
    return page;
}

QWidget* TfrmOrbisSettings::BuildDetailedPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsDetailed"));
    m_DetailedAspect = new TRadioGroup(QString(), AspectLabels(), 1, page);
    m_DetailedAspect->setObjectName(QStringLiteral("rgpFenyszog"));

    auto* grid = new QGridLayout;
    for (int column = 1; column <= TOrbisSettingsModel::DetailedColumns; ++column) {
        auto* edit = new TOrbEdit(m_Model.DecimalPoint(), page);
        edit->setObjectName(DetailedEditName(column));
        auto* label = new QLabel(DetailedEditLabel(column), page);
        label->setBuddy(edit);
        // Planets in the first column, the four points in the second.
        const int row = column <= 10 ? column - 1 : column - 11;
        const int gridColumn = column <= 10 ? 0 : 2;
        grid->addWidget(label, row, gridColumn);
        grid->addWidget(edit, row, gridColumn + 1);
        m_DetailedEdits[static_cast<size_t>(column - 1)] = edit;
    }
    grid->addWidget(BuildHelpImage(QStringLiteral("imgOrbisInfoDetailed")), 5, 2, 5, 2);
    grid->setColumnMinimumWidth(2, 80);
    grid->setHorizontalSpacing(12);
    grid->setRowStretch(10, 1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_DetailedAspect);
    layout->addLayout(grid, 1);
    return page;
}

void TfrmOrbisSettings::showEvent(QShowEvent* event) {
    // A window coming back from the task bar is no new session of the dialog.
    if (!event->spontaneous())
        LoadFromProvider();
    QDialog::showEvent(event);
}

void TfrmOrbisSettings::LoadFromProvider() {
    m_Orbs.KeepCopy();
    m_CopyKept = true;
    m_Model.Load(m_Orbs);
    for (int aspect = 1; aspect <= AspectCount; ++aspect)
        m_SimpleEdits[static_cast<size_t>(aspect - 1)]->SetValue(m_Model.SimpleOrb(aspect));

    const bool detailed = TSettingsProvider(m_Store).GetUseDetailedOrbs();
    ChooseAspectType(detailed ? DetailedPage : SimplePage);

    {
        const QSignalBlocker block(m_DetailedAspect);
        m_DetailedAspect->SetItemIndex(0);
    }
    ShowDetailedAspect(1);
}

void TfrmOrbisSettings::ChooseAspectType(int index) {
    const QSignalBlocker blockGroup(m_AspectType);
    const QSignalBlocker blockPages(m_Pages);
    m_AspectType->SetItemIndex(index);
    m_Pages->setCurrentIndex(index);
}

void TfrmOrbisSettings::ChooseDetailedAspect(int index) {
    StoreDetailedEdits();
    ShowDetailedAspect(index + 1);
}

void TfrmOrbisSettings::StoreDetailedEdits() {
    for (int column = 1; column <= TOrbisSettingsModel::DetailedColumns; ++column) {
        TOrbEdit* edit = m_DetailedEdits[static_cast<size_t>(column - 1)];
        m_Model.SetDetailedOrb(m_ShownAspect, column, edit->Commit());
    }
}

void TfrmOrbisSettings::ShowDetailedAspect(int aspectId) {
    m_ShownAspect = aspectId;
    for (int column = 1; column <= TOrbisSettingsModel::DetailedColumns; ++column) {
        m_DetailedEdits[static_cast<size_t>(column - 1)]->SetValue(
            m_Model.DetailedOrb(aspectId, column));
    }
}

void TfrmOrbisSettings::accept() {
    m_Store.WriteBool(SettingsSection::chkbOrbSettingsSwitch, SettingsKey::ReszletesBeallitas,
                      m_AspectType->ItemIndex() == DetailedPage);
    StoreDetailedEdits();
    for (int aspect = 1; aspect <= AspectCount; ++aspect)
        m_Model.SetSimpleOrb(aspect, m_SimpleEdits[static_cast<size_t>(aspect - 1)]->Commit());
    m_Model.ApplyTo(m_Orbs);
    // The store holds the new rows at once, so that settings saved to a file now carry
    // them and not only those saved at the end of the run.
    m_Orbs.SaveRows(m_Store);
    m_CopyKept = false;
    QDialog::accept();
}

void TfrmOrbisSettings::reject() {
    // Without a copy taken by this dialog there is nothing of ours to undo, and an older
    // copy would throw away changes made since.
    if (m_CopyKept)
        m_Orbs.RestoreCopy();
    m_CopyKept = false;
    QDialog::reject();
}

} // namespace velkaris
