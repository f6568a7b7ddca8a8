// The welcome screen shown once at start-up.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace d7 {

class WelcomeScreen : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeScreen(QWidget *parent = nullptr);

    QLabel *m_leftEmblem, *m_rightEmblem, *m_leftAuthority, *m_rightAuthority, *m_band, *m_picture, *m_heading;
    QTextEdit *m_welcomeText;
    QPushButton *m_continueButton;

    static QString welcomeText();
};

}  // namespace d7
