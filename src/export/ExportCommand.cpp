#include "export/ExportCommand.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <exception>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "widgets/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "declaration/Validation.h"
#include "store/Access.h"
#include "store/Engine.h"

namespace d7 {

const QString kExportFailedMessage = QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την προετοιμασία του αρχείου");

namespace {

// The first row of a person query, read and closed again.
UploadPersonRow readFirstRow(Dataset &dataset, const QString &head, const QString &taxNumber) {
    struct CloseOnExit {
        Dataset &dataset;
        ~CloseOnExit() { dataset.close(); }
    };
    dataset.close();
    dataset.setCommandText(DeclarationQuery(head, taxNumber));
    dataset.open();
    CloseOnExit closer{dataset};
    UploadPersonRow row;
    row.columns = dataset.fieldNames();
    dataset.first();
    if (dataset.recordCount() > 0) {
        QVector<QVariant> values(dataset.fieldCount());
        for (int i = 0; i < values.size(); ++i)
            values[i] = dataset.field(i);
        row.values = std::move(values);
    }
    return row;
}

// Every stored row of a kept-open dataset, read in place (the grids that show
// it do not follow each row), which is then left on its first row.
UploadRows readRows(Dataset &dataset) {
    UploadRows rows;
    if (!dataset.isActive())
        return rows;
    rows.columns = dataset.fieldNames();
    const int columns = dataset.fieldCount();
    const int count = dataset.recordCount();
    rows.rows.reserve(count);
    for (int r = 0; r < count; ++r) {
        QVector<QVariant> values(columns);
        for (int c = 0; c < columns; ++c)
            values[c] = dataset.value(r, c);
        rows.rows.append(std::move(values));
    }
    dataset.first();
    return rows;
}

}  // namespace

UploadDeclaration GatherUploadDeclaration(MainWindow &form) {
    const QString &tax = form.m_currentTaxNumber;
    Dataset &oneRow = *form.m_personRowData;
    UploadDeclaration d;
    d.general = readFirstRow(oneRow, QStringLiteral("select * from generaldata where AFMYpox='"), tax);
    d.taxpayer = readFirstRow(oneRow, QStringLiteral("select * from citizendata where AFM='"), tax);
    d.spouse = readFirstRow(oneRow, QStringLiteral("select * from wifedata where AFMYpox='"), tax);
    d.children = readRows(*form.m_childrenData);
    d.representative = readFirstRow(oneRow, QStringLiteral("select * from ekprosopos where AFMYpox='"), tax);
    d.table1 = readRows(*form.m_table1Rows);
    d.table2 = readRows(*form.m_table2Rows);
    return d;
}

void ExportDeclaration(MainWindow &form) {
    // A child still being typed in counts, as for the save button: the file
    // holds what was checked. The general page is then stored as a page
    // switch would, so that the edits that were checked are the ones written;
    // all of it one command on the file, with no question open meanwhile.
    Transaction store(*form.m_declarationConnection);
    form.postPendingChild();
    const int code = form.validateDeclaration();
    if (code == 0)
        form.storeGeneralData();
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
    const QString taxNumber = form.m_generalPage->m_taxpayerGrid->cellText(4, 1);
    const QString path = SaveFileName(QStringLiteral("Επιλέξτε ένα όνομα αρχείου"), QStringLiteral("*.xml"),
                                      QStringLiteral("xml"), folder + QStringLiteral("/D7-") + taxNumber);
    if (path.isEmpty())
        return;
    if (!MayReplaceFile(path))
        return;

    bool written = false;
    try {
        const QByteArray bytes = WriteUploadFile(GatherUploadDeclaration(form));
        // Written beside the target and renamed over it at the end: a failure
        // leaves no partial file and an earlier file as it was.
        QSaveFile file(path);
        written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    } catch (const std::exception &) {
        written = false;
    }
    if (!written)
        ShowMessageText(kExportFailedMessage);
}

}  // namespace d7
