#include "pages/wizard/LocationSteps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "widgets/Dialogs.h"
#include "widgets/PairedList.h"
#include "pages/wizard/LocationAnswers.h"
#include "pages/wizard/LocationLookups.h"

namespace d7 {

namespace {
void refuse(const QString &message) {
    Beep();
    ShowMessageText(message);
}
}  // namespace

LocationSteps::LocationSteps(const LocationControls &controls, LocationAnswers &answers, bool *noStreetsKnown,
                             WizardKind kind, Dataset &lookups, QString typedStreetMessage, QObject *parent)
    : QObject(parent), c_(controls), answers_(answers), noStreetsKnown_(noStreetsKnown), kind_(kind),
      lookups_(lookups), typedStreetMessage_(std::move(typedStreetMessage)) {
    // The program's ticks have the same effects as the user's.
    connect(c_.municipalityTypedBox, &QCheckBox::toggled, this, [this](bool typed) {
        c_.municipalityListLabel->setVisible(!typed);
        c_.municipalities->names()->setVisible(!typed);
        c_.municipalityTypedLabel->setVisible(typed);
        c_.municipalityEdit->setVisible(typed);
        answers_.MunicipalityTyped = typed;
    });
    connect(c_.streetTypedBox, &QCheckBox::toggled, this, [this](bool typed) {
        showStreetList(!typed);
        answers_.StreetTyped = typed;
    });
    if (c_.noStreetsBox)
        connect(c_.noStreetsBox, &QCheckBox::toggled, this, [this](bool none) {
            c_.noStreetsPanel->setVisible(none);
            if (none)
                c_.noStreetsPanel->raise();
            *noStreetsKnown_ = none;
        });
    c_.municipalityTypedLabel->setVisible(false);
    c_.municipalityEdit->setVisible(false);
    c_.streetTypedLabel->setVisible(false);
    c_.streetEdit->setVisible(false);
    if (c_.noStreetsPanel)
        c_.noStreetsPanel->setVisible(false);
}

void LocationSteps::showStreetList(bool list) {
    c_.streetListLabel->setVisible(list);
    c_.streets->names()->setVisible(list);
    c_.streetTypedLabel->setVisible(!list);
    c_.streetEdit->setVisible(!list);
}

bool LocationSteps::choosePrefecture() {
    if (c_.prefectures->index() < 0) {
        refuse(QStringLiteral("Παρακαλώ επιλέξτε ένα νομό"));
        return false;
    }
    answers_.PrefectureCode = c_.prefectures->code();
    answers_.PrefectureName = c_.prefectures->name();
    LoadMunicipalities(lookups_, *c_.municipalities, answers_.PrefectureCode, kind_);
    return true;
}

bool LocationSteps::chooseMunicipality() {
    // Only the typed-street field and its caption are shown, whatever the
    // street page showed before.
    auto typedStreetOnly = [this] {
        c_.streetTypedBox->setChecked(false);
        c_.streetTypedBox->setVisible(false);
        showStreetList(false);
        answers_.StreetTyped = true;
        if (c_.noStreetsBox)
            c_.noStreetsBox->setChecked(false);
        if (noStreetsKnown_)
            *noStreetsKnown_ = false;
    };

    if (answers_.MunicipalityTyped) {
        if (c_.municipalityEdit->text().isEmpty()) {
            refuse(QStringLiteral("Παρακαλώ γράψτε ένα δήμο - διαμ/σμα - κοινότητα"));
            return false;
        }
        typedStreetOnly();
        answers_.MunicipalityCode.clear();
        answers_.MunicipalityName = c_.municipalityEdit->text();
        return true;
    }
    if (c_.municipalities->index() < 0) {
        refuse(QStringLiteral("Παρακαλώ επιλέξτε ένα δήμο - διαμ/σμα - κοινότητα"));
        return false;
    }
    answers_.MunicipalityCode = c_.municipalities->code();
    answers_.MunicipalityName = c_.municipalities->name();
    if (c_.noStreetsBox)
        c_.noStreetsBox->setChecked(false);
    else
        c_.streetTypedBox->setChecked(false);
    c_.streetEdit->clear();
    c_.numberEdit->clear();
    answers_.StreetName.clear();
    answers_.StreetNumber.clear();
    answers_.StreetCode.clear();
    if (LoadStreets(lookups_, *c_.streets, answers_.PrefectureCode, answers_.MunicipalityCode)) {
        c_.streetTypedBox->setChecked(false);
        c_.streetTypedBox->setVisible(true);
        showStreetList(true);
        answers_.StreetTyped = false;
        if (noStreetsKnown_)
            *noStreetsKnown_ = false;
    } else {
        typedStreetOnly();
    }
    return true;
}

LocationSteps::StreetChoice LocationSteps::chooseStreet() {
    if (noStreetsKnown_ && *noStreetsKnown_)
        return StreetChoice::NoStreetsKnown;
    if (answers_.StreetTyped) {
        if (c_.streetEdit->text().isEmpty()) {
            refuse(typedStreetMessage_);
            c_.streetEdit->setFocus();
            return StreetChoice::Refused;
        }
        answers_.StreetCode = QStringLiteral("0");
        answers_.StreetName = c_.streetEdit->text();
    } else {
        if (c_.streets->index() < 0) {
            refuse(QStringLiteral("Παρακαλώ επιλέξτε μία οδό"));
            return StreetChoice::Refused;
        }
        answers_.StreetCode = c_.streets->code();
        answers_.StreetName = c_.streets->name();
    }
    answers_.StreetNumber = c_.numberEdit->text();
    return StreetChoice::Chosen;
}

}  // namespace d7
