// The access patterns of the declaration tables: one row per declaration is
// stored (inserted or updated), deleted or loaded through a dataset.
#pragma once

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <utility>

namespace d7 {

class Dataset;

// Column position and value, written in the order given.
using ColumnValues = QVector<std::pair<int, QVariant>>;

// Each runs sql with the keys bound to its "?" placeholders.
// Store one row: open, first row, edit (a new row when there is none), set the
// columns, post, close.
void StoreOneRow(Dataset &dataset, const QString &sql, const ColumnValues &values, const QVariantList &keys = {});
// Delete one row: open; when there are rows, delete the first; close.
void DeleteOneRow(Dataset &dataset, const QString &sql, const QVariantList &keys = {});
// Load one row: open, first row; when there is one, hand it to fill; close.
// Returns whether a row was there.
bool LoadOneRow(Dataset &dataset, const QString &sql, const std::function<void(const Dataset &)> &fill,
                const QVariantList &keys = {});
// Reopen a kept-open dataset on a new statement and put it on its first row.
void Reopen(Dataset &dataset, const QString &sql, const QVariantList &keys = {});

}  // namespace d7
