// The print commands: each writes its page from the open declaration and
// shows it in its preview, over the given window.
#pragma once

#include <QByteArray>
#include <QStringList>

#include "print/PrintPages.h"

class QWidget;

namespace d7 {

class Declaration;
enum class DeclarationTable;

extern const QString kPrintPreparationFailedMessage;

// "Εκτύπωση Γενικών Στοιχείων": the general data as shown, the stored children.
void PrintGeneralData(Declaration &declaration, QWidget *window);
// "Εκτύπωση Πινάκων": the stored rows of both tables.
void PrintTables(Declaration &declaration, QWidget *window);

// The stored rows of a table as the print pages read them.
QList<StoredRow> PrintedRows(Declaration &declaration, DeclarationTable table);

// Where a print page goes: the program's folder, or, when the program may not
// write there (an installed program), the current folder, which holds the
// user's database.
QStringList PrintPageFolders();

// Writes the page into the first of the folders that takes it, replacing an
// earlier page. Returns its path, empty when no folder took it.
QString WritePrintPage(const QString &fileName, const QByteArray &page, const QStringList &folders);

}  // namespace d7
