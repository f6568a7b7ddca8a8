// Where the declarations are kept: the encrypted file of the current folder
// (the default), or the office server that --server or d7.conf names. The
// store is opened here and nowhere else; the reference lists always come from
// the file.
#pragma once

#include <QString>

namespace d7 {

class Connection;

// The server set in d7.conf beside the database of the current folder
// ("[server] uri="); empty when none is.
QString ConfiguredServer();
// Sets the server (empty clears it). A connection string that carries a
// password is refused: the password file or the question at start-up gives it.
void SaveServerSetting(const QString &connectionString);

// Opens the declarations' store: the server when one is given, else the file.
// A server that wants a password nothing supplied gets it from askPassword
// (none given: the connection fails). Throws EngineError; for a server that
// cannot be reached its text names the server and the reason.
void OpenDeclarationStore(Connection &store, const QString &server, const QByteArray &rawKey,
                          QString (*askPassword)(const QString &server) = nullptr);

// What the status bar says of the store in use.
QString StoreDescription(const Connection &store, bool server);

}  // namespace d7
