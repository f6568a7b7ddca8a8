// The print pages byte for byte, as tidy and the viewer read them, their
// previews, printing without a printer, their PDF output, and the folders
// the pages are written to.
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QProcess>
#include <QPushButton>
#include <QTextCursor>
#include <QTreeView>
#include <QTextDocument>
#include <fcntl.h>
#include <unistd.h>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "widgets/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "print/HtmlViewer.h"
#include "print/PrintCommands.h"
#include "print/PrintPages.h"
#include "print/PrintPath.h"
#include "print/PrintPreview.h"
#include "print/TablesPages.h"
#include "store/Engine.h"
#include "support/TestSupport.h"
#include "text/CodePage.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kTax = QStringLiteral("090000045");

GeneralDataValues SampleGeneralData(int children) {
    GeneralDataValues v{"Α' ΑΘΗΝΩΝ", "1101", "ΑΡΧΙΚΗ", {"ΠΑΠΑΔΟΠΟΥΛΟΣ & ΣΙΑ", "ΓΙΑΝΝΗΣ", "ΝΙΚΟΛΑΟΣ", kTax},
                        {"", "", "", "", ""}, {"ΔΙΚΗΓΟΡΟΣ", "<ΝΙΚΟΛΑΟΥ>", "ΠΕΤΡΟΣ", "", "111111111"}, {},
                        QStringLiteral("ΠΡΩΤΗ ΓΡΑΜΜΗ\nΔΕΥΤΕΡΗ Ő")};
    for (int i = 1; i <= children; ++i)
        v.children << StoredRow{1, "ΠΑΠΑΔΟΠΟΥΛΟΣ", QStringLiteral("ΠΑΙΔΙ%1").arg(i), "ΓΙΑΝΝΗΣ", {}, "2001", "", kTax};
    return v;
}

// A stored row whose column at position i holds "v" and i, but where changed.
StoredRow NumberedRow(int columns, const QMap<int, QVariant> &changed = {}) {
    StoredRow row(columns);
    for (int i = 0; i < columns; ++i)
        row[i] = changed.contains(i) ? changed[i] : QVariant(QStringLiteral("v%1").arg(i));
    return row;
}

// What pdftotext reads from each page of a PDF file, in reading order or laid out as printed.
QStringList PdfPages(const QString &pdf, bool layout = false) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), QStringList{QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")}
                                             << (layout ? QStringList{QStringLiteral("-layout")} : QStringList{}));
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    pages.removeLast();   // after the last page's form feed
    return pages;
}

// The tables page of the rows as its preview prints it.
PageJob TablesJob(const QString &pagePath, const Proceed &proceed = {}) {
    auto pages = std::make_shared<std::optional<TablesPages>>();
    if (std::optional<TablesSheet> sheet = ReadTablesSheet(ReadFile(pagePath), {}))
        *pages = TablesPages::measure(std::move(*sheet), QApplication::font().family(), {});
    return [pages, proceed](QPrinter &printer) { return PrintTables(**pages, printer, proceed); };
}

// Answers the save dialog with a path; keeps its title and the path it proposed.
void SaveAs(ModalAnswerer &robot, QString &proposed, const QString &path) {
    robot.custom([&proposed, path](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        proposed = w->windowTitle() + u'|' + dialog->selectedFiles().value(0);
        TypeIntoSaveDialog(dialog, path);
    });
}

// Presses a button of the preview once its answer is given.
void Press(ModalAnswerer &robot, const char *button, std::function<void(QWidget *)> look = {}) {
    robot.custom([button, look](QWidget *preview) {
        QTimer::singleShot(0, Control<QPushButton>(preview, button), &QPushButton::click);
        if (look)
            look(preview);
    });
}

// Every text a window shows, its menus' and its file list's (headers, cells) included.
QStringList ShownTexts(const QWidget *w) {
    QStringList texts{w->windowTitle()};
    for (const QAction *a : w->findChildren<QAction *>())
        texts << a->text();
    for (const QWidget *c : w->findChildren<QWidget *>()) {
        texts << c->toolTip() << c->property("text").toString() << c->property("title").toString();
        if (auto *list = qobject_cast<const QComboBox *>(c))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
    }
    if (auto *files = w->findChild<QTreeView *>(QStringLiteral("treeView")))
        for (int c = 0; c < files->model()->columnCount(); ++c) {
            texts << files->model()->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < files->model()->rowCount(files->rootIndex()); ++r)
                texts << files->model()->index(r, c, files->rootIndex()).data().toString();
        }
    return texts;
}

// No Greek letter, and a Latin word in small letters that is no file name, pattern or unit.
bool LeftInEnglish(QString text) {
    static const QRegularExpression greek(QStringLiteral("[\\x{0370}-\\x{03FF}\\x{1F00}-\\x{1FFF}]"));
    static const QRegularExpression fileName(QStringLiteral("\\S*[./*]\\S*"));
    static const QRegularExpression word(
        QStringLiteral("\\b(?!(?:mm|in|pt|pc|byte|[KMG]iB)\\b)(?=[A-Za-z]*[a-z])[A-Za-z]{2,}\\b"));
    text.remove(u'&').remove(fileName);
    return !text.contains(greek) && text.contains(word);
}

struct PrintedDeclaration {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();

    PrintedDeclaration() { form->openDeclaration(kTax); }
    ~PrintedDeclaration() {
        for (const char *page : {"GD.htm", "Tables.htm"})
            QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(page)));
    }
    // Rows as the wizards store them, then the declaration opened on them.
    void storeRows(const char *table, int count, int columns) {
        Dataset append(&form->declaration().store());
        append.setCommandText(QStringLiteral("select * from %1 where cd<0").arg(QLatin1String(table)));
        append.open();
        for (int r = 1; r <= count; ++r) {
            append.insert();
            for (int i = 1; i < columns - 1; ++i)
                append.setField(i, i == 5 ? QStringLiteral("ΠΑΤΗΣΙΩΝ") : QString::number(r));
            append.setField(columns - 1, kTax);
            append.post();
        }
        form->openDeclaration(kTax);
    }
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    // Each page byte for byte as its fixture. Tables: a street with its
    // number, a number without street, no street and a null change code in
    // Table 1, an empty number and a blank mark in Table 2; each table numbers
    // its own rows from 1, and the header group comes first in the outer
    // table, so that it repeats on every page. Tidy finds no structural error;
    // the viewer reads the page as a browser: decoded by its meta tag, the
    // style sheet inside its comment applied, a size without unit in pixels.
    void eachPageIsWrittenAsItsFixtureAndReadAsABrowserWould_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("pixels");
        QTest::newRow("general data, no children")
            << GeneralDataPage(SampleGeneralData(0)) << "print/general-no-children.htm" << "ΠΑΠΑΔΟΠΟΥΛΟΣ" << 11;
        QTest::newRow("general data, three children")
            << GeneralDataPage(SampleGeneralData(3)) << "print/general-three-children.htm" << "ΠΑΙΔΙ1" << 11;
        QTest::newRow("tables") << TablesPage({NumberedRow(37, {{3, "<Α & Β>"}}), NumberedRow(37, {{7, {}}}),
                                               NumberedRow(37, {{5, {}}, {35, {}}})},
                                              {NumberedRow(27), NumberedRow(27, {{7, ""}, {10, " "}})})
                                << "print/tables-page.htm" << "v1" << 9;
    }
    void eachPageIsWrittenAsItsFixtureAndReadAsABrowserWould() {
        QFETCH(QByteArray, page);
        QFETCH(QString, fixture);
        QFETCH(QString, value);
        QFETCH(int, pixels);
        QCOMPARE(FixtureDifference(page, fixture, CodePage::Windows1253), QString());

        ScratchFolder folder{QString()};
        QVERIFY(WriteFile(folder.file(QStringLiteral("page.htm")), page));
        QProcess tidy;
        tidy.start(QStringLiteral("tidy"), {QStringLiteral("-q"), QStringLiteral("-e"), QStringLiteral("-raw"),
                                            folder.file(QStringLiteral("page.htm"))});
        QVERIFY2(tidy.waitForFinished(30000), "tidy is missing: scripts/install-deps.sh test installs it");
        const QString report = QString::fromUtf8(tidy.readAllStandardError());
        QVERIFY2(tidy.exitCode() < 2 && !report.contains(QLatin1String("Error:")), qPrintable(report));

        QTextDocument document;
        QFont font;
        font.setPixelSize(20);
        document.setDefaultFont(font);
        document.setHtml(ReadHtmlPage(page));
        QCOMPARE(document.find(value).charFormat().font().pixelSize(), pixels);
    }

    // The general data command: the page as shown, the children as stored,
    // the preview, its PDF, and printing without a printer.
    void theGeneralDataCommandPreviewsSavesAPdfAndReportsNoPrinter() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: printing would not fail");
        PrintedDeclaration d;
        GeneralPage &page = *d.form->generalPage();
        page.m_taxOffices->setCurrentIndex(3);
        page.m_taxpayerGrid->setCellText(1, 1, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        page.m_representativeGrid->setCellText(0, 1, QStringLiteral("ΚΗΔΕΜΟΝΑΣ"));
        page.m_notes->setPlainText(QStringLiteral("ΣΗΜΕΙΩΣΗ ΕΝΑ"));
        Dataset &children = d.form->declaration().children();
        for (const char *name : {"ΕΛΕΝΗ", "ΝΙΚΟΣ"}) {
            children.insert();
            children.setFieldByName(QStringLiteral("Name"), QString::fromUtf8(name));
            QVERIFY(children.post());
        }
        const QString pdf = d.folder.file(QStringLiteral("γενικά.pdf"));

        ModalAnswerer robot;
        QStringList window;
        QString proposed;
        Press(robot, "ButtonPdf", [&](QWidget *w) {
            const bool fixedMinimiseOnly = w->minimumSize() == w->maximumSize() &&
                                           (w->windowFlags() & Qt::WindowMinimizeButtonHint) &&
                                           !(w->windowFlags() & Qt::WindowMaximizeButtonHint);
            window << w->objectName() << w->windowTitle() << Control<QPushButton>(w, "Button1")->text()
                   << Control<QPushButton>(w, "ButtonPdf")->text() << QString::number(fixedMinimiseOnly);
        });
        SaveAs(robot, proposed, pdf);
        Press(robot, "Button1");
        robot.ok();
        d.form->findChild<QAction *>("N4")->trigger();
        QCOMPARE(robot.pending(), 0);
        QCOMPARE(robot.texts.last(), kPrintFailedMessage);
        QVERIFY(!QApplication::activeModalWidget());   // closed after printing
        QCOMPARE(window, QStringList({"PrintForm", "Εκτύπωση", "Εκτύπωση", "Αποθήκευση ως PDF", "1"}));
        QCOMPARE(proposed, "Αποθήκευση ως PDF|" + d.folder.file("D7-" + kTax + "-ΓΕΝΙΚΑ.pdf"));

        // Written into the program's folder as shown, the children as stored;
        // the children dataset left on its first row.
        QCOMPARE(FixtureDifference(ReadFile(QCoreApplication::applicationDirPath() + "/GD.htm"),
                                   "print/general-from-the-window.htm", CodePage::Windows1253),
                 QString());
        QCOMPARE(children.recNo(), 0);

        const QString text = PdfPages(pdf).join(u'\f');
        for (const QString &expected : QStringList{"ΣΤΟΙΧΕΙΑ ΤΟΥ ΥΠΟΧΡΕΟΥ(Με κεφαλαία)", "ΣΤΟΙΧΕΙΑ ΠΡΟΣΤΑΤΕΥΟΜΕΝΩΝ ΤΕΚΝΩΝ",
                                        "Προς τη Δ.Ο.Υ.:", "ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΕΛΕΝΗ", "ΚΗΔΕΜΟΝΑΣ", "ΣΗΜΕΙΩΣΗ ΕΝΑ",
                                        page.m_taxOffices->currentText(), page.m_taxOfficeCodes->currentText()})
            QVERIFY2(text.contains(expected), qPrintable(expected));
    }

    // The tables command on a Table 1 long enough for several pages: the
    // header on every page of its PDF, and the preview open after printing.
    void theTablesCommandRepeatsTheHeaderOnEveryPageOfItsPdf() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: printing would not fail");
        PrintedDeclaration d;
        d.storeRows("table1", 150, 37);
        d.storeRows("table2", 3, 27);
        d.form->declaration().table1Rows().moveTo(40);
        const QString pdf = d.folder.file(QStringLiteral("πίνακες.pdf"));

        ModalAnswerer robot;
        QStringList window;
        QString proposed;
        Press(robot, "ButtonPdf", [&](QWidget *w) {
            window << w->objectName() << w->windowTitle() << Control<QLabel>(w, "Label1")->text();
        });
        SaveAs(robot, proposed, pdf);
        Press(robot, "Button1");
        robot.ok().custom([](QWidget *w) { w->close(); });
        d.form->findChild<QAction *>("N5")->trigger();
        QCOMPARE(robot.pending(), 0);
        // Still open after printing: the last answer closed it.
        QCOMPARE(robot.texts.mid(3), QStringList({kPrintFailedMessage, "PrintTablesForm"}));
        QCOMPARE(window, QStringList({"PrintTablesForm", "Εκτύπωση Πινάκων",
                                      "Πατήστε το κουμπί \"Εκτύπωση\", επιλέξτε οριζόντιο προσανατολισμό (landscape) "
                                      "και μηδενίστε τα περιθώρια δεξιά-αριστερά"}));
        QCOMPARE(proposed, "Αποθήκευση ως PDF|" + d.folder.file("D7-" + kTax + "-ΠΙΝΑΚΕΣ.pdf"));
        QCOMPARE(d.form->declaration().table1Rows().recNo(), 0);

        const QStringList pages = PdfPages(pdf);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        for (const QString &page : pages)
            QVERIFY(page.contains(kAuthorityName + " - " + kAuthorityDepartment));
        QVERIFY(pages.first().contains(QStringLiteral("ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ")));
        QVERIFY(pages.join(u'\f').contains(QStringLiteral("ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ")));
        QVERIFY(pages.last().contains(QStringLiteral("* Όσα τετραγωνίδια έχουν αστερίσκο συμπληρώνονται από την υπηρεσία")));
        QCOMPARE(pages.join(u'\f').count(QStringLiteral("ΠΑΤΗΣΙΩΝ")), 150 + 3);
    }

    // Printed as the paper form reads: the heading rows of each table on
    // every page it spans, under the page header, and in the general data
    // each caption right over its own table, a blank line before it.
    void printedHeadingsRepeatAndCaptionsStandOverTheirTables() {
        ScratchFolder folder{QString()};
        QList<StoredRow> table1, table2;
        for (int r = 0; r < 150; ++r) {
            table1 << NumberedRow(37, {{1, "ΠΡΩΤΟΣ"}});
            table2 << NumberedRow(27, {{1, "ΔΕΥΤΕΡΟΣ"}});
        }
        QVERIFY(WriteFile(folder.file("Tables.htm"), TablesPage(table1, table2)));
        QCOMPARE(WritePdf(TablesJob(folder.file("Tables.htm")), folder.file("t.pdf"), QPageLayout::Landscape),
                 PrintOutcome::Printed);
        const QStringList pages = PdfPages(folder.file("t.pdf"), true);
        QVERIFY2(pages.size() >= 4, qPrintable(QString::number(pages.size())));
        for (const QString &page : pages) {
            QVERIFY(page.trimmed().startsWith(kAuthorityName + " - " + kAuthorityDepartment));
            QCOMPARE(page.contains("ΠΡΩΤΟΣ"), page.contains("ΟΙΚΟΠΕΔΟ") && page.contains("ΝΟΜΟΣ"));
            QCOMPARE(page.contains("ΔΕΥΤΕΡΟΣ"), page.contains("ΕΠΙΦΑΝΕΙΑ ΣΕ ΤΕΤΡΑΓΩΝΙΚΑ ΜΕΤΡΑ") && page.contains("ΝΟΜΟΣ"));
        }
        QCOMPARE(pages.join(u'\f').count("ΠΡΩΤΟΣ") + pages.join(u'\f').count("ΔΕΥΤΕΡΟΣ"), 300);

        HtmlViewer viewer;
        QVERIFY(WriteFile(folder.file("GD.htm"), GeneralDataPage(SampleGeneralData(3))));
        viewer.showFile(folder.file("GD.htm"));
        QCOMPARE(WritePdf(DocumentJob(*viewer.document()), folder.file("g.pdf"), QPageLayout::Portrait),
                 PrintOutcome::Printed);
        const QStringList lines = PdfPages(folder.file("g.pdf"), true).join(u'\n').split(u'\n');
        const QStringList captionsAndHeadings = {
            "ΣΤΟΙΧΕΙΑ ΤΟΥ ΥΠΟΧΡΕΟΥ(Με κεφαλαία)", "ΚΩΔ.ΑΡ.", "ΣΤΟΙΧΕΙΑ ΤΗΣ ΣΥΖΥΓΟΥ (Με κεφαλαία)", "ΚΩΔ.ΑΡ.",
            "ΟΠΟΙΟΔΗΠΟΤΕ ΕΜΠΡΑΓΜΑΤΟ ΔΙΚΑΙΩΜΑ ΣΕ ΑΚΙΝΗΤΟ", "ΚΩΔ.ΑΡ.", "ΣΤΟΙΧΕΙΑ ΝΟΜΙΜΟΥ ΕΚΠΡΟΣΩΠΟΥ ή ΑΝΤΙΚΛΗΤΟΥ", "ΙΔΙΟΤΗΤΑ"};
        for (int i = 0; i < captionsAndHeadings.size(); i += 2) {
            const auto caption = std::find_if(lines.begin(), lines.end(), [&](const QString &l) {
                return l.trimmed() == captionsAndHeadings[i];
            });
            QVERIFY2(caption != lines.end() && caption + 1 != lines.end(), qPrintable(captionsAndHeadings[i]));
            QVERIFY2((caption + 1)->contains(captionsAndHeadings[i + 1]), qPrintable(*(caption + 1)));
            const QString before = *(caption - (captionsAndHeadings[i].startsWith("ΟΠΟΙΟ") ? 2 : 1));
            QVERIFY2(before.trimmed().isEmpty(), qPrintable(before));
        }
    }

    // A long preview or PDF shows its progress after half a second; Cancel
    // leaves no preview and no PDF, nor a part of one.
    void cancellingALongPreviewOrPdfLeavesNothing() {
        ScratchFolder folder{QString()};
        QList<StoredRow> rows;
        for (int r = 0; r < 20000; ++r)
            rows << NumberedRow(37);
        QVERIFY(WriteFile(folder.file("Tables.htm"), TablesPage(rows, rows)));
        QVERIFY(TablesPage(rows, rows, [](double done) { return done < 0.5; }).isEmpty());
        QStringList shown;
        ModalAnswerer robot;
        robot.custom([&shown](QWidget *w) {
            shown << w->objectName() << w->windowTitle() << QString::number(w->width() >= TitleBarWidth(w->windowTitle()));
            static_cast<QProgressDialog *>(w)->cancel();
        });
        const TablesPreview preview(folder.file("Tables.htm"), kTax, nullptr);
        QCOMPARE(robot.pending(), 0);
        QVERIFY(preview.cancelled() && !preview.pageShown());
        QCOMPARE(shown, QStringList({"WorkProgress", kApplicationTitle, "1"}));

        const PageJob job = TablesJob(folder.file("Tables.htm"), [](double done) { return done < 0.5; });
        QCOMPARE(WritePdf(job, folder.file("t.pdf"), QPageLayout::Landscape), PrintOutcome::Cancelled);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList("Tables.htm"));
    }

    // An installed program may not write into its own folder: the page goes
    // to the current folder, and where neither takes it nothing is shown.
    void aPageGoesToTheCurrentFolderWhenTheProgramsFolderRefusesIt_data() {
        QTest::addColumn<bool>("currentWritable");
        QTest::newRow("current folder") << true;
        QTest::newRow("neither") << false;
    }
    void aPageGoesToTheCurrentFolderWhenTheProgramsFolderRefusesIt() {
        QFETCH(bool, currentWritable);
        if (geteuid() != 0)
            QSKIP("only root can run as a user who may not write the program's folder");
        PrintedDeclaration d;
        QFile::setPermissions(d.folder.path(), QFileDevice::Permissions(currentWritable ? 0x7777 : 0x7755));
        ModalAnswerer robot;
        robot.custom([](QWidget *w) { w->close(); });
        {
            AsOrdinaryUser user;
            if (faccessat(AT_FDCWD, QFile::encodeName(QCoreApplication::applicationDirPath()).constData(), W_OK,
                          AT_EACCESS) == 0)
                QSKIP("the program's folder is writable by everyone");
            d.form->findChild<QAction *>("N5")->trigger();
        }
        QCOMPARE(robot.texts, QStringList(currentWritable ? "PrintTablesForm" : kPrintPreparationFailedMessage));
        QCOMPARE(QFile::exists(d.folder.file(QStringLiteral("Tables.htm"))), currentWritable);
    }

    // A PDF that cannot be written is a failure, and an earlier file of that
    // name stays as it was.
    void aPdfThatCannotBeWrittenLeavesTheEarlierFile() {
        ScratchFolder folder{QString()};
        const QString locked = folder.file(QStringLiteral("locked"));
        const QString earlier = locked + QStringLiteral("/earlier.pdf");
        QVERIFY(WriteFile(earlier, "earlier"));
        QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7755));
        QFile::setPermissions(locked, QFileDevice::Permissions(0x5555));
        ModalAnswerer robot;
        QString proposed;
        SaveAs(robot, proposed, earlier);
        robot.yes().ok();
        QString saved;
        {
            AsOrdinaryUser user;
            saved = SavePageAsPdf(QTextDocument(QStringLiteral("ΣΕΛΙΔΑ")), QStringLiteral("D7.pdf"), QPageLayout::Portrait);
        }
        QFile::setPermissions(locked, QFileDevice::Permissions(0x7755));
        QVERIFY(saved.isEmpty());
        QCOMPARE(robot.texts.mid(1), QStringList({"Είστε σίγουρος ότι θέλετε να αντικαταστήσετε το αρχείο earlier.pdf;",
                                                  kPrintFailedMessage}));
        QCOMPARE(ReadFile(earlier), QByteArray("earlier"));
        QCOMPARE(QDir(locked).entryList(QDir::Files), QStringList("earlier.pdf"));
    }

    // Qt's own dialogs, the save dialog and the page setup, show no English: Qt has no Greek.
    void qtDialogsInGreek_data() {
        QTest::addColumn<bool>("pageSetup");
        QTest::addColumn<QStringList>("shown");   // a few of their texts, that they are really read
        QTest::newRow("save") << false << QStringList{"&Νέος φάκελος", "Τύπος", "Αρχείο PDF"};
        QTest::newRow("page setup") << true << QStringList{"Διαμόρφωση σελίδας", "Κατακόρυφος", "Φάκελος DL"};
    }
    void qtDialogsInGreek() {
        QFETCH(bool, pageSetup);
        QFETCH(QStringList, shown);
        ScratchFolder folder;
        QFile earlier(folder.file(QStringLiteral("earlier.pdf")));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(QByteArray(3000, 'x')) == 3000);
        QStringList texts;
        ModalAnswerer robot;
        robot.custom([&texts](QWidget *w) {
            // The file list is filled by a thread of Qt's: wait for the earlier file.
            if (auto *files = w->findChild<QTreeView *>(QStringLiteral("treeView")))
                (void)QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) > 0; });
            texts = ShownTexts(w);
            static_cast<QDialog *>(w)->reject();
        });
        if (pageSetup) {
            // As printing opens it, on PDF output: an installed printer's driver names its own papers.
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            QPageSetupDialog(&printer).exec();
        } else
            SavePageAsPdf(QTextDocument(QStringLiteral("ΣΕΛΙΔΑ")), QStringLiteral("D7.pdf"), QPageLayout::Portrait);
        QCOMPARE(robot.pending(), 0);
        QStringList english;
        for (const QString &text : texts)
            if (LeftInEnglish(text))
                english << text;
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
        for (const QString &text : shown)
            QVERIFY2(texts.contains(text), qPrintable(text));
    }
};

D7_TEST_MAIN(PrintTest)
#include "test_print.moc"
