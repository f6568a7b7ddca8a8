// The main window: opens the store, builds the menus and the pages over the
// open declaration and the reference lists, and wires the commands.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace d7 {

class Declaration;
class GeneralPage;
class KeyboardLock;
class ReferenceLists;
class SummaryPage;
class Table1Page;
class Table2Page;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens the declarations' store (the file of the current folder, or the
    // office server given) and runs the start-up (welcome screen included).
    // Throws EngineError when the store cannot be opened.
    explicit MainWindow(const QString &server = {});
    ~MainWindow() override;

    // Gives the Help menu and F1 their work (the help windows are made here).
    void attachHelp();

    Declaration &declaration() const { return *m_declaration; }
    ReferenceLists &referenceLists() const { return *m_referenceLists; }
    KeyboardLock &keyboardLock() const { return *m_keyboardLock; }
    QTabWidget *pages() const { return m_pages; }
    GeneralPage *generalPage() const { return m_generalPage; }
    Table1Page *table1Page() const { return m_table1Page; }
    Table2Page *table2Page() const { return m_table2Page; }
    bool declarationOpen() const;

    // The open command ("Συμπλήρωση Δήλωσης D7"): stores the open declaration,
    // asks for a tax number and opens it.
    void openDeclaration();
    // Opens the declaration of a tax number that passed its check: shown on
    // the general page, the wizards idle. A declaration whose first row cannot
    // be stored is not opened and the one that was open stays.
    void openDeclaration(const QString &taxNumber);
    // No declaration open, as at start-up.
    void closeDeclaration();
    // The declarations list; a declaration chosen there is opened.
    void showDeclarations();
    // Removes a stored declaration; the open one is closed first.
    bool deleteDeclaration(const QString &taxNumber);
    // The import command; an imported declaration that is open is shown again.
    void importFiles();
    // A copy of the database where the user chooses, and the restore window.
    void saveBackup();
    void restoreBackup();
    // The office server: set or cleared for the next start, after a test of
    // the connection; and the declarations of a file copied onto it.
    void chooseServer();
    void copyToServer();
    // A short note beside the status bar's message (a backup that failed).
    void showStatusNote(const QString &note);
    // Shows a page without running the page-switch rule.
    void setActivePage(int index);
    // The page-switch rule: leaving the general page checks and stores it.
    void changePage(int index);
    // The hint that points to the open command, shown at the first activation.
    bool startHintPending() const { return m_showStartHint; }
    void setStartHintPending(bool pending) { m_showStartHint = pending; }
    // Shut-down; the general data are stored first unless closing has just done it.
    void shutDown(bool storeFirst = true);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildPages();
    void startUp();
    void showStartHintOnce();
    void storeGeneralData();
    void openStore();
    void closeStore();

    Declaration *m_declaration;
    ReferenceLists *m_referenceLists;
    KeyboardLock *m_keyboardLock;
    QMenu *m_fileMenu, *m_printMenu, *m_helpMenu;
    QAction *m_openAction, *m_declarationsAction, *m_importAction, *m_backupAction, *m_restoreAction,
        *m_serverAction, *m_copyToServerAction, *m_exportAction, *m_shortcutAction, *m_exitAction, *m_printGeneralAction,
        *m_printTablesAction, *m_manualAction, *m_formHelpAction, *m_aboutAction, *m_usageHelpAction;
    QTabWidget *m_pages;
    QLabel *m_statusNote, *m_storeLabel;
    QString m_server;      // the office server in use; empty on the file
    GeneralPage *m_generalPage;
    Table1Page *m_table1Page;
    Table2Page *m_table2Page;
    SummaryPage *m_summaryPage;
    QByteArray m_rawKey;   // the file's key, derived once
    bool m_showStartHint = false;
    bool m_shutDown = false;
    int m_shownPage = 0;
};

}  // namespace d7
