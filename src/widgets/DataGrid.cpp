#include "widgets/DataGrid.h"

#include <QComboBox>
#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "widgets/Command.h"
#include "widgets/Dialogs.h"
#include "widgets/InputRules.h"
#include "store/Engine.h"

namespace d7 {

// ----------------------------------------------------------------- DatasetModel

DatasetModel::DatasetModel(Dataset *dataset, QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_dataset(dataset), m_columns(std::move(columns)) {
    connect(m_dataset, &Dataset::dataChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(m_dataset, &Dataset::fieldChanged, this, [this](int row) {
        emit dataChanged(index(row, 0), index(row, std::max(0, columnCount() - 1)));
    });
    connect(m_dataset, &Dataset::currentChanged, this, [this] {
        emit headerDataChanged(Qt::Vertical, 0, std::max(0, rowCount() - 1));
    });
}

int DatasetModel::fieldOf(int column) const {
    if (column < 0 || column >= m_columns.size() || !m_dataset->isActive())
        return -1;
    return m_dataset->fieldIndex(m_columns[column].field);
}

int DatasetModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid() || !m_dataset->isActive())
        return 0;
    return m_dataset->displayRowCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const int field = fieldOf(index.column());
    if (field < 0)
        return QVariant();
    const QVariant v = m_dataset->value(index.row(), field);
    return v.isNull() ? QVariant(QString()) : QVariant(v.toString());
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section < m_columns.size() ? m_columns[section].title : QVariant();
    // The row indicator: the current row, and the row being inserted.
    if (m_dataset->isActive()) {
        if (m_dataset->state() == Dataset::State::Insert && section == m_dataset->recordCount())
            return QStringLiteral("*");
        if (m_dataset->state() != Dataset::State::Insert && section == m_dataset->recNo())
            return QStringLiteral("▶");
    }
    return QString();
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex &index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable && index.isValid())
        f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !m_editable)
        return false;
    const int field = fieldOf(index.column());
    if (field < 0)
        return false;
    const QString text = value.toString();
    const QVariant old = m_dataset->value(index.row(), field);
    if (old.toString() == text && (!old.isNull() || text.isEmpty()))
        return false;   // leaving a cell unchanged does not start an edit
    bool done = false;
    RunCommand([&] {
        // A value goes into the row it was typed into: a row being edited
        // elsewhere is posted first, and stays if it cannot be.
        if (m_dataset->isEditing() && index.row() != editingRow())
            m_dataset->moveTo(index.row());
        if (m_dataset->isEditing() && index.row() != editingRow())
            return;
        if (!m_dataset->isEditing()) {
            if (index.row() != m_dataset->recNo())
                m_dataset->moveTo(index.row());
            m_dataset->edit();
        }
        m_dataset->setField(field, text);
        done = true;
    });
    return done;
}

int DatasetModel::editingRow() const {
    if (m_dataset->state() == Dataset::State::Insert)
        return m_dataset->recordCount();
    return m_dataset->isEditing() ? m_dataset->recNo() : -1;
}

// ----------------------------------------------------------------- DataGrid

namespace {

// Cell editors: a drop-down for pick-list columns, key filters for the rest.
class DataGridDelegate : public QStyledItemDelegate {
public:
    explicit DataGridDelegate(DataGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override {
        const GridColumn &column = m_grid->datasetModel()->columns().at(index.column());
        QWidget *editor;
        if (!column.pickList.isEmpty()) {
            auto *box = new QComboBox(parent);
            box->setEditable(true);
            box->addItems(column.pickList);
            // What is typed is stored as typed: no completion that would turn
            // a partial year into another valid one, and no longer than the
            // longest choice.
            box->setCompleter(nullptr);
            box->setInsertPolicy(QComboBox::NoInsert);
            qsizetype longest = 0;
            for (const QString &choice : column.pickList)
                longest = std::max(longest, choice.size());
            box->lineEdit()->setMaxLength(int(longest));
            editor = box;
        } else {
            editor = QStyledItemDelegate::createEditor(parent, option, index);
        }
        editor->setProperty("d7Column", index.column());
        editor->installEventFilter(const_cast<DataGridDelegate *>(this));
        if (auto *box = qobject_cast<QComboBox *>(editor))
            box->lineEdit()->installEventFilter(const_cast<DataGridDelegate *>(this));
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override {
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            box->setCurrentText(index.data(Qt::EditRole).toString());
            box->lineEdit()->selectAll();   // typing over the cell replaces it, as in every other cell
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override {
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            model->setData(index, box->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    bool eventFilter(QObject *object, QEvent *event) override {
        if (event->type() == QEvent::KeyPress) {
            QObject *owner = object->property("d7Column").isValid() ? object : object->parent();
            const int column = owner ? owner->property("d7Column").toInt() : -1;
            const QChar typed = TypedCharacter(static_cast<QKeyEvent *>(event));
            if (!typed.isNull() && typed != kTab && !m_grid->acceptsKey(column, typed)) {
                Beep();
                return true;
            }
        }
        if (object->property("d7Column").isValid())
            return QStyledItemDelegate::eventFilter(object, event);
        return false;
    }

private:
    DataGrid *m_grid;
};

}  // namespace

DataGrid::DataGrid(Dataset *dataset, QList<GridColumn> columns, bool editable, QWidget *parent)
    : QTableView(parent), m_model(new DatasetModel(dataset, std::move(columns), this)) {
    m_model->setEditable(editable);
    setModel(m_model);
    setItemDelegate(new DataGridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(editable ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    setEditTriggers(editable ? (QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked)
                             : QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFont(font());
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(14);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Set again whenever the dataset is opened anew: a reset model gives the
    // header its default widths, which cut the headings short.
    auto applyWidths = [this] {
        for (int c = 0; c < m_model->columns().size(); ++c)
            setColumnWidth(c, m_model->columns()[c].width);
    };
    applyWidths();
    connect(m_model, &QAbstractItemModel::modelReset, this, applyWidths);

    // The dataset's current row follows the selection, and the other way round.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_syncing || !current.isValid())
                    return;
                Dataset *ds = this->dataset();
                // Leaving the row being inserted posts it, as leaving any other row does.
                const int shown = ds->state() == Dataset::State::Insert ? ds->recordCount() : ds->recNo();
                if (current.row() < ds->recordCount() && current.row() != shown)
                    RunCommand([&] { ds->moveTo(current.row()); });
                const int now = ds->state() == Dataset::State::Insert ? ds->recordCount() : ds->recNo();
                if (now != current.row())
                    followDataset();
            });
    // A cell still being typed in is part of the row being posted.
    connect(dataset, &Dataset::aboutToPost, this, [this] {
        if (state() == EditingState)
            if (QWidget *editor = indexWidget(currentIndex()))
                commitData(editor);
    });
    connect(dataset, &Dataset::currentChanged, this, [this] { followDataset(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { followDataset(); });
}

Dataset *DataGrid::dataset() const { return m_model->dataset(); }

bool DataGrid::acceptsKey(int column, QChar typed) const {
    if (column < 0 || column >= m_model->columns().size())
        return true;
    const auto &filter = m_model->columns()[column].keyFilter;
    return !filter || filter(typed);
}

void DataGrid::followDataset() {
    Dataset *ds = dataset();
    if (!ds->isActive())
        return;
    const int row = ds->state() == Dataset::State::Insert ? ds->recordCount() : ds->recNo();
    if (row < 0)
        return;
    const int column = std::max(0, currentIndex().column());
    m_syncing = true;
    setCurrentIndex(m_model->index(row, column));
    m_syncing = false;
}

// The headings keep the grid's own font, which its column widths were
// measured for, also when it changes after the grid was made.
void DataGrid::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange)
        horizontalHeader()->setFont(font());
    QTableView::changeEvent(event);
}

void DataGrid::keyPressEvent(QKeyEvent *event) {
    const QChar typed = TypedCharacter(event);
    const QModelIndex current = currentIndex();
    if (!typed.isNull() && typed != kTab && current.isValid() && state() != EditingState &&
        (m_model->flags(current) & Qt::ItemIsEditable) && !acceptsKey(current.column(), typed)) {
        Beep();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace d7
