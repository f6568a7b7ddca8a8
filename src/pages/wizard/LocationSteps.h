// The first steps of both wizards: choosing the prefecture, the municipality
// (or typing it) and the street (or typing it), with the tick boxes that switch
// a list to a typed field. The two wizards differ only in their controls, the
// municipality statement and one message.
#pragma once

#include <QObject>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace d7 {

class PairedList;
class ReferenceLists;
struct LocationAnswers;
enum class WizardKind;

struct LocationControls {
    PairedList *prefectures;
    PairedList *municipalities;
    QCheckBox *municipalityTypedBox;     // "Δε βρίσκω το Δήμο/Διαμέρισμα/Κοινότητα"
    QLabel *municipalityListLabel;
    QLabel *municipalityTypedLabel;
    QLineEdit *municipalityEdit;
    PairedList *streets;
    QCheckBox *streetTypedBox;           // "Δε βρίσκω το δρόμο"
    QLabel *streetListLabel;
    QLabel *streetTypedLabel;
    QLineEdit *streetEdit;
    QLineEdit *numberEdit;
    QCheckBox *noStreetsBox = nullptr;   // Table 1: "Δε γνωρίζω οδούς για το ακίνητο"
    QWidget *noStreetsPanel = nullptr;   // Table 1: covers the street controls
};

class LocationSteps : public QObject {
    Q_OBJECT
public:
    // noStreetsKnown is the Table 1 flag (nullptr for Table 2);
    // typedStreetMessage is the refusal of an empty typed street.
    LocationSteps(const LocationControls &controls, LocationAnswers &answers, bool *noStreetsKnown,
                  WizardKind kind, ReferenceLists &lists, QString typedStreetMessage, QObject *parent = nullptr);

    // Each returns false when the answer is refused (a beep and a message; the
    // wizard stays on its page).
    bool choosePrefecture();
    bool chooseMunicipality();
    enum class StreetChoice { Refused, Chosen, NoStreetsKnown };
    StreetChoice chooseStreet();

    const LocationControls &controls() const { return m_controls; }

private:
    void showStreetList(bool list);
    LocationControls m_controls;
    LocationAnswers &m_answers;
    bool *m_noStreetsKnown;
    WizardKind m_kind;
    ReferenceLists &m_lists;
    QString m_typedStreetMessage;
};

}  // namespace d7
