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
class KeyboardLock;
class Table1Page;
class Table2Page;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens both connections on the database of the current folder and runs
    // the start-up (welcome screen included). Throws EngineError when the
    // database cannot be opened.
    MainWindow();
    ~MainWindow() override;

    // The open declaration.
    QString m_currentTaxNumber;
    bool declarationOpen() const;

    // Shared operations of the pages.
    void storeGeneralData();
    // The writes of the general page, one table each; a spouse or representative
    // whose cells are all empty has its row deleted.
    void storeTaxpayerRow();
    void storeSpouseRow();
    void storeGeneralRow();
    void storeRepresentativeRow();
    int validateDeclaration();
    // Posts a pending edit of the children grid; errors are swallowed.
    void postPendingChild();
    // The persons a wizard row may belong to, from the general page as it
    // stands: the person liable, the spouse when any spouse cell is filled,
    // and each child of the children dataset.
    QStringList ownerList() const;
    // The kind of declaration: 0 initial, 1 supplementary, 2 revoking.
    int declarationKind() const;

    // Shows a page without running the page-switch rule.
    void setActivePage(int index);

    // Opening a declaration.
    void openDeclaration();
    void clearGeneralPage();
    void loadDeclaration();

    // Menu commands and window events.
    void exitProgram();
    void changePage(int index);
    // Shut-down; the general data are stored first unless closing has just done it.
    void shutDown(bool storeFirst = true);

    // Non-visual members.
    std::unique_ptr<Connection> m_referenceConnection, m_declarationConnection;
    Dataset *m_locationLookupData, *m_referenceListData, *m_personRowData, *m_childrenData, *m_newRowData, *m_table1Rows,
        *m_table2Rows;
    KeyboardLock *m_keyboardLock;
    bool m_showStartHint = false;

    // The rows the wizards are composing.
    Table1Answers m_table1Answers;
    Table2Answers m_table2Answers;

    // Visual members.
    QMenuBar *m_mainMenu;
    QMenu *m_fileMenu, *m_printMenu, *m_helpMenu;
    QAction *m_openAction, *m_separatorAfterOpen, *m_exportAction, *m_separatorAfterExport, *m_shortcutAction, *m_separatorBeforeExit, *m_exitAction, *m_printGeneralAction, *m_printTablesAction, *m_manualAction, *m_formHelpAction, *m_separatorBeforeAbout, *m_aboutAction;
    QFrame *m_band;
    QTabWidget *m_pages;
    QStatusBar *m_statusBar;
    GeneralPage *m_generalPage;
    Table1Page *m_table1Page;
    Table2Page *m_table2Page;
    SummaryPage *m_summaryPage;

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
    void startUp();
    void showStartHintOnce();
    void fillReferenceLists();
    bool m_shutDown = false;
    int m_shownPage = 0;
};

}  // namespace d7
