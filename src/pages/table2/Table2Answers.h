// The Table 2 row being composed by its wizard; owned by the main window.
#pragma once

#include "pages/wizard/LocationAnswers.h"

namespace d7 {

struct Table2Answers : LocationAnswers {
    QString FrontageCode;
    QString DistanceFromSea;
    bool Expropriable = false;
    bool Irrigated = false;
    QString MonoMM, PolyMMElies, PolyMMLoipes, MMBosko, MMDasiki, MMMetal, MMParking;
    QString TotalMM;
    QString TypeOfOwn, Percentage, YearOfBirthEpik;
    QString OwnerCode, OwnerText;
};

inline void ClearTable2Answers(Table2Answers &answers) { answers = Table2Answers(); }

}  // namespace d7
