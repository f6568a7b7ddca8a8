#include "pages/general/GeneralPage.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "widgets/Command.h"
#include "widgets/StandardIcons.h"
#include "widgets/DataGrid.h"
#include "widgets/Named.h"
#include "widgets/Dialogs.h"
#include "widgets/DataNavigator.h"
#include "widgets/InputRules.h"
#include "widgets/StringGrid.h"
#include "declaration/Declaration.h"
#include "declaration/Validation.h"
#include "pages/general/TaxOffices.h"
#include "store/Engine.h"

#include <QDate>
#include <QScopedValueRollback>

namespace d7 {

namespace {


QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y) {
    auto *l = named(new QLabel(text, parent), name);
    l->move(x, y);
    l->adjustSize();
    return l;
}

}  // namespace

QStringList ChildBirthYears() {
    QStringList years;
    for (int y = 2005; y >= 1880; --y)
        years << QString::number(y);
    return years;
}

GeneralPage::GeneralPage(Declaration &declaration, QWidget *parent)
    : QWidget(parent), m_declaration(declaration) {
    Dataset *children = &declaration.children();
    setObjectName(QStringLiteral("TabSheetGen"));

    m_taxOfficeCaption = label(this, "Label1", QStringLiteral("Προς τη Δ.Ο.Υ.:"), 8, 10);
    m_taxOffices = named(new QComboBox(this), "ComboBoxDOY");
    m_taxOffices->setGeometry(100, 6, 201, 21);
    m_taxOfficeCodes = named(new QComboBox(this), "ComboBoxDOYCodes");
    m_taxOfficeCodes->setVisible(false);
    QStringList officeNames, officeCodes;
    for (const TaxOffice &office : TaxOffices()) {
        officeNames << office.name;
        officeCodes << office.code;
    }
    m_taxOffices->addItems(officeNames);
    m_taxOfficeCodes->addItems(officeCodes);
    m_taxOffices->setCurrentIndex(0);
    m_taxOfficeCodes->setCurrentIndex(0);

    m_declarationKindCaption = label(this, "Label2", QStringLiteral("Είδος Δήλωσης:"), 330, 10);
    m_declarationKind = named(new QComboBox(this), "ComboBoxType");
    m_declarationKind->setGeometry(420, 6, 150, 21);
    m_declarationKind->addItems(DeclarationKindNames());
    m_declarationKind->setCurrentIndex(0);
    m_declarationKind->setEnabled(false);

    m_taxpayerCaption = label(this, "Label3", QStringLiteral("ΣΤΟΙΧΕΙΑ ΤΟΥ ΥΠΟΧΡΕΟΥ (Με κεφαλαία)"), 8, 34);
    m_taxpayerGrid = named(new StringGrid(5, 2, 1, 1, this), "StringGridYp");
    m_taxpayerGrid->setColumnWidths({40, 160, 126, 175, 109});
    m_taxpayerGrid->move(8, 49);

    m_spouseCaption = label(this, "Label4", QStringLiteral("ΣΤΟΙΧΕΙΑ ΤΗΣ ΣΥΖΥΓΟΥ (Με κεφαλαία)"), 8, 97);
    m_spouseGrid = named(new StringGrid(6, 2, 1, 1, this), "StringGridYpWife");
    m_spouseGrid->setColumnWidths({40, 106, 98, 168, 91, 107});
    m_spouseGrid->move(8, 112);

    m_childrenCaption = label(this, "Label5",
                              QStringLiteral("ΣΤΟΙΧΕΙΑ ΠΡΟΣΤΑΤΕΥΟΜΕΝΩΝ ΤΕΚΝΩΝ ΠΟΥ ΕΧΟΥΝ ΟΠΟΙΟΔΗΠΟΤΕ ΕΜΠΡΑΓΜΑΤΟ ΔΙΚΑΙΩΜΑ ΣΕ ΑΚΙΝΗΤΟ"),
                              8, 160);

    // Each heading whole in the window's font; the names give up the room.
    QList<GridColumn> columns = {
        {QStringLiteral("Surname"), QStringLiteral("ΕΠΩΝΥΜΟ"), 116, {}, {}},
        {QStringLiteral("Name"), QStringLiteral("ΟΝΟΜΑ"), 116, {}, {}},
        {QStringLiteral("FatherName"), QStringLiteral("ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"), 168, {}, {}},
        {QStringLiteral("AT"), QStringLiteral("Α.ΤΑΥΤΟΤΗΤΑΣ"), 96, {}, {}},
        {QStringLiteral("YearOfBirth"), QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ"), 102, {}, {}},
        {QStringLiteral("AFM"), QStringLiteral("ΑΦΜ"), 82, {}, {}},
    };
    m_childrenGrid = named(new DataGrid(children, columns, true, this), "DBGrid1");
    m_childrenGrid->setGeometry(8, 212, 713, 131);

    // The navigator's four buttons, each as wide as the caption above it.
    m_childrenNavigator = named(new DataNavigator(children, this), "DBNavigator1");
    const char *captionNames[4] = {"Label96", "Label97", "Label98", "Label99"};
    const QString captions[4] = {QStringLiteral("Εισαγωγή τέκνου"), QStringLiteral("Διαγραφή τέκνου"),
                                 QStringLiteral("Αποθήκευση αλλαγών στοιχείων τέκνου"),
                                 QStringLiteral("Ακύρωση αλλαγών στοιχείων τέκνου")};
    QLabel **captionLabels[4] = {&m_insertChildCaption, &m_deleteChildCaption, &m_storeChildCaption,
                                 &m_cancelChildCaption};
    int x = 0;
    for (int i = 0; i < 4; ++i) {
        QLabel *l = *captionLabels[i] = label(this, captionNames[i], captions[i], 0, 0);
        const int width = l->sizeHint().width() + 16;
        l->setFixedWidth(width);
        l->setAlignment(Qt::AlignCenter);
        l->move(8 + x, 175);
        auto *b = m_childrenNavigator->button(DataNavigator::Button(i));
        b->setFixedSize(width, 22);
        x += width;
    }
    m_childrenNavigator->setGeometry(8, 189, x, 22);

    m_representativeCaption = label(this, "Label6", QStringLiteral("ΣΤΟΙΧΕΙΑ ΝΟΜΙΜΟΥ ΕΚΠΡΟΣΩΠΟΥ ή ΑΝΤΙΚΛΗΤΟΥ"), 8, 349);
    m_representativeGrid = named(new StringGrid(5, 2, 0, 1, this), "StringGridAnti");
    m_representativeGrid->setColumnWidths({85, 175, 133, 118, 84});
    m_representativeGrid->move(8, 364);

    m_notesCaption = label(this, "Label7", QStringLiteral("ΣΗΜΕΙΩΣΕΙΣ ΦΟΡΟΛΟΓΟΥΜΕΝΟΥ:"), 8, 412);
    m_notes = named(new QPlainTextEdit(this), "MemoNotes");
    m_notes->setGeometry(8, 427, 569, 57);

    m_saveButton = named(new QPushButton(QStringLiteral("Αποθήκευση"), this), "BitBtnSave");
    m_saveButton->setIcon(StandardIcon(QStyle::SP_DialogSaveButton));
    m_saveButton->setGeometry(600, 427, 113, 57);

    // Behaviour.
    connect(m_taxOffices, &QComboBox::activated, this, &GeneralPage::chooseTaxOffice);
    // The person liable's tax number is the declaration's key: shown, never typed.
    m_taxpayerGrid->setReadOnlyCell(4, 1);
    m_spouseGrid->setColumnKeyFilter(5, DigitKeyFilter);
    m_representativeGrid->setColumnKeyFilter(4, DigitKeyFilter);
    m_childrenGrid->datasetModel()->setKeyFilter(4, DigitKeyFilter);
    m_childrenGrid->datasetModel()->setKeyFilter(5, DigitKeyFilter);
    children->setBeforePost([this](Dataset &d) { return checkChildBeforePost(d); });
    m_childrenNavigator->setBeforeAction([this](DataNavigator::Button b) { return confirmNavigatorAction(int(b)); });
    ConnectCommand(m_saveButton, &QPushButton::clicked, this, [this] { saveGeneralData(); });

    // Every committed change reaches the declaration at once; a cell still
    // being typed in is handed over by the commands that read the values.
    for (StringGrid *grid : {m_taxpayerGrid, m_spouseGrid, m_representativeGrid})
        connect(grid, &QTableWidget::itemChanged, this, &GeneralPage::handOver);
    for (QComboBox *box : {m_taxOffices, m_taxOfficeCodes, m_declarationKind})
        connect(box, &QComboBox::currentIndexChanged, this, &GeneralPage::handOver);
    connect(m_notes, &QPlainTextEdit::textChanged, this, &GeneralPage::handOver);
}

namespace {

QStringList rowCells(const StringGrid *grid, int fromColumn, int toColumn) {
    QStringList cells;
    for (int c = fromColumn; c <= toColumn; ++c)
        cells << grid->cellText(c, 1);
    return cells;
}

void showCells(StringGrid *grid, int fromColumn, const QStringList &cells) {
    for (int i = 0; i < cells.size(); ++i)
        grid->setCellText(fromColumn + i, 1, cells[i]);
}

}  // namespace

GeneralData GeneralPage::generalData() const {
    GeneralData d;
    d.taxOfficeName = m_taxOffices->currentText();
    d.taxOfficeCode = m_taxOfficeCodes->currentText();
    d.kind = m_declarationKind->currentIndex();
    d.notes = m_notes->toPlainText();
    d.taxpayer = rowCells(m_taxpayerGrid, 1, 4);
    d.spouse = rowCells(m_spouseGrid, 1, 5);
    d.representative = rowCells(m_representativeGrid, 0, 4);
    return d;
}

void GeneralPage::showGeneralData(GeneralData values) {
    {
        const QScopedValueRollback<bool> quiet(m_showing, true);
        // The tax office name and its code are looked up each in its own list.
        m_taxOffices->setCurrentIndex(0);
        m_taxOfficeCodes->setCurrentIndex(0);
        if (!values.taxOfficeName.isNull())
            m_taxOffices->setCurrentIndex(
                m_taxOffices->findText(values.taxOfficeName, Qt::MatchExactly | Qt::MatchCaseSensitive));
        if (!values.taxOfficeCode.isNull())
            m_taxOfficeCodes->setCurrentIndex(
                m_taxOfficeCodes->findText(values.taxOfficeCode, Qt::MatchExactly | Qt::MatchCaseSensitive));
        m_declarationKind->setCurrentIndex(values.kind);
        showCells(m_taxpayerGrid, 1, values.taxpayer);
        showCells(m_spouseGrid, 1, values.spouse);
        showCells(m_representativeGrid, 0, values.representative);
        m_notes->clear();
        if (!values.notes.isNull())
            m_notes->setPlainText(values.notes);
    }
    handOver();
}

void GeneralPage::handOver() {
    if (!m_showing)
        m_declaration.setGeneralData(generalData());
}

void GeneralPage::chooseTaxOffice(int index) { m_taxOfficeCodes->setCurrentIndex(index); }

bool GeneralPage::checkChildBeforePost(Dataset &children) {
    children.setFieldByName(QStringLiteral("AFMYpox"), m_declaration.taxNumber());
    static const char *const columns[] = {"Surname", "Name", "FatherName", "AT", "YearOfBirth", "AFM"};
    bool anyValue = false;
    for (const char *name : columns) {
        const QVariant v = children.fieldByName(QString::fromLatin1(name));
        if (v.isNull())
            continue;
        anyValue = true;
        if (!v.toString().isEmpty())
            return true;
    }
    if (anyValue) {
        // Only empty texts: the row goes back to what it was.
        try {
            children.cancel();
        } catch (const std::exception &) {
        }
    }
    return false;   // an all-null row stays in editing
}

bool GeneralPage::confirmNavigatorAction(int button) {
    // The buttons take no focus, so a cell of the grid may still be open under
    // the user's typing: cancel drops what was typed, the others act on it.
    if (QWidget *editor = m_childrenGrid->indexWidget(m_childrenGrid->currentIndex())) {
        QAbstractItemDelegate *delegate = m_childrenGrid->itemDelegateForIndex(m_childrenGrid->currentIndex());
        if (DataNavigator::Button(button) != DataNavigator::Button::Cancel)
            emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    // A button with nothing to act on does nothing, as a greyed-out one would:
    // no question, and no engine complaint about an idle or empty dataset.
    const Dataset &children = m_declaration.children();
    if (!children.isActive())
        return false;
    switch (DataNavigator::Button(button)) {
    case DataNavigator::Button::Post:
        return children.isEditing();
    case DataNavigator::Button::Delete:
        if (!children.isEditing() && children.recordCount() == 0)
            return false;
        break;
    default:
        return true;
    }
    if (!AskYesNo(QStringLiteral("Είστε σίγουρος;")))
        return false;
    // Warn once per stored row that belongs to a child (owner code 3 and up).
    const struct {
        Dataset *rows;
        int ownerColumn;
    } tables[] = {{&m_declaration.table1Rows(), 33}, {&m_declaration.table2Rows(), 23}};
    for (const auto &t : tables) {
        Dataset &rows = *t.rows;
        if (!rows.isActive() || rows.recordCount() == 0)
            continue;
        rows.first();
        for (int i = 0, n = rows.recordCount(); i < n; ++i) {
            bool ok = false;
            const int owner = rows.text(t.ownerColumn).toInt(&ok);
            if (ok && owner >= 3 &&
                !AskYesNo(QStringLiteral("Έχετε δηλώσει στοιχεία ακινήτων τα οποία ανήκουν στο/στα τέκνα σας. Αν διαγράψετε τα στοιχεία κάποιου τέκνου τότε τα στοιχεία του ακινήτου πιθανόν να είναι λάνθασμένα. Είστε σίγουρος;"))) {
                rows.first();
                return false;
            }
            rows.next();
        }
        rows.first();
    }
    return true;
}

void GeneralPage::saveGeneralData() {
    // One transaction from the children's pending post to the last table: a
    // crash leaves the declaration as it was before the button or after it.
    Transaction save(m_declaration.store());
    handOver();
    m_declaration.postPendingChild();
    const int code = m_declaration.validate();
    if (code != 0) {
        save.commit();
        ShowMessageText(SaveMessage(code, QDate::currentDate().year()));
        return;
    }
    const GeneralData &values = m_declaration.generalData();
    if (values.taxpayer.contains(QString()) &&
        !AskYesNo(QStringLiteral("Δεν έχετε συμπληρώσει κάποια από τα στοιχεία του υπόχρεου. Είστε σίγουροι ότι θέλετε να συνεχίσετε;"))) {
        save.commit();
        return;
    }
    m_declaration.storeTaxpayer();
    if (!AllEmpty(values.spouse) && values.spouse.contains(QString()) &&
        !AskYesNo(QStringLiteral("Δεν έχετε συμπληρώσει κάποια από τα στοιχεία της συζύγου. Είστε σίγουροι ότι θέλετε να συνεχίσετε;"))) {
        save.commit();
        return;
    }
    m_declaration.storeSpouse();
    m_declaration.storeGeneralRow();
    if (!AllEmpty(values.representative) && values.representative.contains(QString()) &&
        !AskYesNo(QStringLiteral("Δεν έχετε συμπληρώσει κάποια από τα στοιχεία του εκπροσώπου. Είστε σίγουροι ότι θέλετε να συνεχίσετε;"))) {
        save.commit();
        return;
    }
    m_declaration.storeRepresentative();
    save.commit();
    ShowMessageText(QStringLiteral("Επιτυχής αποθήκευση Γενικών Στοιχείων"));
}

void GeneralPage::writeGridTitles() {
    const QStringList taxpayerTitles = {QStringLiteral("Α/Α"), QStringLiteral("ΕΠΩΝΥΜΟ ή ΕΠΩΝΥΜΙΑ"),
                                        QStringLiteral("ΟΝΟΜΑ"), QStringLiteral("ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"),
                                        QStringLiteral("ΑΦΜ")};
    for (int c = 0; c < taxpayerTitles.size(); ++c)
        m_taxpayerGrid->setCellText(c, 0, taxpayerTitles[c]);
    m_taxpayerGrid->setCellText(0, 1, QStringLiteral("1."));

    const QStringList spouseTitles = {QStringLiteral("Α/Α"), QStringLiteral("ΕΠΩΝΥΜΟ"), QStringLiteral("ΟΝΟΜΑ"),
                                      QStringLiteral("ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"), QStringLiteral("A.TΑΥΤΟΤHTAΣ"),
                                      QStringLiteral("ΑΦΜ")};
    for (int c = 0; c < spouseTitles.size(); ++c)
        m_spouseGrid->setCellText(c, 0, spouseTitles[c]);
    m_spouseGrid->setCellText(0, 1, QStringLiteral("2."));

    m_childrenGrid->datasetModel()->setPickList(4, ChildBirthYears());

    const QStringList representativeTitles = {QStringLiteral("ΙΔΙΟΤΗΤΑ"), QStringLiteral("ΕΠΩΝΥΜΟ"),
                                              QStringLiteral("ΟΝΟΜΑ"), QStringLiteral("Α.ΤΑΥΤΟΤΗΤΑΣ"),
                                              QStringLiteral("ΑΦΜ")};
    for (int c = 0; c < representativeTitles.size(); ++c)
        m_representativeGrid->setCellText(c, 0, representativeTitles[c]);
}

}  // namespace d7
