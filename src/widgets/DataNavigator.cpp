#include "widgets/DataNavigator.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

#include "widgets/Command.h"
#include "widgets/StandardIcons.h"
#include "store/Engine.h"

namespace d7 {

DataNavigator::DataNavigator(Dataset *dataset, QWidget *parent) : QWidget(parent), m_dataset(dataset) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct {
        const char *name;
        QStyle::StandardPixmap icon;
        QString hint;
    } kinds[4] = {
        {"Insert", QStyle::SP_FileDialogNewFolder, QStringLiteral("Εισαγωγή εγγραφής")},
        {"Delete", QStyle::SP_TrashIcon, QStringLiteral("Διαγραφή εγγραφής")},
        {"Post", QStyle::SP_DialogApplyButton, QStringLiteral("Αποθήκευση αλλαγών")},
        {"Cancel", QStyle::SP_DialogCancelButton, QStringLiteral("Ακύρωση αλλαγών")},
    };
    for (int i = 0; i < 4; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kinds[i].name));
        b->setIcon(StandardIcon(kinds[i].icon));
        b->setToolTip(kinds[i].hint);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
        m_buttons[i] = b;
        ConnectCommand(b, &QToolButton::clicked, this, [this, i] { click(Button(i)); });
    }
}

QToolButton *DataNavigator::button(Button b) const { return m_buttons[int(b)]; }

void DataNavigator::click(Button b) {
    if (m_beforeAction && !m_beforeAction(b))
        return;
    act(b);
}

void DataNavigator::act(Button b) {
    switch (b) {
    case Button::Insert:
        m_dataset->insert();
        break;
    case Button::Delete: {
        Transaction deletion(*m_dataset->connection());
        m_dataset->remove();
        deletion.commit();
        break;
    }
    case Button::Post: {
        Transaction post(*m_dataset->connection());
        m_dataset->post();
        post.commit();
        break;
    }
    case Button::Cancel:
        m_dataset->cancel();
        break;
    }
}

}  // namespace d7
