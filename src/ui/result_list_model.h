#pragma once
// The items of the result list, made from the result table only for the rows
// that the view asks for.

#include "results/found_words.h"
#include "results/result_text.h"

#include <QAbstractListModel>

namespace anagrove::ui {

class ResultListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    // rows is the table the items are made from; it must outlive the model.
    explicit ResultListModel(const FoundWords& rows, QObject* parent = nullptr);

    // Shows the rows of a listing, in table order, in place of every item.
    void show(const ResultListing& listing);
    // Removes every item.
    void clear();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    // The text of the item at row (as the view shows it).
    [[nodiscard]] QString itemText(int row) const;
    // The result table, which rows of it are shown and how, and the row of an item.
    [[nodiscard]] const FoundWords& found() const { return rows_; }
    [[nodiscard]] const ResultListing& listing() const { return listing_; }
    [[nodiscard]] const FoundRow& foundRow(int row) const {
        return rows_.rows[static_cast<std::size_t>(listing_.firstRow + row)];
    }

  private:
    const FoundWords& rows_;
    ResultListing listing_;
};

} // namespace anagrove::ui
