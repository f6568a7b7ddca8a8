// The location part of a row being composed, common to both wizards.
#pragma once

#include <QString>

namespace d7 {

struct LocationAnswers {
    QString PrefectureCode, PrefectureName;
    QString MunicipalityCode, MunicipalityName;
    bool MunicipalityTyped = false;
    QString StreetName, StreetCode, StreetNumber;
    bool StreetTyped = false;
};

}  // namespace d7
