#include "pages/wizard/StepLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "widgets/Named.h"
#include "widgets/StandardIcons.h"

namespace d7 {

namespace {

// Laid out in pixels for the 11-pixel font, on a page of about 795 by 520.
// The frame: a row of buttons with the instruction beside them, then the
// step pages on the left and the summary on the right, both ending at the
// same foot.
constexpr int kMargin = 8;
constexpr int kFrameRight = 787;
constexpr int kStartWidth = 190, kCancelWidth = 100, kFrameButtonHeight = 27;
constexpr int kStepsTop = 44, kStepsWidth = 430, kStepsHeight = 440;
constexpr int kSummaryLeft = kMargin + kStepsWidth + kMargin;
constexpr int kCaptionHeight = 16;
constexpr int kSummaryTabStop = 48;   // the summary lines count their tabs in this width

// The summary lines count their tabs for the font the form was drawn in, where
// "ΝΟΜΟΣ: " took more than one stop and "ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: ", followed by
// no tab, ended right at the third. Stops placed by those captions in our font
// keep the values in line.
QList<QTextOption::Tab> SummaryTabs(const QFontMetricsF &metrics) {
    const qreal first = std::ceil(metrics.horizontalAdvance(QStringLiteral("ΟΔΟΣ: "))) + 2;
    const qreal third =
        std::max<qreal>(2.5 * kSummaryTabStop, metrics.horizontalAdvance(QStringLiteral("ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: ")));
    QList<QTextOption::Tab> tabs{QTextOption::Tab(std::min<qreal>(first, kSummaryTabStop), QTextOption::LeftTab),
                                 QTextOption::Tab(2 * kSummaryTabStop, QTextOption::LeftTab)};
    for (int i = 0; i < 12; ++i)
        tabs << QTextOption::Tab(third + i * kSummaryTabStop, QTextOption::LeftTab);
    return tabs;
}

// A step page: one column below the blank band that hides the tab strip.
constexpr int kLeft = 16, kTop = 32, kWidth = 394;
constexpr int kFieldHeight = 22;
constexpr int kQuestionGap = 4;   // a question sits right above its field
constexpr int kTextGap = 8;
constexpr int kHeadingGap = 10;
constexpr int kFieldGap = 14;
constexpr int kRowGap = 8;        // between the lines of a group of fields
constexpr int kCaptionGap = 8;    // between a caption and its field beside it
constexpr int kButtonTop = 392, kButtonWidth = 110, kButtonHeight = 28;

QLabel *plainLabel(QWidget *parent, const char *name, const QString &text) {
    auto *label = named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A label of one line, as wide as its text, beside a field of the given line.
QLabel *lineCaption(QWidget *parent, const char *name, const QString &text, int x, int y) {
    QLabel *label = plainLabel(parent, name, text);
    label->setGeometry(x, y, label->sizeHint().width(), kFieldHeight);
    return label;
}

void setBold(QWidget *w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

QPushButton *stepButton(QWidget *page, const char *name, const QString &text, QStyle::StandardPixmap icon,
                        bool right) {
    auto *button = named(new QPushButton(StandardIcon(icon), text, page), name);
    button->setGeometry(right ? kLeft + kWidth - kButtonWidth : kLeft, kButtonTop, kButtonWidth, kButtonHeight);
    button->setAutoDefault(true);   // Enter on a focused step button presses that button
    return button;
}

}  // namespace

QPushButton *StartButton(QWidget *page, const char *name, const QString &text) {
    auto *button = named(new QPushButton(text, page), name);
    button->setGeometry(kMargin, kMargin, kStartWidth, kFrameButtonHeight);
    return button;
}

QPushButton *CancelButton(QWidget *page, const char *name, const QString &text) {
    auto *button = named(new QPushButton(text, page), name);
    button->setGeometry(kMargin + kStartWidth + kMargin, kMargin, kCancelWidth, kFrameButtonHeight);
    return button;
}

QLabel *InstructionLabel(QWidget *page, const char *name, const QString &text) {
    QLabel *label = plainLabel(page, name, text);
    label->setWordWrap(true);
    constexpr int left = kMargin + kStartWidth + kMargin + kCancelWidth + 2 * kMargin;
    constexpr int width = kFrameRight - left;
    // Centred on the buttons; two lines fit in their height.
    const int height = std::max(kFrameButtonHeight, label->heightForWidth(width));
    label->setGeometry(left, std::max(2, kMargin + (kFrameButtonHeight - height) / 2), width, height);
    return label;
}

QTabWidget *StepPages(QWidget *page, const char *name) {
    auto *pages = named(new QTabWidget(page), name);
    pages->setGeometry(kMargin, kStepsTop, kStepsWidth, kStepsHeight);
    return pages;
}

QLabel *SummaryCaption(QWidget *page, const char *name, const QString &text) {
    QLabel *label = plainLabel(page, name, text);
    label->setGeometry(kSummaryLeft, kStepsTop, kFrameRight - kSummaryLeft, kCaptionHeight);
    return label;
}

QPlainTextEdit *SummaryBox(QWidget *page, const char *name) {
    auto *box = named(new QPlainTextEdit(page), name);
    box->setGeometry(kSummaryLeft, kStepsTop + kCaptionHeight, kFrameRight - kSummaryLeft,
                     kStepsHeight - kCaptionHeight);
    box->setReadOnly(true);
    // A line longer than the box goes on below rather than out of sight.
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QTextOption option = box->document()->defaultTextOption();
    option.setTabs(SummaryTabs(QFontMetricsF(box->font())));
    box->document()->setDefaultTextOption(option);
    return box;
}

StepLayout::StepLayout(QWidget *page) : m_page(page), m_y(kTop) {}

int StepLayout::columnWidth() { return kWidth; }

int StepLayout::columnRight() { return kLeft + kWidth; }

QLabel *StepLayout::text(const char *name, const QString &s, Weight weight, int gap) {
    QLabel *label = plainLabel(m_page, name, s);
    label->setWordWrap(true);
    if (weight != Weight::Plain)
        setBold(label);
    if (weight == Weight::Heading) {   // larger than the bold questions below it
        QFont f = label->font();
        f.setPixelSize(QFontInfo(f).pixelSize() + 2);
        label->setFont(f);
    }
    // Measured in its own font, so that no line is cut off.
    label->setGeometry(kLeft, m_y, kWidth, label->heightForWidth(kWidth));
    m_y += label->height() + gap;
    return label;
}

QLabel *StepLayout::heading(const char *name, const QString &s) { return text(name, s, Weight::Heading, kHeadingGap); }

QLabel *StepLayout::question(const char *name, const QString &s) { return text(name, s, Weight::Bold, kQuestionGap); }

QLabel *StepLayout::hint(const char *name, const QString &s) { return text(name, s, Weight::Plain, kTextGap); }

QLabel *StepLayout::fieldCaption(const char *name, const QString &s) {
    return text(name, s, Weight::Plain, kQuestionGap);
}

std::pair<QLabel *, QLabel *> StepLayout::questions(const char *name, const QString &s, const char *otherName,
                                                    const QString &otherText) {
    const int top = m_y;
    QLabel *first = question(name, s);
    m_y = top;
    QLabel *second = question(otherName, otherText);
    // Both get the room of the taller, so the field below fits either.
    const int height = std::max(first->height(), second->height());
    first->resize(kWidth, height);
    second->resize(kWidth, height);
    m_y = top + height + kQuestionGap;
    return {first, second};
}

void StepLayout::placeOnLine(QWidget *widget, int x, int width) {
    if (widget->parentWidget() != m_page)
        widget->setParent(m_page);
    widget->setGeometry(kLeft + x, m_y, width, kFieldHeight);
    if (widget->isHidden())
        widget->setVisible(true);   // a list kept hidden until it had its place
}

void StepLayout::endLine() { m_y += kFieldHeight + kRowGap; }

void StepLayout::placeField(QWidget *widget, int width) {
    placeOnLine(widget, 0, width);
    m_y += kFieldHeight + kFieldGap;
}

QCheckBox *StepLayout::tickBox(const char *name, const QString &s) {
    return field(named(new QCheckBox(s, m_page), name), kWidth);
}

QLabel *StepLayout::caption(const char *name, const QString &s, int x) {
    return lineCaption(m_page, name, s, kLeft + x, m_y);
}

void StepLayout::placeRow(const char *labelName, const QString &s, QWidget *widget, int fieldX, int width,
                          QLabel **label, bool bold) {
    QLabel *l = plainLabel(m_page, labelName, s);
    l->setWordWrap(true);
    if (bold)
        setBold(l);
    const int room = fieldX - kCaptionGap;
    const int height = std::max(kFieldHeight, l->heightForWidth(room));
    l->setGeometry(kLeft, m_y, room, height);
    const int top = m_y;
    m_y += (height - kFieldHeight) / 2;   // the field in the middle of its caption
    placeOnLine(widget, fieldX, width);
    m_y = top + height + kRowGap;
    if (label)
        *label = l;
}

QLabel *StepLayout::after(QWidget *field, const char *name, const QString &s) {
    return lineCaption(m_page, name, s, field->geometry().right() + 6, field->y());
}

void StepLayout::placeInstead(QWidget *earlier, QWidget *widget) {
    if (widget->parentWidget() != m_page)
        widget->setParent(m_page);
    widget->setGeometry(earlier->geometry());
}

QPushButton *StepLayout::back(const char *name) {
    return stepButton(m_page, name, QStringLiteral("Προηγούμενο"), QStyle::SP_ArrowBack, false);
}

QPushButton *StepLayout::next(const char *name) {
    return stepButton(m_page, name, QStringLiteral("Επόμενο"), QStyle::SP_ArrowForward, true);
}

QPushButton *StepLayout::store(const char *name) {
    return stepButton(m_page, name, QStringLiteral("Αποθήκευση"), QStyle::SP_DialogSaveButton, true);
}

}  // namespace d7
