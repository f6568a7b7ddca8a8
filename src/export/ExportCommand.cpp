#include "export/ExportCommand.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <exception>

#include "declaration/Declaration.h"
#include "files/WholeFile.h"
#include "widgets/Dialogs.h"

namespace d7 {

const QString kExportFailedMessage = QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την προετοιμασία του αρχείου");

namespace {

UploadPersonRow firstRow(Declaration &declaration, DeclarationTable table) {
    TableRows stored = declaration.rows(table);
    UploadPersonRow row;
    row.columns = stored.columns;
    if (!stored.rows.isEmpty())
        row.values = stored.rows.first();
    return row;
}

UploadRows everyRow(Declaration &declaration, DeclarationTable table) {
    TableRows stored = declaration.rows(table);
    return {stored.columns, stored.rows};
}

}  // namespace

UploadDeclaration GatherUploadDeclaration(Declaration &declaration) {
    UploadDeclaration d;
    d.general = firstRow(declaration, DeclarationTable::General);
    d.taxpayer = firstRow(declaration, DeclarationTable::Taxpayer);
    d.spouse = firstRow(declaration, DeclarationTable::Spouse);
    d.children = everyRow(declaration, DeclarationTable::Children);
    d.representative = firstRow(declaration, DeclarationTable::Representative);
    d.table1 = everyRow(declaration, DeclarationTable::Table1);
    d.table2 = everyRow(declaration, DeclarationTable::Table2);
    return d;
}

void ExportDeclaration(Declaration &declaration) {
    // A child still being typed in counts, as for the save button: the file
    // holds what was checked. The general page is then stored as a page
    // switch would, so that the edits that were checked are the ones written;
    // all of it one command on the file, with no question open meanwhile.
    Transaction store(declaration.store());
    declaration.postPendingChild();
    const int code = declaration.validate();
    if (code == 0)
        declaration.storeGeneralData();
    store.commit();
    if (code != 0) {
        ShowMessageText(SaveMessage(code, QDate::currentDate().year()));
        return;
    }

    // The dialog starts in the program's folder; an installed program's folder
    // belongs to the system, so then in the current one, which holds the
    // user's database.
    QString folder = QCoreApplication::applicationDirPath();
    if (!QFileInfo(folder).isWritable())
        folder = QDir::currentPath();
    const QString taxNumber = declaration.generalData().taxpayer.value(3);
    const QString path = SaveFileName(QStringLiteral("Επιλέξτε ένα όνομα αρχείου"), QStringLiteral("*.xml"),
                                      QStringLiteral("xml"), folder + QStringLiteral("/D7-") + taxNumber);
    if (path.isEmpty())
        return;
    if (!MayReplaceFile(path))
        return;

    if (!WriteUploadFileOf(declaration, path))
        ShowMessageText(kExportFailedMessage);
}

bool WriteUploadFileOf(Declaration &declaration, const QString &path) {
    try {
        return WriteWholeFile(path, WriteUploadFile(GatherUploadDeclaration(declaration)));
    } catch (const std::exception &) {
        return false;
    }
}

}  // namespace d7
