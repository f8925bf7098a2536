#include "cli/word_list_source.h"

#include "cli/find_options.h"

namespace anagrove::cli {

FileText ReadWordListSource(const std::string& path, std::istream& in) {
    if (path != kStandardInputName)
        return ReadWholeFile(path);
    std::string text;
    std::string chunk(65536, '\0');
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        text.append(chunk, 0, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileBytes)
            return FailureText("the input is too large");
    }
    if (in.bad())
        return FailureText("the input cannot be read");
    return text;
}

} // namespace anagrove::cli
