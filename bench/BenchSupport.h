// What the benchmarks share: their start, the welcome screen answered, a run
// repeated with its best and median time, valid tax numbers, and a
// declaration written straight into a store.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QVariantList>
#include <QtGlobal>
#include <QVector>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "store/Engine.h"

struct Timing {
    double best, median;   // milliseconds
};

inline double Median(QVector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// prepare runs before each repetition, outside the time (a fresh copy of a
// database to write into, say).
inline Timing measure(int repetitions, const std::function<void()> &run,
                      const std::function<void()> &prepare = {}) {
    QVector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        ms.append(timer.nsecsElapsed() / 1e6);
    }
    return {*std::min_element(ms.cbegin(), ms.cend()), Median(ms)};
}

// Headless unless told otherwise; call before the application is made.
inline void DefaultToOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The repetitions asked for on the command line, nine by default.
inline int Repetitions(int argc, char **argv) { return argc > 1 ? std::max(1, atoi(argv[1])) : 9; }

// Answers the welcome screen as soon as it shows, as a user does, until stopped.
class WelcomeAnswerer {
public:
    WelcomeAnswerer() {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                if (auto *button = modal->findChild<QPushButton *>(QStringLiteral("Button1")))
                    button->click();
        });
        m_timer.start(0);
    }
    void stop() { m_timer.stop(); }

private:
    QTimer m_timer;
};

// A valid tax number: the eight digits and their check digit.
inline QString WithCheckDigit(const QString &eightDigits) {
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += eightDigits[i].digitValue() << (8 - i);
    return eightDigits + QString::number(sum % 11 % 10);
}

// Values for a statement's placeholders; a null text is stored as NULL.
inline QVariantList Bound(const QStringList &values) {
    QVariantList out;
    for (const QString &v : values)
        out << (v.isNull() ? QVariant() : QVariant(v));
    return out;
}

// One declaration with `rows` rows in each table, values as the wizards store
// them, in the caller's transaction.
inline void FillDeclaration(d7::Connection &c, const QString &tax, int rows) {
    c.execute(QStringLiteral("insert into citizendata (Surname, Name, FatherName, afm) values (?,?,?,?)"),
              Bound({"ΆΛΦΑ & ΣΙΑ Ο.Ε.", "", "", tax}));
    c.execute(QStringLiteral("insert into generaldata (DOYName, DOYCode, DeclType, Notes, afmypox) values (?,?,?,?,?)"),
              Bound({"ΑΘΗΝΩΝ Α'", "1101", "0", "ΠΡΩΤΗ ΓΡΑΜΜΗ\nΔΕΥΤΕΡΗ ΓΡΑΜΜΗ", tax}));
    c.execute(QStringLiteral("insert into wifedata (Surname, Name, FatherName, AT, AFM, afmypox) values (?,?,?,?,?,?)"),
              Bound({"ΔΕΛΤΑ", "ΜΑΡΙΑ", "ΙΩΑΝΝΗΣ", "ΑΒ 123456", "100000090", tax}));
    const auto marks = [](int n) { return QStringLiteral("?,").repeated(n).chopped(1); };
    const QString table1 = QStringLiteral("insert into table1 values (NULL,%1)").arg(marks(36));
    const QString table2 = QStringLiteral("insert into TABLE2 values (NULL,%1)").arg(marks(26));
    for (int i = 0; i < rows; ++i) {
        const QString n = QString::number(i + 1);
        c.execute(table1, Bound({"ΑΤΤΙΚΗΣ", "01", "ΑΘΗΝΑΙΩΝ", "101", "ΠΑΝΕΠΙΣΤΗΜΙΟΥ, ΕΛ. ΒΕΝΙΖΕΛΟΥ", "1234", n, "X",
                                 "ΣΤΑΔΙΟΥ", "0", "", "", "", "", "", "", "", "125", "2", "", "3", n + ",5", "12,25",
                                 "1975", "1", "33,33333", "", "250", "2", "12,5", "1940", "1200,5", "1",
                                 "ΣΤΟΝ ΥΠΟΧΡΕΟ", QString(), tax}));
        c.execute(table2, Bound({"ΑΧΑΪΑΣ", "13", "ΠΑΤΡΕΩΝ", "1301", "ΘΕΣΗ ΜΠΑΛΑ", "0", n, "3", "", "X", " ", n + ",5",
                                 "", "2000", "", "", "", "", "", "1", "100", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", QString(), tax}));
    }
}
