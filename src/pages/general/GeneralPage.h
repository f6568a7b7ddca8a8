// The general data page: tax office, kind of declaration, the person liable,
// the spouse, the protected children, the legal representative and notes.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace d7 {

class DataGrid;
class DataNavigator;
class Dataset;
class Declaration;
class StringGrid;
struct GeneralData;

class GeneralPage : public QWidget {
    Q_OBJECT
public:
    // The page shows the declaration's general data and children, and hands
    // every change of its values back to it.
    explicit GeneralPage(Declaration &declaration, QWidget *parent = nullptr);

    // Titles of the three person grids, fixed cells and the year pick list.
    void writeGridTitles();

    // Empties the page and shows the values (a null text leaves its control empty).
    void showGeneralData(GeneralData values);
    // Gives the declaration the values as shown now.
    void handOver();

    // What the user does on the page.
    // A tax office picked from the list: the hidden code list follows it.
    void chooseTaxOffice(int index);
    // A children row about to be stored: false refuses the post.
    bool checkChildBeforePost(Dataset &children);
    // A button of the children navigator pressed: false stops it.
    bool confirmNavigatorAction(int button);
    // The save button.
    void saveGeneralData();

    // Captions above the controls and over the navigator's buttons.
    QLabel *m_taxOfficeCaption, *m_declarationKindCaption, *m_taxpayerCaption, *m_spouseCaption,
        *m_childrenCaption, *m_representativeCaption, *m_notesCaption;
    QLabel *m_insertChildCaption, *m_deleteChildCaption, *m_storeChildCaption, *m_cancelChildCaption;
    QComboBox *m_taxOffices, *m_taxOfficeCodes;   // the names and, hidden, their codes in the same order
    QComboBox *m_declarationKind;                 // shown; the user cannot change it
    StringGrid *m_taxpayerGrid, *m_spouseGrid, *m_representativeGrid;
    DataNavigator *m_childrenNavigator;
    DataGrid *m_childrenGrid;
    QPlainTextEdit *m_notes;
    QPushButton *m_saveButton;

private:
    // The values as the page shows them.
    GeneralData generalData() const;

    Declaration &m_declaration;
    bool m_showing = false;   // no hand-over while the page is being filled
};

// The years offered for a child's year of birth, newest first.
QStringList ChildBirthYears();

}  // namespace d7
