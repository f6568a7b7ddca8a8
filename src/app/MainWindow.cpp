#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <future>

#include "widgets/Command.h"
#include "widgets/DataGrid.h"
#include "widgets/Dialogs.h"
#include "app/KeyboardLock.h"
#include "app/WelcomeScreen.h"
#include "widgets/PairedList.h"
#include "export/ExportCommand.h"
#include "pages/general/GeneralPage.h"
#include "declaration/Validation.h"
#include "pages/table1/Table1Page.h"
#include "pages/summary/SummaryPage.h"
#include "pages/table2/Table2Page.h"
#include "print/PrintCommands.h"
#include "store/Database.h"
#include "store/Engine.h"

namespace d7 {

namespace {

Dataset *dataset(QObject *owner, Connection *connection, const char *name, const QString &sql = {}) {
    auto *d = new Dataset(connection, owner);
    d->setObjectName(QString::fromLatin1(name));
    d->setCommandText(sql);
    return d;
}

}  // namespace

MainWindow::MainWindow() {
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
    m_referenceConnection = std::make_unique<Connection>();
    m_declarationConnection = std::make_unique<Connection>();
    m_locationLookupData = dataset(this, m_referenceConnection.get(), "ADODataSet1");
    m_referenceListData = dataset(this, m_referenceConnection.get(), "ADODataSet2");
    m_personRowData = dataset(this, m_declarationConnection.get(), "ADODataSet3");
    m_childrenData = dataset(this, m_declarationConnection.get(), "ADODataSet4",
                          QStringLiteral("select * from children where AFMYpox='0'"));
    m_newRowData = dataset(this, m_declarationConnection.get(), "ADODataSet5");
    m_table1Rows = dataset(this, m_declarationConnection.get(), "ADODataSet6",
                          QStringLiteral("select * from table1 where AFMYpox='0'"));
    m_table2Rows = dataset(this, m_declarationConnection.get(), "ADODataSet7",
                          QStringLiteral("SELECT * FROM TABLE2 where AFMYpox='0'"));
    m_keyboardLock = new KeyboardLock(this);

    buildMenu();
    buildPages();

    // Both connections on the one file: reference lists read-only, declarations
    // read-write. The read-write one opens first: after a crash during a write
    // only it can roll back what the journal holds, and the read-only one
    // would otherwise refuse the file.
    const QByteArray rawKey = key.get();
    m_declarationConnection->open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite, rawKey);
    m_referenceConnection->open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read, rawKey);

    setFixedSize(803, 568 + m_mainMenu->sizeHint().height());
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

void MainWindow::buildMenu() {
    m_mainMenu = new QMenuBar(this);
    m_mainMenu->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(m_mainMenu);
    auto menu = [this](const char *name, const QString &title) {
        QMenu *m = m_mainMenu->addMenu(title);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [](QMenu *m, const char *name, const QString &text) {
        QAction *a = m->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto separator = [](QMenu *m, const char *name) {
        QAction *a = m->addSeparator();
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    m_fileMenu = menu("N1", QStringLiteral("Αρχείο"));
    m_openAction = item(m_fileMenu, "N92", QStringLiteral("Συμπλήρωση Δήλωσης D7"));
    m_separatorAfterOpen = separator(m_fileMenu, "N14");
    m_exportAction = item(m_fileMenu, "N10", QStringLiteral("Δημιουργία Αρχείου για αποστολή στο Vendrika"));
    m_separatorAfterExport = separator(m_fileMenu, "N12");
    m_shortcutAction = item(m_fileMenu, "N13", QStringLiteral("Δημιουργία συντόμευσης στην Επιφ. Εργασίας"));
    m_separatorBeforeExit = separator(m_fileMenu, "N11");
    m_exitAction = item(m_fileMenu, "N2", QStringLiteral("Έξοδος"));
    m_printMenu = menu("N3", QStringLiteral("Εκτύπωση"));
    m_printGeneralAction = item(m_printMenu, "N4", QStringLiteral("Εκτύπωση Γενικών Στοιχείων"));
    m_printTablesAction = item(m_printMenu, "N5", QStringLiteral("Εκτύπωση Πινάκων"));
    m_helpMenu = menu("N6", QStringLiteral("Βοήθεια"));
    m_manualAction = item(m_helpMenu, "N7", QStringLiteral("Οδηγίες Εφαρμογής"));
    m_formHelpAction = item(m_helpMenu, "N91", QStringLiteral("Βοήθεια για το  D7"));
    m_separatorBeforeAbout = separator(m_helpMenu, "N8");
    m_aboutAction = item(m_helpMenu, "N9", QStringLiteral("Σχετικά"));

    ConnectCommand(m_openAction, &QAction::triggered, this, [this] { openDeclaration(); });
    ConnectCommand(m_exitAction, &QAction::triggered, this, [this] { exitProgram(); });
    ConnectCommand(m_exportAction, &QAction::triggered, this, [this] { ExportDeclaration(*this); });
    ConnectCommand(m_printGeneralAction, &QAction::triggered, this, [this] { PrintGeneralData(*this); });
    ConnectCommand(m_printTablesAction, &QAction::triggered, this, [this] { PrintTables(*this); });
}

void MainWindow::buildPages() {
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(803, 568);
    setCentralWidget(client);

    m_band = new QFrame(client);
    m_band->setObjectName(QStringLiteral("Panel3"));
    m_band->setGeometry(0, 0, 803, 11);
    m_band->setAutoFillBackground(true);
    QPalette band = m_band->palette();
    band.setColor(QPalette::Window, QColor(48, 159, 192));
    m_band->setPalette(band);

    m_pages = new QTabWidget(client);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(0, 11, 801, 545);
    m_pages->tabBar()->setAttribute(Qt::WA_Hover);   // tabs highlight under the mouse

    // Made inside the page control: a page built without a parent would have
    // its fonts and palette worked out again, widget by widget, when added.
    m_generalPage = new GeneralPage(*this, m_childrenData, m_pages);
    m_table1Page = new Table1Page(*this, m_table1Answers, m_pages);
    m_table2Page = new Table2Page(*this, m_table2Answers, m_pages);
    m_summaryPage = new SummaryPage(*this, m_pages);
    m_pages->addTab(m_generalPage, QStringLiteral("ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ"));
    m_pages->addTab(m_table1Page, QStringLiteral("ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ ΚΑΙ ΚΤΙΣΜΑΤΩΝ"));
    m_pages->addTab(m_table2Page, QStringLiteral("ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ"));
    m_pages->addTab(m_summaryPage, QStringLiteral("ΣΥΓΚΕΝΤΡΩΤΙΚΑ"));

    // The status bar lies over the foot of the page control, as in the form.
    m_statusBar = new QStatusBar(client);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setGeometry(0, 568 - 19, 803, 19);
    m_statusBar->showMessage(QStringLiteral("ΠΡΟΣΟΧΗ - ΟΛΑ ΤΑ ΣΤΟΙΧΕΙΑ ΠΡΕΠΕΙ ΝΑ ΣΥΜΠΛΗΡΩΘΟΥΝ ΜΕ ΚΕΦΑΛΑΙΑ"));
    m_statusBar->raise();

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
    fillReferenceLists();
    ClearTable1Answers(m_table1Answers);
    m_currentTaxNumber.clear();
    try {
        WelcomeScreen welcome(this);
        welcome.exec();
    } catch (...) {
        // The welcome screen is a courtesy; start-up goes on without it.
    }
}

void MainWindow::fillReferenceLists() {
    // One statement fills the prefecture lists of both wizards, item for item.
    PairedList *prefectureLists[2] = {m_table1Page->m_prefectures, m_table2Page->m_prefectures};
    m_locationLookupData->setCommandText(QStringLiteral(
        "select distinct ap_pref_cd, ap_pref_nm from doy_ap_prefecture order by ap_pref_nm"));
    m_locationLookupData->open();
    m_locationLookupData->first();
    for (PairedList *pair : prefectureLists)
        pair->clear();
    for (int i = 0, n = m_locationLookupData->recordCount(); i < n; ++i) {
        for (PairedList *pair : prefectureLists)
            pair->append(m_locationLookupData->text(1), m_locationLookupData->text(0));
        m_locationLookupData->next();
    }
    m_locationLookupData->first();
    m_locationLookupData->close();

    m_table1Page->m_categories->fill(*m_referenceListData,
                                     QStringLiteral("select  ap_cat_cd, ap_cat_descr from doy_ap_estate_cat"), 1, 0);
    m_table1Page->m_specialConditions->fill(
        *m_referenceListData,
        QStringLiteral("select  ap_special_cd, ap_special_descr from doy_ap_special_cat ORDER BY ap_special_cd"),
        1, 0);
    m_table1Page->m_floors->fill(
        *m_referenceListData, QStringLiteral("select  ap_flr_cd, ap_flr_nm from doy_ap_floor ORDER BY ap_flr_cd asc"), 1,
        0);
}

bool MainWindow::declarationOpen() const { return m_pages->isEnabled(); }

void MainWindow::postPendingChild() {
    try {
        // Posted even when the dataset is not editing: a cell of the grid may
        // still hold typed text, which the post takes over first.
        m_childrenData->post();
    } catch (const std::exception &) {
        // nothing was being edited, or the row could not be posted: left as it is
    }
}

void MainWindow::setActivePage(int index) {
    m_shownPage = index;
    m_pages->setCurrentIndex(index);
}

void MainWindow::changePage(int index) {
    // The message waits until the store is done: no write lock is held while
    // the user reads it.
    Transaction change(*m_declarationConnection);
    postPendingChild();
    if (index == 0) {
        change.commit();
        return;
    }
    const int code = validateDeclaration();
    if (code != 0)
        setActivePage(0);
    storeGeneralData();
    change.commit();
    if (code != 0)
        ShowMessageText(PageSwitchMessage(code, QDate::currentDate().year()));
}

void MainWindow::exitProgram() { close(); }

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
            emit helpKeyPressed();
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
    m_childrenData->close();
    m_referenceConnection->close();
    m_declarationConnection->close();
}

}  // namespace d7
