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
class MainWindow;

class SummaryPage : public QWidget {
    Q_OBJECT
public:
    explicit SummaryPage(MainWindow &form, QWidget *parent = nullptr);

    // Delete the selected row of the upper (Table 1) or lower (Table 2) list.
    void Button4Click();
    void Button5Click();

    // The columns each list shows, in order, with their titles.
    static QList<GridColumn> Table1Columns();
    static QList<GridColumn> Table2Columns();

    QLabel *Label9, *Label10, *Label103;
    QPushButton *Button4, *Button5;
    DataGrid *DBGrid2, *DBGrid3;
    DataNavigator *DBNavigator2, *DBNavigator3;

private:
    void DeleteCurrentRow(DataNavigator *navigator);

    MainWindow &m_form;
};

}  // namespace d7
