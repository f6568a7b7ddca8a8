// The Table 2 row being composed by its wizard; owned by the main window.
#pragma once

#include "pages/wizard/LocationAnswers.h"

namespace d7 {

struct Table2Answers : LocationAnswers {
    QString frontageCode;
    QString distanceFromSea;
    bool expropriable = false;
    bool irrigated = false;
    // Square metres by use, and of the plot's buildings, as the fields show them.
    QString annualCropsSurface, olivesSurface, otherTreesSurface, pastureSurface, forestSurface, quarrySurface,
        openAirSurface;
    QString totalBuildingsSurface;
    QString ownershipType, ownershipPercentage, usufructBirthYear;
    QString ownerCode, ownerText;
};

inline void ClearTable2Answers(Table2Answers &answers) { answers = Table2Answers(); }

}  // namespace d7
