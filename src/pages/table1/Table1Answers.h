// The Table 1 row being composed by its wizard; owned by the main window.
#pragma once

#include "pages/wizard/LocationAnswers.h"

namespace d7 {

struct Table1Answers : LocationAnswers {
    bool NoStreetsKnown = false;
    bool FrontsOnStreet = false;
    QString Street2Name, Street3Name, Street4Name;
    QString Street2Code, Street3Code, Street4Code;
    bool FrontsOnStreet2 = false, FrontsOnStreet3 = false, FrontsOnStreet4 = false;
    bool BlockStreetsTyped = false;
    QString BlockNumber;
    QString CategoryCode;
    bool PlotOnly = false;
    QString SpecialCode;
    QString FloorCode;
    QString MainSurface, AuxiliarySurface, YearOfConstruction;
    QString OwnershipType, OwnershipPercentage, UsufructBirthYear;
    bool NoPlotData = false;
    QString PlotSurface, PlotOwnershipType, PlotOwnershipPercentage, PlotUsufructBirthYear;
    QString TotalBuildingsSurface;
    QString OwnerCode, OwnerText;
};

// Empties every answer but the owner, which ResetTable1Controls empties.
inline void ClearTable1Answers(Table1Answers &answers) {
    const QString ownerCode = answers.OwnerCode, ownerText = answers.OwnerText;
    answers = Table1Answers();
    answers.OwnerCode = ownerCode;
    answers.OwnerText = ownerText;
}

}  // namespace d7
