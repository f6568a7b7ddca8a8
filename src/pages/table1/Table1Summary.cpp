#include "pages/table1/Table1Summary.h"

#include "pages/table1/Table1Answers.h"
#include "pages/wizard/WizardSupport.h"

namespace d7 {

QStringList Table1SummaryLines(const Table1Answers &a, const Table1SummaryControls &c) {
    static const QString rule = QStringLiteral("_________________________________");
    static const QString percent = QStringLiteral(" %");
    QStringList lines;
    lines << SummaryLine(QStringLiteral("ΝΟΜΟΣ: "), 2, a.prefectureName)
          << SummaryLine(QStringLiteral("ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: "), 0, a.municipalityName);
    if (!a.noStreetsKnown)
        lines << SummaryLine(QStringLiteral("ΟΔΟΣ: "), 3, a.streetName)
              << SummaryLine(QStringLiteral("ΑΡΙΘΜΟΣ: "), 2, a.streetNumber)
              << SummaryLine(QStringLiteral("ΠΡΟΣΟΨΗ: "), 2, c.frontsOnStreet)
              << SummaryLine(QStringLiteral("2Η ΟΔΟΣ: "), 2, a.street2Name)
              << SummaryLine(QStringLiteral("ΠΡΟΣΟΨΗ: "), 2, c.frontsOnSecondStreet)
              << SummaryLine(QStringLiteral("3Η ΟΔΟΣ: "), 2, a.street3Name)
              << SummaryLine(QStringLiteral("ΠΡΟΣΟΨΗ: "), 2, c.frontsOnThirdStreet)
              << SummaryLine(QStringLiteral("4Η ΟΔΟΣ: "), 2, a.street4Name)
              << SummaryLine(QStringLiteral("ΠΡΟΣΟΨΗ: "), 2, c.frontsOnFourthStreet);
    lines << SummaryLine(QStringLiteral("ΑΡ. ΟΙΚ. ΤΕΤΡΑΓΩΝΟΥ: "), 1, c.blockNumber)
          << SummaryLine(QStringLiteral("ΤΟ ΑΚΙΝΗΤΟ ΕΙΝΑΙ: "), 1, c.category)
          << SummaryLine(QStringLiteral("ΕΙΔΙΚΕΣ ΣΥΝΘΗΚΕΣ: "), 1, c.specialConditions);
    if (!a.plotOnly) {
        lines << SummaryLine(QStringLiteral("ΟΡΟΦΟΣ: "), 2, c.floor)
              << SummaryLine(QStringLiteral("ΕΠΙΦΑΝΕΙΑ ΚΥΡΙΩΝ ΧΩΡΩΝ: "), 1, c.mainArea)
              << SummaryLine(QStringLiteral("ΕΠΙΦΑΝΕΙΑ ΒΟΗΘΗΤΙΚΩΝ ΧΩΡΩΝ: "), 0, c.auxiliaryArea)
              << SummaryLine(QStringLiteral("ΕΤΟΣ ΚΑΤΑΣΚΕΥΗΣ: "), 2, c.yearOfConstruction)
              << SummaryLine(QStringLiteral("ΕΧΕΤΕ ΤΟ ΑΚΙΝΗΤΟ ΚΑΤΑ: "), 1, c.kindOfRight)
              << SummaryLine(QStringLiteral("ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: "), 1, c.percentage + percent);
        if (a.ownershipType != QLatin1String("1"))
            lines << SummaryLine(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: "), 1, c.usufructBirthYear);
    }
    if (!a.noPlotData) {
        lines << rule << SummaryLine(QStringLiteral("ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΟΥ: "), 0)
              << SummaryLine(QStringLiteral("ΕΠΙΦΑΝΕΙΑ: "), 3, c.plotArea)
              << SummaryLine(QStringLiteral("ΕΧΕΤΕ ΤΟ ΟΙΚΟΠΕΔΟ ΚΑΤΑ: "), 1, c.plotKindOfRight)
              << SummaryLine(QStringLiteral("ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: "), 1, c.plotPercentage + percent);
        if (a.plotOwnershipType != QLatin1String("1"))
            lines << SummaryLine(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: "), 1, c.plotUsufructBirthYear);
        lines << rule;
    }
    lines << SummaryLine(QStringLiteral("ΣΥΝΟΛΙΚΗ ΕΠΙΦΑΝΕΙΑ ΚΤΙΣΜΑΤΩΝ ΣΤΟ ΟΙΚΟΠΕΔΟ: "), 0, c.buildingsArea)
          << SummaryLine(QStringLiteral("ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: "), 2, c.owner);
    return lines;
}

}  // namespace d7
