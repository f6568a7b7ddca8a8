#include "app/StoreChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "backup/BackupPolicy.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "store/ServerError.h"
#include "store/ServerStore.h"

namespace d7 {

namespace {

const QString kServerKey = QStringLiteral("server/uri");

QString settingsPath() { return QDir::current().absoluteFilePath(kSettingsFileName); }

}  // namespace

QString ConfiguredServer() {
    return QSettings(settingsPath(), QSettings::IniFormat).value(kServerKey).toString().trimmed();
}

void SaveServerSetting(const QString &connectionString) {
    if (ConnectionStringHasPassword(connectionString))
        throw EngineError(QStringLiteral("Η σύνδεση με τον διακομιστή δεν αποθηκεύτηκε: περιέχει κωδικό πρόσβασης. "
                                         "Γράψτε τον κωδικό στο αρχείο κωδικών ~/.pgpass ή δώστε τον στην εκκίνηση."));
    QSettings settings(settingsPath(), QSettings::IniFormat);
    if (connectionString.trimmed().isEmpty())
        settings.remove(kServerKey);
    else
        settings.setValue(kServerKey, connectionString.trimmed());
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw EngineError(QStringLiteral("Η ρύθμιση δεν αποθηκεύτηκε στο αρχείο %1.")
                              .arg(QDir::toNativeSeparators(settingsPath())));
}

void OpenDeclarationStore(Connection &store, const QString &server, const QByteArray &rawKey,
                          QString (*askPassword)(const QString &server)) {
    if (server.isEmpty()) {
        store.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite, rawKey);
        PrepareChangeLog(store);
        return;
    }
    try {
        store.open(std::make_unique<ServerStore>(server), Connection::Mode::ReadWrite);
    } catch (const ServerError &e) {
        if (e.kind() != ServerError::Kind::PasswordNeeded || !askPassword)
            throw;
        const QString password = askPassword(server);
        if (password.isEmpty())
            throw;
        store.open(std::make_unique<ServerStore>(server, password), Connection::Mode::ReadWrite);
    }
}

QString StoreDescription(const Connection &store, bool server) {
    const QString where = store.isOpen() ? store.driver().location() : QString();
    return server ? QStringLiteral("Διακομιστής: %1").arg(where)
                  : QStringLiteral("Αρχείο: %1").arg(QFileInfo(where).fileName());
}

}  // namespace d7
