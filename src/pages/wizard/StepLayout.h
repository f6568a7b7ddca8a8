// The look of both row wizards: the frame of the page (start and cancel
// buttons with the instruction beside them, the step pages, the running
// summary on the right) and each step page, filled from the top down in one
// column, with the step buttons at its foot.
#pragma once

#include <QString>
#include <utility>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace d7 {

// The frame; each creates its control on the wizard's page, in its place.
QPushButton *StartButton(QWidget *page, const char *name, const QString &text);
QPushButton *CancelButton(QWidget *page, const char *name, const QString &text);
QLabel *InstructionLabel(QWidget *page, const char *name, const QString &text);
QTabWidget *StepPages(QWidget *page, const char *name);
QLabel *SummaryCaption(QWidget *page, const char *name, const QString &text);
// Read-only plain text; a line is never wrapped, so that its caption and value
// stay on one line and the tab-aligned values stay in their column.
QPlainTextEdit *SummaryBox(QWidget *page, const char *name);

class StepLayout {
public:
    explicit StepLayout(QWidget *page);

    QWidget *page() const { return m_page; }
    // The top of the next line, and more room before it.
    int y() const { return m_y; }
    void skip(int pixels) { m_y += pixels; }
    // The column's width, and its right edge for a panel that covers part of it.
    static int columnWidth();
    static int columnRight();

    // Texts across the column, wrapped.
    QLabel *heading(const char *name, const QString &text);    // the subject of a group of steps
    QLabel *question(const char *name, const QString &text);   // bold, its field right below
    QLabel *hint(const char *name, const QString &text);       // plain
    QLabel *fieldCaption(const char *name, const QString &text);   // plain, right above its field
    // Two questions in one place, shown in turn (a pick list or a typed entry).
    std::pair<QLabel *, QLabel *> questions(const char *name, const QString &text, const char *otherName,
                                            const QString &otherText);

    // A field on its own line below its question.
    template <class W>
    W *field(W *widget, int width) {
        placeField(widget, width);
        return widget;
    }
    QCheckBox *tickBox(const char *name, const QString &text);
    // A field beside its caption; the caption wraps in the room left of fieldX.
    template <class W>
    W *row(const char *labelName, const QString &caption, W *widget, int fieldX, int width,
           QLabel **label = nullptr) {
        placeRow(labelName, caption, widget, fieldX, width, label, false);
        return widget;
    }
    // The same where the caption is the question itself.
    template <class W>
    W *questionRow(const char *labelName, const QString &caption, W *widget, int fieldX, int width) {
        placeRow(labelName, caption, widget, fieldX, width, nullptr, true);
        return widget;
    }
    // Several controls across one line: each at x from the column's left edge,
    // then endLine() moves below them.
    template <class W>
    W *place(W *widget, int x, int width) {
        placeOnLine(widget, x, width);
        return widget;
    }
    QLabel *caption(const char *name, const QString &text, int x);
    void endLine();
    // A unit or remark right of a field.
    QLabel *after(QWidget *field, const char *name, const QString &text);
    // A control in the place of an earlier one; the two are shown in turn.
    template <class W>
    W *instead(QWidget *earlier, W *widget) {
        placeInstead(earlier, widget);
        return widget;
    }

    // The step buttons: back on the left, forward or store on the right.
    QPushButton *back(const char *name);
    QPushButton *next(const char *name);
    QPushButton *store(const char *name);

private:
    enum class Weight { Plain, Bold, Heading };
    QLabel *text(const char *name, const QString &text, Weight weight, int gap);
    void placeField(QWidget *widget, int width);
    void placeRow(const char *labelName, const QString &caption, QWidget *widget, int fieldX, int width,
                  QLabel **label, bool bold);
    void placeOnLine(QWidget *widget, int x, int width);
    void placeInstead(QWidget *earlier, QWidget *widget);

    QWidget *m_page;
    int m_y;
};

}  // namespace d7
