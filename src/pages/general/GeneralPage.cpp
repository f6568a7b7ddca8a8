#include "pages/general/GeneralPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "app/DataGrid.h"
#include "app/DataNavigator.h"
#include "app/InputRules.h"
#include "app/StringGrid.h"
#include "app/Main.h"
#include "pages/general/TaxOffices.h"

namespace d7 {

namespace {

template <class W>
W *named(W *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

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

GeneralPage::GeneralPage(TForm1 &form, Dataset *children, QWidget *parent)
    : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("TabSheetGen"));

    Label1 = label(this, "Label1", QStringLiteral("Προς τη Δ.Ο.Υ.:"), 8, 10);
    ComboBoxDOY = named(new QComboBox(this), "ComboBoxDOY");
    ComboBoxDOY->setGeometry(100, 6, 201, 21);
    ComboBoxDOYCodes = named(new QComboBox(this), "ComboBoxDOYCodes");
    ComboBoxDOYCodes->setVisible(false);
    for (const TaxOffice &office : TaxOffices()) {
        ComboBoxDOY->addItem(office.name);
        ComboBoxDOYCodes->addItem(office.code);
    }
    ComboBoxDOY->setCurrentIndex(0);
    ComboBoxDOYCodes->setCurrentIndex(0);

    Label2 = label(this, "Label2", QStringLiteral("Είδος Δήλωσης:"), 330, 10);
    ComboBoxType = named(new QComboBox(this), "ComboBoxType");
    ComboBoxType->setGeometry(420, 6, 150, 21);
    ComboBoxType->addItems({QStringLiteral("ΑΡΧΙΚΗ"), QStringLiteral("ΣΥΜΠΛΗΡΩΜΑΤΙΚΗ"),
                            QStringLiteral("ΑΝΑΚΛΗΤΙΚΗ")});
    ComboBoxType->setCurrentIndex(0);
    ComboBoxType->setEnabled(false);

    Label3 = label(this, "Label3", QStringLiteral("ΣΤΟΙΧΕΙΑ ΤΟΥ ΥΠΟΧΡΕΟΥ (Με κεφαλαία)"), 8, 34);
    StringGridYp = named(new StringGrid(5, 2, 1, 1, this), "StringGridYp");
    StringGridYp->setColumnWidths({40, 160, 126, 175, 109});
    StringGridYp->move(8, 49);

    Label4 = label(this, "Label4", QStringLiteral("ΣΤΟΙΧΕΙΑ ΤΗΣ ΣΥΖΥΓΟΥ (Με κεφαλαία)"), 8, 97);
    StringGridYpWife = named(new StringGrid(6, 2, 1, 1, this), "StringGridYpWife");
    StringGridYpWife->setColumnWidths({40, 119, 103, 150, 91, 107});
    StringGridYpWife->move(8, 112);

    Label5 = label(this, "Label5",
                   QStringLiteral("ΣΤΟΙΧΕΙΑ ΠΡΟΣΤΑΤΕΥΟΜΕΝΩΝ ΤΕΚΝΩΝ ΠΟΥ ΕΧΟΥΝ ΟΠΟΙΟΔΗΠΟΤΕ ΕΜΠΡΑΓΜΑΤΟ "
                                  "ΔΙΚΑΙΩΜΑ ΣΕ ΑΚΙΝΗΤΟ"),
                   8, 160);

    QList<GridColumn> columns = {
        {QStringLiteral("Surname"), QStringLiteral("ΕΠΩΝΥΜΟ"), 130, {}, {}},
        {QStringLiteral("Name"), QStringLiteral("ΟΝΟΜΑ"), 130, {}, {}},
        {QStringLiteral("FatherName"), QStringLiteral("ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"), 157, {}, {}},
        {QStringLiteral("AT"), QStringLiteral("Α.ΤΑΥΤΟΤΗΤΑΣ"), 96, {}, {}},
        {QStringLiteral("YearOfBirth"), QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ"), 85, {}, {}},
        {QStringLiteral("AFM"), QStringLiteral("ΑΦΜ"), 82, {}, {}},
    };
    DBGrid1 = named(new DataGrid(children, columns, true, this), "DBGrid1");
    DBGrid1->setGeometry(8, 212, 713, 131);

    // The navigator's four buttons, each as wide as the caption above it.
    DBNavigator1 = named(new DataNavigator(children, this), "DBNavigator1");
    const char *captionNames[4] = {"Label96", "Label97", "Label98", "Label99"};
    const QString captions[4] = {QStringLiteral("Εισαγωγή τέκνου"), QStringLiteral("Διαγραφή τέκνου"),
                                 QStringLiteral("Αποθήκευση αλλαγών στοιχείων τέκνου"),
                                 QStringLiteral("Ακύρωση αλλαγών στοιχείων τέκνου")};
    QLabel **captionLabels[4] = {&Label96, &Label97, &Label98, &Label99};
    int x = 0;
    for (int i = 0; i < 4; ++i) {
        QLabel *l = *captionLabels[i] = label(this, captionNames[i], captions[i], 0, 0);
        const int width = l->sizeHint().width() + 16;
        l->setFixedWidth(width);
        l->setAlignment(Qt::AlignCenter);
        l->move(8 + x, 175);
        auto *b = DBNavigator1->button(DataNavigator::Button(i));
        b->setFixedSize(width, 22);
        x += width;
    }
    DBNavigator1->setGeometry(8, 189, x, 22);

    Label6 = label(this, "Label6", QStringLiteral("ΣΤΟΙΧΕΙΑ ΝΟΜΙΜΟΥ ΕΚΠΡΟΣΩΠΟΥ ή ΑΝΤΙΚΛΗΤΟΥ"), 8, 349);
    StringGridAnti = named(new StringGrid(5, 2, 0, 1, this), "StringGridAnti");
    StringGridAnti->setColumnWidths({85, 175, 133, 118, 84});
    StringGridAnti->move(8, 364);

    Label7 = label(this, "Label7", QStringLiteral("ΣΗΜΕΙΩΣΕΙΣ ΦΟΡΟΛΟΓΟΥΜΕΝΟΥ:"), 8, 412);
    MemoNotes = named(new QPlainTextEdit(this), "MemoNotes");
    MemoNotes->setGeometry(8, 427, 569, 57);

    BitBtnSave = named(new QPushButton(QStringLiteral("Αποθήκευση"), this), "BitBtnSave");
    BitBtnSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtnSave->setGeometry(600, 427, 113, 57);
}

void GeneralPage::InitGridTitles() {
    const QStringList yp = {QStringLiteral("Α/Α"), QStringLiteral("ΕΠΩΝΥΜΟ ή ΕΠΩΝΥΜΙΑ"),
                            QStringLiteral("ΟΝΟΜΑ"), QStringLiteral("ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"),
                            QStringLiteral("ΑΦΜ")};
    for (int c = 0; c < yp.size(); ++c)
        StringGridYp->setCells(c, 0, yp[c]);
    StringGridYp->setCells(0, 1, QStringLiteral("1."));

    const QStringList wife = {QStringLiteral("Α/Α"), QStringLiteral("ΕΠΩΝΥΜΟ"), QStringLiteral("ΟΝΟΜΑ"),
                              QStringLiteral("ΕΠΩΝΥΜΟ & ΟΝΟΜΑ ΠΑΤΕΡΑ"), QStringLiteral("A.TΑΥΤΟΤHTAΣ"),
                              QStringLiteral("ΑΦΜ")};
    for (int c = 0; c < wife.size(); ++c)
        StringGridYpWife->setCells(c, 0, wife[c]);
    StringGridYpWife->setCells(0, 1, QStringLiteral("2."));

    DBGrid1->datasetModel()->setPickList(4, ChildBirthYears());

    const QStringList anti = {QStringLiteral("ΙΔΙΟΤΗΤΑ"), QStringLiteral("ΕΠΩΝΥΜΟ"), QStringLiteral("ΟΝΟΜΑ"),
                              QStringLiteral("Α.ΤΑΥΤΟΤΗΤΑΣ"), QStringLiteral("ΑΦΜ")};
    for (int c = 0; c < anti.size(); ++c)
        StringGridAnti->setCells(c, 0, anti[c]);
}

}  // namespace d7
