#include "declaration/Validation.h"

#include "declaration/TaxNumber.h"
#include "text/DecimalText.h"

namespace d7 {

bool AllEmpty(const QStringList &values) {
    for (const QString &v : values)
        if (!v.isEmpty())
            return false;
    return true;
}

ValidationResult CheckDeclaration(const DeclarationSnapshot &d) {
    if (d.surname.isEmpty())
        return {5, -1, false};
    if (!CheckTaxNumber(d.taxNumber))
        return {1, -1, false};
    const QString spouseTax = d.spouse.value(4);
    if (!AllEmpty(d.spouse)) {
        if (!CheckTaxNumber(spouseTax))
            return {2, -1, false};
        if (spouseTax == d.taxNumber)
            return {10, -1, false};
    }
    const QString representativeTax = d.representative.value(4);
    for (int i = 0; i < d.children.size(); ++i) {
        const auto &child = d.children[i];
        const QString childTax = child.taxNumber.isNull() ? QString() : child.taxNumber.toString();
        if (!CheckTaxNumber(childTax))
            return {4, i};
        if (childTax == d.taxNumber || childTax == spouseTax || childTax == representativeTax)
            return {11, i};
        const QString year = child.yearOfBirth.isNull() ? QString() : child.yearOfBirth.toString();
        if (year.isEmpty())
            continue;
        // A year that is not a whole number can only arrive by pasting; it fails.
        const auto value = ReadWholeNumber(year);
        if (!value || *value < 1880 || *value > d.currentYear)
            return {6, i};
    }
    if (AllEmpty(d.representative))
        return {0};
    if (!CheckTaxNumber(representativeTax))
        return {3};
    if (representativeTax == d.taxNumber || representativeTax == spouseTax)
        return {12};
    return {0};
}

QString SaveMessage(int code, int currentYear) {
    switch (code) {
    case 1:
        return QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα αυτή είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Υπόχρεου. Διορθώστε το για να προχωρήσει η αποθήκευση");
    case 2:
        return QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα αυτή είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Συζύγου. Διορθώστε το για να προχωρήσει η αποθήκευση");
    case 3:
        return QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα αυτή είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Νομίμου εκπροσώπου. Διορθώστε το για να προχωρήσει η αποθήκευση");
    case 4:
        return QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα αυτή είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Προστατευόμενου Τέκνου. Διορθώστε το για να προχωρήσει η αποθήκευση");
    case 5:
        return QStringLiteral("Πρέπει να δηλώσετε οπωσδήποτε Επώνυμο ή Επωνυμία Υπόχρεου.");
    case 6:
        return QStringLiteral("Έχετε δώσει μη ορθό έτος γέννησης σε στοιχεία παιδιού. Παρακαλώ συμπληρώστε κάποιο έτος στο διάστημα 1880-") +
               QString::number(currentYear).rightJustified(4, QLatin1Char('0'));
    case 10:
        return QStringLiteral("Έχετε δώσει ίδιο ΑΦΜ για υπόχρεο και σύζυγο.Αυτό δεν επιτρέπεται.");
    case 11:
        return QStringLiteral("Έχετε δώσει ίδιο ΑΦΜ για τέκνο και υπόχρεο και/ή σύζυγο και/ή νόμιμο εκπρόσωπο.Αυτό δεν επιτρέπεται.");
    case 12:
        return QStringLiteral("Έχετε δώσει ίδιο ΑΦΜ για νόμιμο εκπρόσωπο και υπόχρεο και/ή σύζυγο.Αυτό δεν επιτρέπεται.");
    default:
        return QString();
    }
}

// The tax-number messages differ from the save button's; the spouse and
// representative ones repeat "για να", as they always have.
QString PageSwitchMessage(int code, int currentYear) {
    switch (code) {
    case 1:
        return QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Υπόχρεου. Διορθώστε το για να προχωρήσετε στη χρήση του προγράμματος");
    case 2:
        return QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Συζύγου. Διορθώστε το για να για να προχωρήσετε στη χρήση του προγράμματος");
    case 3:
        return QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Νομίμου εκπροσώπου. Διορθώστε το για να για να προχωρήσετε στη χρήση του προγράμματος");
    case 4:
        return QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Προστατευόμενου Τέκνου. Διορθώστε το για να προχωρήσετε στη χρήση του προγράμματος");
    default:   // the other messages are the save button's
        return SaveMessage(code, currentYear);
    }
}

}  // namespace d7
