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
    if (!a.NoStreetsKnown)
        lines << SummaryLine(QStringLiteral("ΟΔΟΣ: "), 3, a.streetName)
              << SummaryLine(QStringLiteral("ΑΡΙΘΜΟΣ: "), 2, a.streetNumber)
              << SummaryLine(QStringLiteral("ΠΡΟΣΟΨΗ: "), 2, c.ComboBox3)
              << SummaryLine(QStringLiteral("2Η ΟΔΟΣ: "), 2, a.Street2Name)
              << SummaryLine(QStringLiteral("ΠΡΟΣΟΨΗ: "), 2, c.ComboBox13)
              << SummaryLine(QStringLiteral("3Η ΟΔΟΣ: "), 2, a.Street3Name)
              << SummaryLine(QStringLiteral("ΠΡΟΣΟΨΗ: "), 2, c.ComboBox14)
              << SummaryLine(QStringLiteral("4Η ΟΔΟΣ: "), 2, a.Street4Name)
              << SummaryLine(QStringLiteral("ΠΡΟΣΟΨΗ: "), 2, c.ComboBox15);
    lines << SummaryLine(QStringLiteral("ΑΡ. ΟΙΚ. ΤΕΤΡΑΓΩΝΟΥ: "), 1, c.EditOT)
          << SummaryLine(QStringLiteral("ΤΟ ΑΚΙΝΗΤΟ ΕΙΝΑΙ: "), 1, c.ComboBox16)
          << SummaryLine(QStringLiteral("ΕΙΔΙΚΕΣ ΣΥΝΘΗΚΕΣ: "), 1, c.ComboBoxSpecial);
    if (!a.PlotOnly) {
        lines << SummaryLine(QStringLiteral("ΟΡΟΦΟΣ: "), 2, c.ComboBoxFloor)
              << SummaryLine(QStringLiteral("ΕΠΙΦΑΝΕΙΑ ΚΥΡΙΩΝ ΧΩΡΩΝ: "), 1, c.EditMainMM)
              << SummaryLine(QStringLiteral("ΕΠΙΦΑΝΕΙΑ ΒΟΗΘΗΤΙΚΩΝ ΧΩΡΩΝ: "), 0, c.EditHelpMM)
              << SummaryLine(QStringLiteral("ΕΤΟΣ ΚΑΤΑΣΚΕΥΗΣ: "), 2, c.EditYearOfConstruction)
              << SummaryLine(QStringLiteral("ΕΧΕΤΕ ΤΟ ΑΚΙΝΗΤΟ ΚΑΤΑ: "), 1, c.ComboBoxKata)
              << SummaryLine(QStringLiteral("ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: "), 1, c.EditPercentage + percent);
        if (a.OwnershipType != QLatin1String("1"))
            lines << SummaryLine(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: "), 1, c.EditYearOfBirthEpik);
    }
    if (!a.NoPlotData) {
        lines << rule << SummaryLine(QStringLiteral("ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΟΥ: "), 0)
              << SummaryLine(QStringLiteral("ΕΠΙΦΑΝΕΙΑ: "), 3, c.EditOikMM)
              << SummaryLine(QStringLiteral("ΕΧΕΤΕ ΤΟ ΟΙΚΟΠΕΔΟ ΚΑΤΑ: "), 1, c.ComboBoxKataOik)
              << SummaryLine(QStringLiteral("ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: "), 1, c.EditPercentageOik + percent);
        if (a.PlotOwnershipType != QLatin1String("1"))
            lines << SummaryLine(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: "), 1, c.EditYearOfBirthEpikOik);
        lines << rule;
    }
    lines << SummaryLine(QStringLiteral("ΣΥΝΟΛΙΚΗ ΕΠΙΦΑΝΕΙΑ ΚΤΙΣΜΑΤΩΝ ΣΤΟ ΟΙΚΟΠΕΔΟ: "), 0, c.EditTotalMM)
          << SummaryLine(QStringLiteral("ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: "), 2, c.ComboBoxToWhomBelongs);
    return lines;
}

}  // namespace d7
