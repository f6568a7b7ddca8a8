#include "widgets/DataNavigator.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

#include "widgets/Command.h"
#include "widgets/StandardIcons.h"
#include "store/Engine.h"

namespace d7 {

DataNavigator::DataNavigator(Dataset *dataset, QWidget *parent) : QWidget(parent), dataset_(dataset) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct {
        const char *name;
        QStyle::StandardPixmap icon;
        QString hint;
    } specs[4] = {
        {"Insert", QStyle::SP_FileDialogNewFolder, QStringLiteral("Εισαγωγή εγγραφής")},
        {"Delete", QStyle::SP_TrashIcon, QStringLiteral("Διαγραφή εγγραφής")},
        {"Post", QStyle::SP_DialogApplyButton, QStringLiteral("Αποθήκευση αλλαγών")},
        {"Cancel", QStyle::SP_DialogCancelButton, QStringLiteral("Ακύρωση αλλαγών")},
    };
    for (int i = 0; i < 4; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(specs[i].name));
        b->setIcon(StandardIcon(specs[i].icon));
        b->setToolTip(specs[i].hint);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
        buttons_[i] = b;
        ConnectCommand(b, &QToolButton::clicked, this, [this, i] { click(Button(i)); });
    }
}

QToolButton *DataNavigator::button(Button b) const { return buttons_[int(b)]; }

void DataNavigator::click(Button b) {
    if (beforeAction_ && !beforeAction_(b))
        return;
    act(b);
}

void DataNavigator::act(Button b) {
    switch (b) {
    case Button::Insert:
        dataset_->insert();
        break;
    case Button::Delete: {
        Transaction deletion(*dataset_->connection());
        dataset_->remove();
        deletion.commit();
        break;
    }
    case Button::Post: {
        Transaction post(*dataset_->connection());
        dataset_->post();
        post.commit();
        break;
    }
    case Button::Cancel:
        dataset_->cancel();
        break;
    }
}

}  // namespace d7
