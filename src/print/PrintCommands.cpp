#include "print/PrintCommands.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QSaveFile>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "widgets/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "print/PrintPages.h"
#include "print/PrintPreview.h"
#include "store/Engine.h"

namespace d7 {

const QString kPrintPreparationFailedMessage =
    QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την προετοιμασία της εκτύπωσης");

namespace {

QStringList RowCells(const StringGrid *grid, int fromColumn, int toColumn) {
    QStringList cells;
    for (int c = fromColumn; c <= toColumn; ++c)
        cells << grid->cellText(c, 1);
    return cells;
}

GeneralDataValues GatherGeneralData(MainWindow &form) {
    const GeneralPage &page = *form.m_generalPage;
    GeneralDataValues values;
    values.taxOfficeName = page.m_taxOffices->currentText();
    values.taxOfficeCode = page.m_taxOfficeCodes->currentText();
    values.declarationType = page.m_declarationKind->currentText();
    values.taxpayer = RowCells(page.m_taxpayerGrid, 1, 4);
    values.spouse = RowCells(page.m_spouseGrid, 1, 5);
    values.representative = RowCells(page.m_representativeGrid, 0, 4);
    values.children = DatasetRows(*form.m_childrenData);
    values.notes = page.m_notes->toPlainText();
    return values;
}

template <class Preview>
void ShowPrintPage(MainWindow &form, const QString &fileName, const QByteArray &page) {
    const QString path = WritePrintPage(fileName, page, PrintPageFolders());
    if (path.isEmpty()) {
        ShowMessageText(kPrintPreparationFailedMessage);
        return;
    }
    Preview preview(path, form.m_currentTaxNumber, &form);
    if (preview.cancelled())
        return;
    if (!preview.pageShown()) {
        ShowMessageText(kPrintPreparationFailedMessage);
        return;
    }
    preview.exec();
}

}  // namespace

QList<StoredRow> DatasetRows(Dataset &rows) {
    QList<StoredRow> out;
    if (!rows.isActive())
        return out;
    rows.first();
    out.reserve(rows.recordCount());
    for (int r = 0; r < rows.recordCount(); ++r) {
        StoredRow row(rows.fieldCount());
        for (int c = 0; c < row.size(); ++c)
            row[c] = rows.value(r, c);
        out << row;
    }
    return out;
}

QStringList PrintPageFolders() { return {QCoreApplication::applicationDirPath(), QDir::currentPath()}; }

QString WritePrintPage(const QString &fileName, const QByteArray &page, const QStringList &folders) {
    for (const QString &folder : folders) {
        // Written aside and renamed into place: a page cut short never
        // replaces a whole one.
        QSaveFile file(QDir(folder).filePath(fileName));
        if (file.open(QIODevice::WriteOnly) && file.write(page) == page.size() && file.commit())
            return file.fileName();
    }
    return QString();
}

void PrintGeneralData(MainWindow &form) {  // N4Click
    ShowPrintPage<GeneralDataPreview>(form, QStringLiteral("GD.htm"), GeneralDataPage(GatherGeneralData(form)));
}

void PrintTables(MainWindow &form) {  // N5Click
    ShowPrintPage<TablesPreview>(form, QStringLiteral("Tables.htm"),
                                 TablesPage(DatasetRows(*form.m_table1Rows), DatasetRows(*form.m_table2Rows)));
}

}  // namespace d7
