#include "cli/option_texts.h"

#include "app/setting_fields.h"
#include "cli/option_table.h"
#include "platform/line_end.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace anagrove::cli {

namespace {

// The help text with each {key} of a settings field replaced by its initial word.
std::string WithInitialWords(std::string_view help) {
    std::string text;
    for (std::size_t at = 0; at < help.size();) {
        const std::size_t open = help.find('{', at);
        const std::size_t close = help.find('}', open);
        const auto field =
            close == std::string_view::npos
                ? kSettingFields.end()
                : std::ranges::find(kSettingFields, help.substr(open + 1, close - open - 1),
                                    [](const SettingField& f) { return std::string_view(f.name); });
        if (field == kSettingFields.end()) {
            text.append(help.substr(at, open == std::string_view::npos ? open : open + 1 - at));
            at = open == std::string_view::npos ? help.size() : open + 1;
            continue;
        }
        text.append(help.substr(at, open - at)).append(field->initial);
        at = close + 1;
    }
    return text;
}

// Where an option's help begins in --help.
constexpr std::size_t kHelpColumn = 35;

// The words with the separator between them.
std::string Joined(const std::vector<std::string_view>& words, std::string_view separator) {
    std::string text;
    for (const std::string_view& word : words)
        text.append(&word == &words.front() ? "" : separator).append(word);
    return text;
}

// The option's name, and what follows it on the command line.
std::string Synopsis(const FindOption& option) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) when it
    // inlines a text put in front of a temporary string.
    std::string text(option.name);
    if (option.words)
        text.append(" ").append(Joined(option.words(), "|"));
    else if (*option.shown)
        text.append(" ").append(option.shown);
    return text;
}

} // namespace

std::string FindUsageText() {
    std::string text = R"usage(Usage: anagrove-find [options] LETTERS
       anagrove-find --check [--dictionary NAME | --word-list FILE] [--format F] WORD...

Lists every word of a word list that can be laid with LETTERS, exactly as the
Anagrove window lists it after "Find Words". Use * for a blank tile (quote it
in the shell: 'retains*'). Items go to standard output, one per line; the
status text goes to standard error.
)usage";
    // Where the streams are text streams with their own line end, as on Windows.
    if (kTextLineEnd != "\n")
        text += "Every line written ends in CR LF.\n";
    std::string synopsis; // of the rows that share the next row's help
    for (const FindOption& option : FindOptionTable()) {
        if (option.heading)
            text.append("\n").append(option.heading).append("\n");
        synopsis.append(synopsis.empty() ? "  " : ", ").append(Synopsis(option));
        if (!*option.help)
            continue;
        text += synopsis;
        text += synopsis.size() + 2 <= kHelpColumn ? std::string(kHelpColumn - synopsis.size(), ' ')
                                                   : "\n" + std::string(kHelpColumn, ' ');
        for (const char c : WithInitialWords(option.help))
            text += c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, c);
        text += '\n';
        synopsis.clear();
    }
    return text + R"usage(
Examples:
  anagrove-find --dictionary extended 'retains*'
  anagrove-find --word-list words.txt --min 3 --max 5 tea
  grep -v x words.txt | anagrove-find --word-list - tea
  anagrove-find --no-max --min 7 'stare**'
  anagrove-find --anagram 'tea*'
  anagrove-find --sort score --then length quiz
  anagrove-find --points custom --custom 1,3,3,2,1,4,2,4,1,8,5,1,3,1,1,3,10,1,1,1,1,4,4,8,4,10 tea
  anagrove-find --points literati --no-points tea
  anagrove-find --starts re --ends s 'tain*'
  anagrove-find --contains qu 'ite*'
  anagrove-find --anagram --pattern 'q...k' 'uic'
  anagrove-find --format tsv --all-schemes 'qui*'
  anagrove-find --format json --sort score 'tea*'
  anagrove-find --check qi za && echo all valid
  anagrove-find --check --format json --dictionary extended qat
  anagrove-find --version

Exit status: 0 after a search, and after --check when every WORD is in the
list; 1 when the word list cannot be read; 2 for bad input; 3 after --check
when some WORD is not in the list; 4 when the results could not be written
(a full disk, a closed pipe) or on an internal fault.
)usage";
}

std::string FindCompletionScript() {
    // The options grouped by their words, then those that take a file name,
    // those whose text is not completed, and every long option.
    std::vector<std::pair<std::string, std::string>> wordArms; // words, options
    std::string files, texts, options;
    const auto add = [](std::string& list, std::string_view separator, std::string_view name) {
        list.append(list.empty() ? "" : separator).append(name);
    };
    for (const FindOption& option : FindOptionTable()) {
        const std::string_view name = option.name;
        if (name.starts_with("--"))
            add(options, " ", name);
        if (option.words) {
            const std::string words = Joined(option.words(), " ");
            const auto arm =
                std::ranges::find_if(wordArms, [&](auto& a) { return a.first == words; });
            if (arm == wordArms.end())
                wordArms.emplace_back(words, name);
            else
                add(arm->second, " | ", name);
        } else if (option.value == OptionValue::file) {
            add(files, " | ", name);
        } else if (option.value == OptionValue::text) {
            add(texts, " | ", name);
        }
    }
    std::string arms;
    for (const auto& [words, names] : wordArms)
        arms += "    " + names + ") words=\"" + words + "\" ;;\n";
    std::string script = R"bash(# bash completion for anagrove-find
_anagrove_find() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=
    [ "$COMP_CWORD" -gt 0 ] && prev=${COMP_WORDS[COMP_CWORD-1]}
    local words
    case $prev in
@WORDS@    @FILES@)
        COMPREPLY=($(compgen -f -- "$cur"))
        [ "$cur" = - ] && COMPREPLY+=(-)
        return ;;
    @TEXTS@)
        COMPREPLY=()
        return ;;
    *)
        case $cur in
        -*) words="@OPTIONS@" ;;
        *) COMPREPLY=(); return ;;
        esac ;;
    esac
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -F _anagrove_find -o filenames anagrove-find
)bash";
    for (const auto& [marker, text] : {std::pair{"@WORDS@", arms},
                                       {"@FILES@", files},
                                       {"@TEXTS@", texts},
                                       {"@OPTIONS@", options}})
        script.replace(script.find(marker), std::string_view(marker).size(), text);
    return script;
}

} // namespace anagrove::cli
