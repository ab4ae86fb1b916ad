// Data list item model.
#include "app/data_list_model.h"

#include "app/qt_text.h"
#include "data/data_list.h"

namespace kvx::app {

DataListModel::DataListModel(const data::MeasurementData& data, QObject* parent)
    : QAbstractTableModel(parent), m_data(data) {}

void DataListModel::rebuild() {
    beginResetModel();
    m_rows = m_data.RowCount;
    m_columns = data::listGridColumns(m_data);
    m_typed.clear();
    endResetModel();
}

int DataListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }
int DataListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_columns; }

bool DataListModel::isValueCell(const QModelIndex& index) const {
    return index.isValid() && index.row() < m_rows && index.column() >= 1 && index.column() < m_columns;
}

QString DataListModel::cellText(int row, int column) const {
    if (const auto typed = m_typed.find({row, column}); typed != m_typed.end()) return typed->second;
    // Stays inside the table even if the data set shrank since the rebuild.
    if (row >= m_data.RowCount || column >= data::listGridColumns(m_data)) return QString();
    return fromCp932(data::listCellText(m_data, row + data::kListHeaderRows, column));
}

QVariant DataListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole: return (Qt::AlignRight | Qt::AlignVCenter).toInt();
    default: return {};
    }
}

QVariant DataListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole) return (Qt::AlignLeft | Qt::AlignVCenter).toInt();
    if (role != Qt::DisplayRole) return {};
    QStringList lines;
    for (int row = 0; row < data::kListHeaderRows; ++row) lines << fromCp932(data::listCellText(m_data, row, section));
    return lines.join(QLatin1Char('\n'));
}

Qt::ItemFlags DataListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable && isValueCell(index)) f |= Qt::ItemIsEditable;
    return f;
}

bool DataListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !m_editable || !isValueCell(index)) return false;
    const QString text = value.toString();
    if (text == cellText(index.row(), index.column())) return false;  // closing the editor unchanged is no typing
    m_typed[{index.row(), index.column()}] = text;
    emit dataChanged(index, index);
    emit cellTextTyped(index.row(), index.column());
    return true;
}

}  // namespace kvx::app
