// Opening a declaration, loading it into the general page and storing the page.
#include <QComboBox>
#include <QDate>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "widgets/Dialogs.h"
#include "app/Main.h"
#include "widgets/StringGrid.h"
#include "app/TaxNumber.h"
#include "pages/general/GeneralPage.h"
#include "pages/general/Validation.h"
#include "pages/table1/Table1Page.h"
#include "pages/wizard/WizardSupport.h"
#include "pages/table2/Table2Page.h"
#include "store/Access.h"
#include "store/Engine.h"

namespace d7 {

namespace {

bool allEmpty(const StringGrid *grid, int fromColumn, int toColumn) {
    for (int c = fromColumn; c <= toColumn; ++c)
        if (!grid->Cells(c, 1).isEmpty())
            return false;
    return true;
}

ColumnValues cells(const StringGrid *grid, int fromColumn, int toColumn, int firstPosition) {
    ColumnValues values;
    for (int c = fromColumn; c <= toColumn; ++c)
        values.append({firstPosition + c - fromColumn, grid->Cells(c, 1)});
    return values;
}

QStringList rowCells(const StringGrid *grid, int fromColumn, int toColumn) {
    QStringList l;
    for (int c = fromColumn; c <= toColumn; ++c)
        l << grid->Cells(c, 1);
    return l;
}

// Copies the non-null columns of a row into row 1 of a grid.
void loadCells(const Dataset &row, int firstPosition, StringGrid *grid, int fromColumn, int toColumn) {
    for (int c = fromColumn; c <= toColumn; ++c) {
        const int position = firstPosition + c - fromColumn;
        if (!row.isNull(position))
            grid->setCells(c, 1, row.text(position));
    }
}

}  // namespace

void TForm1::N92Click() {
    if (declarationOpen())
        StoreGeneralData();
    const QString text = InputBox(
        QStringLiteral("Δώστε ΑΦΜ Υπόχρεου"),
        QStringLiteral("Δώστε ΑΦΜ Υπόχρεου. Αν έχουν ήδη περαστεί στοιχεία για αυτόν τον ΑΦΜ, αυτά θα εμφανιστούν στην οθόνη."),
        QString());
    if (text.isEmpty() || !CheckTaxNumber(text)) {
        ShowMessageText(QStringLiteral("Μη έγκυρος ΑΦΜ. Παρακαλώ προσπαθήστε ξανά"));
        return;
    }

    const QString previousNumber = CurrentTaxNumber;
    const bool wasOpen = declarationOpen();
    const int previousPage = PageControl1->currentIndex();
    PageControl1->setEnabled(true);
    setActivePage(0);
    CurrentTaxNumber = text;
    try {
        ADODataSet3->close();
        ADODataSet3->setCommandText(DeclarationQuery(QStringLiteral("select * from citizendata where AFM='"), text));
        ADODataSet3->open();
        ADODataSet3->first();
        if (ADODataSet3->recordCount() == 0) {
            Transaction creation(*ADOConnection2);
            ADODataSet3->insert();
            ADODataSet3->setField(4, text);
            ADODataSet3->post();
            creation.commit();
        }
    } catch (const std::exception &) {
        // The declaration that was open stays open and shown, and nothing is
        // stored under the number that could not be created.
        try {
            ADODataSet3->cancel();
        } catch (const std::exception &) {
        }
        ADODataSet3->close();
        CurrentTaxNumber = previousNumber;
        PageControl1->setEnabled(wasOpen);
        setActivePage(previousPage);
        ShowMessageText(
            QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την αποθήκευση του ΑΦΜ.Παρακαλώ προσπαθήστε ξανά."));
        return;
    }
    ADODataSet3->close();
    TabSheetArray1->abandonRow();
    TabSheetArray2->abandonRow();
    ClearGeneralPage();
    LoadDeclaration();
}

void TForm1::ClearGeneralPage() {
    GeneralPage &page = *TabSheetGen;
    page.ComboBoxDOY->setCurrentIndex(0);
    page.ComboBoxDOYCodes->setCurrentIndex(0);
    page.ComboBoxType->setCurrentIndex(0);
    for (int c = 1; c <= 4; ++c)
        page.StringGridYp->setCells(c, 1, QString());
    for (int c = 1; c <= 5; ++c)
        page.StringGridYpWife->setCells(c, 1, QString());
    for (int c = 0; c <= 4; ++c)
        page.StringGridAnti->setCells(c, 1, QString());
    page.MemoNotes->clear();
}

void TForm1::LoadDeclaration() {
    GeneralPage &page = *TabSheetGen;
    const QString &tax = CurrentTaxNumber;

    // The tax office name and its code are looked up each in its own list.
    LoadOneRow(*ADODataSet3, DeclarationQuery(QStringLiteral("select * from generaldata where AFMYpox='"), tax),
               [&](const Dataset &row) {
                   if (!row.isNull(1))
                       page.ComboBoxDOY->setCurrentIndex(
                           page.ComboBoxDOY->findText(row.text(1), Qt::MatchExactly | Qt::MatchCaseSensitive));
                   if (!row.isNull(2))
                       page.ComboBoxDOYCodes->setCurrentIndex(page.ComboBoxDOYCodes->findText(
                           row.text(2), Qt::MatchExactly | Qt::MatchCaseSensitive));
                   if (!row.isNull(3))
                       page.ComboBoxType->setCurrentIndex(row.field(3).toInt());
                   if (!row.isNull(5))
                       page.MemoNotes->setPlainText(row.text(5));
               });
    LoadOneRow(*ADODataSet3, DeclarationQuery(QStringLiteral("select * from citizendata where afm='"), tax),
               [&](const Dataset &row) { loadCells(row, 1, page.StringGridYp, 1, 4); });
    LoadOneRow(*ADODataSet3, DeclarationQuery(QStringLiteral("select * from wifedata where afmypox='"), tax),
               [&](const Dataset &row) { loadCells(row, 1, page.StringGridYpWife, 1, 5); });
    Reopen(*ADODataSet4, DeclarationQuery(QStringLiteral("select * from children where AFMYpox='"), tax));
    LoadOneRow(*ADODataSet3, DeclarationQuery(QStringLiteral("select * from ekprosopos where afmypox='"), tax),
               [&](const Dataset &row) { loadCells(row, 1, page.StringGridAnti, 0, 4); });
    Reopen(*ADODataSet6, DeclarationQuery(QStringLiteral("select * from table1 where AFMYpox='"), tax));
    Reopen(*ADODataSet7, DeclarationQuery(QStringLiteral("select * from table2 where AFMYpox='"), tax));
}

void TForm1::StoreGeneralData() {
    Transaction store(*ADOConnection2);
    PostChildrenEdit();
    StoreTaxpayerRow();
    StoreSpouseRow();
    StoreGeneralRow();
    StoreRepresentativeRow();
    store.commit();
}

void TForm1::StoreTaxpayerRow() {
    StoreOneRow(*ADODataSet3,
                DeclarationQuery(QStringLiteral("select * from citizendata where afm='"), CurrentTaxNumber),
                cells(TabSheetGen->StringGridYp, 1, 4, 1));
}

namespace {
// A person of the declaration beside the person liable: stored from the grid,
// or deleted when all the grid's cells are empty.
void storePersonRow(Dataset &dataset, const StringGrid *grid, int fromColumn, int toColumn, const QString &head,
                    const QString &tax) {
    const QString sql = DeclarationQuery(head, tax);
    if (allEmpty(grid, fromColumn, toColumn)) {
        DeleteOneRow(dataset, sql);
        return;
    }
    ColumnValues values = cells(grid, fromColumn, toColumn, 1);
    values.append({6, tax});
    StoreOneRow(dataset, sql, values);
}
}  // namespace

void TForm1::StoreSpouseRow() {
    storePersonRow(*ADODataSet3, TabSheetGen->StringGridYpWife, 1, 5,
                   QStringLiteral("select * from wifedata where afmypox='"), CurrentTaxNumber);
}

void TForm1::StoreGeneralRow() {
    const GeneralPage &page = *TabSheetGen;
    StoreOneRow(*ADODataSet3,
                DeclarationQuery(QStringLiteral("select * from generaldata where afmypox='"), CurrentTaxNumber),
                {{1, page.ComboBoxDOY->currentText()},
                 {2, page.ComboBoxDOYCodes->currentText()},
                 {3, page.ComboBoxType->currentIndex()},
                 {5, page.MemoNotes->toPlainText()},
                 {6, CurrentTaxNumber}});
}

void TForm1::StoreRepresentativeRow() {
    storePersonRow(*ADODataSet3, TabSheetGen->StringGridAnti, 0, 4,
                   QStringLiteral("select * from ekprosopos where afmypox='"), CurrentTaxNumber);
}

int TForm1::ValidateDeclaration() {
    GeneralPage &page = *TabSheetGen;
    DeclarationSnapshot d;
    d.surname = page.StringGridYp->Cells(1, 1);
    d.taxNumber = page.StringGridYp->Cells(4, 1);
    d.spouse = rowCells(page.StringGridYpWife, 1, 5);
    d.representative = rowCells(page.StringGridAnti, 0, 4);
    d.currentYear = QDate::currentDate().year();
    Dataset &children = *ADODataSet4;
    if (children.isActive() && children.recordCount() > 0) {
        const int afm = children.fieldIndex(QStringLiteral("AFM"));
        const int year = children.fieldIndex(QStringLiteral("YearOfBirth"));
        for (int i = 0, n = children.recordCount(); i < n; ++i)
            d.children.append({children.value(i, afm), children.value(i, year)});
    }
    const ValidationResult result = CheckDeclaration(d);
    // The children grid is left on the row that failed, else on the first; a
    // check that stopped before the children leaves it where the user put it.
    if (result.childrenRead && children.isActive() && children.recordCount() > 0)
        children.moveTo(result.childRow >= 0 ? result.childRow : 0);
    return result.code;
}

QStringList TForm1::OwnerList() const {
    const bool spouse = !allEmpty(TabSheetGen->StringGridYpWife, 1, 5);
    const int children = ADODataSet4->isActive() ? ADODataSet4->recordCount() : 0;
    return OwnerListItems(spouse, children);
}

int TForm1::DeclarationKind() const { return TabSheetGen->ComboBoxType->currentIndex(); }

}  // namespace d7
