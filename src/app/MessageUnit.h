// The welcome screen shown once at start-up.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace d7 {

class TFormMessage : public QDialog {
    Q_OBJECT
public:
    explicit TFormMessage(QWidget *parent = nullptr);

    QLabel *ImageLeft, *ImageRight, *AuthorityLeft, *AuthorityRight, *Band, *Picture, *Heading;
    QTextEdit *RichEdit1;
    QPushButton *Button1;

    static QString WelcomeText();
};

}  // namespace d7
