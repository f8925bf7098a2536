#include "app/settings.h"

#include "platform/durable_write.h"
#include "platform/whole_file.h"

#include <array>

namespace anagrove {

namespace {

// How one of the option fields is read into the settings and written from them.
struct OptionField {
    void (*read)(Settings& settings, std::string&& field);
    std::string (*write)(const Settings& settings);
};

template <auto text>
constexpr OptionField kText{
    [](Settings& settings, std::string&& field) { settings.*text = std::move(field); },
    [](const Settings& settings) { return settings.*text; }};

template <auto box>
constexpr OptionField kCheckBox{
    [](Settings& settings, std::string&& field) { settings.*box = field == kCheckedWord; },
    [](const Settings& settings) {
        return std::string(settings.*box ? kCheckedWord : kUncheckedWord);
    }};

constexpr OptionField kUsePoints{
    [](Settings& settings, std::string&& field) { settings.usePoints = field != kFalseWord; },
    [](const Settings& settings) {
        return std::string(settings.usePoints ? kTrueWord : kFalseWord);
    }};

// A word that names no value is kept as read.
template <auto choice, auto fromWord> void ReadChoice(Settings& settings, std::string&& field) {
    if (const auto value = fromWord(field))
        settings.*choice = *value;
    else
        settings.*choice = std::move(field);
}

template <auto choice, auto toWord> std::string WriteChoice(const Settings& settings) {
    const auto& held = settings.*choice;
    if (const auto value = Known(held))
        return toWord(*value);
    return std::get<std::string>(held);
}

template <auto choice, auto fromWord, auto toWord>
constexpr OptionField kChoice{ReadChoice<choice, fromWord>, WriteChoice<choice, toWord>};

// How each of kSettingFields is read and written, in file order; the custom
// values follow them.
constexpr std::array<OptionField, kSettingFields.size()> kOptionFields{
    kChoice<&Settings::order, ValueOf<SortOrder>, WordOf<SortOrder>>,
    kText<&Settings::minimumText>,
    kText<&Settings::maximumText>,
    kCheckBox<&Settings::noMaximum>,
    kCheckBox<&Settings::anagram>,
    kChoice<&Settings::wordList, ValueOf<WordListKind>, WordOf<WordListKind>>,
    kUsePoints,
    kChoice<&Settings::scheme, ValueOf<PointScheme>, WordOf<PointScheme>>,
};

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Reads comma- or line-separated fields, each quoted or plain.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    bool Next(std::string& field) {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || IsLineEnd(text_[pos_])))
            ++pos_;
        if (pos_ >= text_.size())
            return false;
        if (text_[pos_] == '"') {
            std::size_t close = text_.find('"', pos_ + 1);
            if (close == std::string_view::npos)
                close = text_.size();
            field.assign(text_.substr(pos_ + 1, close - pos_ - 1));
            pos_ = close + 1;
            // Whatever follows the closing quote up to the separator is ignored.
            while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
                ++pos_;
        } else {
            std::size_t end = pos_;
            while (end < text_.size() && text_[end] != ',' && !IsLineEnd(text_[end]))
                ++end;
            std::string_view plain = text_.substr(pos_, end - pos_);
            while (!plain.empty() && plain.back() == ' ')
                plain.remove_suffix(1);
            field.assign(plain);
            pos_ = end;
        }
        if (pos_ < text_.size() && text_[pos_] == ',')
            ++pos_;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string CleanField(const std::string& text) {
    std::string clean;
    clean.reserve(text.size());
    for (char c : text)
        if (c != '"' && !IsLineEnd(c))
            clean += c;
    return clean;
}

} // namespace

Settings ParseSettings(std::string_view text) {
    Settings settings;
    FieldReader reader(text);
    std::string field;
    for (std::size_t i = 0; i < kSettingsFieldCount && reader.Next(field); ++i) {
        if (i < kOptionFields.size())
            kOptionFields[i].read(settings, std::move(field));
        else
            settings.customPoints[i - kOptionFields.size()] = field;
    }
    return settings;
}

std::string FormatSettings(const Settings& settings) {
    std::string line;
    for (std::size_t i = 0; i < kSettingsFieldCount; ++i) {
        if (i > 0)
            line += ',';
        line +=
            '"' +
            CleanField(i < kOptionFields.size() ? kOptionFields[i].write(settings)
                                                : settings.customPoints[i - kOptionFields.size()]) +
            '"';
    }
    line += "\r\n";
    return line;
}

Settings ReadSettings(const std::string& path) {
    FileText file = ReadWholeFile(path);
    return file ? ParseSettings(*file) : Settings{};
}

Expected<Done> WriteSettings(const std::string& path, const Settings& settings) {
    return WriteFileDurably(path, FormatSettings(settings));
}

} // namespace anagrove
