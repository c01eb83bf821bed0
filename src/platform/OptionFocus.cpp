#include "platform/OptionFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>

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

class Follower : public QObject {
public:
    explicit Follower(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) {
            return false;
        }
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button) {
            return false;
        }
        const QList<QAbstractButton*> group = Group(*button);
        // Only an option that once had the focus can hold it when code checks
        // another: its group is watched from then on.
        for (QAbstractButton* option : group) {
            connect(option, &QAbstractButton::toggled, this, &Follower::OptionToggled,
                    Qt::UniqueConnection);
        }
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A press of the mouse gives the focus to the option it is about to check.
        if (button->isChecked() || reason == Qt::MouseFocusReason) {
            return false;
        }
        for (QAbstractButton* option : group) {
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
    void OptionToggled(bool checked) {
        auto* option = qobject_cast<QAbstractButton*>(sender());
        auto* focus = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (checked && option && focus && focus != option && CanTakeFocus(*option) &&
            Group(*option).contains(focus)) {
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
