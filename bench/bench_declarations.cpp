// How quickly the list of declarations answers with 10,000 of them stored:
// the window from the command until it is painted, one keystroke in its
// filter until the table is repainted, and the list read from the store alone.
//
//   bench_declarations [repetitions]
//
// A scratch copy of the pristine database gets 10,000 declarations (Greek
// names with and without accents, valid tax numbers, a general row, a few
// Table 1 and Table 2 rows each) in one transaction; a main window opens it
// past its welcome screen, with one of them open. Each repetition triggers the list command, types
// "παπα" into the filter and deletes it again, then closes the window with
// Escape. The window counts as painted when the event loop is back from its
// first paint; a keystroke (press and release sent to the filter box) lasts
// until the table has been repainted with the rows it leaves, and once more
// with a grab of the whole window after it. Targets: the window within
// 150 ms, a keystroke within 30 ms. Prints medians in milliseconds.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSet>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "declaration/DeclarationList.h"
#include "list/DeclarationsWindow.h"
#include "pages/general/TaxOffices.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "widgets/Command.h"

using namespace d7;

namespace {

const int kDeclarations = 10000;

// Surnames as people write them; about one in eight begins with "Παπα".
const char *const kSurnames[] = {
    "Παπαδόπουλος", "Παπαγεωργίου", "Παπανικολάου", "Παπαδάκη",      "Παπαϊωάννου",   "Παππάς",
    "Γεωργίου",     "Νικολάου",     "Ιωάννου",      "Κωνσταντίνου",  "Δημητρίου",     "Οικονόμου",
    "Βασιλείου",    "Μακρή",        "Αθανασίου",    "Χριστοδούλου",  "Αλεξίου",       "Καραγιάννης",
    "Μιχαηλίδης",   "Θεοδωρόπουλος", "Σταυροπούλου", "Κουτσογιάννη", "Λαμπρόπουλος",  "Αντωνίου",
    "Μπουραντάς",   "Χατζηδάκης",   "Τσιρώνη",      "Ρηγόπουλος",    "Ζαφειρίου",     "Σπυρόπουλος",
    "Ευαγγελίου",   "Καραϊσκάκης",  "Φωτεινοπούλου", "Ψαρράς",       "Ξενάκη",        "Αργυρόπουλος",
    "Δελή",         "Ηλιόπουλος",   "Μαυρίδου",     "Σιδηρόπουλος",  "Τζαννετάκης",   "Ψυχογιός",
    "Λιάπη",        "Γκίκας",       "Βλάχου",       "Ντόκος",        "Κυριακίδης",    "Ραφαηλίδου"};
const char *const kNames[] = {"Γεώργιος",   "Ιωάννης",   "Κωνσταντίνος", "Δημήτριος", "Νικόλαος", "Παναγιώτης",
                              "Βασίλειος",  "Χρήστος",   "Αθανάσιος",    "Μιχαήλ",    "Ευάγγελος", "Σπυρίδων",
                              "Αντώνιος",   "Ελένη",     "Μαρία",        "Αικατερίνη", "Βασιλική", "Σοφία",
                              "Αγγελική",   "Ευαγγελία", "Δήμητρα",      "Κωνσταντίνα", "Γεωργία", "Ιωάννα",
                              "Παρασκευή",  "Χριστίνα",  "Αναστασία",    "Ζωή",       "Ειρήνη",   "Θεοδώρα",
                              "Αλέξανδρος", "Στυλιανός", "Ηλίας",        "Άννα",      "Ευτυχία",  "Ραφαήλ"};
const char *const kFathers[] = {"Γεώργιος", "Ιωάννης", "Κωνσταντίνος", "Δημήτριος", "Νικόλαος",
                                "Παναγιώτης", "Βασίλειος", "Χρήστος", "Αθανάσιος", "Ευάγγελος"};

template <size_t N>
QString pick(QRandomGenerator &random, const char *const (&from)[N]) {
    return QString::fromUtf8(from[random.bounded(int(N))]);
}

QString withoutAccents(const QString &text) {
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    return plain;
}

// As the name was typed: mostly capitals, with or without their accents,
// sometimes as written by hand.
QString asTyped(QRandomGenerator &random, const QString &name) {
    switch (random.bounded(3)) {
    case 0:
        return name.toUpper();
    case 1:
        return withoutAccents(name).toUpper();
    default:
        return name;
    }
}

// A random tax number that passes the check.
QString randomTaxNumber(QRandomGenerator &random) {
    return WithCheckDigit(QString::number(random.bounded(10000000, 100000000)));
}

// The declarations, in one transaction through the store's prepared
// statements; the store's own triggers stamp each one, and the stamps are then
// spread over the past year so that the column reads as in an office.
void fillStore() {
    Connection store;
    store.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
    PrepareChangeLog(store);
    QRandomGenerator random(19);
    const QVector<TaxOffice> &offices = TaxOffices();
    const QString person = QStringLiteral("insert into citizendata (Surname, Name, FatherName, afm) values (?,?,?,?)");
    const QString general = QStringLiteral(
        "insert into generaldata (DOYName, DOYCode, DeclType, Notes, afmypox) values (?,?,?,?,?)");
    const QString table1 = QStringLiteral(
        "insert into table1 (NOMOSDESC, NOMOSCODE, DIMOSDESC, DIMOSCODE, ODOSDESC, ODOSCD, FRONT, CATEGORY, FLOOR, "
        "MAINMM, YEAROFCONSTRUCTION, TYPEOFOWN, PERCENTAGE, TOTALMM, OWNERCODE, OWNERDESC, AFMYpox) "
        "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    const QString table2 = QStringLiteral(
        "insert into TABLE2 (NOMOSDESC, NOMOSCODE, DIMOSDESC, DIMOSCODE, ODOSDESC, ODOSCD, MONOMM, TOTALMM, "
        "TYPEOFOWN, PERCENTAGE, OWNERCODE, OWNERDESC, AFMYpox) values (?,?,?,?,?,?,?,?,?,?,?,?,?)");
    QSet<QString> used;
    Transaction all(store);
    while (used.size() < kDeclarations) {
        const QString tax = randomTaxNumber(random);
        if (used.contains(tax))
            continue;
        used.insert(tax);
        store.execute(person, QVariantList{asTyped(random, pick(random, kSurnames)),
                                           asTyped(random, pick(random, kNames)),
                                           asTyped(random, pick(random, kFathers)), tax});
        const TaxOffice &office = offices[random.bounded(int(offices.size()))];
        store.execute(general,
                      QVariantList{office.name, office.code, random.bounded(10) == 0 ? 1 : 0,
                                   random.bounded(4) == 0 ? QVariant(QStringLiteral("ΚΛΗΡΟΝΟΜΙΑ\nΑΠΟ ΤΟΝ ΠΑΤΕΡΑ"))
                                                          : QVariant(),
                                   tax});
        for (int i = 0, n = 1 + random.bounded(4); i < n; ++i) {
            const QString number = QString::number(1 + random.bounded(120));
            store.execute(table1, QVariantList{"ΑΤΤΙΚΗΣ", "01", "ΑΘΗΝΑΙΩΝ", "101", "ΠΑΝΕΠΙΣΤΗΜΙΟΥ, ΕΛ. ΒΕΝΙΖΕΛΟΥ",
                                               number, "X", "1", QString::number(random.bounded(6)),
                                               QStringLiteral("%1,5").arg(40 + random.bounded(120)),
                                               QString::number(1960 + random.bounded(60)), "1", "100", "0", "1",
                                               "ΣΤΟΝ ΥΠΟΧΡΕΟ", tax});
        }
        for (int i = 0, n = random.bounded(3); i < n; ++i)
            store.execute(table2, QVariantList{"ΑΧΑΪΑΣ", "13", "ΠΑΤΡΕΩΝ", "1301", "ΘΕΣΗ ΜΠΑΛΑ",
                                               QString::number(1 + random.bounded(50)),
                                               QString::number(1000 + random.bounded(9000)), "0", "1", "50", "1",
                                               "ΣΤΟΝ ΥΠΟΧΡΕΟ", tax});
    }
    store.execute(QStringLiteral("update declaration_changes set changed = "
                                 "datetime(changed, '-' || (abs(random()) % 31536000) || ' seconds')"));
    all.commit();
}

// Notes, from the command, when the list window is shown, first painted and
// painted whole (the event loop back from that paint), then runs what follows
// inside the window's own event loop.
class WindowWatch : public QObject {
public:
    QElapsedTimer clock;
    double shown = -1, firstPaint = -1, painted = -1;
    DeclarationsWindow *window = nullptr;
    QWidget *tableViewport = nullptr;
    int tablePaints = 0;
    std::function<void()> whenPainted;

    void arm() {
        shown = firstPaint = painted = -1;
        window = nullptr;
        clock.start();
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && !window) {
            if (auto *w = qobject_cast<DeclarationsWindow *>(watched)) {
                window = w;
                tableViewport = w->findChild<QTableView *>(QStringLiteral("DeclarationsTable"))->viewport();
                shown = ms();
            }
        } else if (event->type() == QEvent::Paint) {
            if (watched == tableViewport)
                ++tablePaints;
            if (watched == window && firstPaint < 0) {
                firstPaint = ms();
                QTimer::singleShot(0, this, [this] {
                    painted = ms();
                    whenPainted();
                });
            }
        }
        return false;
    }

private:
    double ms() const { return clock.nsecsElapsed() / 1e6; }
};

void sendKey(QWidget *to, int key, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
}

struct Keystroke {
    QString label;
    int key;
    QString text;
};

}  // namespace

int main(int argc, char **argv) {
    DefaultToOffscreen();
    Application app(argc, argv);
    const int repetitions = Repetitions(argc, argv);
    QTemporaryDir dir;
    if (!QFile::copy(QStringLiteral(D7_PRISTINE_DB), dir.filePath(kDatabaseFileName)))
        qFatal("no pristine database");
    QDir::setCurrent(dir.path());
    QElapsedTimer filling;
    filling.start();
    fillStore();
    std::printf("%d declarations stored in %.1f s\n", kDeclarations, filling.nsecsElapsed() / 1e9);

    WelcomeAnswerer answer;
    MainWindow form;
    answer.stop();
    form.setStartHintPending(false);
    form.show();
    QApplication::processEvents();

    QVector<DeclarationSummary> list;
    const Timing reading = measure(repetitions, [&] { list = ListDeclarations(form.declaration().store()); });

    // The accountant is at work on a declaration: the command stores it first.
    form.openDeclaration(list.value(kDeclarations / 2).taxNumber);
    if (!form.declarationOpen())
        qFatal("no declaration open");

    const QVector<Keystroke> typing = {
        {QStringLiteral("π"), 0x3a0, QStringLiteral("π")},       {QStringLiteral("α"), 0x391, QStringLiteral("α")},
        {QStringLiteral("π"), 0x3a0, QStringLiteral("π")},       {QStringLiteral("α"), 0x391, QStringLiteral("α")},
        {QStringLiteral("⌫"), Qt::Key_Backspace, QString()},    {QStringLiteral("⌫"), Qt::Key_Backspace, QString()},
        {QStringLiteral("⌫"), Qt::Key_Backspace, QString()},    {QStringLiteral("⌫"), Qt::Key_Backspace, QString()}};
    QVector<QVector<double>> keystrokes(typing.size()), grabbed(typing.size());
    QVector<int> shownRows(typing.size());
    QVector<double> shown, firstPaint, painted;
    int unpainted = 0, notClosed = 0, allRows = 0;

    WindowWatch watch;
    QAction *command = form.findChild<QAction *>(QStringLiteral("DeclarationsAction"));
    watch.whenPainted = [&] {
        DeclarationsWindow *window = watch.window;
        auto *filter = window->findChild<QLineEdit *>(QStringLiteral("DeclarationsFilter"));
        allRows = window->shownCount();
        for (int k = 0; k < typing.size(); ++k) {
            const int paintsBefore = watch.tablePaints;
            QElapsedTimer t;
            t.start();
            sendKey(filter, typing[k].key, typing[k].text);
            // Until the table has been repainted with the new rows.
            for (int pass = 0; pass < 20 && watch.tablePaints == paintsBefore; ++pass)
                QApplication::processEvents();
            keystrokes[k] << t.nsecsElapsed() / 1e6;
            unpainted += watch.tablePaints == paintsBefore;
            (void)window->grab();
            grabbed[k] << t.nsecsElapsed() / 1e6;
            shownRows[k] = window->shownCount();
        }
        sendKey(filter, Qt::Key_Escape, QString());
        if (window->isVisible()) {
            ++notClosed;
            window->reject();
        }
    };
    app.installEventFilter(&watch);
    for (int i = 0; i < repetitions; ++i) {
        // A window that stays open (a message in its way) would wait for ever.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            QWidget *modal = QApplication::activeModalWidget();
            qFatal("stuck in %s", modal ? modal->metaObject()->className() : "no window");
        });
        watchdog.start(60000);
        watch.arm();
        command->trigger();
        if (watch.painted < 0)
            qFatal("the list window was not painted");
        shown << watch.shown;
        firstPaint << watch.firstPaint;
        painted << watch.painted;
    }
    app.removeEventFilter(&watch);

    QVector<double> everyKeystroke, everyGrab;
    for (int k = 0; k < typing.size(); ++k) {
        everyKeystroke << keystrokes[k];
        everyGrab << grabbed[k];
    }
    std::printf("%d declarations, %d runs (medians in ms)\n", kDeclarations, repetitions);
    std::printf("  ListDeclarations            %7.1f   best %7.1f   (%d rows)\n", reading.median, reading.best,
                int(list.size()));
    std::printf("  window, command -> shown    %7.1f   (constructed, list read)\n", Median(shown));
    std::printf("  window, command -> painted  %7.1f   best %7.1f   first %7.1f   (first paint %.1f)   target 150\n",
                Median(painted), *std::min_element(painted.begin(), painted.end()), painted.first(),
                Median(firstPaint));
    std::printf("  filter keystroke            %7.1f   best %7.1f   worst %7.1f   target 30\n", Median(everyKeystroke),
                *std::min_element(everyKeystroke.begin(), everyKeystroke.end()),
                *std::max_element(everyKeystroke.begin(), everyKeystroke.end()));
    std::printf("  keystroke + grab of window  %7.1f\n", Median(everyGrab));
    std::printf("  each keystroke (median; rows shown after it, of %d):\n   ", allRows);
    for (int k = 0; k < typing.size(); ++k)
        std::printf(" %s %.1f (%d)", qPrintable(typing[k].label), Median(keystrokes[k]), shownRows[k]);
    std::printf("\n");
    if (unpainted || notClosed || allRows != kDeclarations || list.size() != kDeclarations) {
        std::printf("FAULT: %d keystrokes without a repaint, %d windows not closed by Escape, %d rows listed\n",
                    unpainted, notClosed, allRows);
        return 1;
    }
    return 0;
}
