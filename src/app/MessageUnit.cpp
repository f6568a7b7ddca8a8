#include "app/MessageUnit.h"

#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include "widgets/Command.h"
#include "widgets/Dialogs.h"
#include "store/Resources.h"

namespace d7 {

namespace {

QPixmap jpeg(const QString &resource) {
    InitResources();
    QImageReader reader(resource, "jpeg");
    return QPixmap::fromImage(reader.read());
}

QLabel *picture(QWidget *parent, const char *name, const QString &resource, int x, int y) {
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setPixmap(jpeg(resource));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLabel *boldText(QWidget *parent, const char *name, const QString &text) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

QString TFormMessage::WelcomeText() {
    return QStringLiteral(
        "<p>Με την εφαρμογή αυτή συμπληρώνετε ηλεκτρονικά τη Δήλωση Στοιχείων Ακινήτων (έντυπο D7) και δημιουργείτε το αρχείο που θα υποβάλετε στην υπηρεσία μέσω του διαδικτύου.</p><p>Ξεκινήστε από το μενού «Αρχείο» με την επιλογή «Συμπλήρωση Δήλωσης D7» και δώστε τον ΑΦΜ του υπόχρεου. Αν έχετε ήδη περάσει στοιχεία για αυτόν τον ΑΦΜ, θα εμφανιστούν στην οθόνη.</p><p>Στη σελίδα «ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ» δηλώνετε τον υπόχρεο, τον/τη σύζυγο, τα προστατευόμενα τέκνα και τον νόμιμο εκπρόσωπο. Τα ακίνητα καταχωρούνται στους Πίνακες 1 και 2 βήμα προς βήμα, με τη βοήθεια ερωτήσεων.</p><p>Όλα τα στοιχεία γράφονται με κεφαλαία γράμματα· για τον λόγο αυτό η εφαρμογή ανάβει το πλήκτρο CapsLock όσο είναι ανοικτή. Τα στοιχεία αποθηκεύονται στον υπολογιστή σας και μπορείτε να τα εκτυπώσετε.</p><p>Για οδηγίες χρήσης πατήστε F1 ή επιλέξτε το μενού «Βοήθεια». Καλή επιτυχία!</p>");
}

TFormMessage::TFormMessage(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormMessage"));
    setWindowTitle(kMainWindowCaption);
    setFixedSize(586, 412);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    ImageLeft = picture(this, "ImageLeft", QStringLiteral(":/images/emblem-left.jpg"), 8, 6);
    ImageRight = picture(this, "ImageRight", QStringLiteral(":/images/emblem-right.jpg"), 586 - 8 - 48, 6);
    AuthorityLeft = boldText(this, "AuthorityLeft", kAuthorityName);
    AuthorityLeft->move(62, 22);
    AuthorityLeft->adjustSize();
    AuthorityRight = boldText(this, "AuthorityRight", kAuthorityName);
    AuthorityRight->adjustSize();
    AuthorityRight->move(586 - 62 - AuthorityRight->width(), 22);

    Band = new QLabel(this);
    Band->setObjectName(QStringLiteral("Band"));
    Band->setAutoFillBackground(true);
    QPalette bandPalette = Band->palette();
    bandPalette.setColor(QPalette::Window, QColor(48, 159, 192));
    Band->setPalette(bandPalette);
    Band->setGeometry(0, 60, 586, 17);

    Picture = picture(this, "Picture", QStringLiteral(":/images/welcome.jpg"), 12, 92);

    Heading = boldText(this, "Heading",
                       QStringLiteral("Καλωσήλθατε στην Ηλεκτρονική Συμπλήρωση και Υποβολή της Δήλωσης D7"));
    Heading->setWordWrap(true);
    Heading->setGeometry(176, 88, 398, 34);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->viewport()->setAutoFillBackground(false);
    RichEdit1->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    RichEdit1->setHtml(WelcomeText());
    RichEdit1->setGeometry(176, 126, 398, 236);

    Button1 = new QPushButton(QStringLiteral("Πατήστε εδώ για να συνεχίσετε"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(293 - 110, 372, 220, 28);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);   // Button1Click

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

}  // namespace d7
