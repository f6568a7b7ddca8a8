#include "help/AboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "widgets/Dialogs.h"
#include "store/Resources.h"

namespace d7 {

namespace {

QLabel *line(QWidget *parent, const char *name, const QString &text) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

QIcon ProgramIcon() {
    InitResources();
    return QIcon(QStringLiteral(":/images/d7.png"));
}

AboutBox::AboutBox(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Σχετικά"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    icon->setFixedSize(64, 64);
    icon->setScaledContents(true);

    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(12);
    grid->addWidget(icon, 0, 0, 2, 1);
    auto *product = line(panel, "ProductName", QStringLiteral("D7: Δήλωση Στοιχείων Ακινήτων"));
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    grid->addWidget(product, 0, 1);
    grid->addWidget(line(panel, "Version", QStringLiteral("v 1.0   Μάρτιος 2005")), 1, 1);
    grid->setRowMinimumHeight(2, 12);
    grid->addWidget(line(panel, "Comments", kAuthorityName), 3, 0, 1, 2);
    grid->addWidget(line(panel, "Label1", kAuthorityDepartment), 4, 0, 1, 2);
    grid->setRowMinimumHeight(5, 12);
    grid->addWidget(line(panel, "Label2", QStringLiteral("ΔΙΑΝΕΜΕΤΑΙ ΔΩΡΕΑΝ")), 6, 0, 1, 2);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

}  // namespace d7
