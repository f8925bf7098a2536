#pragma once
// The items of the result list, made from the result table only for the rows
// that the view asks for.

#include "results/found_words.h"
#include "results/result_text.h"

#include <QAbstractListModel>

#include <string_view>

namespace anagrove::ui {

class ResultListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ResultListModel(QObject* parent = nullptr);

    // Shows the rows of a listing of table, in table order, in place of every
    // item. The table must stay as it is until the next show() or clear(). Its
    // words are Latin-1, or UTF-8 from a search in tiles.
    void show(const FoundWords& table, const ResultListing& listing, bool utf8 = false);
    // Removes every item, and forgets the table.
    void clear();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    // The text of the item at row (as the view shows it).
    [[nodiscard]] QString itemText(int row) const;
    // The result table, which rows of it are shown and how, and the row of an item.
    [[nodiscard]] const FoundWords& found() const {
        static const FoundWords kNone;
        return table_ ? *table_ : kNone;
    }
    [[nodiscard]] const ResultListing& listing() const { return listing_; }
    [[nodiscard]] bool utf8() const { return utf8_; }
    // The program's text of a shown table (an item, the words) as Qt's.
    [[nodiscard]] QString fromTableText(std::string_view text) const;
    [[nodiscard]] const FoundRow& foundRow(int row) const {
        return table_->rows[static_cast<std::size_t>(listing_.firstRow + row)];
    }

  private:
    const FoundWords* table_ = nullptr;
    ResultListing listing_;
    bool utf8_ = false;
};

} // namespace anagrove::ui
