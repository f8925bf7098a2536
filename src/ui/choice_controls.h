#pragma once
// The main window's controls that show the choices kept in the settings file,
// each beside what it stands for: start-up sets them from the settings, and
// shutdown, the search and the point schemes read them back.

#include "app/settings.h"

#include <QRadioButton>

#include <array>
#include <optional>
#include <string>
#include <utility>

class QCheckBox;
class QLineEdit;

namespace anagrove::ui {

// An option button and the value it selects.
template <class Value> struct OptionFor {
    Value value;
    QRadioButton* button;
};

struct ChoiceControls {
    std::array<OptionFor<SortOrder>, 3> orders;
    std::array<OptionFor<WordListKind>, 2> wordLists;
    std::array<OptionFor<PointScheme>, 4> schemes;
    std::array<std::pair<std::string Settings::*, QLineEdit*>, 2> limits;
    std::array<std::pair<bool Settings::*, QCheckBox*>, 3> checkBoxes; // in file order
};

// The value whose option is selected; nothing when none is.
template <class Value, std::size_t N>
[[nodiscard]] std::optional<Value> SelectedValue(const std::array<OptionFor<Value>, N>& options) {
    for (const auto& [value, button] : options)
        if (button->isChecked())
            return value;
    return std::nullopt;
}

// Sets the controls from the settings, the order first and the check boxes in
// file order; each control's handler runs as for a click. A choice whose word
// names no value selects nothing.
void ShowSettings(const ChoiceControls& controls, const Settings& settings);
// Takes the choices that the controls show into the settings; a choice of
// which no option is selected keeps what it held.
void TakeSettings(const ChoiceControls& controls, Settings& settings);

} // namespace anagrove::ui
