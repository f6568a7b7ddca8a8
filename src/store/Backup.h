// Copies of the declaration file, and a copy put in its place. Every file is
// written beside its target under a temporary name, flushed to disk, checked
// and only then renamed into place: a kill at any moment leaves each file
// either as it was or whole, and a leftover temporary file is never taken for
// a copy.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <stdexcept>

namespace d7 {

// What the check of a copy found. A sound copy opens with the password,
// passes the engine's integrity check and holds the declaration tables with
// their columns.
enum class CopyFault { None, Unreadable, NotDeclarationFile, Damaged, MissingTables };

struct CopyCheck {
    CopyFault fault = CopyFault::Unreadable;
    int declarations = 0;   // rows of citizendata, when sound
    QString detail;         // the engine's own words, when there are any
    bool sound() const { return fault == CopyFault::None; }
};

// A key derived from the password with DeriveRawKey spares the derivation
// (the costly part of opening) for files that share their salt, as the
// copies of one database do; any other file is opened with the password.
CopyCheck CheckCopy(const QString &path, const QString &password, const QByteArray &rawKey = {});

// The declarations a copy holds, without the full check (for a list of
// copies); -1 when it does not open or holds no declaration table.
int CountDeclarations(const QString &path, const QString &password, const QByteArray &rawKey = {});

// The step of a copy or a replace that failed; the file it was writing is
// then as it was, with no temporary file left.
class CopyError : public std::runtime_error {
public:
    enum class Step {
        ReadSource,   // the database did not open or could not be read
        Write,        // the target's folder refused the file, or the disk is full
        Check,        // the written copy did not pass its check
        StillOpen,    // this program still has the database open
        InUse,        // another program kept the database busy
    };
    CopyError(Step step, const QString &detail);
    Step step() const { return m_step; }

private:
    Step m_step;
};

// The name a file is written under before it is renamed to its own: one of
// this process, so that two programs copying at once leave each other alone.
// A file of such a name is never a copy but the leftover of a kill.
QString TemporaryName(const QString &target);
bool IsTemporaryName(const QString &fileName);
// Deletes the leftovers in a folder last written before a time (any later
// one may be another program's copy under way).
void RemoveLeftovers(const QString &folder, const QDateTime &writtenBefore);

// A consistent copy of the database, keyed with the same password and salt
// (so that one derived key opens the file and all its copies), made with
// the engine's online backup from a connection of its own, so that the
// program may go on writing meanwhile. An existing target is replaced only by
// a copy that passed its check. Throws CopyError.
void CopyDatabase(const QString &database, const QString &password, const QString &target);

// The bytes of a file as they are, for one that does not open and so cannot
// be copied through the engine. Throws CopyError.
void CopyFileBytes(const QString &from, const QString &target);

// Puts a copy in the place of the database in one rename, once its bytes
// beside the database passed the check. Refused while this process still has
// the database open (its connections would go on writing to the replaced
// file); waits for another program's write to end and keeps the file locked
// while it is replaced. Throws CopyError.
void ReplaceDatabase(const QString &database, const QString &password, const QString &copy);

}  // namespace d7
