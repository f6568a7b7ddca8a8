// The summary page: the stored rows of both tables, where rows are deleted
// (a stored row is never edited: it is deleted and entered again).
#pragma once

#include <QList>
#include <QWidget>

#include "widgets/DataGrid.h"

class QLabel;
class QPushButton;

namespace d7 {

class DataNavigator;
class Declaration;
enum class DeclarationTable;

class SummaryPage : public QWidget {
    Q_OBJECT
public:
    explicit SummaryPage(Declaration &declaration, QWidget *parent = nullptr);

    // Delete the selected row of the upper (Table 1) or lower (Table 2) list.
    void deleteTable1Row();
    void deleteTable2Row();

    // The columns each list shows, in order, with their titles.
    static QList<GridColumn> table1Columns();
    static QList<GridColumn> table2Columns();

    QLabel *m_table1Heading, *m_table2Heading, *m_changeRowHint;
    QPushButton *m_deleteTable1RowButton, *m_deleteTable2RowButton;
    DataGrid *m_table1Grid, *m_table2Grid;
    DataNavigator *m_table1Navigator, *m_table2Navigator;

private:
    void deleteSelectedRow(DeclarationTable table);

    Declaration &m_declaration;
};

}  // namespace d7
