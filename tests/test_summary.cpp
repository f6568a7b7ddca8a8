// The summary page: the stored rows of both tables and their deletion.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "widgets/DataGrid.h"
#include "widgets/DataNavigator.h"
#include "app/MainWindow.h"
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
    std::unique_ptr<MainWindow> form;
    DataGrid *table1Grid, *table2Grid;

    Summary() {
        form = MakeMainWindow();
        table1Grid = form->findChild<DataGrid *>("DBGrid2");
        table2Grid = form->findChild<DataGrid *>("DBGrid3");
        Q_ASSERT(table1Grid && table2Grid);
    }
    // Rows as a wizard would append them, then the declaration opened on them.
    void addRow(const char *table, const QString &tax, const QString &prefecture) {
        Dataset append(form->m_declarationConnection.get());
        append.setCommandText(QStringLiteral("select * from %1 where cd<0").arg(QLatin1String(table)));
        append.open();
        append.insert();
        append.setFieldByName("NOMOSDESC", prefecture);
        append.setFieldByName("AFMYpox", tax);
        append.post();
    }
    QStringList stored(const char *table) const {
        Dataset rows(form->m_declarationConnection.get());
        rows.setCommandText(QStringLiteral("select NOMOSDESC, AFMYpox from %1").arg(QLatin1String(table)));
        rows.open();
        QStringList l;
        for (int r = 0; r < rows.recordCount(); ++r, rows.next())
            l << rows.text(0) + "/" + rows.text(1);
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

    void pageWithItsLists() {
        Summary s;
        auto text = [&](const char *name) {
            if (auto *label = s.form->findChild<QLabel *>(name))
                return label->text();
            return s.form->findChild<QPushButton *>(name)->text();
        };
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
        QCOMPARE(s.table1Grid->datasetModel()->dataset(), s.form->m_table1Rows);
        QCOMPARE(s.table2Grid->datasetModel()->dataset(), s.form->m_table2Rows);
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

    void deletingTheSecondOfTwoPlots() {
        Summary s;
        s.addRow("table2", kTax, "ΑΘΗΝΩΝ");
        s.addRow("table2", kOtherTax, "ΑΛΛΗ ΔΗΛΩΣΗ");
        s.addRow("table2", kTax, "ΚΥΚΛΑΔΩΝ");
        s.addRow("table1", kTax, "ΟΙΚΟΠΕΔΟ");
        OpenDeclaration(*s.form, kTax);
        QCOMPARE(s.shown(s.table2Grid), QStringList({"ΑΘΗΝΩΝ", "ΚΥΚΛΑΔΩΝ"}));
        QCOMPARE(s.shown(s.table1Grid), QStringList({"ΟΙΚΟΠΕΔΟ"}));

        // the selected row is the dataset's current row
        s.table2Grid->setCurrentIndex(s.table2Grid->model()->index(1, 3));
        QCOMPARE(s.form->m_table2Rows->recNo(), 1);
        QCOMPARE(s.remove("Button5", false), QStringList({"Είστε σίγουρος;"}));
        QCOMPARE(s.shown(s.table2Grid).size(), 2);

        QCOMPARE(s.remove("Button5", true), QStringList({"Είστε σίγουρος;"}));
        QCOMPARE(s.shown(s.table2Grid), QStringList({"ΑΘΗΝΩΝ"}));
        QCOMPARE(s.selectedRow(s.table2Grid), 0);
        QCOMPARE(s.stored("table2"), QStringList({"ΑΘΗΝΩΝ/" + kTax, "ΑΛΛΗ ΔΗΛΩΣΗ/" + kOtherTax}));
        QCOMPARE(s.stored("table1"), QStringList({"ΟΙΚΟΠΕΔΟ/" + kTax}));   // the other table is untouched
    }

    void deletingInTheMiddleAndAtTheEnd() {
        Summary s;
        for (const char *name : {"Α", "Β", "Γ", "Δ"})
            s.addRow("table1", kTax, QString::fromUtf8(name));
        OpenDeclaration(*s.form, kTax);
        s.table1Grid->setCurrentIndex(s.table1Grid->model()->index(1, 0));
        s.remove("Button4", true);
        QCOMPARE(s.shown(s.table1Grid), QStringList({"Α", "Γ", "Δ"}));
        QCOMPARE(s.selectedRow(s.table1Grid), 1);   // the row after the deleted one
        s.table1Grid->setCurrentIndex(s.table1Grid->model()->index(2, 0));
        s.remove("Button4", true);
        QCOMPARE(s.shown(s.table1Grid), QStringList({"Α", "Γ"}));
        QCOMPARE(s.selectedRow(s.table1Grid), 1);   // the new last row
        QCOMPARE(s.form->m_table1Rows->recNo(), 1);
        QCOMPARE(s.stored("table1").size(), 2);
    }

    void deletingFromAnEmptyList() {
        Summary s;
        s.addRow("table2", kTax, "ΜΟΝΟ");
        OpenDeclaration(*s.form, kTax);
        s.remove("Button5", true);
        QCOMPARE(s.table2Grid->model()->rowCount(), 0);
        QVERIFY(!s.table2Grid->horizontalHeader()->isHidden());
        // asked, then nothing and no message
        QCOMPARE(s.remove("Button5", true), QStringList({"Είστε σίγουρος;"}));
        QCOMPARE(s.remove("Button4", true), QStringList({"Είστε σίγουρος;"}));
        QVERIFY(s.stored("table2").isEmpty());
    }

    void engineErrorsAreReported() {
        Summary s;
        s.addRow("table2", kTax, "ΚΡΑΤΗΜΕΝΟ");
        OpenDeclaration(*s.form, kTax);
        s.form->m_declarationConnection->execute(
            "CREATE TRIGGER keep BEFORE DELETE ON TABLE2 BEGIN SELECT RAISE(ABORT, 'rows are kept'); END");
        QCOMPARE(s.remove("Button5", true), QStringList({"Είστε σίγουρος;", "rows are kept"}));
        QCOMPARE(s.shown(s.table2Grid), QStringList({"ΚΡΑΤΗΜΕΝΟ"}));
        QCOMPARE(s.stored("table2").size(), 1);
    }

    void storedRowsAreListedAtOnce() {
        Summary s;
        OpenDeclaration(*s.form, kTax);
        QCOMPARE(s.table1Grid->model()->rowCount(), 0);
        s.addRow("table1", kTax, "ΝΕΟ");
        Reopen(*s.form->m_table1Rows, DeclarationQuery("select * from table1 where AFMYpox='", kTax));
        QCOMPARE(s.shown(s.table1Grid), QStringList({"ΝΕΟ"}));
        QCOMPARE(s.selectedRow(s.table1Grid), 0);
        // another declaration replaces both lists
        OpenDeclaration(*s.form, kOtherTax);
        QCOMPARE(s.table1Grid->model()->rowCount(), 0);
    }
};

D7_TEST_MAIN(SummaryTest)
#include "test_summary.moc"
