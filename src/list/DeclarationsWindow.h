// The list of every stored declaration: found by tax number or name as the
// user types, sorted by any column, opened or deleted from the keyboard.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QHash>
#include <QSortFilterProxyModel>
#include <QVector>
#include <array>
#include <functional>

#include "declaration/DeclarationList.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace d7 {

class Connection;

class DeclarationsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { TaxNumberRole = Qt::UserRole };
    enum Column { TaxNumber, Surname, Name, TaxOffice, Kind, Table1Rows, Table2Rows, Changed, HeldBy, ColumnCount };

    explicit DeclarationsModel(QObject *parent = nullptr);
    void setDeclarations(QVector<DeclarationSummary> declarations);
    // Who holds a declaration open at another desk, by tax number.
    void setHolders(QHash<QString, QString> holders);
    void removeDeclaration(const QString &taxNumber);
    const DeclarationSummary *declaration(const QString &taxNumber) const;
    const QString &searchKey(int row) const { return m_searchKeys[row]; }
    // Whether the left row goes before the right one when the column is sorted.
    bool lessThan(int left, int right, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVector<DeclarationSummary> m_declarations;
    QVector<QString> m_searchKeys;
    // Names in the order a reader expects, accents aside: compared as they
    // are, with no locale's rules to apply on each comparison. Made at the
    // first sort by a name, not with the window.
    mutable QVector<std::array<QString, 3>> m_sortKeys;
    QHash<QString, QString> m_holders;
};

// Keeps the rows whose search key holds the typed text.
class DeclarationsFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setSearch(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QString m_search;
};

class DeclarationsWindow : public QDialog {
    Q_OBJECT
public:
    // remove deletes a declaration (the caller knows what is open); it
    // returns whether it was deleted.
    DeclarationsWindow(Connection &store, std::function<bool(const QString &)> remove, QWidget *parent = nullptr);

    // The declaration chosen to open, once the window was accepted.
    QString chosen() const { return m_chosen; }
    QString current() const;
    int shownCount() const;

    void openCurrent();
    void deleteCurrent();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(const QString &text);
    void showCount();

    std::function<bool(const QString &)> m_remove;
    DeclarationsModel *m_model;
    DeclarationsFilter *m_filter;
    QLineEdit *m_filterBox;
    QTableView *m_table;
    QLabel *m_count;
    QPushButton *m_openButton, *m_deleteButton, *m_closeButton;
    QString m_chosen;
};

}  // namespace d7
