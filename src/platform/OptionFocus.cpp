#include "platform/OptionFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>

#include <algorithm>

namespace OptionFocus {

namespace {

// The options of the exclusive group that `button` belongs to, itself among
// them; none when it is no option.
QList<QAbstractButton*> Group(QAbstractButton& button) {
    if (!button.isCheckable()) {
        return {};
    }
    if (const QButtonGroup* group = button.group()) {
        return group->exclusive() ? group->buttons() : QList<QAbstractButton*>{};
    }
    if (!button.autoExclusive() || !button.parentWidget()) {
        return {};
    }
    QList<QAbstractButton*> options;
    for (QAbstractButton* sibling :
         button.parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->isCheckable() && sibling->autoExclusive() && !sibling->group()) {
            options << sibling;
        }
    }
    return options;
}

bool CanTakeFocus(const QWidget& widget) {
    return widget.isVisible() && widget.isEnabled() && widget.focusPolicy() != Qt::NoFocus;
}

// Tab stops at the checked option of a group and passes the others by. Qt
// makes it so only when an option takes the focus, so that after code checked
// another, Tab would stop at the option checked before, wherever it stands in
// the chain, and come to the group out of its place.
void TabStopAtChecked(const QList<QAbstractButton*>& group) {
    const bool anyChecked =
        std::any_of(group.begin(), group.end(), [](QAbstractButton* o) { return o->isChecked(); });
    if (!anyChecked) {
        return;
    }
    for (QAbstractButton* option : group) {
        const int policy = option->focusPolicy();
        option->setFocusPolicy(static_cast<Qt::FocusPolicy>(
            option->isChecked() ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

class Follower : public QObject {
public:
    explicit Follower(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish) {
            // Every option is watched from before it shows.
            if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
                Watch(*button);
            }
            return false;
        }
        if (event->type() != QEvent::FocusIn) {
            return false;
        }
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button) {
            return false;
        }
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A press of the mouse gives the focus to the option it is about to check.
        if (button->isChecked() || reason == Qt::MouseFocusReason) {
            return false;
        }
        for (QAbstractButton* option : Group(*button)) {
            if (option->isChecked() && CanTakeFocus(*option)) {
                option->setFocus(reason);
                // The focus went on: the unchecked option never takes it, nor
                // the group's Tab stop with it.
                return QApplication::focusWidget() == option;
            }
        }
        return false;
    }

private:
    void Watch(QAbstractButton& button) {
        const QList<QAbstractButton*> group = Group(button);
        if (group.isEmpty()) {
            return;
        }
        connect(&button, &QAbstractButton::toggled, this, &Follower::OptionToggled,
                Qt::UniqueConnection);
        TabStopAtChecked(group);
    }

    void OptionToggled(bool checked) {
        auto* option = qobject_cast<QAbstractButton*>(sender());
        if (!checked || !option) {
            return;
        }
        const QList<QAbstractButton*> group = Group(*option);
        TabStopAtChecked(group);
        auto* focus = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (focus && focus != option && CanTakeFocus(*option) && group.contains(focus)) {
            option->setFocus(Qt::OtherFocusReason);
        }
    }
};

} // namespace

void FollowCheckedOptions() {
    static Follower* follower = nullptr;
    if (!follower) {
        follower = new Follower(qApp);
        qApp->installEventFilter(follower);
    }
}

} // namespace OptionFocus
