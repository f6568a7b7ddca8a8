// The Table 1 row being composed by its wizard; owned by the main window.
#pragma once

#include "pages/wizard/LocationAnswers.h"

namespace d7 {

struct Table1Answers : LocationAnswers {
    bool noStreetsKnown = false;
    bool frontsOnStreet = false;
    QString street2Name, street3Name, street4Name;
    QString street2Code, street3Code, street4Code;
    bool frontsOnStreet2 = false, frontsOnStreet3 = false, frontsOnStreet4 = false;
    bool blockStreetsTyped = false;
    QString blockNumber;
    QString categoryCode;
    bool plotOnly = false;
    QString specialCode;
    QString floorCode;
    QString mainSurface, auxiliarySurface, yearOfConstruction;
    QString ownershipType, ownershipPercentage, usufructBirthYear;
    bool noPlotData = false;
    QString plotSurface, plotOwnershipType, plotOwnershipPercentage, plotUsufructBirthYear;
    QString totalBuildingsSurface;
    QString ownerCode, ownerText;
};

// Empties every answer but the owner, which resetControls empties.
inline void ClearTable1Answers(Table1Answers &answers) {
    const QString ownerCode = answers.ownerCode, ownerText = answers.ownerText;
    answers = Table1Answers();
    answers.ownerCode = ownerCode;
    answers.ownerText = ownerText;
}

}  // namespace d7
