#pragma once
// Window geometry is given in twips (1/1440 inch): 15 twips to a pixel at
// 96 dots per inch, more pixels on a denser screen.

#include <QRect>
#include <QSize>

class QWidget;

namespace anagrove::ui {

class Twips {
  public:
    // The scale of the screen that shows the widget.
    explicit Twips(const QWidget& widget);

    [[nodiscard]] int px(int twips) const { return (twips * dpi_ + 720) / 1440; }
    [[nodiscard]] QSize size(int width, int height) const { return {px(width), px(height)}; }
    [[nodiscard]] QRect rect(int left, int top, int width, int height) const {
        return {px(left), px(top), px(width), px(height)};
    }

  private:
    int dpi_;
};

// Places a child widget at a rectangle of its parent, given in twips.
void PlaceAt(QWidget& widget, const Twips& twips, int left, int top, int width, int height);

} // namespace anagrove::ui
