#include "accelerator.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QShortcut>

namespace anagrove::ui {

namespace {

// A disabled control takes neither the focus nor a click.
void Activate(QWidget& control) {
    control.setFocus(Qt::ShortcutFocusReason);
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->click();
    else if (auto* box = qobject_cast<QLineEdit*>(&control))
        box->selectAll();
}

} // namespace

void AddAccelerator(QWidget& window, const QKeySequence& keys, QWidget& control) {
    auto* shortcut = new QShortcut(keys, &window);
    QObject::connect(shortcut, &QShortcut::activated, &control, [&control] { Activate(control); });
    control.setToolTip(keys.toString(QKeySequence::NativeText));
}

} // namespace anagrove::ui
