#include "app/language_files.h"

#include "alphabet/alphabet_file.h"
#include "app/languages.h"
#include "platform/whole_file.h"
#include "word_list/tile_file.h"

namespace anagrove {

namespace {

// The alphabet a list file's first line names, else code; nothing when it
// names none and no code is given.
std::optional<std::string> ListAlphabetCode(std::string_view listText,
                                            std::optional<std::string_view> code) {
    if (auto named = NamedAlphabet(listText))
        return named;
    return code ? std::optional<std::string>(*code) : std::nullopt;
}

} // namespace

Expected<std::shared_ptr<const Alphabet>> LoadAlphabet(const std::string& programDirectory,
                                                       std::string_view code) {
    const std::string path = AlphabetPath(programDirectory, code);
    const FileText file = ReadWholeFile(path);
    auto alphabet = file ? ReadAlphabet(*file) : Expected<Alphabet>(FailureText(file.error()));
    if (!alphabet)
        return FailureText("cannot read the alphabet " + path + ": " + alphabet.error());
    return std::make_shared<const Alphabet>(std::move(*alphabet));
}

Expected<LanguageFiles> LoadShippedLanguage(const std::string& programDirectory,
                                            std::string_view code) {
    auto alphabet = LoadAlphabet(programDirectory, code);
    // The tiles made beside the text load without splitting it; the text
    // stands in when they are missing or were made for other tiles.
    if (alphabet)
        if (auto tiles = TileFile::Read(LanguageTilesPath(programDirectory, code), *alphabet))
            return LanguageFiles{*alphabet,
                                 std::make_shared<const TileWordList>(std::move(*tiles))};
    const std::string path = LanguageListPath(programDirectory, code);
    const FileText file = ReadWholeFile(path);
    if (!file)
        return FailureText("cannot read the word list " + path + ": " + file.error());
    if (!alphabet)
        return FailureText(alphabet.error());
    return LanguageFiles{*alphabet,
                         std::make_shared<const TileWordList>(ReadTileWordList(*file, *alphabet))};
}

Expected<LanguageFiles> ReadLanguageList(const std::string& programDirectory,
                                         std::string_view listText,
                                         std::optional<std::string_view> code) {
    const std::optional<std::string> chosen = ListAlphabetCode(listText, code);
    if (!chosen)
        return FailureText("names no alphabet");
    if (!FindShippedLanguage(*chosen))
        return FailureText("names the alphabet \"" + *chosen +
                           "\", which is not one of the languages");
    auto alphabet = LoadAlphabet(programDirectory, *chosen);
    if (!alphabet)
        return FailureText(alphabet.error());
    return LanguageFiles{
        *alphabet, std::make_shared<const TileWordList>(ReadTileWordList(listText, *alphabet))};
}

} // namespace anagrove
