#include "widgets/StringGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "widgets/Dialogs.h"
#include "widgets/InputRules.h"

namespace d7 {

// Applies the column's key filter inside the cell editor too.
class StringGridDelegate : public QStyledItemDelegate {
public:
    explicit StringGridDelegate(StringGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setProperty("d7Column", index.column());
        editor->installEventFilter(const_cast<StringGridDelegate *>(this));
        return editor;
    }

    bool eventFilter(QObject *object, QEvent *event) override {
        if (event->type() == QEvent::KeyPress) {
            const QChar typed = TypedCharacter(static_cast<QKeyEvent *>(event));
            const int column = object->property("d7Column").toInt();
            if (!typed.isNull() && typed != kTab && !m_grid->acceptsKey(column, typed)) {
                Beep();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    StringGrid *m_grid;
};

StringGrid::StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget *parent)
    : QTableWidget(rows, columns, parent), m_fixedColumns(fixedColumns), m_fixedRows(fixedRows) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setItemDelegate(new StringGridDelegate(this));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto *item = new QTableWidgetItem;
            if (r < m_fixedRows || c < m_fixedColumns) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
                item->setForeground(palette().buttonText());
            }
            setItem(r, c, item);
        }
    }
    if (rows > m_fixedRows && columns > m_fixedColumns)
        setCurrentCell(m_fixedRows, m_fixedColumns, QItemSelectionModel::NoUpdate);
}

QString StringGrid::cellText(int column, int row) const {
    // A cell being typed in holds what its editor shows, as the user sees it;
    // storing or checking the page must not miss it.
    if (state() == EditingState && currentRow() == row && currentColumn() == column)
        if (const auto *editor = qobject_cast<const QLineEdit *>(indexWidget(currentIndex())))
            return editor->text();
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

void StringGrid::setCellText(int column, int row, const QString &text) {
    if (QTableWidgetItem *it = item(row, column))
        it->setText(text);
}

void StringGrid::setColumnWidths(const QList<int> &widths) {
    int total = 0;
    for (int c = 0; c < widths.size(); ++c) {
        setColumnWidth(c, widths[c]);
        total += widths[c];
    }
    const int frame = 2 * frameWidth();
    setFixedSize(total + frame, rowCount() * verticalHeader()->defaultSectionSize() + frame);
}

void StringGrid::setReadOnlyCell(int column, int row) {
    if (QTableWidgetItem *it = item(row, column))
        it->setFlags(it->flags() & ~Qt::ItemIsEditable);
}

void StringGrid::setColumnKeyFilter(int column, std::function<bool(QChar)> filter) {
    m_columnKeyFilters.insert(column, std::move(filter));
}

bool StringGrid::isEditableCell(int column, int row) const {
    const QTableWidgetItem *it = item(row, column);
    return it && (it->flags() & Qt::ItemIsEditable);
}

bool StringGrid::acceptsKey(int column, QChar typed) const {
    const auto it = m_columnKeyFilters.constFind(column);
    return it == m_columnKeyFilters.constEnd() || (*it)(typed);
}

void StringGrid::keyPressEvent(QKeyEvent *event) {
    // A key that would start editing is judged by the column's filter first.
    const QChar typed = TypedCharacter(event);
    const QModelIndex current = currentIndex();
    if (!typed.isNull() && typed != kTab && current.isValid() && state() != EditingState) {
        if (!isEditableCell(current.column(), current.row()))
            return;   // a cell that takes no typing drops it silently
        if (!acceptsKey(current.column(), typed)) {
            Beep();
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action != MoveNext && action != MovePrevious)
        return QTableWidget::moveCursor(action, modifiers);
    // Tab walks the editable cells and then leaves the grid.
    const int step = action == MoveNext ? 1 : -1;
    const QModelIndex current = currentIndex();
    int pos = current.isValid() ? current.row() * columnCount() + current.column() : -1;
    for (pos += step; pos >= 0 && pos < rowCount() * columnCount(); pos += step) {
        const int r = pos / columnCount(), c = pos % columnCount();
        if (r >= m_fixedRows && c >= m_fixedColumns)
            return model()->index(r, c);
    }
    return QModelIndex();
}

}  // namespace d7
