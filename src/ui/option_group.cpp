#include "option_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QRadioButton>

namespace anagrove::ui {

namespace {

// Left and right move through a group as up and down do: the options stand in
// one column, where the toolkit would find no neighbour to either side.
class SidewaysArrows final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
            return false;
        QKeyEvent vertical(QEvent::KeyPress, key->key() == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                           key->modifiers());
        QCoreApplication::sendEvent(watched, &vertical);
        return true;
    }
};

// Only the selected option is a Tab stop, where it stands in the focus order;
// the others take the focus from a click or an arrow key.
void FollowSelection(QAbstractButton* option, bool selected) {
    option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

QButtonGroup& MakeOptionGroup(QWidget& owner, const char* name,
                              std::initializer_list<QRadioButton*> options) {
    // An explicit group, not the toolkit's automatic one: that one gathers every
    // option button under the same parent at any depth, so options in the frames
    // would join the window's own, and a selected option could be unselected.
    auto* group = new QButtonGroup(&owner);
    group->setObjectName(name);
    group->setExclusive(true);
    auto* arrows = new SidewaysArrows(group);
    for (QRadioButton* option : options) {
        group->addButton(option);
        option->installEventFilter(arrows);
        FollowSelection(option, option->isChecked());
    }
    QObject::connect(group, &QButtonGroup::buttonToggled, group, &FollowSelection);
    return *group;
}

} // namespace anagrove::ui
