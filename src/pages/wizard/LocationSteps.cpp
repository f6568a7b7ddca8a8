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
    : QObject(parent), m_c(controls), m_answers(answers), m_noStreetsKnown(noStreetsKnown), m_kind(kind),
      m_lookups(lookups), m_typedStreetMessage(std::move(typedStreetMessage)) {
    // The program's ticks have the same effects as the user's.
    connect(m_c.municipalityTypedBox, &QCheckBox::toggled, this, [this](bool typed) {
        m_c.municipalityListLabel->setVisible(!typed);
        m_c.municipalities->names()->setVisible(!typed);
        m_c.municipalityTypedLabel->setVisible(typed);
        m_c.municipalityEdit->setVisible(typed);
        m_answers.MunicipalityTyped = typed;
    });
    connect(m_c.streetTypedBox, &QCheckBox::toggled, this, [this](bool typed) {
        showStreetList(!typed);
        m_answers.StreetTyped = typed;
    });
    if (m_c.noStreetsBox)
        connect(m_c.noStreetsBox, &QCheckBox::toggled, this, [this](bool none) {
            m_c.noStreetsPanel->setVisible(none);
            if (none)
                m_c.noStreetsPanel->raise();
            *m_noStreetsKnown = none;
        });
    m_c.municipalityTypedLabel->setVisible(false);
    m_c.municipalityEdit->setVisible(false);
    m_c.streetTypedLabel->setVisible(false);
    m_c.streetEdit->setVisible(false);
    if (m_c.noStreetsPanel)
        m_c.noStreetsPanel->setVisible(false);
}

void LocationSteps::showStreetList(bool list) {
    m_c.streetListLabel->setVisible(list);
    m_c.streets->names()->setVisible(list);
    m_c.streetTypedLabel->setVisible(!list);
    m_c.streetEdit->setVisible(!list);
}

bool LocationSteps::choosePrefecture() {
    if (m_c.prefectures->index() < 0) {
        refuse(QStringLiteral("Παρακαλώ επιλέξτε ένα νομό"));
        return false;
    }
    m_answers.PrefectureCode = m_c.prefectures->code();
    m_answers.PrefectureName = m_c.prefectures->name();
    LoadMunicipalities(m_lookups, *m_c.municipalities, m_answers.PrefectureCode, m_kind);
    return true;
}

bool LocationSteps::chooseMunicipality() {
    // Only the typed-street field and its caption are shown, whatever the
    // street page showed before.
    auto typedStreetOnly = [this] {
        m_c.streetTypedBox->setChecked(false);
        m_c.streetTypedBox->setVisible(false);
        showStreetList(false);
        m_answers.StreetTyped = true;
        if (m_c.noStreetsBox)
            m_c.noStreetsBox->setChecked(false);
        if (m_noStreetsKnown)
            *m_noStreetsKnown = false;
    };

    if (m_answers.MunicipalityTyped) {
        if (m_c.municipalityEdit->text().isEmpty()) {
            refuse(QStringLiteral("Παρακαλώ γράψτε ένα δήμο - διαμ/σμα - κοινότητα"));
            return false;
        }
        typedStreetOnly();
        m_answers.MunicipalityCode.clear();
        m_answers.MunicipalityName = m_c.municipalityEdit->text();
        return true;
    }
    if (m_c.municipalities->index() < 0) {
        refuse(QStringLiteral("Παρακαλώ επιλέξτε ένα δήμο - διαμ/σμα - κοινότητα"));
        return false;
    }
    m_answers.MunicipalityCode = m_c.municipalities->code();
    m_answers.MunicipalityName = m_c.municipalities->name();
    if (m_c.noStreetsBox)
        m_c.noStreetsBox->setChecked(false);
    else
        m_c.streetTypedBox->setChecked(false);
    m_c.streetEdit->clear();
    m_c.numberEdit->clear();
    m_answers.StreetName.clear();
    m_answers.StreetNumber.clear();
    m_answers.StreetCode.clear();
    if (LoadStreets(m_lookups, *m_c.streets, m_answers.PrefectureCode, m_answers.MunicipalityCode)) {
        m_c.streetTypedBox->setChecked(false);
        m_c.streetTypedBox->setVisible(true);
        showStreetList(true);
        m_answers.StreetTyped = false;
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
    if (m_answers.StreetTyped) {
        if (m_c.streetEdit->text().isEmpty()) {
            refuse(m_typedStreetMessage);
            m_c.streetEdit->setFocus();
            return StreetChoice::Refused;
        }
        m_answers.StreetCode = QStringLiteral("0");
        m_answers.StreetName = m_c.streetEdit->text();
    } else {
        if (m_c.streets->index() < 0) {
            refuse(QStringLiteral("Παρακαλώ επιλέξτε μία οδό"));
            return StreetChoice::Refused;
        }
        m_answers.StreetCode = m_c.streets->code();
        m_answers.StreetName = m_c.streets->name();
    }
    m_answers.StreetNumber = m_c.numberEdit->text();
    return StreetChoice::Chosen;
}

}  // namespace d7
