// A small grid of text cells with fixed (title) rows and columns, addressed
// column first, cellText(column, row), like the paper form it mirrors.
#pragma once

#include <QTableWidget>
#include <functional>

namespace d7 {

class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget *parent = nullptr);

    QString cellText(int column, int row) const;
    void setCellText(int column, int row, const QString &text);
    void setColumnWidths(const QList<int> &widths);
    // A cell that takes no typing at all (it still shows its text).
    void setReadOnlyCell(int column, int row);
    // Typed characters of a column pass through this filter; a refused one
    // beeps and is dropped (the start of an edit included).
    void setColumnKeyFilter(int column, std::function<bool(QChar)> filter);
    bool isEditableCell(int column, int row) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    friend class StringGridDelegate;
    bool acceptsKey(int column, QChar typed) const;
    int m_fixedColumns;
    int m_fixedRows;
    QHash<int, std::function<bool(QChar)>> m_columnKeyFilters;
};

}  // namespace d7
