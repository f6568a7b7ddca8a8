#include "store/ServerStore.h"

#include <QFile>
#include <QDateTime>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimeZone>
#include <libpq-fe.h>
#include <pwd.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "store/Database.h"
#include "store/Resources.h"

namespace d7 {


ServerError::ServerError(Kind kind, const QString &text, const QString &sqlState, const QString &desk)
    : EngineError(text), m_kind(kind), m_sqlState(sqlState), m_desk(desk) {}

ServerError DeclarationLockedError(const QString &taxNumber, const QString &desk) {
    return ServerError(ServerError::Kind::DeclarationLocked,
                       QStringLiteral("Η δήλωση με ΑΦΜ %1 είναι ανοιχτή %2. Όσο είναι ανοιχτή εκεί, δεν μπορεί "
                                      "να ανοιχτεί ούτε να αλλάξει εδώ.")
                           .arg(taxNumber, desk.isEmpty() ? QStringLiteral("σε άλλο γραφείο")
                                                          : QStringLiteral("στο γραφείο «%1»").arg(desk)),
                       {}, desk);
}

namespace {

// Advisory locks are numbered by two integers: the first keeps this program's
// locks apart from any other program's on the same server.
constexpr int kDeclarationLocks = 0x4437;
constexpr int kSchemaLock = 0x4438;

// A desk whose machine or network dies stops answering; the server and the
// desk each give up on the other within about 25 s, so that its locks go.
const char *const kSessionSettings =
    "SET tcp_keepalives_idle = 10; SET tcp_keepalives_interval = 5; SET tcp_keepalives_count = 3; "
    "SET tcp_user_timeout = 25000; SET standard_conforming_strings = on";

// The server's type numbers for the values that are not read as text.
enum TypeOid : Oid { Bool = 16, Bytea = 17, Int8 = 20, Int2 = 21, Int4 = 23, OidType = 26, Float4 = 700,
                     Float8 = 701, Numeric = 1700 };

// The letter case of every table and column, by lower-case name, from the
// file's schema: the one place the names are spelt.
const QHash<QString, QHash<QString, QString>> &FileSchemaNames() {
    static const QHash<QString, QHash<QString, QString>> names = [] {
        QHash<QString, QHash<QString, QString>> tables;
        static const QRegularExpression table(QStringLiteral(R"(CREATE TABLE (\w+) \((.*?)\n\);)"),
                                              QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression column(QStringLiteral(R"(^\s*(\w+)\s)"),
                                               QRegularExpression::MultilineOption);
        const QString schema = SchemaSql();
        for (auto t = table.globalMatch(schema); t.hasNext();) {
            const auto m = t.next();
            auto &columns = tables[m.captured(1).toLower()];
            for (auto c = column.globalMatch(m.captured(2)); c.hasNext();) {
                const QString name = c.next().captured(1);
                columns.insert(name.toLower(), name);
            }
        }
        return tables;
    }();
    return names;
}

QString ServerSchemaSql() { return ResourceText(QStringLiteral(":/store/schema-server.sql")); }

// Walks a statement outside its literals: "?" placeholders become the
// server's $1, $2...; quoted names go to lower case, as the server's tables
// are named; the words are collected as written (the names of computed
// columns are given back in the statement's own letter case).
QString NumberPlaceholders(const QString &sql, QHash<QString, QString> &words) {
    QString out;
    out.reserve(sql.size() + 16);
    int number = 0;
    for (int i = 0, n = int(sql.size()); i < n;) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            int j = i + 1;
            while (j < n && !(sql[j] == c && !(j + 1 < n && sql[j + 1] == c)))
                j += sql[j] == c ? 2 : 1;
            const QString literal = sql.mid(i, j - i + 1);
            out += c == QLatin1Char('"') ? literal.toLower() : literal;
            if (c == QLatin1Char('"'))
                words.insert(literal.mid(1, literal.size() - 2).toLower(), literal.mid(1, literal.size() - 2));
            i = j + 1;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            const int j = sql.indexOf(QLatin1Char('\n'), i);
            out += sql.mid(i, j < 0 ? -1 : j - i);
            i = j < 0 ? n : j;
        } else if (c == QLatin1Char('?')) {
            out += QLatin1Char('$') + QString::number(++number);
            ++i;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_')))
                ++j;
            const QString word = sql.mid(i, j - i);
            words.insert(word.toLower(), word);
            out += word;
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

QString quoted(const QString &name) {
    return QLatin1Char('"') + name.toLower().replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// Values go to the server as text of no stated type, so that it reads each
// as the type its place in the statement needs, as the file does; bytes go
// as they are.
struct Parameters {
    std::vector<QByteArray> data;
    std::vector<const char *> values;
    std::vector<int> lengths, formats;

    explicit Parameters(const QVariantList &list) {
        data.reserve(list.size());
        for (const QVariant &v : list) {
            const bool bytes = v.typeId() == QMetaType::QByteArray;
            data.push_back(v.isNull() ? QByteArray() : bytes ? v.toByteArray() : v.toString().toUtf8());
            values.push_back(v.isNull() ? nullptr : data.back().constData());
            lengths.push_back(int(data.back().size()));
            formats.push_back(bytes ? 1 : 0);
        }
    }
    int count() const { return int(values.size()); }
};

// A value as the file gives it: integers as qlonglong, text as QString; the
// column's type is looked up once for all its rows.
QVariant valueOf(PGresult *result, int row, int column, Oid type) {
    if (PQgetisnull(result, row, column))
        return QVariant();
    const char *text = PQgetvalue(result, row, column);
    switch (type) {
    case Int8:
    case Int4:
    case Int2:
    case OidType:
        return QVariant(QByteArray(text).toLongLong());
    case Bool:
        return QVariant(qlonglong(text[0] == 't' ? 1 : 0));
    case Float4:
    case Float8:
    case Numeric:
        return QVariant(QByteArray(text).toDouble());
    case Bytea: {
        size_t size = 0;
        unsigned char *bytes = PQunescapeBytea(reinterpret_cast<const unsigned char *>(text), &size);
        const QByteArray value(reinterpret_cast<const char *>(bytes), qsizetype(size));
        PQfreemem(bytes);
        return QVariant(value);
    }
    default:
        return QVariant(QString::fromUtf8(text, PQgetlength(result, row, column)));
    }
}

// The library's texts span lines; the user reads them in one.
QString libpqText(const char *text) { return QString::fromUtf8(text).simplified(); }

int lockNumber(const QString &taxNumber) {
    static const QRegularExpression nineDigits(QStringLiteral("^[0-9]{9}$"));
    if (!nineDigits.match(taxNumber).hasMatch())
        throw ServerError(ServerError::Kind::Other,
                          QStringLiteral("Ο ΑΦΜ «%1» δεν είναι αριθμός εννέα ψηφίων.").arg(taxNumber));
    return taxNumber.toInt();
}

// The desk that holds a lock: the name it gave the server, else its user and machine.
const char *const kLockHolders =
    "SELECT lpad(l.objid::text, 9, '0'), coalesce(nullif(a.application_name, ''), a.usename || '@' || "
    "coalesce(a.client_hostname, host(a.client_addr), 'localhost')) "
    "FROM pg_locks l JOIN pg_stat_activity a ON a.pid = l.pid "
    "WHERE l.locktype = 'advisory' AND l.granted AND l.pid <> pg_backend_pid() AND l.objsubid = 2 "
    "AND l.database = (SELECT oid FROM pg_database WHERE datname = current_database()) AND l.classid = ? ";

void ignoreNotice(void *, const char *) {}

constexpr qsizetype kStatementsKept = 500;

// The version of the server's tables that this program reads and writes.
constexpr int kServerSchemaVersion = 1;

}  // namespace

// A result of the server's, cleared however its use ends.
class ServerStore::Result {
public:
    explicit Result(PGresult *result) : m_result(result) {}
    Result(Result &&other) noexcept : m_result(std::exchange(other.m_result, nullptr)) {}
    ~Result() { PQclear(m_result); }
    PGresult *get() const { return m_result; }
    int rows() const { return PQntuples(m_result); }
    QVariant value(int row, int column) const { return valueOf(m_result, row, column, PQftype(m_result, column)); }

private:
    PGresult *m_result;
};

QString ServerStore::DeskName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        if (const passwd *pw = getpwuid(getuid()))
            user = QString::fromLocal8Bit(pw->pw_name);
    return user + QLatin1Char('@') + QSysInfo::machineHostName();
}

ServerStore::ServerStore(const QString &connectionString, const QString &password)
    : m_connectionString(connectionString), m_password(password) {
    try {
        connect();
        prepareSchema();
    } catch (...) {
        if (m_conn)
            PQfinish(m_conn);
        throw;
    }
}

ServerStore::~ServerStore() {
    if (m_conn)
        PQfinish(m_conn);   // ends the session, and its locks with it
}

void ServerStore::connect() {
    // Settings before the connection string are defaults it may change; those
    // after it are the program's own.
    const QByteArray desk = DeskName().toUtf8(), target = m_connectionString.toUtf8(),
                     password = m_password.toUtf8();
    std::vector<const char *> keys{"connect_timeout", "keepalives", "keepalives_idle", "keepalives_interval",
                                   "keepalives_count", "tcp_user_timeout"};
    std::vector<const char *> values{"10", "1", "10", "5", "3", "25000"};
    if (!password.isEmpty()) {
        keys.push_back("password");
        values.push_back(password.constData());
    }
    keys.insert(keys.end(), {"dbname", "application_name", "client_encoding", nullptr});
    values.insert(values.end(), {target.constData(), desk.constData(), "UTF8", nullptr});

    PGconn *conn = PQconnectdbParams(keys.data(), values.data(), 1);
    const QString port = QString::fromUtf8(PQport(conn));
    m_server = QStringLiteral("%1%2/%3")
                   .arg(QString::fromUtf8(PQhost(conn)), port.isEmpty() ? QString() : QLatin1Char(':') + port,
                        QString::fromUtf8(PQdb(conn)));
    if (PQstatus(conn) != CONNECTION_OK) {
        const bool needsPassword = PQconnectionNeedsPassword(conn);
        const QString user = QString::fromUtf8(PQuser(conn)), reason = libpqText(PQerrorMessage(conn));
        PQfinish(conn);
        if (needsPassword)
            throw ServerError(ServerError::Kind::PasswordNeeded,
                              QStringLiteral("Ο διακομιστής των δηλώσεων «%1» ζητά κωδικό πρόσβασης για τον "
                                             "χρήστη «%2».")
                                  .arg(m_server, user));
        throw ServerError(ServerError::Kind::Unreachable,
                          QStringLiteral("Δεν ήταν δυνατή η σύνδεση με τον διακομιστή των δηλώσεων «%1». Αιτία: %2")
                              .arg(m_server, reason));
    }
    m_conn = conn;
    PQsetNoticeProcessor(m_conn, ignoreNotice, nullptr);
    for (Statement &statement : m_statements)
        statement.name.clear();   // prepared in a session that is gone
    try {
        const QString encoding = QString::fromUtf8(PQparameterStatus(m_conn, "server_encoding"));
        if (encoding != QLatin1String("UTF8"))
            throw ServerError(ServerError::Kind::SchemaMismatch,
                              QStringLiteral("Η βάση «%1» στον διακομιστή έχει την κωδικοποίηση %2· οι δηλώσεις "
                                             "χρειάζονται βάση σε UTF8.")
                                  .arg(m_server, encoding));
        runScript(QString::fromLatin1(kSessionSettings));
        useDeskTimeZone();
    } catch (...) {
        // A session without its settings is not kept, for a later command to find.
        PQfinish(m_conn);
        m_conn = nullptr;
        throw;
    }
}

void ServerStore::useDeskTimeZone() {
    // The time each declaration last changed is stamped by the server in the
    // session's zone, which is the server's own unless told: the desk's, as
    // the file stamps it. By name, so that a session across a change to or
    // from summer time stays right; a name the server does not know gives
    // way to the desk's present offset (in POSIX form, east negative).
    const QString name = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    const int east = QDateTime::currentDateTime().offsetFromUtc();
    const QString offset = QStringLiteral("DESK%1%2:%3")
                               .arg(east > 0 ? QLatin1Char('-') : QLatin1Char('+'))
                               .arg(qAbs(east) / 3600, 2, 10, QLatin1Char('0'))
                               .arg(qAbs(east) / 60 % 60, 2, 10, QLatin1Char('0'));
    const QString setZone = QStringLiteral("SELECT set_config('TimeZone', ?, false)");
    try {
        run(setZone, {name}, Access::Reads);
    } catch (const ServerError &e) {
        if (e.kind() == ServerError::Kind::ConnectionLost)
            throw;
        run(setZone, {offset}, Access::Reads);
    }
}

void ServerStore::prepareSchema() {
    // One desk at a time looks, so that two first desks do not both make the tables.
    begin();
    try {
        run(QStringLiteral("SELECT pg_advisory_xact_lock(?, 0)"), {kSchemaLock}, Access::Reads);
        const Result found = run(QStringLiteral("SELECT to_regclass('schema_version') IS NOT NULL"), {},
                                 Access::Reads);
        if (found.value(0, 0).toLongLong()) {
            const Result version = run(QStringLiteral("SELECT max(version) FROM schema_version"), {}, Access::Reads);
            const int stored = version.value(0, 0).toInt();
            if (stored != kServerSchemaVersion)
                throw ServerError(ServerError::Kind::SchemaMismatch,
                                  QStringLiteral("Οι πίνακες των δηλώσεων στη βάση «%1» είναι της έκδοσης %2, ενώ "
                                                 "το πρόγραμμα χρειάζεται την έκδοση %3. Η σύνδεση δεν έγινε, ώστε "
                                                 "να μην αλλοιωθούν δεδομένα· όλα τα γραφεία χρειάζονται την ίδια "
                                                 "έκδοση του προγράμματος.")
                                      .arg(m_server)
                                      .arg(stored)
                                      .arg(kServerSchemaVersion));
        } else {
            try {
                runScript(ServerSchemaSql());
            } catch (const ServerError &e) {
                if (e.sqlState() != QLatin1String("42501"))
                    throw;
                throw ServerError(ServerError::Kind::SchemaMismatch,
                                  QStringLiteral("Η βάση «%1» δεν έχει ακόμη τους πίνακες των δηλώσεων και ο "
                                                 "χρήστης «%2» δεν έχει δικαίωμα να τους δημιουργήσει. Χρειάζεται "
                                                 "να συνδεθεί πρώτα μία φορά ο κάτοχος της βάσης.")
                                      .arg(m_server, QString::fromUtf8(PQuser(m_conn))),
                                  e.sqlState());
            }
            run(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"), {kServerSchemaVersion},
                Access::Reads);
        }
        commit();
    } catch (...) {
        rollback();
        throw;
    }
}

void ServerStore::ensureSession() {
    if (m_conn && PQstatus(m_conn) == CONNECTION_OK)
        PQconsumeInput(m_conn);   // finds out whether the server ended the session while it was idle
    if (m_conn && PQstatus(m_conn) == CONNECTION_OK)
        return;
    if (m_inTransaction)
        throw errorOf(nullptr);
    if (m_conn) {
        PQfinish(m_conn);
        m_conn = nullptr;
    }
    connect();
    m_tables.clear();
    m_lostLocks.unite(m_heldLocks);
    m_heldLocks.clear();
    retakeLocks(false);
}

void ServerStore::retakeLocks(bool refuse) {
    for (const QString &taxNumber : QStringList(m_lostLocks.begin(), m_lostLocks.end())) {
        QString holder;
        if (tryLock(taxNumber, &holder)) {
            m_lostLocks.remove(taxNumber);
            m_heldLocks.insert(taxNumber);
        } else if (refuse) {
            throw DeclarationLockedError(taxNumber, holder);
        }
    }
}

ServerError ServerStore::errorOf(PGresult *result) const {
    const QString state = result ? QString::fromLatin1(PQresultErrorField(result, PG_DIAG_SQLSTATE)) : QString();
    // Class 08 and the shut-downs of class 57 end the session.
    if (!m_conn || PQstatus(m_conn) != CONNECTION_OK || !result || state.startsWith(QLatin1String("08")) ||
        state.startsWith(QLatin1String("57P0")))
        return ServerError(ServerError::Kind::ConnectionLost,
                           QStringLiteral("Η σύνδεση με τον διακομιστή των δηλώσεων «%1» διακόπηκε πριν ολοκληρωθεί "
                                          "η εντολή· ό,τι άλλαζε η εντολή αναιρέθηκε. Η επόμενη εντολή θα συνδεθεί "
                                          "ξανά.")
                               .arg(m_server));
    if (state == QLatin1String("40001") || state == QLatin1String("40P01"))
        return ServerError(ServerError::Kind::Conflict,
                           QStringLiteral("Η εντολή συνέπεσε με ταυτόχρονη αλλαγή από άλλο γραφείο και δεν "
                                          "αποθηκεύτηκε. Δοκιμάστε ξανά."),
                           state);
    // The server's own sentence, without its severity and the statement quoted back.
    const char *primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    return ServerError(ServerError::Kind::Other, libpqText(primary ? primary : PQresultErrorMessage(result)), state);
}

ServerStore::Result ServerStore::run(const QString &sql, const QVariantList &values, Access access) {
    try {
        return runOnce(sql, values, access);
    } catch (const ServerError &e) {
        // A session the server ended while the desk was idle (a restart, say)
        // shows only when it is used. Outside a transaction a read, or the
        // start of one, changed nothing there: it runs again on a new session.
        const bool harmless = !m_inTransaction && (access == Access::Reads || sql == QLatin1String("BEGIN"));
        if (e.kind() != ServerError::Kind::ConnectionLost || !harmless)
            throw;
    }
    return runOnce(sql, values, access);
}

ServerStore::Result ServerStore::runOnce(const QString &sql, const QVariantList &values, Access access) {
    ensureSession();
    if (access == Access::Writes && !m_lostLocks.isEmpty())
        retakeLocks(true);
    Statement &statement = statementOf(sql);
    if (statement.name.isEmpty()) {
        // Prepared once a session: the server parses and plans the program's
        // few statements once, not at every row of a store.
        const QByteArray name = "d7_" + QByteArray::number(++m_prepared);
        const Result prepared(PQprepare(m_conn, name.constData(), statement.text.constData(), 0, nullptr));
        if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK)
            throw errorOf(prepared.get());
        statement.name = name;
    }
    const Parameters parameters(values);
    Result result(PQexecPrepared(m_conn, statement.name.constData(), parameters.count(), parameters.values.data(),
                                 parameters.lengths.data(), parameters.formats.data(), 0));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw errorOf(result.get());
    return result;
}

ServerStore::Result ServerStore::runScript(const QString &sql) {
    ensureSession();
    Result result(PQexec(m_conn, sql.toUtf8().constData()));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw errorOf(result.get());
    return result;
}

ServerStore::Statement &ServerStore::statementOf(const QString &sql) {
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        // The texts of updates name the columns a user changed, and could add
        // up over a long session: past a bound the server forgets them all.
        if (m_statements.size() >= kStatementsKept) {
            PQclear(PQexec(m_conn, "DEALLOCATE ALL"));
            m_statements.clear();
        }
        Statement statement;
        statement.text = NumberPlaceholders(sql, statement.words).toUtf8();
        it = m_statements.insert(sql, statement);
    }
    return *it;
}

QStringList ServerStore::columnNames(PGresult *result, const QHash<QString, QString> &written) {
    QStringList names;
    for (int i = 0, n = PQnfields(result); i < n; ++i) {
        const QString name = QString::fromUtf8(PQfname(result, i));
        // A column of a table has its name from the file's schema; any other
        // the letter case the statement gave it.
        if (const Oid table = PQftable(result, i); table != InvalidOid) {
            if (!m_tables.contains(table)) {
                const Result r = run(QStringLiteral("SELECT relname FROM pg_class WHERE oid = ?"), {table},
                                     Access::Reads);
                m_tables.insert(table, r.rows() ? r.value(0, 0).toString() : QString());
            }
            const QString canonical = FileSchemaNames().value(m_tables.value(table)).value(name);
            if (!canonical.isEmpty()) {
                names << canonical;
                continue;
            }
        }
        names << written.value(name, name);
    }
    return names;
}

QueryResult ServerStore::select(const QString &sql, const QVariantList &values) {
    // The file gives the rows of a table in the order of their keys when a
    // statement asks for no other; the server gives no order unless asked,
    // and its own changes as rows are updated. The pages list rows as read.
    static const QRegularExpression oneTable(QStringLiteral(R"(^\s*select\s+\*\s+from\s+(\w+)\s*(?:$|where\b))"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString ordered = sql;
    const QHash<QString, QString> words = statementOf(sql).words;
    if (const auto m = oneTable.match(sql); m.hasMatch() && !words.contains(QStringLiteral("order")) &&
                                            !words.contains(QStringLiteral("group")) &&
                                            !words.contains(QStringLiteral("union")) &&
                                            !words.contains(QStringLiteral("limit")))
        if (const Key key = keyOf(m.captured(1)); key.position >= 0)
            ordered += QStringLiteral(" ORDER BY ") + quoted(key.name);
    const Result r = run(ordered, values, Access::Reads);
    QueryResult result;
    result.columns = columnNames(r.get(), words);
    // A large declaration's rows are most of the time it takes to open: each
    // row is built in place, each column's type looked up once.
    const int columns = int(result.columns.size()), rows = r.rows();
    std::vector<Oid> types(columns);
    for (int column = 0; column < columns; ++column)
        types[column] = PQftype(r.get(), column);
    result.rows.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        QVector<QVariant> &values = result.rows.emplace_back();
        values.reserve(columns);
        for (int column = 0; column < columns; ++column)
            values.append(valueOf(r.get(), row, column, types[column]));
    }
    return result;
}

void ServerStore::execute(const QString &sql, const QVariantList &values) {
    if (values.isEmpty()) {   // a script of statements, none with values
        if (!m_lostLocks.isEmpty())
            retakeLocks(true);
        runScript(sql);
    } else {
        run(sql, values, Access::Writes);
    }
}

void ServerStore::begin() {
    run(QStringLiteral("BEGIN"), {}, Access::Writes);
    m_inTransaction = true;
}

void ServerStore::commit() {
    // Marked ended only after the server answered: a commit on a lost session
    // must fail, not connect again and commit nothing.
    struct Ended {
        bool &inTransaction;
        ~Ended() { inTransaction = false; }
    } ended{m_inTransaction};
    const Result r = run(QStringLiteral("COMMIT"), {}, Access::Reads);
    // The server ends a transaction that had an error with a rollback, even when asked to commit.
    if (qstrcmp(PQcmdStatus(r.get()), "ROLLBACK") == 0)
        throw ServerError(ServerError::Kind::Other,
                          QStringLiteral("Ο διακομιστής αναίρεσε την εντολή μετά από σφάλμα· δεν αποθηκεύτηκε."));
}

void ServerStore::rollback() noexcept {
    m_inTransaction = false;
    if (m_conn && PQstatus(m_conn) == CONNECTION_OK && PQtransactionStatus(m_conn) != PQTRANS_IDLE)
        PQclear(PQexec(m_conn, "ROLLBACK"));
}

void ServerStore::savepoint(const QString &name) { run(QStringLiteral("SAVEPOINT ") + name, {}, Access::Reads); }

void ServerStore::releaseSavepoint(const QString &name) {
    run(QStringLiteral("RELEASE SAVEPOINT ") + name, {}, Access::Reads);
}

void ServerStore::rollbackToSavepoint(const QString &name) noexcept {
    if (!m_conn || PQstatus(m_conn) != CONNECTION_OK || PQtransactionStatus(m_conn) == PQTRANS_IDLE)
        return;
    const QByteArray sql = ("ROLLBACK TO SAVEPOINT " + name + "; RELEASE SAVEPOINT " + name).toUtf8();
    PQclear(PQexec(m_conn, sql.constData()));
}

bool ServerStore::transactionAlive() const {
    return m_conn && PQstatus(m_conn) == CONNECTION_OK && PQtransactionStatus(m_conn) == PQTRANS_INTRANS;
}

ServerStore::Key ServerStore::keyOf(const QString &table) {
    const QString lower = table.toLower();
    if (auto it = m_keys.constFind(lower); it != m_keys.constEnd())
        return *it;
    // The tables are never altered, so a column's number gives its position.
    const Result r = run(QStringLiteral("SELECT a.attnum - 1, a.attname FROM pg_index i JOIN pg_attribute a ON "
                                        "a.attrelid = i.indrelid AND a.attnum = ANY (i.indkey) "
                                        "WHERE i.indrelid = to_regclass(?) AND i.indisprimary"),
                         {quoted(table)}, Access::Reads);
    Key key;
    if (r.rows() == 1)
        key = {r.value(0, 0).toInt(), r.value(0, 1).toString()};
    m_keys.insert(lower, key);
    return key;
}

int ServerStore::keyColumn(const QString &table) { return keyOf(table).position; }

QVariant ServerStore::insertRow(const QString &table, const QStringList &columns, const QVariantList &values) {
    const QString key = quoted(keyOf(table).name);
    QString sql;
    if (columns.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES RETURNING %2").arg(quoted(table), key);
    } else {
        QStringList names;
        for (const QString &c : columns)
            names << quoted(c);
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                  .arg(quoted(table), names.join(QLatin1Char(',')),
                       QStringLiteral("?,").repeated(columns.size()).chopped(1), key);
    }
    const Result r = run(sql, values, Access::Writes);
    return r.value(0, 0);
}

void ServerStore::updateRow(const QString &table, const QString &keyName, const QVariant &key,
                            const QStringList &columns, const QVariantList &values) {
    QStringList sets;
    for (const QString &c : columns)
        sets << quoted(c) + QStringLiteral(" = ?");
    run(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?").arg(quoted(table), sets.join(QLatin1Char(',')), quoted(keyName)),
        values + QVariantList{key}, Access::Writes);
}

void ServerStore::deleteRow(const QString &table, const QString &keyName, const QVariant &key) {
    run(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoted(table), quoted(keyName)), {key}, Access::Writes);
}

QVector<QVariant> ServerStore::readRow(const QString &table, const QString &keyName, const QVariant &key) {
    const QueryResult r = select(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(quoted(table), quoted(keyName)),
                                 {key});
    return r.rows.isEmpty() ? QVector<QVariant>() : r.rows.first();
}

bool ServerStore::tryLock(const QString &taxNumber, QString *holder) {
    const int number = lockNumber(taxNumber);
    // The holder may let go between the refusal and the look-up: then try again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const Result r = run(QStringLiteral("SELECT pg_try_advisory_lock(?, ?)"), {kDeclarationLocks, number},
                             Access::Reads);
        if (r.value(0, 0).toLongLong())
            return true;
        const Result h = run(QString::fromLatin1(kLockHolders) + QStringLiteral("AND l.objid = ?"),
                             {kDeclarationLocks, number}, Access::Reads);
        if (h.rows()) {
            *holder = h.value(0, 1).toString();
            return false;
        }
    }
    return false;
}

void ServerStore::lockDeclaration(const QString &taxNumber) {
    ensureSession();
    if (m_heldLocks.contains(taxNumber))
        return;
    QString holder;
    if (!tryLock(taxNumber, &holder))
        throw DeclarationLockedError(taxNumber, holder);
    m_lostLocks.remove(taxNumber);
    m_heldLocks.insert(taxNumber);
}

void ServerStore::unlockDeclaration(const QString &taxNumber) {
    m_lostLocks.remove(taxNumber);
    if (!m_heldLocks.remove(taxNumber))
        return;
    // A session that is gone has let go of its locks already.
    if (m_conn && PQstatus(m_conn) == CONNECTION_OK && PQtransactionStatus(m_conn) != PQTRANS_INERROR)
        run(QStringLiteral("SELECT pg_advisory_unlock(?, ?)"), {kDeclarationLocks, lockNumber(taxNumber)},
            Access::Reads);
}

QList<DeclarationHolder> ServerStore::declarationsOpenElsewhere() {
    const Result r = run(QString::fromLatin1(kLockHolders) + QStringLiteral("ORDER BY 1"), {kDeclarationLocks},
                         Access::Reads);
    QList<DeclarationHolder> holders;
    for (int row = 0; row < r.rows(); ++row)
        holders.append({r.value(row, 0).toString(), r.value(row, 1).toString()});
    return holders;
}

}  // namespace d7
