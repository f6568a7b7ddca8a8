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
                             WizardKind kind, ReferenceLists &lists, QString typedStreetMessage, QObject *parent)
    : QObject(parent), m_controls(controls), m_answers(answers), m_noStreetsKnown(noStreetsKnown), m_kind(kind),
      m_lists(lists), m_typedStreetMessage(std::move(typedStreetMessage)) {
    // The program's ticks have the same effects as the user's.
    connect(m_controls.municipalityTypedBox, &QCheckBox::toggled, this, [this](bool typed) {
        m_controls.municipalityListLabel->setVisible(!typed);
        m_controls.municipalities->names()->setVisible(!typed);
        m_controls.municipalityTypedLabel->setVisible(typed);
        m_controls.municipalityEdit->setVisible(typed);
        m_answers.municipalityTyped = typed;
    });
    connect(m_controls.streetTypedBox, &QCheckBox::toggled, this, [this](bool typed) {
        showStreetList(!typed);
        m_answers.streetTyped = typed;
    });
    if (m_controls.noStreetsBox)
        connect(m_controls.noStreetsBox, &QCheckBox::toggled, this, [this](bool none) {
            m_controls.noStreetsPanel->setVisible(none);
            if (none)
                m_controls.noStreetsPanel->raise();
            *m_noStreetsKnown = none;
        });
    m_controls.municipalityTypedLabel->setVisible(false);
    m_controls.municipalityEdit->setVisible(false);
    m_controls.streetTypedLabel->setVisible(false);
    m_controls.streetEdit->setVisible(false);
    if (m_controls.noStreetsPanel)
        m_controls.noStreetsPanel->setVisible(false);
}

void LocationSteps::showStreetList(bool list) {
    m_controls.streetListLabel->setVisible(list);
    m_controls.streets->names()->setVisible(list);
    m_controls.streetTypedLabel->setVisible(!list);
    m_controls.streetEdit->setVisible(!list);
}

bool LocationSteps::choosePrefecture() {
    if (m_controls.prefectures->index() < 0) {
        refuse(QStringLiteral("Παρακαλώ επιλέξτε ένα νομό"));
        return false;
    }
    m_answers.prefectureCode = m_controls.prefectures->code();
    m_answers.prefectureName = m_controls.prefectures->name();
    LoadMunicipalities(m_lists, *m_controls.municipalities, m_answers.prefectureCode, m_kind);
    return true;
}

bool LocationSteps::chooseMunicipality() {
    // Only the typed-street field and its caption are shown, whatever the
    // street page showed before.
    auto typedStreetOnly = [this] {
        m_controls.streetTypedBox->setChecked(false);
        m_controls.streetTypedBox->setVisible(false);
        showStreetList(false);
        m_answers.streetTyped = true;
        if (m_controls.noStreetsBox)
            m_controls.noStreetsBox->setChecked(false);
        if (m_noStreetsKnown)
            *m_noStreetsKnown = false;
    };

    if (m_answers.municipalityTyped) {
        if (m_controls.municipalityEdit->text().isEmpty()) {
            refuse(QStringLiteral("Παρακαλώ γράψτε ένα δήμο - διαμ/σμα - κοινότητα"));
            return false;
        }
        typedStreetOnly();
        m_answers.municipalityCode.clear();
        m_answers.municipalityName = m_controls.municipalityEdit->text();
        return true;
    }
    if (m_controls.municipalities->index() < 0) {
        refuse(QStringLiteral("Παρακαλώ επιλέξτε ένα δήμο - διαμ/σμα - κοινότητα"));
        return false;
    }
    m_answers.municipalityCode = m_controls.municipalities->code();
    m_answers.municipalityName = m_controls.municipalities->name();
    if (m_controls.noStreetsBox)
        m_controls.noStreetsBox->setChecked(false);
    else
        m_controls.streetTypedBox->setChecked(false);
    m_controls.streetEdit->clear();
    m_controls.numberEdit->clear();
    m_answers.streetName.clear();
    m_answers.streetNumber.clear();
    m_answers.streetCode.clear();
    if (LoadStreets(m_lists, *m_controls.streets, m_answers.prefectureCode, m_answers.municipalityCode)) {
        m_controls.streetTypedBox->setChecked(false);
        m_controls.streetTypedBox->setVisible(true);
        showStreetList(true);
        m_answers.streetTyped = false;
        if (m_noStreetsKnown)
            *m_noStreetsKnown = false;
    } else {
        typedStreetOnly();
    }
    return true;
}

LocationSteps::StreetChoice LocationSteps::chooseStreet() {
    if (m_noStreetsKnown && *m_noStreetsKnown)
        return StreetChoice::NoStreetsKnown;
    if (m_answers.streetTyped) {
        if (m_controls.streetEdit->text().isEmpty()) {
            refuse(m_typedStreetMessage);
            m_controls.streetEdit->setFocus();
            return StreetChoice::Refused;
        }
        m_answers.streetCode = QStringLiteral("0");
        m_answers.streetName = m_controls.streetEdit->text();
    } else {
        if (m_controls.streets->index() < 0) {
            refuse(QStringLiteral("Παρακαλώ επιλέξτε μία οδό"));
            return StreetChoice::Refused;
        }
        m_answers.streetCode = m_controls.streets->code();
        m_answers.streetName = m_controls.streets->name();
    }
    m_answers.streetNumber = m_controls.numberEdit->text();
    return StreetChoice::Chosen;
}

}  // namespace d7
