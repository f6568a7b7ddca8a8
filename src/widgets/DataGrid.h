// A grid that shows a kept-open dataset (its rows, and a row being inserted)
// and, when editable, edits its current row. The selected row is the
// dataset's current row.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <functional>

namespace d7 {

class Dataset;

struct GridColumn {
    QString field;
    QString title;
    int width = 64;
    QStringList pickList;                  // a drop-down of fixed choices
    std::function<bool(QChar)> keyFilter;  // refused characters beep
};

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetModel(Dataset *dataset, QList<GridColumn> columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    void setEditable(bool editable) { m_editable = editable; }
    void setPickList(int column, const QStringList &choices) { m_columns[column].pickList = choices; }
    void setKeyFilter(int column, std::function<bool(QChar)> filter) {
        m_columns[column].keyFilter = std::move(filter);
    }
    const QList<GridColumn> &columns() const { return m_columns; }
    Dataset *dataset() const { return m_dataset; }

private:
    int fieldOf(int column) const;
    int editingRow() const;   // the row whose values are being changed, -1 when none
    Dataset *m_dataset;
    QList<GridColumn> m_columns;
    bool m_editable = false;
};

class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(Dataset *dataset, QList<GridColumn> columns, bool editable, QWidget *parent = nullptr);
    DatasetModel *datasetModel() const { return m_model; }
    Dataset *dataset() const;
    // The column's key filter, also applied to the key that starts an edit.
    bool acceptsKey(int column, QChar typed) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void followDataset();
    DatasetModel *m_model;
    bool m_syncing = false;
};

}  // namespace d7
