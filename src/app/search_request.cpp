#include "app/search_request.h"

#include "app/texts.h"
#include "base/number_text.h"

namespace anagrove {

Expected<SearchLimits> ReadSearchLimits(const SearchRequest& request) {
    SearchLimits limits;
    limits.noMaximum = request.noMaximum;
    limits.anagram = request.anagram;
    if (request.anagram)
        return limits;
    auto minimum = ParseDecimal(request.minimumText);
    if (!minimum)
        return FailureText(kMinimumNotNumberMessage);
    limits.minimum = *minimum;
    if (!request.noMaximum) {
        auto maximum = ParseDecimal(request.maximumText);
        if (!maximum)
            return FailureText(kMaximumNotNumberMessage);
        limits.maximum = *maximum;
    }
    return limits;
}

SearchOutcome RunSearch(const SearchRequest& request, const SearchLimits& limits,
                        const std::shared_ptr<const WordList>& list, const LetterPoints& points) {
    return ListFound(request, FindWords(request.letters, limits, list, points));
}

SearchOutcome ListFound(const SearchRequest& request, FoundWords found) {
    SearchOutcome outcome;
    outcome.found = std::move(found);
    const std::shared_ptr<const WordList> list = outcome.found.source;
    SortFound(outcome.found, request.order);
    outcome.listing = SearchListing(outcome.found, request.order, request.usePoints);
    outcome.caption = FoundCaptionText(outcome.found);
    outcome.status = FoundStatusText(outcome.found, list ? list->WordCount() : 0);
    return outcome;
}

ResultListing Resort(FoundWords& found, SortOrder order) {
    SortFound(found, order);
    return ResortListing(found);
}

} // namespace anagrove
