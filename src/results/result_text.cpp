#include "results/result_text.h"

#include "base/number_text.h"

namespace anagrove {

std::string ItemText(const FoundRow& row, ItemForm form) {
    std::string text(row.word);
    switch (form) {
    case ItemForm::word_only:
        text += ' ';
        break;
    case ItemForm::score_in_brackets:
        text += " (";
        text += ScoreField(row);
        text += ')';
        break;
    case ItemForm::score_after_space:
        text += ' ';
        text += ScoreField(row);
        break;
    }
    return text;
}

ResultListing SearchListing(const FoundWords& found, SortOrder order, bool usePoints) {
    ResultListing listing;
    listing.form = !usePoints                  ? ItemForm::word_only
                   : order == SortOrder::alpha ? ItemForm::score_in_brackets
                                               : ItemForm::score_after_space;
    if (order == SortOrder::alpha)
        while (listing.firstRow < found.FoundCount() &&
               found.rows[static_cast<std::size_t>(listing.firstRow)].word.empty())
            ++listing.firstRow;
    listing.rowCount = found.FoundCount() - listing.firstRow;
    return listing;
}

ResultListing ResortListing(const FoundWords& found) {
    return ResultListing{0, found.FoundCount(), ItemForm::score_after_space};
}

std::string FoundCaptionText(const FoundWords& found) {
    return CountText(found.FoundCount()) + " words found";
}

std::string FoundStatusText(const FoundWords& found, std::int32_t wordCount) {
    std::string text = CountText(found.FoundCount()) + " words found out of" +
                       CountText(wordCount) + " total words.";
    if (found.Truncated())
        text += " (the first" + CountText(found.FoundCount()) + " of" + CountText(found.matched) +
                " matches)";
    return text;
}

} // namespace anagrove
