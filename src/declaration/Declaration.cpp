#include "declaration/Declaration.h"

#include <QDate>

#include "declaration/OwnerList.h"
#include "store/CommandRetry.h"
#include "store/StoreDriver.h"

namespace d7 {

namespace {

struct TableOfDeclaration {
    const char *name;
    const char *key;     // the column that holds the declaration's tax number
    const char *order;   // the row key: rows in the order they were stored
};

TableOfDeclaration tableOf(DeclarationTable table) {
    switch (table) {
    case DeclarationTable::General:
        return {"generaldata", "AFMYpox", "ID"};
    case DeclarationTable::Taxpayer:
        return {"citizendata", "AFM", "ID"};
    case DeclarationTable::Spouse:
        return {"wifedata", "AFMYpox", "ID"};
    case DeclarationTable::Children:
        return {"children", "AFMYpox", "ID"};
    case DeclarationTable::Representative:
        return {"ekprosopos", "AFMYpox", "ID"};
    case DeclarationTable::Table1:
        return {"table1", "AFMYpox", "cd"};
    case DeclarationTable::Table2:
        return {"table2", "AFMYpox", "cd"};
    }
    return {};
}

// The rows of one declaration in one table, the tax number bound.
QString rowsSql(DeclarationTable table) {
    const TableOfDeclaration t = tableOf(table);
    return QStringLiteral("select * from %1 where %2=? order by %3")
        .arg(QLatin1String(t.name), QLatin1String(t.key), QLatin1String(t.order));
}

// Values by position from the first given: values[0] at firstPosition, ...
ColumnValues atPositions(const QStringList &values, int firstPosition) {
    ColumnValues out;
    for (int i = 0; i < values.size(); ++i)
        out.append({firstPosition + i, values[i]});
    return out;
}

// The non-null columns of a row from firstPosition on, as texts; null stays null.
QStringList textsOf(const Dataset &row, int firstPosition, int count) {
    QStringList texts(count);
    for (int i = 0; i < count; ++i)
        if (!row.isNull(firstPosition + i))
            texts[i] = row.text(firstPosition + i);
    return texts;
}

}  // namespace

QStringList DeclarationKindNames() {
    return {QStringLiteral("ΑΡΧΙΚΗ"), QStringLiteral("ΣΥΜΠΛΗΡΩΜΑΤΙΚΗ"), QStringLiteral("ΑΝΑΚΛΗΤΙΚΗ")};
}

Declaration::Declaration(QObject *parent) : QObject(parent) {
    setObjectName(QStringLiteral("Declaration"));
    m_personRow = dataset("ADODataSet3");
    m_children = dataset("ADODataSet4", QStringLiteral("select * from children where AFMYpox='0'"));
    m_newRow = dataset("ADODataSet5");
    m_table1Rows = dataset("ADODataSet6", QStringLiteral("select * from table1 where AFMYpox='0'"));
    m_table2Rows = dataset("ADODataSet7", QStringLiteral("SELECT * FROM TABLE2 where AFMYpox='0'"));
}

Declaration::~Declaration() {
    // The datasets go before the connection they read through.
    for (Dataset *d : {m_personRow, m_children, m_newRow, m_table1Rows, m_table2Rows})
        delete d;
}

Dataset *Declaration::dataset(const char *name, const QString &sql) {
    auto *d = new Dataset(&m_store, this);
    d->setObjectName(QString::fromLatin1(name));
    d->setCommandText(sql);
    return d;
}

void Declaration::open(const QString &taxNumber) {
    // On a store that several desks share, one desk at a time: another desk's
    // lock refuses the declaration before anything is read or written.
    m_store.driver().lockDeclaration(taxNumber);
    const QString previous = m_taxNumber;
    try {
        m_personRow->close();
        m_personRow->setCommandText(rowsSql(DeclarationTable::Taxpayer), {taxNumber});
        m_personRow->open();
        m_personRow->first();
        if (m_personRow->recordCount() == 0) {
            Transaction creation(m_store);
            m_personRow->insert();
            m_personRow->setField(4, taxNumber);
            m_personRow->post();
            creation.commit();
        }
    } catch (const std::exception &) {
        // Nothing is stored under the number that could not be created.
        try {
            m_personRow->cancel();
        } catch (const std::exception &) {
        }
        m_personRow->close();
        if (taxNumber != previous)
            unlock(taxNumber);
        throw OpenFailed();
    }
    m_personRow->close();
    m_taxNumber = taxNumber;
    if (!previous.isEmpty() && previous != taxNumber)
        unlock(previous);
    readGeneralData();
}

void Declaration::unlock(const QString &taxNumber) {
    try {
        m_store.driver().unlockDeclaration(taxNumber);
    } catch (const std::exception &) {
        // A lost session has let go of its locks already.
    }
}

void Declaration::close() {
    for (Dataset *d : {m_personRow, m_children, m_newRow, m_table1Rows, m_table2Rows})
        d->close();
    if (!m_taxNumber.isEmpty() && m_store.isOpen())
        unlock(m_taxNumber);
    m_taxNumber.clear();
    m_general = GeneralData();
}

void Declaration::readGeneralData() {
    GeneralData g;
    const QVariantList key{m_taxNumber};
    LoadOneRow(*m_personRow, rowsSql(DeclarationTable::General), [&](const Dataset &row) {
        if (!row.isNull(1))
            g.taxOfficeName = row.text(1);
        if (!row.isNull(2))
            g.taxOfficeCode = row.text(2);
        if (!row.isNull(3))
            g.kind = row.field(3).toInt();
        if (!row.isNull(5))
            g.notes = row.text(5);
    }, key);
    LoadOneRow(*m_personRow, rowsSql(DeclarationTable::Taxpayer),
               [&](const Dataset &row) { g.taxpayer = textsOf(row, 1, 4); }, key);
    LoadOneRow(*m_personRow, rowsSql(DeclarationTable::Spouse),
               [&](const Dataset &row) { g.spouse = textsOf(row, 1, 5); }, key);
    Reopen(*m_children, rowsSql(DeclarationTable::Children), key);
    LoadOneRow(*m_personRow, rowsSql(DeclarationTable::Representative),
               [&](const Dataset &row) { g.representative = textsOf(row, 1, 5); }, key);
    Reopen(*m_table1Rows, rowsSql(DeclarationTable::Table1), key);
    Reopen(*m_table2Rows, rowsSql(DeclarationTable::Table2), key);
    m_general = g;
}

void Declaration::postPendingChild() {
    try {
        // Posted even when the dataset is not editing: a cell of the grid may
        // still hold typed text, which the post takes over first.
        m_children->post();
    } catch (const std::exception &) {
        // nothing was being edited, or the row could not be posted: left as it is
    }
}

void Declaration::storeGeneralData() {
    // A clash with another desk's transaction on a shared server is tried
    // again a few times before it is reported.
    RunAsOneTransaction(m_store, [this] {
        postPendingChild();
        storeTaxpayer();
        storeSpouse();
        storeGeneralRow();
        storeRepresentative();
    });
}

void Declaration::storeTaxpayer() {
    StoreOneRow(*m_personRow, rowsSql(DeclarationTable::Taxpayer), atPositions(m_general.taxpayer, 1),
                {m_taxNumber});
}

void Declaration::storePerson(DeclarationTable table, const QStringList &values) {
    const QString sql = rowsSql(table);
    if (AllEmpty(values)) {
        DeleteOneRow(*m_personRow, sql, {m_taxNumber});
        return;
    }
    ColumnValues row = atPositions(values, 1);
    row.append({int(values.size()) + 1, m_taxNumber});
    StoreOneRow(*m_personRow, sql, row, {m_taxNumber});
}

void Declaration::storeSpouse() { storePerson(DeclarationTable::Spouse, m_general.spouse); }

void Declaration::storeRepresentative() { storePerson(DeclarationTable::Representative, m_general.representative); }

void Declaration::storeGeneralRow() {
    StoreOneRow(*m_personRow, rowsSql(DeclarationTable::General),
                {{1, m_general.taxOfficeName},
                 {2, m_general.taxOfficeCode},
                 {3, m_general.kind},
                 {5, m_general.notes},
                 {6, m_taxNumber}},
                {m_taxNumber});
}

int Declaration::validate() {
    DeclarationSnapshot d;
    d.surname = m_general.taxpayer.value(0);
    d.taxNumber = m_general.taxpayer.value(3);
    d.spouse = m_general.spouse;
    d.representative = m_general.representative;
    d.currentYear = QDate::currentDate().year();
    Dataset &children = *m_children;
    if (children.isActive() && children.recordCount() > 0) {
        const int taxNumberColumn = children.fieldIndex(QStringLiteral("AFM"));
        const int yearColumn = children.fieldIndex(QStringLiteral("YearOfBirth"));
        for (int i = 0, n = children.recordCount(); i < n; ++i)
            d.children.append({children.value(i, taxNumberColumn), children.value(i, yearColumn)});
    }
    const ValidationResult result = CheckDeclaration(d);
    // The children are left on the row that failed, else on the first; a
    // check that stopped before the children leaves them where the user put them.
    if (result.childrenRead && children.isActive() && children.recordCount() > 0)
        children.moveTo(result.childRow >= 0 ? result.childRow : 0);
    return result.code;
}

QStringList Declaration::ownerList() const {
    const int children = m_children->isActive() ? m_children->recordCount() : 0;
    return OwnerListItems(!AllEmpty(m_general.spouse), children);
}

TableRows Declaration::rows(DeclarationTable table) {
    TableRows out;
    if (table != DeclarationTable::Children && table != DeclarationTable::Table1 &&
        table != DeclarationTable::Table2) {
        // A person table: its first row, read and closed again.
        m_personRow->close();
        m_personRow->setCommandText(rowsSql(table), {m_taxNumber});
        m_personRow->open();
        out.columns = m_personRow->fieldNames();
        m_personRow->first();
        if (m_personRow->recordCount() > 0) {
            QVector<QVariant> values(m_personRow->fieldCount());
            for (int i = 0; i < values.size(); ++i)
                values[i] = m_personRow->field(i);
            out.rows.append(values);
        }
        m_personRow->close();
        return out;
    }
    Dataset &kept = keptRows(table);
    if (!kept.isActive())
        return out;
    kept.first();
    out.columns = kept.fieldNames();
    const int columns = kept.fieldCount();
    out.rows.reserve(kept.recordCount());
    for (int r = 0; r < kept.recordCount(); ++r) {
        QVector<QVariant> values(columns);
        for (int c = 0; c < columns; ++c)
            values[c] = kept.value(r, c);
        out.rows.append(std::move(values));
    }
    return out;
}

void Declaration::appendRow(DeclarationTable table, const ColumnValues &values) {
    const TableOfDeclaration t = tableOf(table);
    try {
        m_newRow->close();
        m_newRow->setCommandText(QStringLiteral("select * from %1 where %2<0").arg(QLatin1String(t.name), QLatin1String(t.order)));
        m_newRow->open();
        m_newRow->first();
        RunAsOneTransaction(m_store, [&] {
            m_newRow->insert();
            for (const auto &[position, value] : values)
                m_newRow->setField(position, value);
            m_newRow->post();
        });
        m_newRow->close();
    } catch (...) {
        // Abandon the unfinished row, so the next attempt starts a clean insert.
        try {
            m_newRow->cancel();
        } catch (const std::exception &) {
        }
        m_newRow->close();
        throw;
    }
}

void Declaration::deleteRow(DeclarationTable table, int index) {
    Dataset &rows = keptRows(table);
    rows.moveTo(index);
    RunAsOneTransaction(m_store, [&] { rows.remove(); });
}

Dataset &Declaration::keptRows(DeclarationTable table) const {
    return table == DeclarationTable::Table1   ? *m_table1Rows
           : table == DeclarationTable::Table2 ? *m_table2Rows
                                               : *m_children;
}

void Declaration::reloadRows(DeclarationTable table) {
    Reopen(keptRows(table), rowsSql(table), {m_taxNumber});
}

}  // namespace d7
