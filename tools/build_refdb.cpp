// Builds a declaration database holding the reference lists and no declaration.
//
//   build_refdb OUTPUT SOURCE_DIR [SOURCE_DIR ...]
//
// Each CSV file is taken from the first source folder that has it, so a test
// fixture folder can bring its own streets and take the rest from data/reference.
// The input is checked first; any fault stops the build with "file:line: reason"
// and no database is written.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <cstdio>

#include "declaration/StreetNames.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "text/CodePage.h"

using namespace d7;

namespace {

struct InputError {
    QString where;
    QString reason;
};

struct Row {
    int line;
    QStringList fields;
};

struct Table {
    QString path;
    QString name;     // the path as found, for messages
    QVector<Row> rows;
    [[noreturn]] void fail(int line, const QString &reason) const {
        throw InputError{QStringLiteral("%1:%2").arg(name).arg(line), reason};
    }
};

// RFC 4180: fields separated by commas, a field may be quoted, "" is a quote.
QVector<Row> parseCsv(const QString &text, const QString &name, int columns) {
    QVector<Row> rows;
    int line = 1;
    int rowLine = 1;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool any = false;
    auto endRow = [&] {
        fields << field;
        field.clear();
        if (!(fields.size() == 1 && fields[0].isEmpty()))
            rows.append({rowLine, fields});
        fields.clear();
        any = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (!any) {
            rowLine = line;
            any = true;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r')) {
            // CR LF line ends
        } else if (c == QLatin1Char('\n')) {
            endRow();
            ++line;
        } else {
            field += c;
        }
    }
    if (quoted)
        throw InputError{QStringLiteral("%1:%2").arg(name).arg(rowLine), QStringLiteral("unterminated quote")};
    if (any)
        endRow();
    for (const Row &r : rows)
        if (r.fields.size() != columns)
            throw InputError{QStringLiteral("%1:%2").arg(name).arg(r.line),
                             QStringLiteral("expected %1 fields, found %2").arg(columns).arg(r.fields.size())};
    return rows;
}

std::optional<Table> readTable(const QStringList &dirs, const QString &name, const QStringList &header,
                               bool required) {
    for (const QString &dir : dirs) {
        const QString path = QDir(dir).filePath(name);
        if (!QFileInfo::exists(path))
            continue;
        // Messages name the file by the path it was found at: a fixture folder
        // and data/reference may both hold a file of that name.
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            throw InputError{path, QStringLiteral("cannot be read")};
        const QByteArray bytes = f.readAll();
        QString text = QString::fromUtf8(bytes);
        if (text.toUtf8() != bytes) {
            const QList<QByteArray> lines = bytes.split('\n');
            qsizetype bad = 0;
            while (bad + 1 < lines.size() && QString::fromUtf8(lines[bad]).toUtf8() == lines[bad])
                ++bad;
            throw InputError{QStringLiteral("%1:%2").arg(path).arg(bad + 1), QStringLiteral("not UTF-8 text")};
        }
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        Table t{path, path, parseCsv(text, path, int(header.size()))};
        if (t.rows.isEmpty() || t.rows.first().fields != header)
            t.fail(t.rows.isEmpty() ? 1 : t.rows.first().line,
                   QStringLiteral("the header must be \"%1\"").arg(header.join(',')));
        t.rows.removeFirst();
        return t;
    }
    if (required)
        throw InputError{name, QStringLiteral("not found in %1").arg(dirs.join(QStringLiteral(", ")))};
    return std::nullopt;
}

bool isDigits(const QString &s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

qint64 numericCode(const Table &t, const Row &r, int column, const QString &what) {
    const QString s = r.fields[column];
    if (!isDigits(s) || s.size() > 15)
        t.fail(r.line, QStringLiteral("%1 \"%2\" is not a whole number").arg(what, s));
    return s.toLongLong();
}

QString textCode(const Table &t, const Row &r, int column, const QString &what) {
    const QString s = r.fields[column];
    if (s.isEmpty() || s.trimmed() != s)
        t.fail(r.line, QStringLiteral("%1 \"%2\" is empty or has surrounding blanks").arg(what, s));
    return s;
}

// Names as the lists show them: code-page 1253 text in Greek capitals. A Latin
// look-alike letter would sort apart and defeat typing the first letters; a
// lower-case letter without a capital of its own (ΐ, ΰ) is still lower case.
QString capitalName(const Table &t, const Row &r, int column) {
    const QString s = r.fields[column];
    if (s.trimmed().isEmpty())
        t.fail(r.line, QStringLiteral("the name is empty"));
    if (s.trimmed() != s)
        t.fail(r.line, QStringLiteral("the name \"%1\" has surrounding blanks").arg(s));
    if (!CanEncode(CodePage::Windows1253, s))
        t.fail(r.line, QStringLiteral("the name \"%1\" has a character outside the Greek code page").arg(s));
    const QByteArray bytes = EncodeForMarkup(CodePage::Windows1253, s);
    bool lower = UpperCp1253(bytes) != bytes;
    for (QChar c : s) {
        lower = lower || c.isLower();
        if (c.isLetter() && !c.isLower() && c.script() != QChar::Script_Greek)
            t.fail(r.line, QStringLiteral("the name \"%1\" has the letter \"%2\", which is not Greek").arg(s, c));
    }
    if (lower)
        t.fail(r.line, QStringLiteral("the name \"%1\" is not in capitals").arg(s));
    return s;
}

template <class Key>
void claim(QHash<Key, int> &seen, const Key &key, const Table &t, const Row &r, const QString &what) {
    const auto it = seen.constFind(key);
    if (it != seen.constEnd())
        t.fail(r.line, QStringLiteral("duplicate %1 (first at line %2)").arg(what).arg(*it));
    seen.insert(key, r.line);
}

struct Reference {
    QVector<QVector<QVariant>> prefectures, municipalities, areas, streets, links, fronts, categories,
        specials, floors;
    int skippedAreas = 0;
};

Reference readAll(const QStringList &dirs) {
    Reference ref;

    const Table pref = *readTable(dirs, QStringLiteral("prefectures.csv"), {"code", "name"}, true);
    QHash<QString, int> prefSeen;
    for (const Row &r : pref.rows) {
        const QString code = textCode(pref, r, 0, QStringLiteral("prefecture code"));
        claim(prefSeen, code, pref, r, QStringLiteral("prefecture code ") + code);
        ref.prefectures.append({code, capitalName(pref, r, 1)});
    }

    const Table mun = *readTable(dirs, QStringLiteral("municipalities.csv"), {"code", "name", "prefecture_code"}, true);
    QHash<qint64, int> munSeen;
    QHash<qint64, std::pair<QString, QString>> munInfo;   // code -> (name, prefecture)
    for (const Row &r : mun.rows) {
        const qint64 code = numericCode(mun, r, 0, QStringLiteral("municipality code"));
        claim(munSeen, code, mun, r, QStringLiteral("municipality code ") + r.fields[0]);
        const QString name = capitalName(mun, r, 1);
        const QString prefecture = r.fields[2];
        if (!prefSeen.contains(prefecture))
            mun.fail(r.line, QStringLiteral("prefecture \"%1\" does not exist").arg(prefecture));
        munInfo.insert(code, {name, prefecture});
        ref.municipalities.append({code, name, prefecture});
    }

    const Table area = *readTable(dirs, QStringLiteral("areas.csv"), {"municipality_code", "name", "prefecture_code"}, true);
    QHash<QString, int> areaSeen;
    for (const Row &r : area.rows) {
        const qint64 code = numericCode(area, r, 0, QStringLiteral("municipality code"));
        const QString name = capitalName(area, r, 1);
        const auto it = munInfo.constFind(code);
        if (it == munInfo.constEnd())
            area.fail(r.line, QStringLiteral("municipality \"%1\" does not exist").arg(r.fields[0]));
        if (it->second != r.fields[2])
            area.fail(r.line, QStringLiteral("prefecture \"%1\" is not that of municipality \"%2\"")
                                  .arg(r.fields[2], r.fields[0]));
        claim(areaSeen, QString::number(code) + QLatin1Char('|') + name, area, r,
              QStringLiteral("area \"%1\" of municipality %2").arg(name, r.fields[0]));
        if (name == it->first) {   // would only repeat the municipality in the list
            ++ref.skippedAreas;
            continue;
        }
        ref.areas.append({code, name, r.fields[2]});
    }

    QHash<qint64, int> streetSeen;
    if (const auto st = readTable(dirs, QStringLiteral("streets.csv"), {"code", "name"}, false)) {
        for (const Row &r : st->rows) {
            const qint64 code = numericCode(*st, r, 0, QStringLiteral("street code"));
            claim(streetSeen, code, *st, r, QStringLiteral("street code ") + r.fields[0]);
            const QString name = capitalName(*st, r, 1);
            const QByteArray plain = EncodeForMarkup(CodePage::Windows1253, name);
            const auto stored = ScrambleStreetName(plain);
            if (!stored || DescrambleStreetName(*stored) != plain)
                st->fail(r.line, QStringLiteral("the street name \"%1\" cannot be scrambled so as to "
                                                "descramble exactly; change its spelling").arg(name));
            ref.streets.append({code, *stored});
        }
    }

    auto checkPlace = [&](const Table &t, const Row &r) {
        const QString prefecture = r.fields[0];
        const qint64 m = numericCode(t, r, 1, QStringLiteral("municipality code"));
        const auto it = munInfo.constFind(m);
        if (it == munInfo.constEnd())
            t.fail(r.line, QStringLiteral("municipality \"%1\" does not exist").arg(r.fields[1]));
        if (it->second != prefecture)
            t.fail(r.line, QStringLiteral("municipality \"%1\" is not in prefecture \"%2\"").arg(r.fields[1], prefecture));
        const qint64 s = numericCode(t, r, 2, QStringLiteral("street code"));
        if (!streetSeen.contains(s))
            t.fail(r.line, QStringLiteral("street \"%1\" does not exist").arg(r.fields[2]));
        return std::make_pair(m, s);
    };

    if (const auto links = readTable(dirs, QStringLiteral("municipality_streets.csv"),
                                     {"prefecture_code", "municipality_code", "street_code"}, false)) {
        QHash<QString, int> seen;
        for (const Row &r : links->rows) {
            const auto [m, s] = checkPlace(*links, r);
            claim(seen, r.fields.join('|'), *links, r, QStringLiteral("link"));
            ref.links.append({r.fields[0], m, s});
        }
    }
    if (const auto fronts = readTable(dirs, QStringLiteral("fronts.csv"),
                                      {"prefecture_code", "municipality_code", "street_code", "block_code"}, false)) {
        QHash<QString, int> seen;
        for (const Row &r : fronts->rows) {
            const auto [m, s] = checkPlace(*fronts, r);
            const QString block = textCode(*fronts, r, 3, QStringLiteral("block code"));
            claim(seen, r.fields.join('|'), *fronts, r, QStringLiteral("front"));
            ref.fronts.append({r.fields[0], m, s, block});
        }
    }

    auto codeList = [&](const QString &file, QVector<QVector<QVariant>> &into, bool numeric) {
        const Table t = *readTable(dirs, file, {"code", "name"}, true);
        QHash<QString, int> seen;
        for (const Row &r : t.rows) {
            const QString code = textCode(t, r, 0, QStringLiteral("code"));
            bool ok = true;
            const qint64 number = code.toLongLong(&ok);
            if (numeric && !ok)
                t.fail(r.line, QStringLiteral("code \"%1\" is not a whole number").arg(code));
            claim(seen, code, t, r, QStringLiteral("code ") + code);
            into.append({numeric ? QVariant(number) : QVariant(code), capitalName(t, r, 1)});
        }
    };
    codeList(QStringLiteral("estate_categories.csv"), ref.categories, false);
    codeList(QStringLiteral("estate_conditions.csv"), ref.specials, true);
    codeList(QStringLiteral("floors.csv"), ref.floors, false);
    return ref;
}

void writeAll(const QString &path, const Reference &ref) {
    CreateDatabase(path, kDatabasePassword);
    Connection c;
    c.open(path, kDatabasePassword, Connection::Mode::ReadWrite);
    Transaction all(c);
    auto insert = [&c](const char *sql, const QVector<QVariant> &values) {
        c.execute(QString::fromLatin1(sql), QVariantList(values.begin(), values.end()));
    };
    for (const auto &v : ref.prefectures)
        insert("INSERT INTO doy_ap_prefecture VALUES (?,?)", v);
    for (const auto &v : ref.municipalities)
        insert("INSERT INTO doy_ap_municipality VALUES (?,?,?)", v);
    for (const auto &v : ref.areas)
        insert("INSERT INTO doy_ap_mnc_area VALUES (?,?,?)", v);
    for (const auto &v : ref.streets)
        insert("INSERT INTO doy_ap_street VALUES (?,?)", v);
    for (const auto &v : ref.links)
        insert("INSERT INTO DOY_AP_MNC_STRT VALUES (?,?,?)", v);
    for (const auto &v : ref.fronts)
        insert("INSERT INTO doy_ap_front VALUES (?,?,?,?)", v);
    for (const auto &v : ref.categories)
        insert("INSERT INTO doy_ap_estate_cat VALUES (?,?)", v);
    for (const auto &v : ref.specials)
        insert("INSERT INTO doy_ap_special_cat VALUES (?,?)", v);
    for (const auto &v : ref.floors)
        insert("INSERT INTO doy_ap_floor VALUES (?,?)", v);
    all.commit();
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: build_refdb OUTPUT SOURCE_DIR [SOURCE_DIR ...]\n");
        return 2;
    }
    const QString output = args[1];
    const QStringList dirs = args.mid(2);
    try {
        const Reference ref = readAll(dirs);
        const QString partial = output + QStringLiteral(".partial");
        QFile::remove(partial);
        try {
            writeAll(partial, ref);
        } catch (...) {
            QFile::remove(partial);
            throw;
        }
        if (QFileInfo::exists(output) || !QFile::rename(partial, output)) {
            QFile::remove(partial);
            std::fprintf(stderr, "%s: exists already or cannot be written\n", qPrintable(output));
            return 1;
        }
        std::printf("%s: %lld prefectures, %lld municipalities, %lld areas (%d repeating their "
                    "municipality left out), %lld streets, %lld fronts\n",
                    qPrintable(output), qlonglong(ref.prefectures.size()), qlonglong(ref.municipalities.size()),
                    qlonglong(ref.areas.size()), ref.skippedAreas, qlonglong(ref.streets.size()),
                    qlonglong(ref.fronts.size()));
        return 0;
    } catch (const InputError &e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(e.where), qPrintable(e.reason));
    } catch (const EngineError &e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(output), qPrintable(e.text()));
    }
    return 1;
}
