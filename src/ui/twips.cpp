#include "twips.h"

#include <QWidget>

namespace anagrove::ui {

Twips::Twips(const QWidget& widget) : dpi_(widget.logicalDpiX() > 0 ? widget.logicalDpiX() : 96) {}

void PlaceAt(QWidget& widget, const Twips& twips, int left, int top, int width, int height) {
    widget.setGeometry(twips.rect(left, top, width, height));
}

} // namespace anagrove::ui
