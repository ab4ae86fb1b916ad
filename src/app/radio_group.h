// A captioned group of radio buttons addressed by item index, like the
// radio groups of the original form (item 0 is the first button).
#pragma once

#include "app/language.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

#include <initializer_list>
#include <vector>

namespace kvx::app {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    /// Buttons are laid out in `columns` columns, filled row by row.
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);
    /// The same with the caption and the items in the language in use.
    RadioGroup(Text caption, std::initializer_list<Text> items, int columns, QWidget* parent = nullptr);

    /// The checked item, or -1 when none is checked.
    int itemIndex() const;
    /// Checks item `index` (-1 unchecks all).
    void setItemIndex(int index);
    int itemCount() const { return static_cast<int>(m_buttons.size()); }
    QRadioButton* item(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

signals:
    /// The user chose an item (also when it was already checked); not emitted by setItemIndex().
    void itemClicked(int index);

private:
    QButtonGroup m_group;
    std::vector<QRadioButton*> m_buttons;
};

}  // namespace kvx::app
