// The running summary of the Table 1 row being composed: one line per answer,
// caption, tabs and value, some read from the answers, some from the controls
// as they stand (pages not yet reached show their start values).
#pragma once

#include <QString>
#include <QStringList>

namespace d7 {

struct Table1Answers;

// The texts of the controls the summary reads, named after the controls.
struct Table1SummaryControls {
    QString ComboBox3, ComboBox13, ComboBox14, ComboBox15;
    QString EditOT, ComboBox16, ComboBoxSpecial, ComboBoxFloor;
    QString EditMainMM, EditHelpMM, EditYearOfConstruction;
    QString ComboBoxKata, EditPercentage, EditYearOfBirthEpik;
    QString EditOikMM, ComboBoxKataOik, EditPercentageOik, EditYearOfBirthEpikOik;
    QString EditTotalMM, ComboBoxToWhomBelongs;
};

QStringList Table1SummaryLines(const Table1Answers &answers, const Table1SummaryControls &controls);

}  // namespace d7
