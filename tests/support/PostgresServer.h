// A private PostgreSQL server for one test program or benchmark, in a
// temporary folder (its data, socket and log), on a free port of the loopback
// address; run as an ordinary user when the tests run as root, which the
// server refuses. A watchdog stops it and removes the folder however the
// program ends.
#pragma once

#include <QProcess>
#include <QTemporaryDir>

namespace d7test {

class PostgresServer {
public:
    // The tests need nothing to outlive a crash of the machine and skip the
    // syncs to disk; a benchmark of stores keeps them, as an office's server does.
    enum class Syncs { Skipped, Kept };
    explicit PostgresServer(Syncs syncs = Syncs::Skipped);   // ends the program when the server cannot start
    ~PostgresServer();
    // A fast shutdown: the sessions end, their transactions roll back. Both
    // tell whether they succeeded.
    bool stop();
    bool start();   // again, on the same port

    QString connectionString(const QString &database, const QString &user = "postgres") const;
    QString newDatabase();   // a new, empty one; gives its name
    // The server's own client on a database as its superuser ("-c", "-f"); true when all went well.
    bool psql(const QString &database, const QStringList &arguments);

private:
    bool run(const QString &program, const QStringList &arguments, bool asServerUser = true);
    QString dataFolder() const { return m_folder.filePath("data"); }

    QTemporaryDir m_folder;
    QString m_bin;
    Syncs m_syncs;
    int m_port = 0, m_databases = 0;
    QProcess m_watchdog;
};

}  // namespace d7test
