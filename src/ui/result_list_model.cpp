#include "result_list_model.h"

#include "latin1_text.h"

namespace anagrove::ui {

ResultListModel::ResultListModel(const FoundWords& rows, QObject* parent)
    : QAbstractListModel(parent), rows_(rows) {}

void ResultListModel::show(const ResultListing& listing) {
    beginResetModel();
    listing_ = listing;
    endResetModel();
}

void ResultListModel::clear() {
    show(ResultListing{});
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : listing_.rowCount;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    return itemText(index.row());
}

QString ResultListModel::itemText(int row) const {
    if (row < 0 || row >= listing_.rowCount)
        return {};
    return FromLatin1(ItemText(foundRow(row), listing_.form));
}

} // namespace anagrove::ui
