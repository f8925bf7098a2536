#include "result_tooltip.h"

#include "result_list_model.h"

#include <QHelpEvent>
#include <QListView>
#include <QToolTip>

namespace anagrove::ui {

ResultToolTip::ResultToolTip(QListView& list, const ResultListModel& model,
                             std::function<QString(const FoundRow&)> noteOf)
    : QObject(&list), list_(list), viewport_(*list.viewport()), model_(model),
      noteOf_(std::move(noteOf)) {
    viewport_.installEventFilter(this);
}

bool ResultToolTip::eventFilter(QObject* watched, QEvent* event) {
    // Only the type is looked at first: the list may be half destroyed.
    if (event->type() != QEvent::ToolTip || watched != &viewport_)
        return QObject::eventFilter(watched, event);
    const auto& help = static_cast<const QHelpEvent&>(*event);
    const QModelIndex index = list_.indexAt(help.pos());
    if (!index.isValid())
        return false; // below the items: the list's own tooltip, its key
    QToolTip::showText(help.globalPos(), noteOf_(model_.foundRow(index.row())), &viewport_,
                       list_.visualRect(index));
    return true;
}

} // namespace anagrove::ui
