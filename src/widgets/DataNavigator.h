// The navigator bar of a kept-open dataset: insert, delete, post, cancel. A
// hook runs before each button acts and may stop it.
#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace d7 {

class Dataset;

class DataNavigator : public QWidget {
    Q_OBJECT
public:
    enum class Button { Insert, Delete, Post, Cancel };

    DataNavigator(Dataset *dataset, QWidget *parent = nullptr);
    QToolButton *button(Button b) const;
    // Returning false stops the action.
    void setBeforeAction(std::function<bool(Button)> hook) { m_beforeAction = std::move(hook); }
    // What the button does, after the hook agreed.
    void act(Button b);
    void click(Button b);

private:
    Dataset *m_dataset;
    QToolButton *m_buttons[4];
    std::function<bool(Button)> m_beforeAction;
};

}  // namespace d7
