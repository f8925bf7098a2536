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

// Arial on Windows; elsewhere a font of Arial's widths comes first, which
// Linux distributions install with the desktop, where Arial may be missing.
[[nodiscard]] inline QFont SansFont(const QFont& base) {
#ifdef Q_OS_WIN
    return WindowFont(base, {"Arial", "Liberation Sans", base.family()});
#else
    return WindowFont(base,
                      {"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica", base.family()});
#endif
}

[[nodiscard]] inline QFont VerdanaFont(const QFont& base) {
    return WindowFont(base, {"Verdana", "DejaVu Sans", base.family()});
}

} // namespace anagrove::ui
