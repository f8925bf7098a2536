#pragma once
// Option buttons that form one group of their own: exactly one of them is
// selected, and clicks, arrow keys and the Tab stop stay among them, whatever
// other option buttons share their window or frame.

#include <initializer_list>

class QButtonGroup;
class QRadioButton;
class QWidget;

namespace anagrove::ui {

// Groups options under owner; the group lives as long as owner.
QButtonGroup& MakeOptionGroup(QWidget& owner, const char* name,
                              std::initializer_list<QRadioButton*> options);

} // namespace anagrove::ui
