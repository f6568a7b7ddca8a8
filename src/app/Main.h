// The main window: owns the database connections and datasets, the open
// declaration, the pages and the rows being composed by the two wizards.
#pragma once

#include <QMainWindow>
#include <memory>

#include "pages/table1/Table1Answers.h"
#include "pages/table2/Table2Answers.h"

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTabWidget;

namespace d7 {

class Connection;
class Dataset;
class GeneralPage;
class SummaryPage;
class TKeyLed;
class Table1Page;
class Table2Page;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Opens both connections on the database of the current folder and runs
    // the start-up (welcome screen included). Throws EngineError when the
    // database cannot be opened.
    TForm1();
    ~TForm1() override;

    // The open declaration.
    QString CurrentTaxNumber;
    bool declarationOpen() const;

    // Shared operations of the pages.
    void StoreGeneralData();
    // The writes of the general page, one table each; a spouse or representative
    // whose cells are all empty has its row deleted.
    void StoreTaxpayerRow();
    void StoreSpouseRow();
    void StoreGeneralRow();
    void StoreRepresentativeRow();
    int ValidateDeclaration();
    // Posts a pending edit of the children grid; errors are swallowed.
    void PostChildrenEdit();
    // The persons a wizard row may belong to, from the general page as it
    // stands: the person liable, the spouse when any spouse cell is filled,
    // and each child of the children dataset.
    QStringList OwnerList() const;
    // The kind of declaration: 0 initial, 1 supplementary, 2 revoking.
    int DeclarationKind() const;

    // Shows a page without running the page-switch rule.
    void setActivePage(int index);

    // Opening a declaration.
    void N92Click();
    void ClearGeneralPage();
    void LoadDeclaration();

    // Menu commands and window events.
    void N2Click();
    void PageControl1Change(int index);
    // Shut-down; the general data are stored first unless closing has just done it.
    void FormDestroy(bool storeFirst = true);

    // Non-visual members.
    std::unique_ptr<Connection> ADOConnection1, ADOConnection2;
    Dataset *ADODataSet1, *ADODataSet2, *ADODataSet3, *ADODataSet4, *ADODataSet5, *ADODataSet6,
        *ADODataSet7;
    TKeyLed *KeyLed1;
    bool ShowStartHint = false;

    // The rows the wizards are composing.
    d7::Table1Answers Table1Answers;
    d7::Table2Answers Table2Answers;

    // Visual members.
    QMenuBar *MainMenu1;
    QMenu *N1, *N3, *N6;
    QAction *N92, *N14, *N10, *N12, *N13, *N11, *N2, *N4, *N5, *N7, *N91, *N8, *N9;
    QFrame *Panel3;
    QTabWidget *PageControl1;
    QStatusBar *StatusBar1;
    GeneralPage *TabSheetGen;
    Table1Page *TabSheetArray1;
    Table2Page *TabSheetArray2;
    SummaryPage *TabSheetD7;

signals:
    // F1 with any modifier, wherever the focus is in this window.
    void helpKeyPressed();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildPages();
    void FormCreate();
    void FormActivate();
    void FillReferenceLists();
    bool destroyed_ = false;
    int shownPage_ = 0;
};

}  // namespace d7
