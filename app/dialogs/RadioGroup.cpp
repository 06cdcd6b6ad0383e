#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

namespace velkaris {

TRadioGroup::TRadioGroup(const QString& title, const QStringList& items, int columns,
                         QWidget* parent)
    : QGroupBox(title, parent), m_Group(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    columns = std::max(columns, 1);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_Group->addButton(button, i);
        m_Buttons.append(button);
        layout->addWidget(button, i % std::max(rows, 1), i / std::max(rows, 1));
    }
    if (!m_Buttons.isEmpty())
        m_Buttons.first()->setChecked(true);
    connect(m_Group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit ItemIndexChanged(id);
    });
}

int TRadioGroup::ItemIndex() const {
    return m_Group->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (QRadioButton* button = Button(index))
        button->setChecked(true);
}

QRadioButton* TRadioGroup::Button(int index) const {
    return index >= 0 && index < m_Buttons.size() ? m_Buttons[index] : nullptr;
}

} // namespace velkaris
