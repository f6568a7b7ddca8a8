// The print commands of the main window's menu: each writes its page from
// what the window holds and shows it in its preview.
#pragma once

#include <QByteArray>
#include <QStringList>

#include "print/PrintPages.h"

namespace d7 {

class Dataset;
class MainWindow;

extern const QString kPrintPreparationFailedMessage;

// "Εκτύπωση Γενικών Στοιχείων": the general page as shown, the stored children.
void PrintGeneralData(MainWindow &form);
// "Εκτύπωση Πινάκων": the stored rows of both tables.
void PrintTables(MainWindow &form);

// The rows of a kept-open dataset (none when it is closed); it is left on its
// first row. Moving there posts a pending edit first, as any move does.
QList<StoredRow> DatasetRows(Dataset &rows);

// Where a print page goes: the program's folder, or, when the program may not
// write there (an installed program), the current folder, which holds the
// user's database.
QStringList PrintPageFolders();

// Writes the page into the first of the folders that takes it, replacing an
// earlier page. Returns its path, empty when no folder took it.
QString WritePrintPage(const QString &fileName, const QByteArray &page, const QStringList &folders);

}  // namespace d7
