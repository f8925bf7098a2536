#pragma once
// The option fields of the settings file: each one's key, type and initial
// value as the file stores it. Every front end takes its initial choices here.

#include "base/word_table.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace anagrove {

// The option fields in file order (fields 1 to 8).
enum class SettingKey {
    order,
    minimum,
    maximum,
    no_maximum,
    anagram,
    word_list,
    use_points,
    scheme
};

enum class SettingType {
    choice,    // a value's word (WordOf)
    text,      // the text as typed
    check_box, // kCheckedWord or kUncheckedWord
    flag,      // kTrueWord or kFalseWord
};

// The words of a check box and a flag; the file has always held these, so
// files written before read back.
inline constexpr const char* kCheckedWord = "2";
inline constexpr const char* kUncheckedWord = "1";
inline constexpr const char* kTrueWord = "true";
inline constexpr const char* kFalseWord = "false";

struct SettingField {
    SettingKey key;
    const char* name; // the key as text, as --help and the web page name it
    SettingType type;
    const char* initial; // the stored word of the value before any file is read
};

inline constexpr std::array<SettingField, 8> kSettingFields{{
    {SettingKey::order, "order", SettingType::choice, "alpha"},
    {SettingKey::minimum, "minimum", SettingType::text, "2"},
    {SettingKey::maximum, "maximum", SettingType::text, "8"},
    {SettingKey::no_maximum, "no_maximum", SettingType::check_box, kUncheckedWord},
    {SettingKey::anagram, "anagram", SettingType::check_box, kUncheckedWord},
    {SettingKey::word_list, "word_list", SettingType::choice, "standard"},
    {SettingKey::use_points, "use_points", SettingType::flag, kTrueWord},
    {SettingKey::scheme, "scheme", SettingType::choice, "scrabble"},
}};

// The stored word of a field's initial value.
[[nodiscard]] constexpr const char* InitialWord(SettingKey key) {
    return kSettingFields[static_cast<std::size_t>(key)].initial;
}

// The initial value of a choice field.
template <class Value> [[nodiscard]] constexpr Value InitialChoice(SettingKey key) {
    return *ValueOf<Value>(InitialWord(key));
}

// The initial value of a check box or a flag.
[[nodiscard]] constexpr bool InitiallyOn(SettingKey key) {
    const std::string_view word = InitialWord(key);
    return word == kCheckedWord || word == kTrueWord;
}

} // namespace anagrove
