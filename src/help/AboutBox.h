// The about box: the product, its version and who issues it.
#pragma once

#include <QDialog>
#include <QIcon>

namespace d7 {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

// The program's icon, for its windows and the about box.
QIcon ProgramIcon();

}  // namespace d7
