#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace velkaris {

/// A framed group of radio buttons with one chosen item, addressed by its index.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    /// One button per item, stacked in `columns` columns (filled top to bottom); the first
    /// item is chosen.
    TRadioGroup(const QString& title, const QStringList& items, int columns = 1,
                QWidget* parent = nullptr);

    /// The chosen item, 0 upwards.
    int ItemIndex() const;
    /// Chooses `index`; an index outside the items is ignored. Emits `ItemIndexChanged`
    /// when the choice changes.
    void SetItemIndex(int index);
    int Count() const { return static_cast<int>(m_Buttons.size()); }
    /// The button of item `index`; null outside the items.
    QRadioButton* Button(int index) const;

signals:
    /// Another item was chosen, by the user or by `SetItemIndex`.
    void ItemIndexChanged(int index);

private:
    QButtonGroup* m_Group;
    QList<QRadioButton*> m_Buttons;
};

} // namespace velkaris
