#pragma once
// An option button or check box that takes a click anywhere in its place, not
// only on its mark and caption.

#include <QPoint>

namespace anagrove::ui {

template <typename Button> class WholeAreaButton final : public Button {
  public:
    using Button::Button;

  protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

} // namespace anagrove::ui
