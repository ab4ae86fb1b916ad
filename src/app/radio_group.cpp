// Radio group layout and item-index access.
#include "app/radio_group.h"

#include <QGridLayout>

#include <algorithm>

namespace kvx::app {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(0);
    const int count = static_cast<int>(items.size());
    const int perRow = std::max(1, columns);
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_group.addButton(button, i);
        layout->addWidget(button, i / perRow, i % perRow);
        m_buttons.push_back(button);
    }
    connect(&m_group, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

RadioGroup::RadioGroup(Text caption, std::initializer_list<Text> items, int columns, QWidget* parent)
    : RadioGroup(QString(), QStringList(static_cast<qsizetype>(items.size())), columns, parent) {
    bindText(this, "title", caption);
    std::size_t i = 0;
    for (const Text& item : items) bindText(m_buttons[i++], "text", item);
}

int RadioGroup::itemIndex() const { return m_group.checkedId(); }

void RadioGroup::setItemIndex(int index) {
    if (index < 0 || index >= itemCount()) {
        // An exclusive group refuses to uncheck its last checked button.
        m_group.setExclusive(false);
        for (auto* b : m_buttons) b->setChecked(false);
        m_group.setExclusive(true);
        return;
    }
    m_buttons[static_cast<std::size_t>(index)]->setChecked(true);
}

}  // namespace kvx::app
