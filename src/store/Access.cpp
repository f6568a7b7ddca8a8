#include "store/Access.h"

#include "store/Engine.h"

namespace d7 {

namespace {
// Closes the dataset however the pattern ends.
struct CloseOnExit {
    Dataset &dataset;
    ~CloseOnExit() { dataset.close(); }
};
}  // namespace

void StoreOneRow(Dataset &dataset, const QString &sql, const ColumnValues &values, const QVariantList &keys) {
    dataset.close();
    dataset.setCommandText(sql, keys);
    dataset.open();
    CloseOnExit closer{dataset};
    dataset.first();
    dataset.edit();
    for (const auto &[position, value] : values)
        dataset.setField(position, value);
    dataset.post();
}

void DeleteOneRow(Dataset &dataset, const QString &sql, const QVariantList &keys) {
    dataset.close();
    dataset.setCommandText(sql, keys);
    dataset.open();
    CloseOnExit closer{dataset};
    if (dataset.recordCount() > 0) {
        dataset.first();
        dataset.remove();
    }
}

bool LoadOneRow(Dataset &dataset, const QString &sql, const std::function<void(const Dataset &)> &fill,
                const QVariantList &keys) {
    dataset.close();
    dataset.setCommandText(sql, keys);
    dataset.open();
    CloseOnExit closer{dataset};
    dataset.first();
    if (dataset.recordCount() == 0)
        return false;
    fill(dataset);
    return true;
}

void Reopen(Dataset &dataset, const QString &sql, const QVariantList &keys) {
    dataset.close();
    dataset.setCommandText(sql, keys);
    dataset.open();
    dataset.first();
}

}  // namespace d7
