// A visible pick list and its hidden list of codes, filled together so that
// item i of the codes belongs to item i of the names.
#pragma once

#include <QObject>
#include <QString>

class QComboBox;

namespace d7 {

class PairedList : public QObject {
    Q_OBJECT
public:
    PairedList(QComboBox *names, QComboBox *codes, QObject *parent = nullptr);

    QComboBox *names() const { return m_names; }
    QComboBox *codes() const { return m_codes; }

    void clear();
    void append(const QString &name, const QString &code);
    // Selects the index in both lists; not a user selection (no userSelected).
    void select(int index);
    int index() const;          // the index of the code list, -1 when none
    QString name() const;
    QString code() const;
    int count() const;

    // Replaces both lists, names and codes in the same order, and selects
    // index 0.
    void fill(const QStringList &names, const QStringList &codes);

signals:
    // The user picked an entry (mouse, arrow keys or first letters).
    void userSelected(int index);

private:
    QComboBox *m_names;
    QComboBox *m_codes;
};

}  // namespace d7
