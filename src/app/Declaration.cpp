// Opening and storing the declaration of the general page.
#include <QComboBox>
#include <QPlainTextEdit>

#include "app/Main.h"
#include "app/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "pages/table1/WizardSupport.h"
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

}  // namespace

void TForm1::StoreGeneralData() {
    GeneralPage &page = *TabSheetGen;
    const QString &tax = CurrentTaxNumber;
    PostChildrenEdit();

    StoreOneRow(*ADODataSet3, DeclarationQuery(QStringLiteral("select * from citizendata where afm='"), tax),
                cells(page.StringGridYp, 1, 4, 1));

    const QString wifeSql = DeclarationQuery(QStringLiteral("select * from wifedata where afmypox='"), tax);
    if (allEmpty(page.StringGridYpWife, 1, 5)) {
        DeleteOneRow(*ADODataSet3, wifeSql);
    } else {
        ColumnValues values = cells(page.StringGridYpWife, 1, 5, 1);
        values.append({6, tax});
        StoreOneRow(*ADODataSet3, wifeSql, values);
    }

    StoreOneRow(*ADODataSet3, DeclarationQuery(QStringLiteral("select * from generaldata where afmypox='"), tax),
                {{1, page.ComboBoxDOY->currentText()},
                 {2, page.ComboBoxDOYCodes->currentText()},
                 {3, page.ComboBoxType->currentIndex()},
                 {5, page.MemoNotes->toPlainText()},
                 {6, tax}});

    const QString antiSql = DeclarationQuery(QStringLiteral("select * from ekprosopos where afmypox='"), tax);
    if (allEmpty(page.StringGridAnti, 0, 4)) {
        DeleteOneRow(*ADODataSet3, antiSql);
    } else {
        ColumnValues values = cells(page.StringGridAnti, 0, 4, 1);
        values.append({6, tax});
        StoreOneRow(*ADODataSet3, antiSql, values);
    }
}

QStringList TForm1::OwnerList() const {
    const bool spouse = !allEmpty(TabSheetGen->StringGridYpWife, 1, 5);
    const int children = ADODataSet4->isActive() ? ADODataSet4->recordCount() : 0;
    return OwnerListItems(spouse, children);
}

int TForm1::DeclarationKind() const { return TabSheetGen->ComboBoxType->currentIndex(); }

}  // namespace d7
