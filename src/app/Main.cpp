#include "app/Main.h"

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
#include "app/KeyLed.h"
#include "app/MessageUnit.h"
#include "widgets/PairedList.h"
#include "export/ExportCommand.h"
#include "pages/general/GeneralPage.h"
#include "pages/general/Validation.h"
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

TForm1::TForm1() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kMainWindowCaption);
    // The window is laid out in pixels for an 11-pixel sans-serif font; every
    // window of the program uses it, messages and the welcome screen included.
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(11);
    QApplication::setFont(f);

    // The file's key is derived once for both connections, the costliest step
    // of the start, on the other core while the window is being built.
    std::future<QByteArray> key =
        std::async(std::launch::async, DeriveRawKey, kDatabaseFileName, kDatabasePassword);
    ADOConnection1 = std::make_unique<Connection>();
    ADOConnection2 = std::make_unique<Connection>();
    ADODataSet1 = dataset(this, ADOConnection1.get(), "ADODataSet1");
    ADODataSet2 = dataset(this, ADOConnection1.get(), "ADODataSet2");
    ADODataSet3 = dataset(this, ADOConnection2.get(), "ADODataSet3");
    ADODataSet4 = dataset(this, ADOConnection2.get(), "ADODataSet4",
                          QStringLiteral("select * from children where AFMYpox='0'"));
    ADODataSet5 = dataset(this, ADOConnection2.get(), "ADODataSet5");
    ADODataSet6 = dataset(this, ADOConnection2.get(), "ADODataSet6",
                          QStringLiteral("select * from table1 where AFMYpox='0'"));
    ADODataSet7 = dataset(this, ADOConnection2.get(), "ADODataSet7",
                          QStringLiteral("SELECT * FROM TABLE2 where AFMYpox='0'"));
    KeyLed1 = new TKeyLed(this);

    buildMenu();
    buildPages();

    // Both connections on the one file: reference lists read-only, declarations
    // read-write. The read-write one opens first: after a crash during a write
    // only it can roll back what the journal holds, and the read-only one
    // would otherwise refuse the file.
    const QByteArray rawKey = key.get();
    ADOConnection2->open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite, rawKey);
    ADOConnection1->open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read, rawKey);

    setFixedSize(803, 568 + MainMenu1->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    qApp->installEventFilter(this);   // the window sees every key first (F1)

    try {
        FormCreate();
    } catch (...) {
        // No window, so no shut-down will run: leave the keyboard as it would.
        qApp->removeEventFilter(this);
        KeyLed1->setCapsLock(false);
        throw;
    }
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    FormDestroy();
}

void TForm1::buildMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);
    auto menu = [this](const char *name, const QString &title) {
        QMenu *m = MainMenu1->addMenu(title);
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

    N1 = menu("N1", QStringLiteral("Αρχείο"));
    N92 = item(N1, "N92", QStringLiteral("Συμπλήρωση Δήλωσης D7"));
    N14 = separator(N1, "N14");
    N10 = item(N1, "N10", QStringLiteral("Δημιουργία Αρχείου για αποστολή στο Vendrika"));
    N12 = separator(N1, "N12");
    N13 = item(N1, "N13", QStringLiteral("Δημιουργία συντόμευσης στην Επιφ. Εργασίας"));
    N11 = separator(N1, "N11");
    N2 = item(N1, "N2", QStringLiteral("Έξοδος"));
    N3 = menu("N3", QStringLiteral("Εκτύπωση"));
    N4 = item(N3, "N4", QStringLiteral("Εκτύπωση Γενικών Στοιχείων"));
    N5 = item(N3, "N5", QStringLiteral("Εκτύπωση Πινάκων"));
    N6 = menu("N6", QStringLiteral("Βοήθεια"));
    N7 = item(N6, "N7", QStringLiteral("Οδηγίες Εφαρμογής"));
    N91 = item(N6, "N91", QStringLiteral("Βοήθεια για το  D7"));
    N8 = separator(N6, "N8");
    N9 = item(N6, "N9", QStringLiteral("Σχετικά"));

    ConnectCommand(N92, &QAction::triggered, this, [this] { N92Click(); });
    ConnectCommand(N2, &QAction::triggered, this, [this] { N2Click(); });
    ConnectCommand(N10, &QAction::triggered, this, [this] { ExportDeclaration(*this); });
    ConnectCommand(N4, &QAction::triggered, this, [this] { PrintGeneralData(*this); });
    ConnectCommand(N5, &QAction::triggered, this, [this] { PrintTables(*this); });
}

void TForm1::buildPages() {
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(803, 568);
    setCentralWidget(client);

    Panel3 = new QFrame(client);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(0, 0, 803, 11);
    Panel3->setAutoFillBackground(true);
    QPalette band = Panel3->palette();
    band.setColor(QPalette::Window, QColor(48, 159, 192));
    Panel3->setPalette(band);

    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 11, 801, 545);
    PageControl1->tabBar()->setAttribute(Qt::WA_Hover);   // tabs highlight under the mouse

    // Made inside the page control: a page built without a parent would have
    // its fonts and palette worked out again, widget by widget, when added.
    TabSheetGen = new GeneralPage(*this, ADODataSet4, PageControl1);
    TabSheetArray1 = new Table1Page(*this, Table1Answers, PageControl1);
    TabSheetArray2 = new Table2Page(*this, Table2Answers, PageControl1);
    TabSheetD7 = new SummaryPage(*this, PageControl1);
    PageControl1->addTab(TabSheetGen, QStringLiteral("ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ"));
    PageControl1->addTab(TabSheetArray1, QStringLiteral("ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ ΚΑΙ ΚΤΙΣΜΑΤΩΝ"));
    PageControl1->addTab(TabSheetArray2, QStringLiteral("ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ"));
    PageControl1->addTab(TabSheetD7, QStringLiteral("ΣΥΓΚΕΝΤΡΩΤΙΚΑ"));

    // The status bar lies over the foot of the page control, as in the form.
    StatusBar1 = new QStatusBar(client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 568 - 19, 803, 19);
    StatusBar1->showMessage(QStringLiteral("ΠΡΟΣΟΧΗ - ΟΛΑ ΤΑ ΣΤΟΙΧΕΙΑ ΠΡΕΠΕΙ ΝΑ ΣΥΜΠΛΗΡΩΘΟΥΝ ΜΕ ΚΕΦΑΛΑΙΑ"));
    StatusBar1->raise();

    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == shownPage_)
            return;
        shownPage_ = index;
        RunCommand([&] { PageControl1Change(index); });
    });
}

void TForm1::FormCreate() {
    ShowStartHint = true;
    KeyLed1->setCapsLock(true);
    setActivePage(0);
    PageControl1->setEnabled(false);
    TabSheetGen->InitGridTitles();
    FillReferenceLists();
    ClearTable1Answers(Table1Answers);
    CurrentTaxNumber.clear();
    try {
        TFormMessage welcome(this);
        welcome.exec();
    } catch (...) {
        // The welcome screen is a courtesy; start-up goes on without it.
    }
}

void TForm1::FillReferenceLists() {
    // One statement fills the prefecture lists of both wizards, item for item.
    PairedList *prefectureLists[2] = {TabSheetArray1->prefectures, TabSheetArray2->prefectures};
    ADODataSet1->setCommandText(QStringLiteral(
        "select distinct ap_pref_cd, ap_pref_nm from doy_ap_prefecture order by ap_pref_nm"));
    ADODataSet1->open();
    ADODataSet1->first();
    for (PairedList *pair : prefectureLists)
        pair->clear();
    for (int i = 0, n = ADODataSet1->recordCount(); i < n; ++i) {
        for (PairedList *pair : prefectureLists)
            pair->append(ADODataSet1->text(1), ADODataSet1->text(0));
        ADODataSet1->next();
    }
    ADODataSet1->first();
    ADODataSet1->close();

    TabSheetArray1->categories->fill(*ADODataSet2,
                                     QStringLiteral("select  ap_cat_cd, ap_cat_descr from doy_ap_estate_cat"), 1, 0);
    TabSheetArray1->specials->fill(
        *ADODataSet2,
        QStringLiteral("select  ap_special_cd, ap_special_descr from doy_ap_special_cat ORDER BY ap_special_cd"),
        1, 0);
    TabSheetArray1->floors->fill(
        *ADODataSet2, QStringLiteral("select  ap_flr_cd, ap_flr_nm from doy_ap_floor ORDER BY ap_flr_cd asc"), 1,
        0);
}

bool TForm1::declarationOpen() const { return PageControl1->isEnabled(); }

void TForm1::PostChildrenEdit() {
    try {
        // Posted even when the dataset is not editing: a cell of the grid may
        // still hold typed text, which the post takes over first.
        ADODataSet4->post();
    } catch (const std::exception &) {
        // nothing was being edited, or the row could not be posted: left as it is
    }
}

void TForm1::setActivePage(int index) {
    shownPage_ = index;
    PageControl1->setCurrentIndex(index);
}

void TForm1::PageControl1Change(int index) {
    // The message waits until the store is done: no write lock is held while
    // the user reads it.
    Transaction change(*ADOConnection2);
    PostChildrenEdit();
    if (index == 0) {
        change.commit();
        return;
    }
    const int code = ValidateDeclaration();
    if (code != 0)
        setActivePage(0);
    StoreGeneralData();
    change.commit();
    if (code != 0)
        ShowMessageText(PageSwitchMessage(code, QDate::currentDate().year()));
}

void TForm1::N2Click() { close(); }

bool TForm1::event(QEvent *e) {
    if (e->type() == QEvent::WindowActivate && ShowStartHint)
        FormActivate();
    return QMainWindow::event(e);
}

void TForm1::FormActivate() {
    if (!ShowStartHint)
        return;
    ShowStartHint = false;
    ShowMessageText(QStringLiteral(
        "Επιλέξτε ''Αρχείο'' - ''Συμπλήρωση Δήλωσης D7'' για να ξεκινήσετε"));
}

bool TForm1::eventFilter(QObject *watched, QEvent *e) {
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

void TForm1::closeEvent(QCloseEvent *e) {
    // A store that fails at closing (the file held by another program, say)
    // would lose the page: the user may stay and try again.
    if (!destroyed_ && declarationOpen() && !RunCommand([&] { StoreGeneralData(); }) &&
        !AskYesNo(QStringLiteral("Τα γενικά στοιχεία της δήλωσης δεν αποθηκεύτηκαν. "
                                 "Θέλετε να κλείσετε το πρόγραμμα χωρίς να αποθηκευτούν;"))) {
        e->ignore();
        return;
    }
    FormDestroy(false);
    e->accept();
}

void TForm1::FormDestroy(bool storeFirst) {
    if (destroyed_)
        return;
    destroyed_ = true;
    if (storeFirst)
        RunCommand([&] {
            if (declarationOpen())
                StoreGeneralData();
        });
    KeyLed1->setCapsLock(false);
    ADODataSet4->close();
    ADOConnection1->close();
    ADOConnection2->close();
}

}  // namespace d7
