// The location part of a row being composed, common to both wizards.
#pragma once

#include <QString>

namespace d7 {

struct LocationAnswers {
    QString prefectureCode, prefectureName;
    QString municipalityCode, municipalityName;
    bool municipalityTyped = false;
    QString streetName, streetCode, streetNumber;
    bool streetTyped = false;
};

}  // namespace d7
