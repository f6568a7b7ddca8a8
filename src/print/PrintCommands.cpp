#include "print/PrintCommands.h"

#include <QCoreApplication>
#include <QDir>

#include "declaration/Declaration.h"
#include "files/WholeFile.h"
#include "print/PrintPages.h"
#include "print/PrintPreview.h"
#include "widgets/Dialogs.h"

namespace d7 {

const QString kPrintPreparationFailedMessage =
    QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την προετοιμασία της εκτύπωσης");

namespace {

QList<StoredRow> storedRows(Declaration &declaration, DeclarationTable table) {
    const TableRows stored = declaration.rows(table);
    return QList<StoredRow>(stored.rows.begin(), stored.rows.end());
}

template <class Preview>
void ShowPrintPage(const QString &taxNumber, QWidget *window, const QString &fileName, const QByteArray &page) {
    const QString path = WritePrintPage(fileName, page, PrintPageFolders());
    if (path.isEmpty()) {
        ShowMessageText(kPrintPreparationFailedMessage);
        return;
    }
    Preview preview(path, taxNumber, window);
    if (preview.cancelled())
        return;
    if (!preview.pageShown()) {
        ShowMessageText(kPrintPreparationFailedMessage);
        return;
    }
    preview.exec();
}

}  // namespace

GeneralDataValues GatherGeneralData(Declaration &declaration) {
    const GeneralData &shown = declaration.generalData();
    GeneralDataValues values;
    values.taxOfficeName = shown.taxOfficeName;
    values.taxOfficeCode = shown.taxOfficeCode;
    values.declarationType = DeclarationKindNames().value(shown.kind);
    values.taxpayer = shown.taxpayer;
    values.spouse = shown.spouse;
    values.representative = shown.representative;
    values.children = storedRows(declaration, DeclarationTable::Children);
    values.notes = shown.notes;
    return values;
}

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
    ShowPrintPage<GeneralDataPreview>(declaration.taxNumber(), window, QStringLiteral("GD.htm"),
                                      GeneralDataPage(GatherGeneralData(declaration)));
}

void PrintTables(Declaration &declaration, QWidget *window) {
    ShowPrintPage<TablesPreview>(declaration.taxNumber(), window, QStringLiteral("Tables.htm"),
                                 TablesPage(storedRows(declaration, DeclarationTable::Table1),
                                            storedRows(declaration, DeclarationTable::Table2)));
}

}  // namespace d7
