// The running summary of the Table 1 row being composed: one line per answer,
// caption, tabs and value, some read from the answers, some from the controls
// as they stand (pages not yet reached show their start values).
#pragma once

#include <QString>
#include <QStringList>

namespace d7 {

struct Table1Answers;

// The texts of the controls the summary reads, named by what they show.
struct Table1SummaryControls {
    QString frontsOnStreet, frontsOnSecondStreet, frontsOnThirdStreet, frontsOnFourthStreet;
    QString blockNumber, category, specialConditions, floor;
    QString mainArea, auxiliaryArea, yearOfConstruction;
    QString kindOfRight, percentage, usufructBirthYear;
    QString plotArea, plotKindOfRight, plotPercentage, plotUsufructBirthYear;
    QString buildingsArea, owner;
};

QStringList Table1SummaryLines(const Table1Answers &answers, const Table1SummaryControls &controls);

}  // namespace d7
