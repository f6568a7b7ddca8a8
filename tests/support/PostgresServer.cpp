#include "support/PostgresServer.h"

#include <QDir>
#include <QFile>
#include <grp.h>
#include <unistd.h>

#include "support/TestSupport.h"

namespace d7test {

namespace {

// The server's programs run as the ordinary user when the tests run as root.
void dropRoot(QProcess &process) {
    if (geteuid() == 0)
        process.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
                _exit(127);
        });
}

// The programs of the newest server installed.
QString serverPrograms() {
    QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](auto &a, auto &b) { return a.toDouble() > b.toDouble(); });
    for (const QString &version : versions)
        if (QFile::exists("/usr/lib/postgresql/" + version + "/bin/initdb"))
            return "/usr/lib/postgresql/" + version + "/bin/";
    qFatal("no PostgreSQL server under /usr/lib/postgresql: scripts/install-deps.sh test installs it");
}

}  // namespace

PostgresServer::PostgresServer(Syncs syncs) : m_bin(serverPrograms()), m_syncs(syncs) {
    if (!m_folder.isValid() || (geteuid() == 0 && chown(QFile::encodeName(m_folder.path()), kNobody, kNobody) != 0))
        qFatal("cannot prepare a folder for the test server");
    // The watchdog waits for the end of its input, which comes when this
    // process ends, however it ends; then it stops the server.
    dropRoot(m_watchdog);
    m_watchdog.start("/bin/sh", {"-c", "read _; \"$0\" stop -D \"$1\" -m immediate >/dev/null 2>&1; rm -rf \"$2\"",
                                 m_bin + "pg_ctl", dataFolder(), m_folder.path()});
    if (!m_watchdog.waitForStarted() || !run("initdb", {"-D", dataFolder(), "-U", "postgres", "-A", "trust", "-E", "UTF8",
                                                         "--locale=C.UTF-8", "--no-sync", "--no-instructions"}))
        qFatal("cannot make the test server");
    // A port of its own for each test program; should another program have
    // it, the server does not start and the next is tried.
    int failures = 0;
    for (m_port = 20000 + getpid() % 30000; !start(); ++m_port)
        if (++failures == 5)
            qFatal("the test server did not start");
}

PostgresServer::~PostgresServer() {
    m_watchdog.closeWriteChannel();   // the watchdog stops the server and removes the folder
    m_watchdog.waitForFinished();
}

bool PostgresServer::run(const QString &program, const QStringList &arguments, bool asServerUser) {
    QProcess process;
    if (asServerUser)
        dropRoot(process);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(m_bin + program, arguments);
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    qWarning("%s failed: %s", qPrintable(program), process.readAll().constData());
    return false;
}

bool PostgresServer::start() {
    // The server's clock is in a zone far from any desk's, so that a time
    // taken in the server's zone rather than the desk's shows.
    const QString noSyncs = m_syncs == Syncs::Skipped ? " -F -c synchronous_commit=off -c full_page_writes=off" : "";
    return run("pg_ctl", {"-D", dataFolder(), "-l", m_folder.filePath("log"), "-w", "-o",
                          QString("-p %1 -h 127.0.0.1 -k '%2' -c TimeZone=Pacific/Kiritimati%3")
                              .arg(m_port)
                              .arg(m_folder.path(), noSyncs),
                          "start"});
}

bool PostgresServer::stop() { return run("pg_ctl", {"-D", dataFolder(), "-m", "fast", "-w", "stop"}); }

QString PostgresServer::connectionString(const QString &database, const QString &user) const {
    return QString("host=127.0.0.1 port=%1 dbname=%2 user=%3").arg(m_port).arg(database, user);
}

QString PostgresServer::newDatabase() {
    const QString name = QString("d%1").arg(++m_databases);
    if (!psql("postgres", {"-c", "CREATE DATABASE " + name}))
        qFatal("cannot make a test database");
    return name;
}

bool PostgresServer::psql(const QString &database, const QStringList &arguments) {
    return run("psql", QStringList{"-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", connectionString(database)} + arguments,
               false);
}

}  // namespace d7test
