#include "app/language_settings.h"

#include "platform/durable_write.h"
#include "platform/whole_file.h"

#include <algorithm>

namespace anagrove {

namespace {

// The line's first word, and the rest after one blank.
std::pair<std::string_view, std::string_view> SplitKey(std::string_view line) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    while (!text.empty()) {
        const std::size_t blank = std::min(text.find(' '), text.size());
        words.emplace_back(text.substr(0, blank));
        text.remove_prefix(std::min(blank + 1, text.size()));
    }
    return words;
}

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// A custom value written as one word: nothing that would split it or the line.
std::string OneWord(const std::string& text) {
    std::string word;
    for (const char c : text)
        if (c != ' ' && !IsLineBreak(c))
            word += c;
    return word;
}

} // namespace

LanguageSettings ParseLanguageSettings(std::string_view text) {
    LanguageSettings settings;
    while (!text.empty()) {
        std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const auto [key, rest] = SplitKey(line);
        if (key == "language" && FindShippedLanguage(rest)) {
            settings.language = rest;
        } else if (key == "list" && !rest.empty()) {
            settings.listFile = std::string(rest);
        } else if (key == "custom") {
            const auto [code, values] = SplitKey(rest);
            if (FindShippedLanguage(code) && code != kEnglishCode) {
                auto texts = Words(values);
                texts.insert(texts.begin(), std::string()); // the blank's place
                settings.customValues[std::string(code)] = std::move(texts);
            }
        }
    }
    return settings;
}

std::string FormatLanguageSettings(const LanguageSettings& settings) {
    std::string text = "language " + settings.language + "\n";
    if (settings.listFile) {
        std::string path;
        for (const char c : *settings.listFile)
            if (!IsLineBreak(c))
                path += c;
        text += "list " + path + "\n";
    }
    for (const auto& [code, values] : settings.customValues) {
        text += "custom " + code;
        for (std::size_t t = 1; t < values.size(); ++t)
            text += " " + OneWord(values[t]);
        text += "\n";
    }
    return text;
}

std::string LanguageSettingsPath(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.find_last_of("/\\");
    return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) +
           kLanguageSettingsFileName;
}

LanguageSettings ReadLanguageSettings(const std::string& path) {
    const FileText file = ReadWholeFile(path);
    return file ? ParseLanguageSettings(*file) : LanguageSettings{};
}

Expected<Done> WriteLanguageSettings(const std::string& path, const LanguageSettings& settings) {
    return WriteFileDurably(path, FormatLanguageSettings(settings));
}

} // namespace anagrove
