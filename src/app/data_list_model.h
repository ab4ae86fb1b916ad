// The data list's grid as an item model over the data set: texts are made on
// demand, so 30,000 rows of 16 channels cost no widgets and no copies.
//
//   grid rows 0-3  -> the horizontal header (four lines per column)
//   grid row m + 3 -> model row m - 1 (data row m, from 1)
//   grid column k  -> model column k (0: row numbers, k: channel k)
#pragma once

#include "data/measurement_data.h"

#include <QAbstractTableModel>

#include <map>
#include <utility>

namespace kvx::app {

class DataListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataListModel(const data::MeasurementData& data, QObject* parent = nullptr);

    /// Takes the data set's current size and values; typed texts are dropped.
    void rebuild();
    /// Whether value cells accept typing ("データ修正").
    void setEditable(bool editable) { m_editable = editable; }
    bool editable() const { return m_editable; }

    /// The text of a cell as shown, typed texts included.
    QString cellText(int row, int column) const;
    bool isValueCell(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    /// Text was typed into a value cell (the grid's "set edit text").
    void cellTextTyped(int row, int column);

private:
    const data::MeasurementData& m_data;
    int m_rows = 0;     // as of the last rebuild
    int m_columns = 1;
    bool m_editable = false;
    std::map<std::pair<int, int>, QString> m_typed;  // typed, not yet stored texts
};

}  // namespace kvx::app
