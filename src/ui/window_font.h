#pragma once
// The windows are laid out for a compact 8-point sans-serif font; wider
// desktop fonts would clip their captions.

#include <QFont>
#include <QStringList>

namespace anagrove::ui {

[[nodiscard]] inline QFont WindowFont(QFont font, const QStringList& families) {
    font.setFamilies(families);
    font.setPointSize(8);
    return font;
}

[[nodiscard]] inline QFont SansFont(const QFont& base) {
    return WindowFont(base,
                      {"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica", base.family()});
}

[[nodiscard]] inline QFont VerdanaFont(const QFont& base) {
    return WindowFont(base, {"Verdana", "DejaVu Sans", base.family()});
}

} // namespace anagrove::ui
