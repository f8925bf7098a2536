#include "option_group.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QRadioButton>

namespace anagrove::ui {

namespace {

// The arrow keys move through a group and select the option they reach, also
// when the focus stood on an unselected one. Left and right move as up and
// down do: the options stand in one column, where the toolkit would find no
// neighbour to either side.
class GroupArrows final : public QObject {
  public:
    explicit GroupArrows(QButtonGroup& group) : QObject(&group), group_(group) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (forwarding_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool back = key->key() == Qt::Key_Up || key->key() == Qt::Key_Left;
        if (!back && key->key() != Qt::Key_Down && key->key() != Qt::Key_Right)
            return false;
        QKeyEvent vertical(QEvent::KeyPress, back ? Qt::Key_Up : Qt::Key_Down, key->modifiers());
        forwarding_ = true;
        QCoreApplication::sendEvent(watched, &vertical);
        forwarding_ = false;
        auto* reached = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (reached && reached != watched && group_.buttons().contains(reached) &&
            !reached->isChecked())
            reached->click();
        return true;
    }

  private:
    QButtonGroup& group_;
    bool forwarding_ = false;
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
    auto* arrows = new GroupArrows(*group);
    for (QRadioButton* option : options) {
        group->addButton(option);
        option->installEventFilter(arrows);
        FollowSelection(option, option->isChecked());
    }
    QObject::connect(group, &QButtonGroup::buttonToggled, group, &FollowSelection);
    return *group;
}

} // namespace anagrove::ui
