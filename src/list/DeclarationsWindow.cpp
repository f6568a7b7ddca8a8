#include "list/DeclarationsWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "declaration/Declaration.h"
#include "store/StoreDriver.h"
#include "widgets/Command.h"
#include "widgets/Dialogs.h"

namespace d7 {

namespace {

// "dd/MM/yyyy HH:mm" of a stored "yyyy-MM-dd HH:mm:ss", empty when never stamped.
QString ChangeTimeText(const QString &changed) {
    // Rearranged as text: ten thousand dates are read without a time zone.
    if (changed.size() < 16)
        return QString();
    return changed.mid(8, 2) + QLatin1Char('/') + changed.mid(5, 2) + QLatin1Char('/') + changed.left(4) +
           QLatin1Char(' ') + changed.mid(11, 5);
}

}  // namespace

// ----------------------------------------------------------------- model

DeclarationsModel::DeclarationsModel(QObject *parent) : QAbstractTableModel(parent) {}

void DeclarationsModel::setDeclarations(QVector<DeclarationSummary> declarations) {
    beginResetModel();
    m_declarations = std::move(declarations);
    m_searchKeys.clear();
    m_sortKeys.clear();
    m_searchKeys.reserve(m_declarations.size());
    for (const DeclarationSummary &d : m_declarations)
        m_searchKeys.append(SearchKey(d.taxNumber + QLatin1Char(' ') + d.surname + QLatin1Char(' ') + d.name));
    endResetModel();
}

void DeclarationsModel::setHolders(QHash<QString, QString> holders) {
    beginResetModel();
    m_holders = std::move(holders);
    endResetModel();
}

void DeclarationsModel::removeDeclaration(const QString &taxNumber) {
    for (int row = 0; row < m_declarations.size(); ++row)
        if (m_declarations[row].taxNumber == taxNumber) {
            beginRemoveRows({}, row, row);
            m_declarations.removeAt(row);
            m_searchKeys.removeAt(row);
            if (!m_sortKeys.isEmpty())
                m_sortKeys.removeAt(row);
            endRemoveRows();
            return;
        }
}

const DeclarationSummary *DeclarationsModel::declaration(const QString &taxNumber) const {
    for (const DeclarationSummary &d : m_declarations)
        if (d.taxNumber == taxNumber)
            return &d;
    return nullptr;
}

int DeclarationsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_declarations.size());
}

int DeclarationsModel::columnCount(const QModelIndex &parent) const {
    // The column of other desks only where there are other desks.
    return parent.isValid() ? 0 : m_holders.isEmpty() ? HeldBy : ColumnCount;
}

QVariant DeclarationsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    const DeclarationSummary &d = m_declarations[index.row()];
    switch (role) {
    case TaxNumberRole:
        return d.taxNumber;
    case Qt::TextAlignmentRole:
        return index.column() == Table1Rows || index.column() == Table2Rows
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    case Qt::DisplayRole:
        switch (index.column()) {
        case TaxNumber:
            return d.taxNumber;
        case Surname:
            return d.surname;
        case Name:
            return d.name;
        case TaxOffice:
            return d.taxOffice;
        case Kind:
            return DeclarationKindNames().value(d.kind);
        case Table1Rows:
            return d.table1Rows;
        case Table2Rows:
            return d.table2Rows;
        case Changed:
            return ChangeTimeText(d.changed);
        case HeldBy:
            return m_holders.value(d.taxNumber);
        }
    }
    return {};
}

bool DeclarationsModel::lessThan(int left, int right, int column) const {
    const DeclarationSummary &a = m_declarations[left], &b = m_declarations[right];
    switch (column) {
    case Surname:
    case Name:
    case TaxOffice:
        if (m_sortKeys.isEmpty()) {
            m_sortKeys.reserve(m_declarations.size());
            for (const DeclarationSummary &d : m_declarations)
                m_sortKeys.append({SearchKey(d.surname), SearchKey(d.name), SearchKey(d.taxOffice)});
        }
        return m_sortKeys[left][column - Surname] < m_sortKeys[right][column - Surname];
    case Kind:
        return DeclarationKindNames().value(a.kind) < DeclarationKindNames().value(b.kind);
    case Table1Rows:
        return a.table1Rows < b.table1Rows;
    case Table2Rows:
        return a.table2Rows < b.table2Rows;
    case Changed:
        return a.changed < b.changed;
    case HeldBy:
        return m_holders.value(a.taxNumber) < m_holders.value(b.taxNumber);
    default:
        return a.taxNumber < b.taxNumber;
    }
}

QVariant DeclarationsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole)
        return Qt::AscendingOrder;   // A to Ω at the first click, as a reader expects
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles = {QStringLiteral("ΑΦΜ"),         QStringLiteral("ΕΠΩΝΥΜΟ"),
                                       QStringLiteral("ΟΝΟΜΑ"),       QStringLiteral("Δ.Ο.Υ."),
                                       QStringLiteral("ΕΙΔΟΣ"),       QStringLiteral("ΠΙΝ. 1"),
                                       QStringLiteral("ΠΙΝ. 2"),      QStringLiteral("ΤΕΛΕΥΤΑΙΑ ΑΛΛΑΓΗ"),
                                       QStringLiteral("ΑΝΟΙΧΤΗ ΑΠΟ")};
    return titles.value(section);
}

// ----------------------------------------------------------------- filter

void DeclarationsFilter::setSearch(const QString &text) {
    m_search = SearchKey(text.trimmed());
    // The whole model at once: rows left out one run at a time cost the view
    // a walk over every remaining row for each run.
    invalidate();
}

bool DeclarationsFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const {
    if (m_search.isEmpty())
        return true;
    return static_cast<const DeclarationsModel *>(sourceModel())->searchKey(sourceRow).contains(m_search);
}

bool DeclarationsFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const {
    // On the model's own values: no value wrapped and unwrapped at each of
    // the comparisons ten thousand rows take.
    return static_cast<const DeclarationsModel *>(sourceModel())->lessThan(left.row(), right.row(), left.column());
}

// ----------------------------------------------------------------- window

DeclarationsWindow::DeclarationsWindow(Connection &store, std::function<bool(const QString &)> remove,
                                       QWidget *parent)
    : QDialog(parent), m_remove(std::move(remove)) {
    setObjectName(QStringLiteral("DeclarationsWindow"));
    setWindowTitle(QStringLiteral("Δηλώσεις"));
    resize(900, 520);

    m_model = new DeclarationsModel(this);
    m_model->setDeclarations(ListDeclarations(store));
    // Who holds which declaration open at another desk of a shared server.
    QHash<QString, QString> holders;
    for (const DeclarationHolder &holder : store.driver().declarationsOpenElsewhere())
        holders.insert(holder.taxNumber, holder.desk);
    m_model->setHolders(std::move(holders));
    m_filter = new DeclarationsFilter(this);
    m_filter->setSourceModel(m_model);

    m_filterBox = new QLineEdit(this);
    m_filterBox->setObjectName(QStringLiteral("DeclarationsFilter"));
    m_filterBox->setPlaceholderText(QStringLiteral("Αναζήτηση με ΑΦΜ ή ονοματεπώνυμο"));
    m_filterBox->setClearButtonEnabled(true);
    m_filterBox->installEventFilter(this);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("DeclarationsTable"));
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(DeclarationsModel::TaxNumber, Qt::AscendingOrder);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    const int widths[] = {85, 165, 120, 140, 120, 55, 55};   // the last column takes the rest
    for (int c = 0; c < int(std::size(widths)); ++c)
        m_table->setColumnWidth(c, widths[c]);
    // The keyboard stays in the filter, whatever is clicked: typing goes on
    // narrowing the list, the arrows move in it, Enter opens, Delete deletes.
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setFocusProxy(m_filterBox);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &DeclarationsWindow::showCount);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("DeclarationsCount"));
    m_openButton = new QPushButton(QStringLiteral("Άνοιγμα"), this);
    m_openButton->setObjectName(QStringLiteral("DeclarationsOpen"));
    m_deleteButton = new QPushButton(QStringLiteral("Διαγραφή"), this);
    m_deleteButton->setObjectName(QStringLiteral("DeclarationsDelete"));
    m_closeButton = new QPushButton(QStringLiteral("Κλείσιμο"), this);
    m_closeButton->setObjectName(QStringLiteral("DeclarationsClose"));
    for (QPushButton *b : {m_openButton, m_deleteButton, m_closeButton})
        b->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_count, 1);
    buttons->addWidget(m_openButton);
    buttons->addWidget(m_deleteButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_filterBox);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_filterBox, &QLineEdit::textChanged, this, &DeclarationsWindow::search);
    connect(m_filterBox, &QLineEdit::returnPressed, this, &DeclarationsWindow::openCurrent);
    connect(m_table, &QTableView::doubleClicked, this, &DeclarationsWindow::openCurrent);
    connect(m_openButton, &QPushButton::clicked, this, &DeclarationsWindow::openCurrent);
    ConnectCommand(m_deleteButton, &QPushButton::clicked, this, [this] { deleteCurrent(); });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &DeclarationsWindow::showCount);

    // Nothing filtered yet: the first row is chosen without filtering the list again.
    if (m_filter->rowCount() > 0)
        m_table->setCurrentIndex(m_filter->index(0, 0));
    showCount();
    m_filterBox->setFocus();
}

void DeclarationsWindow::search(const QString &text) {
    m_filter->setSearch(text);
    // The first row that matches is the chosen one, so that Enter opens it.
    if (!m_table->currentIndex().isValid() && m_filter->rowCount() > 0)
        m_table->setCurrentIndex(m_filter->index(0, 0));
    showCount();
}

void DeclarationsWindow::showCount() {
    m_count->setText(QStringLiteral("%1 από %2 δηλώσεις").arg(m_filter->rowCount()).arg(m_model->rowCount()));
    const bool any = m_table->currentIndex().isValid();
    m_openButton->setEnabled(any);
    m_deleteButton->setEnabled(any);
}

QString DeclarationsWindow::current() const {
    return m_table->currentIndex().data(DeclarationsModel::TaxNumberRole).toString();
}

int DeclarationsWindow::shownCount() const { return m_filter->rowCount(); }

void DeclarationsWindow::openCurrent() {
    m_chosen = current();
    if (!m_chosen.isEmpty())
        accept();
}

void DeclarationsWindow::deleteCurrent() {
    const QString taxNumber = current();
    const DeclarationSummary *d = m_model->declaration(taxNumber);
    if (!d)
        return;
    if (!AskYesNo(QStringLiteral("Θέλετε να διαγράψετε τη δήλωση με ΑΦΜ %1; Η διαγραφή δεν αναιρείται.")
                      .arg(NamedTaxNumber(*d))))
        return;
    const int row = m_table->currentIndex().row();
    if (!m_remove(taxNumber))
        return;
    m_model->removeDeclaration(taxNumber);
    if (m_filter->rowCount() > 0)
        m_table->setCurrentIndex(m_filter->index(std::min(row, m_filter->rowCount() - 1), 0));
    showCount();
}

bool DeclarationsWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_filterBox) {
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // The list moves while the cursor stays in the filter.
            QApplication::sendEvent(m_table, event);
            return true;
        case Qt::Key_Delete:
            // At the end of the text Delete has nothing to remove there: it
            // deletes the chosen declaration (after a question).
            if (m_filterBox->cursorPosition() == m_filterBox->text().size() && !m_filterBox->hasSelectedText()) {
                RunCommand([this] { deleteCurrent(); });
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace d7
