#include "app/settings.h"

#include "platform/durable_write.h"
#include "platform/whole_file.h"

#include <array>

namespace anagrove {

namespace {

// The eight option fields in file order; the custom values follow them.
constexpr std::array<std::string Settings::*, 8> kOptionFields{
    &Settings::SortSetting,      &Settings::MinLettersSetting, &Settings::MaxLettersSetting,
    &Settings::NomaxSetting,     &Settings::AnagramSetting,    &Settings::DictionarySetting,
    &Settings::UsepointsSetting, &Settings::PointsSetting};

std::string& Field(Settings& settings, int index) {
    if (index < static_cast<int>(kOptionFields.size()))
        return settings.*kOptionFields[static_cast<std::size_t>(index)];
    return settings.customPoints[static_cast<std::size_t>(index) - kOptionFields.size()];
}

const std::string& Field(const Settings& settings, int index) {
    return Field(const_cast<Settings&>(settings), index);
}

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
    for (int i = 0; i < kSettingsFieldCount && reader.Next(field); ++i)
        Field(settings, i) = field;
    return settings;
}

std::string FormatSettings(const Settings& settings) {
    std::string line;
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        if (i > 0)
            line += ',';
        line += '"' + CleanField(Field(settings, i)) + '"';
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
