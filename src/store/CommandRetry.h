// A writing command as one transaction, run again when another desk's
// transaction got in its way (the open declaration's stores, a deletion, an import).
#pragma once

#include <functional>

namespace d7 {

class Connection;

// Runs the command in a transaction of its own and commits it. When the
// server gave the command up for a clash with another desk's transaction (a
// serialisation failure or a deadlock), it runs again after a short pause, up
// to attempts times in all, before the error goes up. Inside an open
// transaction it runs once: only the outermost transaction can be repeated.
void RunAsOneTransaction(Connection &connection, const std::function<void()> &command, int attempts = 4);

}  // namespace d7
