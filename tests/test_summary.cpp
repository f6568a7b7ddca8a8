// The summary page: the stored rows of both tables and their deletion.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "widgets/DataGrid.h"
#include "widgets/DataNavigator.h"
#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "pages/summary/SummaryPage.h"
#include "store/Access.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kTax = QStringLiteral("090000045");
const QString kOtherTax = QStringLiteral("111111111");

struct Summary {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();
    DataGrid *table1Grid = Control<DataGrid>(form.get(), "DBGrid2"), *table2Grid = Control<DataGrid>(form.get(), "DBGrid3");

    // Rows as a wizard would append them, then the declaration opened on them.
    void addRow(const char *table, const QString &tax, const QString &prefecture) {
        Dataset append(&form->declaration().store());
        append.setCommandText(QStringLiteral("select * from %1 where cd<0").arg(QLatin1String(table)));
        append.open();
        append.insert();
        append.setFieldByName("NOMOSDESC", prefecture);
        append.setFieldByName("AFMYpox", tax);
        append.post();
    }
    QStringList stored(const char *table) const {
        QStringList l;
        for (const QStringList &row : StoredRows(QStringLiteral("select NOMOSDESC, AFMYpox from %1").arg(table)))
            l << row.join('/');
        return l;
    }
    QStringList shown(const DataGrid *grid) const {
        QStringList l;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            l << grid->model()->index(r, 0).data().toString();
        return l;
    }
    int selectedRow(const DataGrid *grid) const {
        const QModelIndexList rows = grid->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }
    // Presses a delete button answering its question; returns what was shown.
    QStringList remove(const char *button, bool yes) {
        ModalAnswerer robot;
        yes ? robot.yes().ok() : robot.no().ok();
        form->findChild<QPushButton *>(button)->click();
        return robot.texts;
    }
};

}  // namespace

class SummaryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void listsBothTablesReadOnlyWithTheirColumns() {
        Summary s;
        auto text = [&](const char *name) { return Control(s.form.get(), name)->property("text").toString(); };
        QCOMPARE(text("Label9"), QStringLiteral("ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ ΚΑΙ ΚΤΙΣΜΑΤΩΝ"));
        QCOMPARE(text("Button4"), QStringLiteral("Διαγραφή ακινήτου"));
        QCOMPARE(text("Label10"), QStringLiteral("ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ"));
        QCOMPARE(text("Button5"), QStringLiteral("Διαγραφή αγροτεμαχίου"));
        QCOMPARE(text("Label103"), QStringLiteral("Αν θέλετε να κάνετε αλλαγές σε κάποιο ακίνητο, θα πρέπει να το "
                                                  "διαγράψετε και να κάνετε εισαγωγή νέου ακινήτου ή αγροτεμαχίου"));

        auto columns = [](const DataGrid *grid) {
            QStringList l;
            const auto *model = grid->datasetModel();
            for (int c = 0; c < model->columnCount(); ++c)
                l << model->columns()[c].field + "=" + model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            return l;
        };
        QCOMPARE(columns(s.table1Grid),
                 QStringList({"NOMOSDESC=ΝΟΜΟΣ", "DIMOSDESC=ΔΗΜΟΣ/ΔΙΑΜ. ή ΚΟΙΝΟΤΗΤΑ", "ODOSDESC=ΟΔΟΣ",
                              "ODOSCD=ΑΡΙΘΜΟΣ", "FRONT=Π", "ODOSDESC2=ΟΔΟΣ", "FRONT2=Π", "ODOSDESC3=ΟΔΟΣ", "FRONT3=Π",
                              "ODOSDESC4=ΟΔΟΣ", "FRONT4=Π", "OT=ΑΡ. ΟΙΚ. ΤΕΤΡ.", "CATEGORY=ΚΑΤΗΓΟΡΙΑ ΑΚΙΝΗΤΟΥ",
                              "SPECIAL=ΕΙΔ.ΣΥΝΘΗΚΩΝ", "FLOOR=ΟΡΟΦΟΣ", "MAINMM=ΚΥΡΙΟΙ ΧΩΡΟΙ", "HELPMM=ΒΟΗΘ.ΧΩΡΟΙ",
                              "YEAROFCONSTRUCTION=ΕΤΟΣ ΚΑΤ/ΥΗΣ", "TYPEOFOWN=ΕΙΔΟΣ ΕΜΠ. ΔΙΚ/ΤΟΣ",
                              "PERCENTAGE=ΠΟΣ. ΣΥΝ/ΣΙΑΣ", "YEAROFBIRTHEPIK=ΕΤΟΣ ΓΕΝ. ΕΠΙΚ/ΤΗ",
                              "MMOIK=ΕΠΙΦΑΝΕΙΑ ΟΙΚ/ΔΟΥ", "TYPEOFOWNOIK=ΕΙΔΟΣ ΕΜΠ. ΔΙΚ/ΤΟΣ ΟΙΚ/ΔΟΥ",
                              "PERCENTAGEOIK=ΠΟΣ. ΣΥΝ/ΣΙΑΣ ΟΙΚ/ΔΟΥ", "YEAROFBIRTHEPIKOIK=ΕΤΟΣ ΓΕΝ. ΕΠΙΚ/ΤΗ ΟΙΚ/ΔΟΥ",
                              "TOTALMM=ΣΥΝ. ΕΠΙΦΑΝ. ΚΤΙΣΜΑΤΩΝ", "OWNERCODE=ΚΩΔ.ΑΡΙΘΜΟΣ ΙΔΙΟΚΤΗΤΗ",
                              "CHANGE=ΚΩΔ. ΜΕΤΑΒΟΛΗΣ"}));
        QCOMPARE(columns(s.table2Grid),
                 QStringList({"NOMOSDESC=ΝΟΜΟΣ", "DIMOSDESC=ΔΗΜΟΣ/ΔΙΑΜ. ή ΚΟΙΝΟΤΗΤΑ", "ODOSDESC=ΟΔΟΣ ή ΘΕΣΗ",
                              "ODOSCD=ΑΡΙΘΜΟΣ", "PROSOPSI=ΠΡΟΣΟΨΗ ΣΕ ΟΔΟ", "DISTANCEFROMSEA=ΑΠΟΣΤ. ΑΠΟ ΘΑΛΑΣΣΑ",
                              "APALLOTRIOSH=ΑΠΑΛΛΟΤΡΙΩΤΕΑ ΕΚΤΑΣΗ", "WATERED=ΑΡΔΕΥΟΜΕΝΗ ΕΚΤΑΣΗ",
                              "MONOMM=ΜΟΝΟΕΤΗΣ ΚΑΛΛΙΕΡΓΕΙΑ", "POLYMMELIES=ΠΟΛ/ΤΗΣ ΕΛΙΕΣ",
                              "POLYMMLOIPES=ΠΟΛ/ΤΗΣ ΛΟΙΠΕΣ", "MMBOSKO=ΒΟΣΚΟΤΟΠΟΣ", "MMDASIKI=ΔΑΣΙΚΗ ΕΚΤΑΣΗ",
                              "MMMETAL=ΜΕΤ/ΚΗ ή ΛΑΤΟΜΙΚΗ", "MMPARKING=ΥΠ.ΕΚΘΕΣΗ ή ΧΩΡ.ΣΤΑΘΜΕΥΣΗΣ",
                              "TOTALMM=ΣΥΝ. ΕΠΙΦΑΝ. ΚΤΙΣΜΑΤΩΝ", "TYPEOFOWN=ΕΙΔΟΣ ΕΜΠ. ΔΙΚ/ΤΟΣ",
                              "PERCENTAGE=ΠΟΣ. ΣΥΝ/ΣΙΑΣ", "YEAROFBIRTHEPIK=ΕΤΟΣ ΓΕΝ. ΕΠΙΚ/ΤΗ",
                              "OWNERCODE=ΚΩΔ.ΑΡΙΘΜΟΣ ΙΔΙΟΚΤΗΤΗ", "CHANGE=ΚΩΔ. ΜΕΤΑΒΟΛΗΣ"}));
        QCOMPARE(s.table1Grid->datasetModel()->dataset(), &s.form->declaration().table1Rows());
        QCOMPARE(s.table2Grid->datasetModel()->dataset(), &s.form->declaration().table2Rows());
        for (const DataGrid *grid : {s.table1Grid, s.table2Grid}) {
            QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
            QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
            QVERIFY(!grid->horizontalHeader()->isHidden() && !grid->verticalHeader()->isHidden());
            QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
            QVERIFY(grid->showGrid());
        }
        QVERIFY(s.form->findChild<DataNavigator *>("DBNavigator2")->isHidden());
        QVERIFY(s.form->findChild<DataNavigator *>("DBNavigator3")->isHidden());
    }

    // Deleting asks first; Yes deletes the selected row (marked *) of the open
    // declaration, whose rows another declaration's row stands between, and
    // nothing else; the selection moves to the next row, or the new last row.
    void deletesTheSelectedRowOnlyAfterYes_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("Table 1, a middle row") << 1 << QStringList{"Α", "*Β", "Γ", "Δ"} << QStringList{"Α", "*Γ", "Δ"};
        QTest::newRow("Table 1, the last row") << 1 << QStringList{"Α", "Β", "*Γ"} << QStringList{"Α", "*Β"};
        QTest::newRow("Table 2, the last of two") << 2 << QStringList{"ΑΘΗΝΩΝ", "*ΚΥΚΛΑΔΩΝ"} << QStringList{"*ΑΘΗΝΩΝ"};
    }
    void deletesTheSelectedRowOnlyAfterYes() {
        QFETCH(int, table);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        auto unmark = [](QStringList &rows) {
            const int at = int(rows.indexOf(QRegularExpression("\\*.*")));   // the whole text matches
            rows[at].remove(0, 1);
            return at;
        };
        const int selected = unmark(before), selectedAfter = unmark(after);
        const char *rowsTable = table == 1 ? "table1" : "table2", *otherTable = table == 1 ? "table2" : "table1";
        Summary s;
        for (int r = 0; r < before.size(); ++r) {
            s.addRow(rowsTable, kTax, before[r]);
            if (r == 0)
                s.addRow(rowsTable, kOtherTax, "ΑΛΛΗ ΔΗΛΩΣΗ");
        }
        s.addRow(otherTable, kTax, "ΑΛΛΟΣ ΠΙΝΑΚΑΣ");
        s.form->openDeclaration(kTax);
        DataGrid *grid = table == 1 ? s.table1Grid : s.table2Grid;
        const char *button = table == 1 ? "Button4" : "Button5";
        QCOMPARE(s.shown(grid), before);

        // the selected row is the dataset's current row
        grid->setCurrentIndex(grid->model()->index(selected, 3));
        QCOMPARE(grid->dataset()->recNo(), selected);
        QCOMPARE(s.remove(button, false), QStringList({"Είστε σίγουρος;"}));
        QCOMPARE(s.shown(grid), before);

        QCOMPARE(s.remove(button, true), QStringList({"Είστε σίγουρος;"}));
        QCOMPARE(s.shown(grid), after);
        QCOMPARE(s.selectedRow(grid), selectedAfter);
        QCOMPARE(grid->dataset()->recNo(), selectedAfter);
        QStringList stored = {after[0] + "/" + kTax, "ΑΛΛΗ ΔΗΛΩΣΗ/" + kOtherTax};
        for (const QString &row : after.mid(1))
            stored << row + "/" + kTax;
        QCOMPARE(s.stored(rowsTable), stored);
        QCOMPARE(s.stored(otherTable), QStringList({"ΑΛΛΟΣ ΠΙΝΑΚΑΣ/" + kTax}));   // the other table is untouched
    }

    void deletingFromAnEmptyListAsksAndChangesNothing() {
        Summary s;
        s.addRow("table2", kTax, "ΜΟΝΟ");
        s.form->openDeclaration(kTax);
        s.remove("Button5", true);
        QCOMPARE(s.table2Grid->model()->rowCount(), 0);
        QVERIFY(!s.table2Grid->horizontalHeader()->isHidden());
        // asked, then nothing and no message
        QCOMPARE(s.remove("Button5", true), QStringList({"Είστε σίγουρος;"}));
        QCOMPARE(s.remove("Button4", true), QStringList({"Είστε σίγουρος;"}));
        QVERIFY(s.stored("table2").isEmpty());
    }

    void aDeletionTheEngineRefusesIsReportedAndTheRowStays() {
        Summary s;
        s.addRow("table2", kTax, "ΚΡΑΤΗΜΕΝΟ");
        s.form->openDeclaration(kTax);
        s.form->declaration().store().execute(
            "CREATE TRIGGER keep BEFORE DELETE ON TABLE2 BEGIN SELECT RAISE(ABORT, 'rows are kept'); END");
        QCOMPARE(s.remove("Button5", true), QStringList({"Είστε σίγουρος;", "rows are kept"}));
        QCOMPARE(s.shown(s.table2Grid), QStringList({"ΚΡΑΤΗΜΕΝΟ"}));
        QCOMPARE(s.stored("table2").size(), 1);
    }

    void storedRowsAreListedAtOnceAndAnotherDeclarationReplacesThem() {
        Summary s;
        s.form->openDeclaration(kTax);
        QCOMPARE(s.table1Grid->model()->rowCount(), 0);
        s.addRow("table1", kTax, "ΝΕΟ");
        s.form->declaration().reloadRows(DeclarationTable::Table1);
        QCOMPARE(s.shown(s.table1Grid), QStringList({"ΝΕΟ"}));
        QCOMPARE(s.selectedRow(s.table1Grid), 0);
        // another declaration replaces both lists
        s.form->openDeclaration(kOtherTax);
        QCOMPARE(s.table1Grid->model()->rowCount(), 0);
    }
};

D7_TEST_MAIN(SummaryTest)
#include "test_summary.moc"
