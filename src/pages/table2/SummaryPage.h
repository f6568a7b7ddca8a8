// The summary page: the stored rows of both tables, where rows are deleted.
#pragma once

#include <QWidget>

namespace d7 {

class TForm1;

class SummaryPage : public QWidget {
    Q_OBJECT
public:
    explicit SummaryPage(TForm1 &form, QWidget *parent = nullptr);

private:
    TForm1 &form_;
};

}  // namespace d7
