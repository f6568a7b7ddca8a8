#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <future>

#include "app/KeyboardLock.h"
#include "app/StoreChoice.h"
#include "backup/BackupCommands.h"
#include "app/WelcomeScreen.h"
#include "declaration/Declaration.h"
#include "declaration/DeclarationList.h"
#include "declaration/ServerCopy.h"
#include "declaration/ReferenceLists.h"
#include "declaration/TaxNumber.h"
#include "export/ExportCommand.h"
#include "format/ImportCommand.h"
#include "help/HelpMenu.h"
#include "list/DeclarationsWindow.h"
#include "pages/general/GeneralPage.h"
#include "pages/summary/SummaryPage.h"
#include "pages/table1/Table1Page.h"
#include "pages/table2/Table2Page.h"
#include "print/PrintCommands.h"
#include "store/Database.h"
#include "store/FileStore.h"
#include "store/ServerError.h"
#include "store/StoreDriver.h"
#include "widgets/Command.h"
#include "widgets/Dialogs.h"

namespace d7 {

MainWindow::MainWindow(const QString &server) : m_server(server) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kMainWindowCaption);
    // The window is laid out in pixels for an 11-pixel sans-serif font; every
    // window of the program uses it, messages and the welcome screen included.
    // Liberation Sans has the widths the layout was measured in; a wider
    // default font would cut captions short.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    QApplication::setFont(f);

    // The file's key is derived once for both connections, the costliest step
    // of the start, on the other core while the window is being built.
    std::future<QByteArray> key =
        std::async(std::launch::async, DeriveRawKey, kDatabaseFileName, kDatabasePassword);
    m_referenceLists = new ReferenceLists(this);
    m_declaration = new Declaration(this);
    m_keyboardLock = new KeyboardLock(this);

    buildMenu();
    buildPages();

    m_rawKey = key.get();
    openStore();

    setFixedSize(803, 568 + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    qApp->installEventFilter(this);   // the window sees every key first (F1)

    try {
        startUp();
    } catch (...) {
        // No window, so no shut-down will run: leave the keyboard as it would.
        qApp->removeEventFilter(this);
        m_keyboardLock->setCapsLock(false);
        throw;
    }
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    shutDown();
}

namespace {

QString askServerPassword(const QString &server) {
    KeyboardLock keyboard;
    const CapsLockReleased typedAsIs(keyboard);
    return PasswordBox(QStringLiteral("Κωδικός διακομιστή"),
                       QStringLiteral("Ο διακομιστής %1 ζητά κωδικό πρόσβασης:").arg(server));
}

}  // namespace

void MainWindow::openStore() {
    // On the file both connections use the one file: reference lists
    // read-only, declarations read-write. The read-write one opens first:
    // after a crash during a write only it can roll back what the journal
    // holds, and the read-only one would otherwise refuse the file.
    OpenDeclarationStore(m_declaration->store(), m_server, m_rawKey, &askServerPassword);
    m_referenceLists->open(kDatabaseFileName, kDatabasePassword, m_rawKey);
    m_storeLabel->setText(StoreDescription(m_declaration->store(), !m_server.isEmpty()));
}

void MainWindow::closeStore() {
    m_declaration->close();
    m_referenceLists->close();
    m_declaration->store().close();
}

void MainWindow::buildMenu() {
    QMenuBar *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(bar);
    auto menu = [bar](const char *name, const QString &title) {
        QMenu *m = bar->addMenu(title);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [](QMenu *m, const char *name, const QString &text) {
        QAction *a = m->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto separator = [](QMenu *m, const char *name) { m->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    m_fileMenu = menu("N1", QStringLiteral("Αρχείο"));
    m_openAction = item(m_fileMenu, "N92", QStringLiteral("Συμπλήρωση Δήλωσης D7"));
    m_declarationsAction = item(m_fileMenu, "DeclarationsAction", QStringLiteral("Λίστα Δηλώσεων"));
    m_declarationsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_importAction = item(m_fileMenu, "ImportAction", QStringLiteral("Εισαγωγή Αρχείων D7"));
    separator(m_fileMenu, "BackupSeparator");
    m_backupAction = item(m_fileMenu, "BackupAction", kBackupActionText);
    m_restoreAction = item(m_fileMenu, "RestoreAction", kRestoreActionText);
    separator(m_fileMenu, "ServerSeparator");
    m_serverAction = item(m_fileMenu, "ServerAction", QStringLiteral("Διακομιστής Γραφείου"));
    m_copyToServerAction = item(m_fileMenu, "CopyToServerAction", QStringLiteral("Αντιγραφή Δηλώσεων στον Διακομιστή"));
    // The server keeps its own backups: the copies of the file are the file's.
    for (QAction *fileOnly : {m_backupAction, m_restoreAction})
        fileOnly->setEnabled(m_server.isEmpty());
    separator(m_fileMenu, "N14");
    m_exportAction = item(m_fileMenu, "N10", QStringLiteral("Δημιουργία Αρχείου για αποστολή στο Vendrika"));
    separator(m_fileMenu, "N12");
    m_shortcutAction = item(m_fileMenu, "N13", QStringLiteral("Δημιουργία συντόμευσης στην Επιφ. Εργασίας"));
    separator(m_fileMenu, "N11");
    m_exitAction = item(m_fileMenu, "N2", QStringLiteral("Έξοδος"));
    m_printMenu = menu("N3", QStringLiteral("Εκτύπωση"));
    m_printGeneralAction = item(m_printMenu, "N4", QStringLiteral("Εκτύπωση Γενικών Στοιχείων"));
    m_printTablesAction = item(m_printMenu, "N5", QStringLiteral("Εκτύπωση Πινάκων"));
    m_helpMenu = menu("N6", QStringLiteral("Βοήθεια"));
    m_manualAction = item(m_helpMenu, "N7", QStringLiteral("Οδηγίες Εφαρμογής"));
    m_formHelpAction = item(m_helpMenu, "N91", QStringLiteral("Βοήθεια για το  D7"));
    separator(m_helpMenu, "N8");
    m_aboutAction = item(m_helpMenu, "N9", QStringLiteral("Σχετικά"));
    // F1 anywhere in the window: the instructions for use, in no menu.
    m_usageHelpAction = new QAction(this);
    m_usageHelpAction->setObjectName(QStringLiteral("UsageHelpAction"));

    ConnectCommand(m_openAction, &QAction::triggered, this, [this] { openDeclaration(); });
    ConnectCommand(m_exitAction, &QAction::triggered, this, [this] { close(); });
    ConnectCommand(m_declarationsAction, &QAction::triggered, this, [this] { showDeclarations(); });
    ConnectCommand(m_importAction, &QAction::triggered, this, [this] { importFiles(); });
    ConnectCommand(m_backupAction, &QAction::triggered, this, [this] { saveBackup(); });
    ConnectCommand(m_restoreAction, &QAction::triggered, this, [this] { restoreBackup(); });
    ConnectCommand(m_serverAction, &QAction::triggered, this, [this] { chooseServer(); });
    ConnectCommand(m_copyToServerAction, &QAction::triggered, this, [this] { copyToServer(); });
    ConnectCommand(m_exportAction, &QAction::triggered, this, [this] {
        m_generalPage->handOver();
        ExportDeclaration(*m_declaration);
    });
    ConnectCommand(m_printGeneralAction, &QAction::triggered, this, [this] {
        m_generalPage->handOver();
        PrintGeneralData(*m_declaration, this);
    });
    ConnectCommand(m_printTablesAction, &QAction::triggered, this, [this] { PrintTables(*m_declaration, this); });
}

void MainWindow::attachHelp() {
    AttachHelp(this, {m_manualAction, m_formHelpAction, m_aboutAction, m_shortcutAction, m_usageHelpAction});
}

void MainWindow::buildPages() {
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(803, 568);
    setCentralWidget(client);

    auto *band = new QFrame(client);
    band->setObjectName(QStringLiteral("Panel3"));
    band->setGeometry(0, 0, 803, 11);
    band->setAutoFillBackground(true);
    QPalette colour = band->palette();
    colour.setColor(QPalette::Window, QColor(48, 159, 192));
    band->setPalette(colour);

    m_pages = new QTabWidget(client);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(0, 11, 801, 545);
    m_pages->tabBar()->setAttribute(Qt::WA_Hover);   // tabs highlight under the mouse

    // Made inside the page control: a page built without a parent would have
    // its fonts and palette worked out again, widget by widget, when added.
    m_generalPage = new GeneralPage(*m_declaration, m_pages);
    m_table1Page = new Table1Page(*m_declaration, *m_referenceLists, m_pages);
    m_table2Page = new Table2Page(*m_declaration, *m_referenceLists, m_pages);
    m_summaryPage = new SummaryPage(*m_declaration, m_pages);
    m_pages->addTab(m_generalPage, QStringLiteral("ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ"));
    m_pages->addTab(m_table1Page, QStringLiteral("ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ ΚΑΙ ΚΤΙΣΜΑΤΩΝ"));
    m_pages->addTab(m_table2Page, QStringLiteral("ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ"));
    m_pages->addTab(m_summaryPage, QStringLiteral("ΣΥΓΚΕΝΤΡΩΤΙΚΑ"));

    // The status bar lies over the foot of the page control, as in the form.
    auto *status = new QStatusBar(client);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    status->setGeometry(0, 568 - 19, 803, 19);
    status->showMessage(QStringLiteral("ΠΡΟΣΟΧΗ - ΟΛΑ ΤΑ ΣΤΟΙΧΕΙΑ ΠΡΕΠΕΙ ΝΑ ΣΥΜΠΛΗΡΩΘΟΥΝ ΜΕ ΚΕΦΑΛΑΙΑ"));
    status->raise();
    m_statusNote = new QLabel(status);
    m_statusNote->setObjectName(QStringLiteral("StatusNote"));
    status->addPermanentWidget(m_statusNote);
    m_storeLabel = new QLabel(status);
    m_storeLabel->setObjectName(QStringLiteral("StoreLabel"));
    status->addPermanentWidget(m_storeLabel);

    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == m_shownPage)
            return;
        m_shownPage = index;
        RunCommand([&] { changePage(index); });
    });
}

void MainWindow::startUp() {
    m_showStartHint = true;
    m_keyboardLock->setCapsLock(true);
    setActivePage(0);
    m_pages->setEnabled(false);
    m_generalPage->writeGridTitles();
    m_table1Page->fillReferenceLists();
    m_table2Page->fillReferenceLists();
    ClearTable1Answers(m_table1Page->answers());
    try {
        WelcomeScreen welcome(this);
        welcome.exec();
    } catch (...) {
        // The welcome screen is a courtesy; start-up goes on without it.
    }
}

bool MainWindow::declarationOpen() const { return m_declaration->isOpen(); }

void MainWindow::openDeclaration() {
    if (declarationOpen())
        storeGeneralData();
    const QString text = InputBox(
        QStringLiteral("Δώστε ΑΦΜ Υπόχρεου"),
        QStringLiteral("Δώστε ΑΦΜ Υπόχρεου. Αν έχουν ήδη περαστεί στοιχεία για αυτόν τον ΑΦΜ, αυτά θα εμφανιστούν στην οθόνη."),
        QString());
    if (text.isEmpty() || !CheckTaxNumber(text)) {
        ShowMessageText(QStringLiteral("Μη έγκυρος ΑΦΜ. Παρακαλώ προσπαθήστε ξανά"));
        return;
    }
    openDeclaration(text);
}

void MainWindow::openDeclaration(const QString &taxNumber) {
    const bool wasOpen = declarationOpen();
    const int previousPage = m_pages->currentIndex();
    m_pages->setEnabled(true);
    setActivePage(0);
    try {
        m_declaration->open(taxNumber);
    } catch (const ServerError &e) {
        if (e.kind() != ServerError::Kind::DeclarationLocked)
            throw;
        // Another desk works on it: nothing is opened, what was open stays.
        m_pages->setEnabled(wasOpen);
        setActivePage(previousPage);
        ShowMessageText(e.text());
        return;
    } catch (const OpenFailed &) {
        // The declaration that was open stays open and shown.
        m_pages->setEnabled(wasOpen);
        setActivePage(previousPage);
        ShowMessageText(
            QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την αποθήκευση του ΑΦΜ.Παρακαλώ προσπαθήστε ξανά."));
        return;
    }
    // A row being composed belongs to the declaration it was begun for.
    m_table1Page->abandonRow();
    m_table2Page->abandonRow();
    m_generalPage->showGeneralData(m_declaration->generalData());
}

void MainWindow::closeDeclaration() {
    m_declaration->close();
    m_table1Page->abandonRow();
    m_table2Page->abandonRow();
    m_generalPage->showGeneralData(GeneralData());
    setActivePage(0);
    m_pages->setEnabled(false);
}

void MainWindow::showDeclarations() {
    // The list shows what the open declaration holds now.
    if (declarationOpen())
        storeGeneralData();
    DeclarationsWindow window(
        m_declaration->store(), [this](const QString &taxNumber) { return deleteDeclaration(taxNumber); }, this);
    // Nothing on the page can change while the list is open: it was stored above.
    if (window.exec() == QDialog::Accepted && !window.chosen().isEmpty())
        openDeclaration(window.chosen());
}

bool MainWindow::deleteDeclaration(const QString &taxNumber) {
    return RunCommand([&] {
        if (m_declaration->taxNumber() == taxNumber)
            closeDeclaration();
        DeleteDeclaration(m_declaration->store(), taxNumber);
    });
}

void MainWindow::importFiles() {
    if (declarationOpen())
        storeGeneralData();
    const QStringList imported = ImportUploadFiles(m_declaration->store());
    // The open declaration replaced by a file is shown as the file has it.
    if (declarationOpen() && imported.contains(m_declaration->taxNumber()))
        openDeclaration(m_declaration->taxNumber());
}

void MainWindow::saveBackup() {
    if (declarationOpen())
        storeGeneralData();
    SaveCopyAs(QDir::current().absoluteFilePath(kDatabaseFileName));
}

void MainWindow::restoreBackup() {
    // The copy of the current file kept first holds the open declaration too.
    if (declarationOpen())
        storeGeneralData();
    ShowRestoreWindow(QDir::current().absoluteFilePath(kDatabaseFileName),
                      {[this] {
                           closeDeclaration();
                           closeStore();
                       },
                       [this] {
                           openStore();
                           closeDeclaration();
                       }},
                      this);
}

void MainWindow::showStatusNote(const QString &note) { m_statusNote->setText(note); }

void MainWindow::chooseServer() {
    const CapsLockReleased typedAsIs(*m_keyboardLock);
    const QString current = m_server.isEmpty() ? ConfiguredServer() : m_server;
    const QString server = InputBox(
        QStringLiteral("Διακομιστής Γραφείου"),
        QStringLiteral("Η σύνδεση με τον διακομιστή PostgreSQL του γραφείου (π.χ. postgresql://χρήστης@διακομιστής/d7).\n"
                       "Αφήστε το κενό για να δουλεύετε με το αρχείο αυτού του υπολογιστή.\n"
                       "Η αλλαγή ισχύει από την επόμενη εκκίνηση."),
        current).trimmed();
    if (server == current)
        return;
    if (!server.isEmpty()) {
        // Tested before it is kept: a wrong address would stop the next start.
        Connection test;
        OpenDeclarationStore(test, server, {}, &askServerPassword);
    }
    SaveServerSetting(server);
    ShowMessageText(server.isEmpty()
                        ? QStringLiteral("Από την επόμενη εκκίνηση οι δηλώσεις θα φυλάσσονται στο αρχείο αυτού του υπολογιστή.")
                        : QStringLiteral("Η σύνδεση με τον διακομιστή πέτυχε. Από την επόμενη εκκίνηση οι δηλώσεις "
                                         "θα φυλάσσονται στον διακομιστή %1.")
                              .arg(server));
}

void MainWindow::copyToServer() {
    const QString server = m_server.isEmpty() ? ConfiguredServer() : m_server;
    if (server.isEmpty()) {
        ShowMessageText(QStringLiteral("Ορίστε πρώτα τον διακομιστή του γραφείου (Αρχείο - Διακομιστής Γραφείου)."));
        return;
    }
    const QStringList files = OpenFileNames(QStringLiteral("Επιλέξτε το αρχείο δηλώσεων που θα αντιγραφεί"),
                                            QStringLiteral("*.mdb"), QDir::currentPath());
    if (files.isEmpty())
        return;
    if (declarationOpen())
        storeGeneralData();
    Connection source, target;
    source.open(files.first(), kDatabasePassword, Connection::Mode::Read);
    Connection *onServer = &m_declaration->store();
    if (m_server.isEmpty()) {
        OpenDeclarationStore(target, server, {}, &askServerPassword);
        onServer = &target;
    }
    const QString report = CopyToServer(source, *onServer, [](const QStringList &there) {
        return AskYesNo(QStringLiteral("Στον διακομιστή υπάρχουν ήδη οι δηλώσεις με ΑΦΜ %1. Να αντικατασταθούν από "
                                       "αυτές του αρχείου;")
                            .arg(there.join(QStringLiteral(", "))));
    });
    ShowMessageText(report);
}

void MainWindow::storeGeneralData() {
    m_generalPage->handOver();
    m_declaration->storeGeneralData();
}

void MainWindow::setActivePage(int index) {
    m_shownPage = index;
    m_pages->setCurrentIndex(index);
}

void MainWindow::changePage(int index) {
    // The message waits until the store is done: no write lock is held while
    // the user reads it.
    Transaction change(m_declaration->store());
    m_generalPage->handOver();
    m_declaration->postPendingChild();
    if (index == 0) {
        change.commit();
        return;
    }
    const int code = m_declaration->validate();
    if (code != 0)
        setActivePage(0);
    m_declaration->storeGeneralData();
    change.commit();
    if (code != 0)
        ShowMessageText(PageSwitchMessage(code, QDate::currentDate().year()));
}

bool MainWindow::event(QEvent *e) {
    if (e->type() == QEvent::WindowActivate && m_showStartHint)
        showStartHintOnce();
    return QMainWindow::event(e);
}

void MainWindow::showStartHintOnce() {
    if (!m_showStartHint)
        return;
    m_showStartHint = false;
    ShowMessageText(QStringLiteral(
        "Επιλέξτε ''Αρχείο'' - ''Συμπλήρωση Δήλωσης D7'' για να ξεκινήσετε"));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *e) {
    // F1 with any modifier, wherever the focus is in this window.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_F1) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == this) {
            m_usageHelpAction->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void MainWindow::closeEvent(QCloseEvent *e) {
    // A store that fails at closing (the file held by another program, say)
    // would lose the page: the user may stay and try again.
    if (!m_shutDown && declarationOpen() && !RunCommand([&] { storeGeneralData(); }) &&
        !AskYesNo(QStringLiteral("Τα γενικά στοιχεία της δήλωσης δεν αποθηκεύτηκαν. "
                                 "Θέλετε να κλείσετε το πρόγραμμα χωρίς να αποθηκευτούν;"))) {
        e->ignore();
        return;
    }
    shutDown(false);
    e->accept();
}

void MainWindow::shutDown(bool storeFirst) {
    if (m_shutDown)
        return;
    m_shutDown = true;
    if (storeFirst)
        RunCommand([&] {
            if (declarationOpen())
                storeGeneralData();
        });
    m_keyboardLock->setCapsLock(false);
    m_declaration->children().close();
    m_referenceLists->close();
    m_declaration->store().close();
}

}  // namespace d7
