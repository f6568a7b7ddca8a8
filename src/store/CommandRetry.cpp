#include "store/CommandRetry.h"

#include <QThread>

#include "store/Engine.h"
#include "store/ServerError.h"

namespace d7 {

void RunAsOneTransaction(Connection &connection, const std::function<void()> &command, int attempts) {
    const bool outermost = !connection.inTransaction();
    for (int attempt = 1;; ++attempt) {
        try {
            Transaction transaction(connection);
            command();
            transaction.commit();
            return;
        } catch (const ServerError &e) {
            if (!outermost || !e.retryable() || attempt >= attempts)
                throw;
        }
        // Growing pauses, so that the desks that clashed do not clash again in step.
        QThread::msleep(20UL << attempt);
    }
}

}  // namespace d7
