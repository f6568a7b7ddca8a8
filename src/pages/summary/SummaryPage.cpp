#include "pages/summary/SummaryPage.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "widgets/Command.h"
#include "widgets/DataNavigator.h"
#include "widgets/Dialogs.h"
#include "declaration/Declaration.h"
#include "widgets/Named.h"
#include "store/Engine.h"

namespace d7 {

namespace {

// Name columns get room for a name; the others are as wide as their titles.
QList<GridColumn> columns(std::initializer_list<std::pair<const char *, const char *>> fieldsAndTitles,
                          std::initializer_list<const char *> nameFields) {
    const QFontMetrics metrics{QFont()};
    QList<GridColumn> list;
    for (const auto &[field, title] : fieldsAndTitles) {
        GridColumn column;
        column.field = QString::fromLatin1(field);
        column.title = QString::fromUtf8(title);
        column.width = std::max(40, metrics.horizontalAdvance(column.title) + 14);
        for (const char *name : nameFields)
            if (column.field == QLatin1String(name))
                column.width = std::max(column.width, 120);
        list.append(column);
    }
    return list;
}

}  // namespace

QList<GridColumn> SummaryPage::table1Columns() {
    return columns({{"NOMOSDESC", "ΝΟΜΟΣ"},
                    {"DIMOSDESC", "ΔΗΜΟΣ/ΔΙΑΜ. ή ΚΟΙΝΟΤΗΤΑ"},
                    {"ODOSDESC", "ΟΔΟΣ"},
                    {"ODOSCD", "ΑΡΙΘΜΟΣ"},
                    {"FRONT", "Π"},
                    {"ODOSDESC2", "ΟΔΟΣ"},
                    {"FRONT2", "Π"},
                    {"ODOSDESC3", "ΟΔΟΣ"},
                    {"FRONT3", "Π"},
                    {"ODOSDESC4", "ΟΔΟΣ"},
                    {"FRONT4", "Π"},
                    {"OT", "ΑΡ. ΟΙΚ. ΤΕΤΡ."},
                    {"CATEGORY", "ΚΑΤΗΓΟΡΙΑ ΑΚΙΝΗΤΟΥ"},
                    {"SPECIAL", "ΕΙΔ.ΣΥΝΘΗΚΩΝ"},
                    {"FLOOR", "ΟΡΟΦΟΣ"},
                    {"MAINMM", "ΚΥΡΙΟΙ ΧΩΡΟΙ"},
                    {"HELPMM", "ΒΟΗΘ.ΧΩΡΟΙ"},
                    {"YEAROFCONSTRUCTION", "ΕΤΟΣ ΚΑΤ/ΥΗΣ"},
                    {"TYPEOFOWN", "ΕΙΔΟΣ ΕΜΠ. ΔΙΚ/ΤΟΣ"},
                    {"PERCENTAGE", "ΠΟΣ. ΣΥΝ/ΣΙΑΣ"},
                    {"YEAROFBIRTHEPIK", "ΕΤΟΣ ΓΕΝ. ΕΠΙΚ/ΤΗ"},
                    {"MMOIK", "ΕΠΙΦΑΝΕΙΑ ΟΙΚ/ΔΟΥ"},
                    {"TYPEOFOWNOIK", "ΕΙΔΟΣ ΕΜΠ. ΔΙΚ/ΤΟΣ ΟΙΚ/ΔΟΥ"},
                    {"PERCENTAGEOIK", "ΠΟΣ. ΣΥΝ/ΣΙΑΣ ΟΙΚ/ΔΟΥ"},
                    {"YEAROFBIRTHEPIKOIK", "ΕΤΟΣ ΓΕΝ. ΕΠΙΚ/ΤΗ ΟΙΚ/ΔΟΥ"},
                    {"TOTALMM", "ΣΥΝ. ΕΠΙΦΑΝ. ΚΤΙΣΜΑΤΩΝ"},
                    {"OWNERCODE", "ΚΩΔ.ΑΡΙΘΜΟΣ ΙΔΙΟΚΤΗΤΗ"},
                    {"CHANGE", "ΚΩΔ. ΜΕΤΑΒΟΛΗΣ"}},
                   {"NOMOSDESC", "DIMOSDESC", "ODOSDESC", "ODOSDESC2", "ODOSDESC3", "ODOSDESC4"});
}

QList<GridColumn> SummaryPage::table2Columns() {
    return columns({{"NOMOSDESC", "ΝΟΜΟΣ"},
                    {"DIMOSDESC", "ΔΗΜΟΣ/ΔΙΑΜ. ή ΚΟΙΝΟΤΗΤΑ"},
                    {"ODOSDESC", "ΟΔΟΣ ή ΘΕΣΗ"},
                    {"ODOSCD", "ΑΡΙΘΜΟΣ"},
                    {"PROSOPSI", "ΠΡΟΣΟΨΗ ΣΕ ΟΔΟ"},
                    {"DISTANCEFROMSEA", "ΑΠΟΣΤ. ΑΠΟ ΘΑΛΑΣΣΑ"},
                    {"APALLOTRIOSH", "ΑΠΑΛΛΟΤΡΙΩΤΕΑ ΕΚΤΑΣΗ"},
                    {"WATERED", "ΑΡΔΕΥΟΜΕΝΗ ΕΚΤΑΣΗ"},
                    {"MONOMM", "ΜΟΝΟΕΤΗΣ ΚΑΛΛΙΕΡΓΕΙΑ"},
                    {"POLYMMELIES", "ΠΟΛ/ΤΗΣ ΕΛΙΕΣ"},
                    {"POLYMMLOIPES", "ΠΟΛ/ΤΗΣ ΛΟΙΠΕΣ"},
                    {"MMBOSKO", "ΒΟΣΚΟΤΟΠΟΣ"},
                    {"MMDASIKI", "ΔΑΣΙΚΗ ΕΚΤΑΣΗ"},
                    {"MMMETAL", "ΜΕΤ/ΚΗ ή ΛΑΤΟΜΙΚΗ"},
                    {"MMPARKING", "ΥΠ.ΕΚΘΕΣΗ ή ΧΩΡ.ΣΤΑΘΜΕΥΣΗΣ"},
                    {"TOTALMM", "ΣΥΝ. ΕΠΙΦΑΝ. ΚΤΙΣΜΑΤΩΝ"},
                    {"TYPEOFOWN", "ΕΙΔΟΣ ΕΜΠ. ΔΙΚ/ΤΟΣ"},
                    {"PERCENTAGE", "ΠΟΣ. ΣΥΝ/ΣΙΑΣ"},
                    {"YEAROFBIRTHEPIK", "ΕΤΟΣ ΓΕΝ. ΕΠΙΚ/ΤΗ"},
                    {"OWNERCODE", "ΚΩΔ.ΑΡΙΘΜΟΣ ΙΔΙΟΚΤΗΤΗ"},
                    {"CHANGE", "ΚΩΔ. ΜΕΤΑΒΟΛΗΣ"}},
                   {"NOMOSDESC", "DIMOSDESC", "ODOSDESC"});
}

SummaryPage::SummaryPage(Declaration &declaration, QWidget *parent) : QWidget(parent), m_declaration(declaration) {
    setObjectName(QStringLiteral("TabSheetD7"));
    QFont heading = font();
    heading.setBold(true);

    // Two lists one above the other, each with its heading and delete button.
    struct Block {
        QLabel *&label;
        const char *labelName;
        QString caption;
        QPushButton *&button;
        const char *buttonName;
        QString buttonCaption;
        DataGrid *&grid;
        const char *gridName;
        Dataset *dataset;
        QList<GridColumn> columns;
        DataNavigator *&navigator;
        const char *navigatorName;
    };
    Block blocks[2] = {
        {m_table1Heading, "Label9", QStringLiteral("ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ ΚΑΙ ΚΤΙΣΜΑΤΩΝ"), m_deleteTable1RowButton, "Button4",
         QStringLiteral("Διαγραφή ακινήτου"), m_table1Grid, "DBGrid2", &m_declaration.table1Rows(), table1Columns(), m_table1Navigator,
         "DBNavigator2"},
        {m_table2Heading, "Label10", QStringLiteral("ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ"), m_deleteTable2RowButton, "Button5",
         QStringLiteral("Διαγραφή αγροτεμαχίου"), m_table2Grid, "DBGrid3", &m_declaration.table2Rows(), table2Columns(),
         m_table2Navigator, "DBNavigator3"},
    };
    int y = 6;
    for (Block &b : blocks) {
        b.label = named(new QLabel(b.caption, this), b.labelName);
        b.label->setFont(heading);
        b.label->setGeometry(8, y + 6, 600, 16);
        b.button = named(new QPushButton(b.buttonCaption, this), b.buttonName);
        b.button->setGeometry(627, y, 160, 27);
        b.grid = named(new DataGrid(b.dataset, b.columns, false, this), b.gridName);
        b.grid->setGeometry(8, y + 32, 779, 190);
        // The navigator's delete serves the button; the bar itself is never shown.
        b.navigator = named(new DataNavigator(b.dataset, this), b.navigatorName);
        b.navigator->setVisible(false);
        y += 232;
    }

    m_changeRowHint = named(new QLabel(QStringLiteral("Αν θέλετε να κάνετε αλλαγές σε κάποιο ακίνητο, θα πρέπει να το διαγράψετε και να κάνετε εισαγωγή νέου ακινήτου ή αγροτεμαχίου"),
                                       this),
                            "Label103");
    m_changeRowHint->setGeometry(8, y + 4, 779, 16);

    ConnectCommand(m_deleteTable1RowButton, &QPushButton::clicked, this, [this] { deleteTable1Row(); });
    ConnectCommand(m_deleteTable2RowButton, &QPushButton::clicked, this, [this] { deleteTable2Row(); });
}

void SummaryPage::deleteTable1Row() { deleteSelectedRow(DeclarationTable::Table1); }

void SummaryPage::deleteTable2Row() { deleteSelectedRow(DeclarationTable::Table2); }

void SummaryPage::deleteSelectedRow(DeclarationTable table) {
    if (!AskYesNo(QStringLiteral("Είστε σίγουρος;")))
        return;
    const Dataset &rows = table == DeclarationTable::Table1 ? m_declaration.table1Rows() : m_declaration.table2Rows();
    try {
        m_declaration.deleteRow(table, rows.recNo());
    } catch (const DatasetError &) {
        // Nothing to delete (an empty list): nothing changes and nothing is said.
        // Errors of the engine go on to the command's error report.
    }
}

}  // namespace d7
