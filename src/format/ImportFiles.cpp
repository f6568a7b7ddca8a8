#include "format/ImportFiles.h"

#include <QFileInfo>

#include "declaration/DeclarationList.h"
#include "format/UploadFileReader.h"
#include "store/CommandRetry.h"
#include "store/Engine.h"
#include "store/StoreDriver.h"

namespace d7 {

namespace {

// Writes one row: every column but the first, the row key the store assigns.
void insertRow(Connection &store, const QString &table, const QStringList &columns, const QVector<QVariant> &values) {
    QStringList names;
    QVariantList row;
    for (int i = 1; i < columns.size() && i < values.size(); ++i) {
        names << columns[i];
        row << values[i];
    }
    store.driver().insertRow(table, names, row);
}

void insertPerson(Connection &store, const QString &table, const UploadPersonRow &person) {
    if (person.values)
        insertRow(store, table, person.columns, *person.values);
}

void insertRows(Connection &store, const QString &table, const UploadRows &rows) {
    for (const QVector<QVariant> &row : rows.rows)
        insertRow(store, table, rows.columns, row);
}

QString taxNumberOf(const UploadDeclaration &d) {
    return d.taxpayer.values && !d.taxpayer.values->isEmpty() ? d.taxpayer.values->last().toString() : QString();
}

}  // namespace

void StoreImportedDeclaration(Connection &store, const UploadDeclaration &d) {
    RunAsOneTransaction(store, [&] {
        DeleteDeclaration(store, taxNumberOf(d));
        insertPerson(store, QStringLiteral("citizendata"), d.taxpayer);
        insertPerson(store, QStringLiteral("generaldata"), d.general);
        insertPerson(store, QStringLiteral("wifedata"), d.spouse);
        insertRows(store, QStringLiteral("children"), d.children);
        insertPerson(store, QStringLiteral("ekprosopos"), d.representative);
        insertRows(store, QStringLiteral("table1"), d.table1);
        insertRows(store, QStringLiteral("TABLE2"), d.table2);
    });
}

QList<ImportedFile> ImportFiles(Connection &store, const QStringList &paths, const MayReplace &mayReplace,
                                const std::function<void(const ImportedFile &)> &reported) {
    QList<ImportedFile> done;
    for (const QString &path : paths) {
        ImportedFile file{ImportedFile::Outcome::Refused, path, {}, {}};
        try {
            const UploadFileReading reading = ReadUploadFileAt(path);
            if (const auto *refusal = std::get_if<UploadFileRefusal>(&reading)) {
                file.reason = UploadFileRefusalText(*refusal);
            } else {
                const UploadDeclaration &declaration = std::get<UploadDeclaration>(reading);
                file.taxNumber = taxNumberOf(declaration);
                // A declaration another desk works on is refused, naming that desk.
                const DeclarationHold held(store, file.taxNumber);
                DeclarationSummary stored;
                const bool exists = FindDeclaration(store, file.taxNumber, &stored);
                if (exists && !mayReplace(path, stored)) {
                    file.outcome = ImportedFile::Outcome::Skipped;
                } else {
                    StoreImportedDeclaration(store, declaration);
                    file.outcome = exists ? ImportedFile::Outcome::Replaced : ImportedFile::Outcome::Imported;
                }
            }
        } catch (const std::exception &e) {
            // The store refused it (the file held by another program, say):
            // nothing of this file stays, and the next one is tried.
            file.outcome = ImportedFile::Outcome::Refused;
            file.reason = QString::fromUtf8(e.what());
        }
        done.append(file);
        if (reported)
            reported(file);
    }
    return done;
}

QString ImportedFileText(const ImportedFile &file) {
    const QString name = QFileInfo(file.path).fileName();
    switch (file.outcome) {
    case ImportedFile::Outcome::Imported:
        return QStringLiteral("%1: εισήχθη η δήλωση με ΑΦΜ %2").arg(name, file.taxNumber);
    case ImportedFile::Outcome::Replaced:
        return QStringLiteral("%1: αντικαταστάθηκε η δήλωση με ΑΦΜ %2").arg(name, file.taxNumber);
    case ImportedFile::Outcome::Skipped:
        return QStringLiteral("%1: παραλείφθηκε, η δήλωση με ΑΦΜ %2 υπάρχει ήδη").arg(name, file.taxNumber);
    case ImportedFile::Outcome::Refused:
        break;
    }
    return QStringLiteral("%1: %2").arg(name, file.reason);
}

QString ImportReport(const QList<ImportedFile> &files) {
    int counts[4] = {};
    QStringList refused;
    for (const ImportedFile &f : files) {
        ++counts[int(f.outcome)];
        if (f.outcome == ImportedFile::Outcome::Refused)
            refused << ImportedFileText(f);
    }
    QString report = QStringLiteral("Εισήχθησαν: %1\nΑντικαταστάθηκαν: %2\nΠαραλείφθηκαν: %3")
                         .arg(counts[0])
                         .arg(counts[1])
                         .arg(counts[2]);
    if (!refused.isEmpty())
        report += QStringLiteral("\nΔεν εισήχθησαν: %1\n\n").arg(refused.size()) + refused.join(QLatin1Char('\n'));
    return report;
}

}  // namespace d7
