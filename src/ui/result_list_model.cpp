#include "result_list_model.h"

#include "latin1_text.h"

namespace anagrove::ui {

ResultListModel::ResultListModel(QObject* parent) : QAbstractListModel(parent) {}

void ResultListModel::show(const FoundWords& table, const ResultListing& listing, bool utf8) {
    beginResetModel();
    table_ = &table;
    listing_ = listing;
    utf8_ = utf8;
    endResetModel();
}

void ResultListModel::clear() {
    beginResetModel();
    table_ = nullptr;
    listing_ = ResultListing{};
    endResetModel();
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
    if (!table_ || row < 0 || row >= listing_.rowCount)
        return {};
    return fromTableText(ItemText(foundRow(row), listing_.form));
}

QString ResultListModel::fromTableText(std::string_view text) const {
    return utf8_ ? QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                 : FromLatin1(text);
}

} // namespace anagrove::ui
