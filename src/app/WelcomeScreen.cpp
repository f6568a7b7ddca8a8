#include "app/WelcomeScreen.h"

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

QString WelcomeScreen::welcomeText() {
    return QStringLiteral(
        "<p>Με την εφαρμογή αυτή συμπληρώνετε ηλεκτρονικά τη Δήλωση Στοιχείων Ακινήτων (έντυπο D7) και δημιουργείτε το αρχείο που θα υποβάλετε στην υπηρεσία μέσω του διαδικτύου.</p><p>Ξεκινήστε από το μενού «Αρχείο» με την επιλογή «Συμπλήρωση Δήλωσης D7» και δώστε τον ΑΦΜ του υπόχρεου. Αν έχετε ήδη περάσει στοιχεία για αυτόν τον ΑΦΜ, θα εμφανιστούν στην οθόνη.</p><p>Στη σελίδα «ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ» δηλώνετε τον υπόχρεο, τον/τη σύζυγο, τα προστατευόμενα τέκνα και τον νόμιμο εκπρόσωπο. Τα ακίνητα καταχωρούνται στους Πίνακες 1 και 2 βήμα προς βήμα, με τη βοήθεια ερωτήσεων.</p><p>Όλα τα στοιχεία γράφονται με κεφαλαία γράμματα· για τον λόγο αυτό η εφαρμογή ανάβει το πλήκτρο CapsLock όσο είναι ανοικτή. Τα στοιχεία αποθηκεύονται στον υπολογιστή σας και μπορείτε να τα εκτυπώσετε.</p><p>Για οδηγίες χρήσης πατήστε F1 ή επιλέξτε το μενού «Βοήθεια». Καλή επιτυχία!</p>");
}

WelcomeScreen::WelcomeScreen(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormMessage"));
    setWindowTitle(kMainWindowCaption);
    setFixedSize(586, 412);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_leftEmblem = picture(this, "ImageLeft", QStringLiteral(":/images/emblem-left.jpg"), 8, 6);
    m_rightEmblem = picture(this, "ImageRight", QStringLiteral(":/images/emblem-right.jpg"), 586 - 8 - 48, 6);
    m_leftAuthority = boldText(this, "AuthorityLeft", kAuthorityName);
    m_leftAuthority->move(62, 22);
    m_leftAuthority->adjustSize();
    m_rightAuthority = boldText(this, "AuthorityRight", kAuthorityName);
    m_rightAuthority->adjustSize();
    m_rightAuthority->move(586 - 62 - m_rightAuthority->width(), 22);

    m_band = new QLabel(this);
    m_band->setObjectName(QStringLiteral("Band"));
    m_band->setAutoFillBackground(true);
    QPalette bandPalette = m_band->palette();
    bandPalette.setColor(QPalette::Window, QColor(48, 159, 192));
    m_band->setPalette(bandPalette);
    m_band->setGeometry(0, 60, 586, 17);

    m_picture = picture(this, "Picture", QStringLiteral(":/images/welcome.jpg"), 12, 92);

    m_heading = boldText(this, "Heading",
                       QStringLiteral("Καλωσήλθατε στην Ηλεκτρονική Συμπλήρωση και Υποβολή της Δήλωσης D7"));
    m_heading->setWordWrap(true);
    m_heading->setGeometry(176, 88, 398, 34);

    m_welcomeText = new QTextEdit(this);
    m_welcomeText->setObjectName(QStringLiteral("RichEdit1"));
    m_welcomeText->setReadOnly(true);
    m_welcomeText->setFrameShape(QFrame::NoFrame);
    m_welcomeText->viewport()->setAutoFillBackground(false);
    m_welcomeText->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    m_welcomeText->setHtml(welcomeText());
    m_welcomeText->setGeometry(176, 126, 398, 236);

    m_continueButton = new QPushButton(QStringLiteral("Πατήστε εδώ για να συνεχίσετε"), this);
    m_continueButton->setObjectName(QStringLiteral("Button1"));
    m_continueButton->setGeometry(293 - 110, 372, 220, 28);
    m_continueButton->setDefault(true);
    connect(m_continueButton, &QPushButton::clicked, this, &QDialog::accept);   // Button1Click

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

}  // namespace d7
