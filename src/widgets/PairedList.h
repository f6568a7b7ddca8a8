// A visible pick list and its hidden list of codes, filled together so that
// item i of the codes belongs to item i of the names.
#pragma once

#include <QObject>
#include <QString>

class QComboBox;

namespace d7 {

class Dataset;

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

    // Runs the statement on the dataset and fills the pair from the rows:
    // the name column to the visible list, the code column to the codes.
    // Starts from empty lists and selects index 0.
    void fill(Dataset &dataset, const QString &sql, int nameColumn, int codeColumn);

signals:
    // The user picked an entry (mouse, arrow keys or first letters).
    void userSelected(int index);

private:
    QComboBox *m_names;
    QComboBox *m_codes;
};

}  // namespace d7
