#include "result_tooltip.h"

#include "app/blank_tiles_text.h"
#include "latin1_text.h"
#include "result_list_model.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QListView>
#include <QToolTip>

namespace anagrove::ui {

ResultToolTip::ResultToolTip(QListView& list, const ResultListModel& model, const SearchRack& rack,
                             const QCheckBox& usePoints)
    : QObject(&list), list_(list), viewport_(*list.viewport()), model_(model), rack_(rack),
      usePoints_(usePoints) {
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
    const std::string text =
        BlankTilesText(model_.foundRow(index.row()), rack_, usePoints_.isChecked());
    QToolTip::showText(help.globalPos(), FromLatin1(text), &viewport_, list_.visualRect(index));
    return true;
}

} // namespace anagrove::ui
