// The print pages block by block, as tidy and the viewer read them, their
// previews, printing without a printer, their PDF output, and the folders
// the pages are written to.
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTreeView>
#include <fcntl.h>
#include <unistd.h>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "widgets/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "print/HtmlViewer.h"
#include "print/PrintCommands.h"
#include "print/PrintPages.h"
#include "print/PrintPath.h"
#include "store/Engine.h"
#include "support/TestSupport.h"
#include "text/CodePage.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kTax = QStringLiteral("090000045");
const QString kNbsp = QStringLiteral("&nbsp;");

QString Text(const QByteArray &page) { return DecodeText(CodePage::Windows1253, page); }

bool IsTableRow(const QString &line) {
    return line.trimmed().startsWith(QLatin1String("<tr")) && line.endsWith(QLatin1String("</tr>"));
}

// The cells of each one-line table row, joined by "|": a cell's content, then
// "{rs}", "{csN}", "{wN}" for its spans and width. A cell without the class
// "style2" does not count, so that its row no longer matches.
QStringList TableRows(const QString &page) {
    static const QRegularExpression cell(
        QStringLiteral(R"re(<td( rowspan="2")?(?: colspan="(\d)")?(?: width="(\d+)")? class="style2">(.*?)</td>)re"));
    QStringList rows;
    for (const QString &line : page.split(QStringLiteral("\r\n"))) {
        if (!IsTableRow(line))
            continue;
        QStringList cells;
        for (const auto &m : cell.globalMatch(line))
            cells << m.captured(4) + (m.hasCaptured(1) ? "{rs}" : "") +
                         (m.hasCaptured(2) ? "{cs" + m.captured(2) + "}" : "") +
                         (m.hasCaptured(3) ? "{w" + m.captured(3) + "}" : "");
        rows << cells.join(u'|');
    }
    return rows;
}

// The lines of the body that are not table rows: blocks, captions, tables.
QStringList Skeleton(const QString &page) {
    QStringList lines = page.split(QStringLiteral("\r\n"));
    lines = lines.mid(lines.indexOf(QStringLiteral("<body>")));
    lines.removeIf(IsTableRow);
    return lines;
}

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

// What pdftotext reads from each page of a PDF file.
QStringList PdfPages(const QString &pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    pages.removeLast();   // after the last page's form feed
    return pages;
}

// Answers the save dialog with a path; keeps its title and the path it proposed.
void SaveAs(ModalAnswerer &robot, QString &proposed, const QString &path) {
    robot.custom([&proposed, path](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        proposed = w->windowTitle() + u'|' + dialog->selectedFiles().value(0);
        dialog->setDirectory(QFileInfo(path).absolutePath());
        dialog->selectFile(QFileInfo(path).fileName());
        static_cast<QDialog *>(dialog)->accept();
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

// Runs as an ordinary user while it lives when the tests run as root, whom
// no folder's permissions would stop.
class OrdinaryUser {
public:
    OrdinaryUser() : m_root(geteuid() == 0) {
        if (m_root && seteuid(65534) != 0)
            qFatal("cannot drop the effective user");
    }
    ~OrdinaryUser() {
        if (m_root && seteuid(0) != 0)
            qFatal("cannot restore the effective user");
    }

private:
    bool m_root;
};

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

struct Declaration {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();

    Declaration() { OpenDeclaration(*form, kTax); }
    ~Declaration() {
        for (const char *page : {"GD.htm", "Tables.htm"})
            QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(page)));
    }
    // Rows as the wizards store them, then the declaration opened on them.
    void storeRows(const char *table, int count, int columns) {
        Dataset append(form->m_declarationConnection.get());
        append.setCommandText(QStringLiteral("select * from %1 where cd<0").arg(QLatin1String(table)));
        append.open();
        for (int r = 1; r <= count; ++r) {
            append.insert();
            for (int i = 1; i < columns - 1; ++i)
                append.setField(i, i == 5 ? QStringLiteral("ΠΑΤΗΣΙΩΝ") : QString::number(r));
            append.setField(columns - 1, kTax);
            append.post();
        }
        OpenDeclaration(*form, kTax);
    }
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void generalDataPage_data() {
        QTest::addColumn<int>("children");
        QTest::newRow("no children") << 0;
        QTest::newRow("three children") << 3;
    }
    void generalDataPage() {
        QFETCH(int, children);
        const QByteArray bytes = GeneralDataPage(SampleGeneralData(children));
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
        QVERIFY(bytes.contains("\xC1\xD6\xCC"));   // ΑΦΜ in code page 1253
        const QString page = Text(bytes);
        QVERIFY(page.startsWith("<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                "charset=windows-1253\">\r\n<title></title>\r\n"));
        QVERIFY(page.contains(QLatin1String("\"Function Disabled!\"")));
        QVERIFY(page.contains(QLatin1String(".style2 {font-size: 11}")));
        const QString table = QStringLiteral(R"(<table width="600" border="1">)");
        QCOMPARE(Skeleton(page),
                 QStringList({"<body>", kAuthorityName + "<br>", kAuthorityDepartment + "<br>",
                              "<p><strong>D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ που υπάρχουν την 1η Ιανουαρίου 2005</strong>", "</p>",
                              R"(<table width="600" border="1" cellpadding="0" cellspacing="0">)", "</table>",
                              "<br>ΣΤΟΙΧΕΙΑ ΤΟΥ ΥΠΟΧΡΕΟΥ(Με κεφαλαία)<br>", table, "</table>",
                              "<br>ΣΤΟΙΧΕΙΑ ΤΗΣ ΣΥΖΥΓΟΥ (Με κεφαλαία)<br>", table, "</table>",
                              "<br>ΣΤΟΙΧΕΙΑ ΠΡΟΣΤΑΤΕΥΟΜΕΝΩΝ ΤΕΚΝΩΝ ΠΟΥ ΕΧΟΥΝ<br>",
                              "ΟΠΟΙΟΔΗΠΟΤΕ ΕΜΠΡΑΓΜΑΤΟ ΔΙΚΑΙΩΜΑ ΣΕ ΑΚΙΝΗΤΟ<br>", table, "</table>",
                              "<br>ΣΤΟΙΧΕΙΑ ΝΟΜΙΜΟΥ ΕΚΠΡΟΣΩΠΟΥ ή ΑΝΤΙΚΛΗΤΟΥ<br>", table, "</table>",
                              "<br>ΣΗΜΕΙΩΣΕΙΣ ΦΟΡΟΛΟΓΟΥΜΕΝΟΥ<br>", R"(<font class="style2">)", "ΠΡΩΤΗ ΓΡΑΜΜΗ<br>",
                              "ΔΕΥΤΕΡΗ &#336;", "</font>",
                              R"(<p class="style2">* Όσα τετραγωνίδια έχουν αστερίσκο θα συμπληρωθούν από την υπηρεσία</p>)",
                              "</body></html>", ""}));
        QStringList expected = {
            "Προς τη Δ.Ο.Υ.:|Α' ΑΘΗΝΩΝ&nbsp;|1101&nbsp;|ΕΙΔΟΣ ΔΗΛΩΣΗΣ:|ΑΡΧΙΚΗ&nbsp;",
            "ΑΡΙΘΜΟΣ ΦΑΚΕΛΛΟΥ: *||&nbsp;|ΑΡΙΘΜΟΣ ΔΗΛΩΣΗΣ: *|&nbsp;",
            "ΚΩΔ.ΑΡ. ΙΔΙΟ- ΚΤΗΤΗ{w30}|ΕΠΩΝΥΜΟ ή ΕΠΩΝΥΜΙΑ|ΟΝΟΜΑ|ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ|ΑΦΜ",
            "1.|ΠΑΠΑΔΟΠΟΥΛΟΣ &amp; ΣΙΑ&nbsp;|ΓΙΑΝΝΗΣ&nbsp;|ΝΙΚΟΛΑΟΣ&nbsp;|090000045&nbsp;",
            "ΚΩΔ.ΑΡ. ΙΔΙΟ- ΚΤΗΤΗ{w30}|ΕΠΩΝΥΜΟ (όπως αναγράφεται στην ταυτότητα)|ΟΝΟΜΑ|ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ|"
            "ΑΡΙΘΜ. ΤΑΥΤΟΤΗΤΑΣ|ΑΦΜ{w50}",
            "2.|&nbsp;|&nbsp;|&nbsp;|&nbsp;|&nbsp;",
            "ΚΩΔ.ΑΡ. ΙΔΙΟ- ΚΤΗΤΗ{w30}|ΕΠΩΝΥΜΟ |ΟΝΟΜΑ|ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ|ΑΡΙΘΜ. ΤΑΥΤΟ- ΤΗΤΑΣ{w50}|"
            "ΕΤΟΣ ΓΕΝΝΗΣ.{w50}|ΑΦΜ{w50}"};
        for (int i = 1; i <= children; ++i)
            expected << QStringLiteral("%1.|ΠΑΠΑΔΟΠΟΥΛΟΣ&nbsp;|ΠΑΙΔΙ%2&nbsp;|ΓΙΑΝΝΗΣ&nbsp;|&nbsp;|2001&nbsp;|&nbsp;")
                            .arg(i + 2)
                            .arg(i);
        expected << "ΙΔΙΟΤΗΤΑ|ΕΠΩΝΥΜΟ |ΟΝΟΜΑ|ΑΡΙΘΜ. ΤΑΥΤΟΤΗΤΑΣ|ΑΦΜ"
                 << "ΔΙΚΗΓΟΡΟΣ&nbsp;|&lt;ΝΙΚΟΛΑΟΥ&gt;&nbsp;|ΠΕΤΡΟΣ&nbsp;|&nbsp;|111111111&nbsp;";
        QCOMPARE(TableRows(page), expected);
    }

    void tablesPage() {
        // The address and null rules: a street without number, a number
        // without street, a null change code, an empty number, a blank mark.
        const QString page = Text(TablesPage({NumberedRow(37), NumberedRow(37, {{7, {}}}),
                                              NumberedRow(37, {{5, {}}, {35, {}}})},
                                             {NumberedRow(27), NumberedRow(27, {{7, ""}, {10, " "}})}));
        const QString authority = kAuthorityName + " - " + kAuthorityDepartment;
        QVERIFY(page.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                                "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n<html>\r\n<head>\r\n<meta http-equiv="
                                "\"Content-Type\" content=\"text/html; charset=windows-1253\">\r\n<title>" +
                                authority + "</title>\r\n"));
        QVERIFY(page.contains(QLatin1String("\"Function Disabled!\"")));
        QVERIFY(page.contains(QLatin1String(".style2 {font-size: 9px}")));
        // The header group comes first in the outer table, so it repeats on every page.
        const QString table = QStringLiteral(R"(<table width="100%" border="1" cellpadding="0" cellspacing="0">)");
        QCOMPARE(Skeleton(page),
                 QStringList({"<body>", R"(<table cellpadding="0" cellspacing="0" width="100%" border="0" >)",
                              R"(<thead style="display:table-header-group">)", "</thead>", "<tbody>",
                              R"(<tr><td class="style2"><font size="1">ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ (ΕΝΤΟΣ ΣΧΕΔΙΟΥ ή ΟΙΚΙΣΜΟΥ))",
                              "ΚΑΙ ΚΤΙΣΜΑΤΩΝ (ΕΝΤΟΣ και ΕΚΤΟΣ ΣΧΕΔΙΟΥ)</font></td></tr>", R"(<tr><td class="style2">)",
                              table, "</table>", R"(<br><font size="1">ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ</font><br>)", table,
                              "</table>",
                              R"(<p class="style2">* Όσα τετραγωνίδια έχουν αστερίσκο συμπληρώνονται από την υπηρεσία</p>)",
                              "</td></tr>", "</tbody>", "</table>", "</body></html>", ""}));
        QCOMPARE(page.count(QLatin1String(R"(<tr bgcolor="#CCFFFF" align="center">)")), 4);
        QCOMPARE(page.count(QLatin1String("\r\n <tr>")), 5);   // each data row a line of its own

        const QString table1Headings =
            "ΑΡ.<BR>ΤΑΥΤ.<BR>ΑΚΙΝ.<BR>(*){rs}|Α/A{rs}{w30}|<strong>ΔΙΕΥΘΥΝΣΗ ΑΚΙΝΗΤΟΥ</strong>{cs4}|<strong>ΥΠΟΛΟΙΠΟΙ "
            "ΔΡΟΜΟΙ ΟΙΚΟΔΟΜΙΚΟΥ ΤΕΤΡΑΓΩΝΟΥ<BR>ΠΡΟΣΟΨΕΙΣ</strong>{cs6}|ΑΡ.<BR>ΟΙΚ.<BR>ΤΕΤ.{rs}{w50}|ΚΑΤ.<BR>ΑΚΙ-<BR>ΝΗ-<BR>"
            "ΤΟΥ{rs}{w50}|ΕΙΔ.<BR>ΣΥΝ.{rs}{w50}|ΟΡΟ<BR>ΦΟΣ{rs}{w50}|<strong>ΚΤΙΣΜΑ</strong>{cs6}|<strong>ΟΙΚΟΠΕΔΟ</strong>"
            "{cs4}|ΣΥΝ.<BR>ΕΠΙΦΑΝ.<BR>ΚΤΙ-<BR>ΣΜΑΤΩΝ<BR>ΣΤΟ<BR>ΟΙΚ/ΔΟ{rs}{w50}|ΚΩΔ.<BR>ΑΡ.<BR>ΙΔ.{rs}{w50}|ΚΩΔ.<BR>ΜΕΤ/<BR>"
            "ΛΗΣ{rs}{w50}";
        const QString table1Second =
            "ΝΟΜΟΣ{w50}|ΔΗΜΟΣ / ΔΙΑΜ. ή ΚΟΙΝΟΤΗΤΑ{w50}|ΟΔΟΣ -<BR>ΑΡΙΘΜΟΣ{w50}|Π.|ΟΔΟΣ{w50}|Π.|ΟΔΟΣ{w50}|Π.|ΟΔΟΣ{w50}|Π.|"
            "ΚΥΡΙΟΙ<BR>ΧΩΡΟΙ|ΒΟΗΘ/<BR>ΚΟΙ<BR>ΧΩΡΟΙ|ΕΤΟΣ<BR>ΚΑΤ/<BR>ΥΗΣ|ΕΙΔΟΣ<BR>ΕΜΠ/<BR>ΤΟΥ<BR>ΔΙΚ/<BR>ΤΟΣ|ΠΟΣ.<BR>ΣΥΝ/<BR>"
            "ΣΙΑΣ<BR>%|ΕΤΟΣ<BR>ΓΕΝ.<BR>ΕΠΙΚ/<BR>ΠΩΤΗ|ΕΠΙΦΑ-<BR>ΝΕΙΑ|ΕΙΔΟΣ<BR>ΕΜΠ/<BR>ΤΟΥ<BR>ΔΙΚ/<BR>ΤΟΣ|ΠΟΣ<BR>ΣΥΝ/<BR>"
            "ΣΙΑΣ<BR>%|ΕΤΟΣ<BR>ΓΕΝ.<BR>ΕΠΙΚ/<BR>ΠΩΤΗ";
        const QString table2Headings =
            "ΑΡ.<BR>ΤΑΥΤ.<BR>ΑΚΙΝ.<BR>(*){rs}|Α/A{rs}{w30}|<strong>ΔΙΕΥΘΥΝΣΕΙΣ ΑΚΙΝΗΤΩΝ</strong>{cs3}|ΠΡΟ-<BR>ΣΟΨΗ ΣΕ "
            "ΟΔΟ{rs}{w30}|ΑΠΟ-<BR>ΣΤΑΣΗ ΑΠΟ ΘΑΛ.{rs}{w30}|ΑΠΑΛ-<BR>ΛΟΤΡΙ-<BR>ΩΤΕΑ{rs}{w50}|ΑΡΔΕΥ-<BR>ΟΜΕΝΗ{rs}{w50}|<strong>"
            "ΕΠΙΦΑΝΕΙΑ ΣΕ ΤΕΤΡΑΓΩΝΙΚΑ ΜΕΤΡΑ</strong>{cs7}|ΣΥΝ.<BR>ΕΠΙΦΑΝ.<BR>ΚΤΙ-<BR>ΣΜΑΤΩΝ<BR>ΣΤΟ<BR>ΑΓΡ/ΧΙΟ{rs}{w50}|"
            "ΕΙΔΟΣ<BR>ΕΜΠ/<BR>ΤΟΥ<BR>ΔΙΚ/<BR>ΤΟΣ{rs}|ΠΟΣ<BR>ΣΥΝ/<BR>ΣΙΑΣ<BR>%{rs}|ΕΤΟΣ<BR>ΓΕΝ.<BR>ΕΠΙΚ/<BR>ΠΩΤΗ{rs}|ΚΩΔ.<BR>"
            "ΑΡ.<BR>ΙΔ.{rs}{w50}|ΚΩΔ.<BR>ΜΕΤ/<BR>ΛΗΣ{rs}{w50}";
        const QString table2Second =
            "ΝΟΜΟΣ{w50}|ΔΗΜΟΣ  / ΔΙΑΜ. ή ΚΟΙΝΟΤΗΤΑ{w50}|ΟΔΟΣ- ΑΡΙΘΜΟΣ ή ΘΕΣΗ{w50}|ΜΟΝΟΕΤΗΣ ΚΑΛΛΙΕΡΓΕΙΑ{w50}|ΠΟΛΥΕΤΗΣ "
            "ΕΛΙΕΣ{w50}|ΠΟΛΥΕΤΗΣ ΛΟΙΠΕΣ{w50}|ΒΟΣΚΟ<BR>ΤΟΠΟΣ{w50}|ΔΑΣΙΚΗ<BR>ΕΚΤΑΣΗ{w50}|ΜΕΤΑΛ. ή<BR>ΛΑΤΟΜ.|ΥΠ. ΕΚΘΕΣΗ<BR>ή "
            "ΧΩΡΟΣ <BR>ΣΤΑΘΜ.{w50}";
        // Each table numbers its own rows from 1.
        const QString table1Row = "&nbsp;|%1|v1&nbsp;|v3&nbsp;|v5 v7&nbsp;|v8&nbsp;|v9&nbsp;|v11&nbsp;|v12&nbsp;|v14&nbsp;|"
                                  "v15&nbsp;|v17&nbsp;|v18&nbsp;|v19&nbsp;|v20&nbsp;|v21&nbsp;|v22&nbsp;|v23&nbsp;|v24&nbsp;|"
                                  "v25&nbsp;|v26&nbsp;|v27&nbsp;|v28&nbsp;|v29&nbsp;|v30&nbsp;|v31&nbsp;|v32&nbsp;|v33&nbsp;|"
                                  "v35&nbsp;";
        const QString table2Row = "&nbsp;|%1|v1&nbsp;|v3&nbsp;|v5 v7&nbsp;|v8&nbsp;|v9&nbsp;|v10&nbsp;|v11&nbsp;|v12&nbsp;|"
                                  "v13&nbsp;|v14&nbsp;|v15&nbsp;|v16&nbsp;|v17&nbsp;|v18&nbsp;|v19&nbsp;|v20&nbsp;|v21&nbsp;|"
                                  "v22&nbsp;|v23&nbsp;|v25&nbsp;";
        QCOMPARE(TableRows(page),
                 QStringList({"<font size=\"1\">" + authority + "</font>", table1Headings, table1Second,
                              table1Row.arg(1), table1Row.arg(2).replace("v5 v7&nbsp;", "v5&nbsp;"),
                              table1Row.arg(3).replace("v5 v7&nbsp;", kNbsp).replace("v35&nbsp;", kNbsp),
                              table2Headings, table2Second, table2Row.arg(1),
                              table2Row.arg(2).replace("v5 v7&nbsp;", "v5 &nbsp;").replace("v10&nbsp;", " &nbsp;")}));
    }

    // Tidy finds no structural error; the viewer reads the pages as a browser:
    // decoded by their meta tag, the style sheet inside its comment applied,
    // a size without unit in pixels.
    void pagesAsToolsRead() {
        ScratchFolder folder{QString()};
        const struct {
            QByteArray page;
            const char *value;
            int pixels;
        } cases[] = {{GeneralDataPage(SampleGeneralData(3)), "ΠΑΙΔΙ1", 11},
                     {TablesPage({NumberedRow(37, {{5, "<Α & Β>"}, {1, "ΑΤΤΙΚΗΣ"}})}, {NumberedRow(27)}), "ΑΤΤΙΚΗΣ", 9}};
        for (const auto &c : cases) {
            QFile file(folder.file(QStringLiteral("page.htm")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(c.page) == c.page.size());
            file.close();
            QProcess tidy;
            tidy.start(QStringLiteral("tidy"), {QStringLiteral("-q"), QStringLiteral("-e"), QStringLiteral("-raw"),
                                                file.fileName()});
            QVERIFY2(tidy.waitForFinished(30000), "tidy is missing: scripts/install-deps.sh test installs it");
            const QString report = QString::fromUtf8(tidy.readAllStandardError());
            QVERIFY2(tidy.exitCode() < 2 && !report.contains(QLatin1String("Error:")), qPrintable(report));

            QTextDocument document;
            QFont font;
            font.setPixelSize(20);
            document.setDefaultFont(font);
            document.setHtml(ReadHtmlPage(c.page));
            QCOMPARE(document.find(QString::fromUtf8(c.value)).charFormat().font().pixelSize(), c.pixels);
        }
    }

    // The general data command: the page as shown, the children as stored,
    // the preview, its PDF, and printing without a printer.
    void printGeneralData() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: printing would not fail");
        Declaration d;
        GeneralPage &page = *d.form->m_generalPage;
        page.m_taxOffices->setCurrentIndex(3);
        page.m_taxpayerGrid->setCells(1, 1, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        page.m_representativeGrid->setCells(0, 1, QStringLiteral("ΚΗΔΕΜΟΝΑΣ"));
        page.m_notes->setPlainText(QStringLiteral("ΣΗΜΕΙΩΣΗ ΕΝΑ"));
        Dataset &children = *d.form->m_childrenData;
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

        // Written into the program's folder; the children dataset left on its first row.
        QFile written(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("GD.htm")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(TableRows(Text(written.readAll()))
                    .contains(QStringLiteral("4.|&nbsp;|ΝΙΚΟΣ&nbsp;|&nbsp;|&nbsp;|&nbsp;|&nbsp;")));
        QCOMPARE(children.recNo(), 0);

        const QString text = PdfPages(pdf).join(u'\f');
        for (const QString &expected : QStringList{"ΣΤΟΙΧΕΙΑ ΤΟΥ ΥΠΟΧΡΕΟΥ(Με κεφαλαία)", "ΣΤΟΙΧΕΙΑ ΠΡΟΣΤΑΤΕΥΟΜΕΝΩΝ ΤΕΚΝΩΝ",
                                        "Προς τη Δ.Ο.Υ.:", "ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΕΛΕΝΗ", "ΚΗΔΕΜΟΝΑΣ", "ΣΗΜΕΙΩΣΗ ΕΝΑ",
                                        page.m_taxOffices->currentText(), page.m_taxOfficeCodes->currentText()})
            QVERIFY2(text.contains(expected), qPrintable(expected));
    }

    // The tables command on a Table 1 long enough for several pages: the
    // header on every page of its PDF, and the preview open after printing.
    void printTables() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: printing would not fail");
        Declaration d;
        d.storeRows("table1", 150, 37);
        d.storeRows("table2", 3, 27);
        d.form->m_table1Rows->moveTo(40);
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
        QCOMPARE(d.form->m_table1Rows->recNo(), 0);

        const QStringList pages = PdfPages(pdf);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        for (const QString &page : pages)
            QVERIFY(page.contains(kAuthorityName + " - " + kAuthorityDepartment));
        QVERIFY(pages.first().contains(QStringLiteral("ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ")));
        QVERIFY(pages.join(u'\f').contains(QStringLiteral("ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ")));
        QVERIFY(pages.last().contains(QStringLiteral("* Όσα τετραγωνίδια έχουν αστερίσκο συμπληρώνονται από την υπηρεσία")));
        QCOMPARE(pages.join(u'\f').count(QStringLiteral("ΠΑΤΗΣΙΩΝ")), 150 + 3);
    }

    // An installed program may not write into its own folder: the page goes
    // to the current folder, and where neither takes it nothing is shown.
    void pageFolders_data() {
        QTest::addColumn<bool>("currentWritable");
        QTest::newRow("current folder") << true;
        QTest::newRow("neither") << false;
    }
    void pageFolders() {
        QFETCH(bool, currentWritable);
        if (geteuid() != 0)
            QSKIP("only root can run as a user who may not write the program's folder");
        Declaration d;
        QFile::setPermissions(d.folder.path(), QFileDevice::Permissions(currentWritable ? 0x7777 : 0x7755));
        ModalAnswerer robot;
        robot.custom([](QWidget *w) { w->close(); });
        {
            OrdinaryUser user;
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
    void pdfIntoUnwritableFolder() {
        ScratchFolder folder{QString()};
        const QString locked = folder.file(QStringLiteral("locked"));
        QDir().mkdir(locked);
        QFile earlier(locked + QStringLiteral("/earlier.pdf"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7755));
        QFile::setPermissions(locked, QFileDevice::Permissions(0x5555));
        ModalAnswerer robot;
        QString proposed;
        SaveAs(robot, proposed, earlier.fileName());
        robot.yes().ok();
        QString saved;
        {
            OrdinaryUser user;
            saved = SavePageAsPdf(QTextDocument(QStringLiteral("ΣΕΛΙΔΑ")), QStringLiteral("D7.pdf"), QPageLayout::Portrait);
        }
        QFile::setPermissions(locked, QFileDevice::Permissions(0x7755));
        QVERIFY(saved.isEmpty());
        QCOMPARE(robot.texts.mid(1), QStringList({"Είστε σίγουρος ότι θέλετε να αντικαταστήσετε το αρχείο earlier.pdf;",
                                                  kPrintFailedMessage}));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
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
