#include "choice_controls.h"

#include "latin1_text.h"

#include <QCheckBox>
#include <QLineEdit>

namespace anagrove::ui {

namespace {

template <class Value, std::size_t N>
void Select(const std::array<OptionFor<Value>, N>& options, const StoredChoice<Value>& choice) {
    if (const auto known = Known(choice))
        for (const auto& [value, button] : options)
            if (value == *known)
                button->setChecked(true);
}

template <class Value, std::size_t N>
void Take(const std::array<OptionFor<Value>, N>& options, StoredChoice<Value>& choice) {
    if (const auto selected = SelectedValue(options))
        choice = *selected;
}

} // namespace

void ShowSettings(const ChoiceControls& controls, const Settings& settings) {
    Select(controls.orders, settings.order);
    for (const auto& [text, box] : controls.limits)
        box->setText(FromLatin1(settings.*text));
    for (const auto& [checked, box] : controls.checkBoxes)
        box->setChecked(settings.*checked);
    Select(controls.wordLists, settings.wordList);
    Select(controls.schemes, settings.scheme);
}

void TakeSettings(const ChoiceControls& controls, Settings& settings) {
    Take(controls.orders, settings.order);
    for (const auto& [text, box] : controls.limits)
        settings.*text = ToLatin1(box->text());
    for (const auto& [checked, box] : controls.checkBoxes)
        settings.*checked = box->isChecked();
    Take(controls.wordLists, settings.wordList);
    Take(controls.schemes, settings.scheme);
}

} // namespace anagrove::ui
