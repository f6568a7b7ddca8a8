#include "store/ConnectionString.h"

#include <libpq-fe.h>

namespace d7 {

bool ConnectionStringHasPassword(const QString &connectionString) {
    char *error = nullptr;
    PQconninfoOption *options = PQconninfoParse(connectionString.toUtf8().constData(), &error);
    PQfreemem(error);
    if (!options)
        return false;   // not parsed: the connection will say what is wrong with it
    bool found = false;
    for (const PQconninfoOption *o = options; o->keyword; ++o)
        if (qstrcmp(o->keyword, "password") == 0 && o->val && *o->val)
            found = true;
    PQconninfoFree(options);
    return found;
}

}  // namespace d7
