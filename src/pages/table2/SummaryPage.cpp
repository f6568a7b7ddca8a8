#include "pages/table2/SummaryPage.h"

#include "app/Main.h"

namespace d7 {

SummaryPage::SummaryPage(TForm1 &form, QWidget *parent) : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("TabSheetD7"));
}

}  // namespace d7
