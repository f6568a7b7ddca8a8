#include "print/PrintCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <memory>

#include "declaration/Declaration.h"
#include "files/WholeFile.h"
#include "print/PrintPages.h"
#include "print/PrintPreview.h"
#include "print/WorkProgress.h"
#include "widgets/Dialogs.h"

namespace d7 {

const QString kPrintPreparationFailedMessage =
    QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την προετοιμασία της εκτύπωσης");

namespace {

// The values of the general data page as printed.
GeneralDataValues GatherGeneralData(Declaration &declaration) {
    const GeneralData &shown = declaration.generalData();
    GeneralDataValues values;
    values.taxOfficeName = shown.taxOfficeName;
    values.taxOfficeCode = shown.taxOfficeCode;
    values.declarationType = DeclarationKindNames().value(shown.kind);
    values.taxpayer = shown.taxpayer;
    values.spouse = shown.spouse;
    values.representative = shown.representative;
    values.children = PrintedRows(declaration, DeclarationTable::Children);
    values.notes = shown.notes;
    return values;
}

// Shows the preview made, says why there is none, or nothing when the user cancelled.
void ShowPreview(PrintPreview &preview) {
    if (preview.cancelled())
        return;
    if (!preview.pageShown()) {
        ShowMessageText(kPrintPreparationFailedMessage);
        return;
    }
    preview.exec();
}

}  // namespace

QList<StoredRow> PrintedRows(Declaration &declaration, DeclarationTable table) { return declaration.rows(table).rows; }

QStringList PrintPageFolders() { return {QCoreApplication::applicationDirPath(), QDir::currentPath()}; }

QString WritePrintPage(const QString &fileName, const QByteArray &page, const QStringList &folders) {
    for (const QString &folder : folders) {
        // A page cut short never replaces a whole one.
        const QString path = QDir(folder).filePath(fileName);
        if (WriteWholeFile(path, page))
            return path;
    }
    return QString();
}

void PrintGeneralData(Declaration &declaration, QWidget *window) {
    const QString path =
        WritePrintPage(QStringLiteral("GD.htm"), GeneralDataPage(GatherGeneralData(declaration)), PrintPageFolders());
    if (path.isEmpty())
        return ShowMessageText(kPrintPreparationFailedMessage);
    GeneralDataPreview preview(path, declaration.taxNumber(), window);
    ShowPreview(preview);
}

void PrintTables(Declaration &declaration, QWidget *window) {
    std::unique_ptr<TablesPreview> preview;
    {
        // Tens of thousands of rows take a while to write: the page shares the
        // preview's progress, and Cancel while it is written leaves none.
        WorkProgress progress(kPreparingPreviewLabel, window);
        const QByteArray page = TablesPage(PrintedRows(declaration, DeclarationTable::Table1),
                                           PrintedRows(declaration, DeclarationTable::Table2),
                                           PartOf(progress.callback(), 0, kTablesPageShare));
        if (progress.cancelled())
            return;
        const QString path = WritePrintPage(QStringLiteral("Tables.htm"), page, PrintPageFolders());
        if (!path.isEmpty())
            preview = std::make_unique<TablesPreview>(path, declaration.taxNumber(), window, &progress);
    }
    if (!preview)
        return ShowMessageText(kPrintPreparationFailedMessage);
    ShowPreview(*preview);
}

}  // namespace d7
