// What can go wrong with the office server, sorted by what the caller does
// about it: tell the user (in Greek, when the user can act), ask for a
// password, or run the command again.
#pragma once

#include <QString>

#include "store/Engine.h"

namespace d7 {

class ServerError : public EngineError {
public:
    enum class Kind {
        Unreachable,         // no connection could be made; the text names the server and the reason
        PasswordNeeded,      // the server asks for a password that nothing supplied
        ConnectionLost,      // the session ended during a command; the server rolled it back
        DeclarationLocked,   // another desk holds the declaration; desk() names it
        Conflict,            // serialisation failure or deadlock: running the command again may succeed
        SchemaMismatch,      // the server's tables are of another version, or cannot be made
        Other,               // the server's own text
    };

    ServerError(Kind kind, const QString &text, const QString &sqlState = {}, const QString &desk = {});
    Kind kind() const { return m_kind; }
    QString sqlState() const { return m_sqlState; }
    QString desk() const { return m_desk; }
    bool retryable() const { return m_kind == Kind::Conflict; }

private:
    Kind m_kind;
    QString m_sqlState;
    QString m_desk;
};

// Another desk holds the declaration open (the desk's name may be unknown).
ServerError DeclarationLockedError(const QString &taxNumber, const QString &desk);

}  // namespace d7
