// Opening a declaration, loading it into the general page and storing the page.
#include <QComboBox>
#include <QDate>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "widgets/StringGrid.h"
#include "declaration/TaxNumber.h"
#include "pages/general/GeneralPage.h"
#include "declaration/Validation.h"
#include "pages/table1/Table1Page.h"
#include "pages/wizard/WizardSupport.h"
#include "pages/table2/Table2Page.h"
#include "store/Access.h"
#include "store/Engine.h"

namespace d7 {

namespace {

bool allEmpty(const StringGrid *grid, int fromColumn, int toColumn) {
    for (int c = fromColumn; c <= toColumn; ++c)
        if (!grid->cellText(c, 1).isEmpty())
            return false;
    return true;
}

ColumnValues cells(const StringGrid *grid, int fromColumn, int toColumn, int firstPosition) {
    ColumnValues values;
    for (int c = fromColumn; c <= toColumn; ++c)
        values.append({firstPosition + c - fromColumn, grid->cellText(c, 1)});
    return values;
}

QStringList rowCells(const StringGrid *grid, int fromColumn, int toColumn) {
    QStringList l;
    for (int c = fromColumn; c <= toColumn; ++c)
        l << grid->cellText(c, 1);
    return l;
}

// Copies the non-null columns of a row into row 1 of a grid.
void loadCells(const Dataset &row, int firstPosition, StringGrid *grid, int fromColumn, int toColumn) {
    for (int c = fromColumn; c <= toColumn; ++c) {
        const int position = firstPosition + c - fromColumn;
        if (!row.isNull(position))
            grid->setCellText(c, 1, row.text(position));
    }
}

}  // namespace

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

    const QString previousNumber = m_currentTaxNumber;
    const bool wasOpen = declarationOpen();
    const int previousPage = m_pages->currentIndex();
    m_pages->setEnabled(true);
    setActivePage(0);
    m_currentTaxNumber = text;
    try {
        m_personRowData->close();
        m_personRowData->setCommandText(DeclarationQuery(QStringLiteral("select * from citizendata where AFM='"), text));
        m_personRowData->open();
        m_personRowData->first();
        if (m_personRowData->recordCount() == 0) {
            Transaction creation(*m_declarationConnection);
            m_personRowData->insert();
            m_personRowData->setField(4, text);
            m_personRowData->post();
            creation.commit();
        }
    } catch (const std::exception &) {
        // The declaration that was open stays open and shown, and nothing is
        // stored under the number that could not be created.
        try {
            m_personRowData->cancel();
        } catch (const std::exception &) {
        }
        m_personRowData->close();
        m_currentTaxNumber = previousNumber;
        m_pages->setEnabled(wasOpen);
        setActivePage(previousPage);
        ShowMessageText(
            QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την αποθήκευση του ΑΦΜ.Παρακαλώ προσπαθήστε ξανά."));
        return;
    }
    m_personRowData->close();
    m_table1Page->abandonRow();
    m_table2Page->abandonRow();
    clearGeneralPage();
    loadDeclaration();
}

void MainWindow::clearGeneralPage() {
    GeneralPage &page = *m_generalPage;
    page.m_taxOffices->setCurrentIndex(0);
    page.m_taxOfficeCodes->setCurrentIndex(0);
    page.m_declarationKind->setCurrentIndex(0);
    for (int c = 1; c <= 4; ++c)
        page.m_taxpayerGrid->setCellText(c, 1, QString());
    for (int c = 1; c <= 5; ++c)
        page.m_spouseGrid->setCellText(c, 1, QString());
    for (int c = 0; c <= 4; ++c)
        page.m_representativeGrid->setCellText(c, 1, QString());
    page.m_notes->clear();
}

void MainWindow::loadDeclaration() {
    GeneralPage &page = *m_generalPage;
    const QString &tax = m_currentTaxNumber;

    // The tax office name and its code are looked up each in its own list.
    LoadOneRow(*m_personRowData, DeclarationQuery(QStringLiteral("select * from generaldata where AFMYpox='"), tax),
               [&](const Dataset &row) {
                   if (!row.isNull(1))
                       page.m_taxOffices->setCurrentIndex(
                           page.m_taxOffices->findText(row.text(1), Qt::MatchExactly | Qt::MatchCaseSensitive));
                   if (!row.isNull(2))
                       page.m_taxOfficeCodes->setCurrentIndex(page.m_taxOfficeCodes->findText(
                           row.text(2), Qt::MatchExactly | Qt::MatchCaseSensitive));
                   if (!row.isNull(3))
                       page.m_declarationKind->setCurrentIndex(row.field(3).toInt());
                   if (!row.isNull(5))
                       page.m_notes->setPlainText(row.text(5));
               });
    LoadOneRow(*m_personRowData, DeclarationQuery(QStringLiteral("select * from citizendata where afm='"), tax),
               [&](const Dataset &row) { loadCells(row, 1, page.m_taxpayerGrid, 1, 4); });
    LoadOneRow(*m_personRowData, DeclarationQuery(QStringLiteral("select * from wifedata where afmypox='"), tax),
               [&](const Dataset &row) { loadCells(row, 1, page.m_spouseGrid, 1, 5); });
    Reopen(*m_childrenData, DeclarationQuery(QStringLiteral("select * from children where AFMYpox='"), tax));
    LoadOneRow(*m_personRowData, DeclarationQuery(QStringLiteral("select * from ekprosopos where afmypox='"), tax),
               [&](const Dataset &row) { loadCells(row, 1, page.m_representativeGrid, 0, 4); });
    Reopen(*m_table1Rows, DeclarationQuery(QStringLiteral("select * from table1 where AFMYpox='"), tax));
    Reopen(*m_table2Rows, DeclarationQuery(QStringLiteral("select * from table2 where AFMYpox='"), tax));
}

void MainWindow::storeGeneralData() {
    Transaction store(*m_declarationConnection);
    postPendingChild();
    storeTaxpayerRow();
    storeSpouseRow();
    storeGeneralRow();
    storeRepresentativeRow();
    store.commit();
}

void MainWindow::storeTaxpayerRow() {
    StoreOneRow(*m_personRowData,
                DeclarationQuery(QStringLiteral("select * from citizendata where afm='"), m_currentTaxNumber),
                cells(m_generalPage->m_taxpayerGrid, 1, 4, 1));
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

void MainWindow::storeSpouseRow() {
    storePersonRow(*m_personRowData, m_generalPage->m_spouseGrid, 1, 5,
                   QStringLiteral("select * from wifedata where afmypox='"), m_currentTaxNumber);
}

void MainWindow::storeGeneralRow() {
    const GeneralPage &page = *m_generalPage;
    StoreOneRow(*m_personRowData,
                DeclarationQuery(QStringLiteral("select * from generaldata where afmypox='"), m_currentTaxNumber),
                {{1, page.m_taxOffices->currentText()},
                 {2, page.m_taxOfficeCodes->currentText()},
                 {3, page.m_declarationKind->currentIndex()},
                 {5, page.m_notes->toPlainText()},
                 {6, m_currentTaxNumber}});
}

void MainWindow::storeRepresentativeRow() {
    storePersonRow(*m_personRowData, m_generalPage->m_representativeGrid, 0, 4,
                   QStringLiteral("select * from ekprosopos where afmypox='"), m_currentTaxNumber);
}

int MainWindow::validateDeclaration() {
    GeneralPage &page = *m_generalPage;
    DeclarationSnapshot d;
    d.surname = page.m_taxpayerGrid->cellText(1, 1);
    d.taxNumber = page.m_taxpayerGrid->cellText(4, 1);
    d.spouse = rowCells(page.m_spouseGrid, 1, 5);
    d.representative = rowCells(page.m_representativeGrid, 0, 4);
    d.currentYear = QDate::currentDate().year();
    Dataset &children = *m_childrenData;
    if (children.isActive() && children.recordCount() > 0) {
        const int taxNumberColumn = children.fieldIndex(QStringLiteral("AFM"));
        const int yearColumn = children.fieldIndex(QStringLiteral("YearOfBirth"));
        for (int i = 0, n = children.recordCount(); i < n; ++i)
            d.children.append({children.value(i, taxNumberColumn), children.value(i, yearColumn)});
    }
    const ValidationResult result = CheckDeclaration(d);
    // The children grid is left on the row that failed, else on the first; a
    // check that stopped before the children leaves it where the user put it.
    if (result.childrenRead && children.isActive() && children.recordCount() > 0)
        children.moveTo(result.childRow >= 0 ? result.childRow : 0);
    return result.code;
}

QStringList MainWindow::ownerList() const {
    const bool spouse = !allEmpty(m_generalPage->m_spouseGrid, 1, 5);
    const int children = m_childrenData->isActive() ? m_childrenData->recordCount() : 0;
    return OwnerListItems(spouse, children);
}

int MainWindow::declarationKind() const { return m_generalPage->m_declarationKind->currentIndex(); }

}  // namespace d7
