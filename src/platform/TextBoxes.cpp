#include "platform/TextBoxes.h"

#include "platform/Dialogs.h"
#include "platform/FieldLimit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <utility>

namespace TextBoxes {
namespace {

constexpr auto MaxLength = static_cast<qsizetype>(FieldLimit::MaxLength);

std::size_t StoredLength(const QString& text) {
    return FieldLimit::StoredLength(static_cast<std::size_t>(text.size()),
                                    static_cast<std::size_t>(text.count(u'"')));
}

// The longest start of `text` of at most `room` UTF-16 units that ends
// between two characters. A cut inside a surrogate pair would leave half an
// emoji, which a save writes as "?"; one inside a character of several code
// points (a letter and its accent, a flag) would change the character.
QString CutBetweenCharacters(const QString& text, qsizetype room) {
    if (text.size() <= room) {
        return text;
    }
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(std::max<qsizetype>(room, 0));
    if (!characters.isAtBoundary()) {
        characters.toPreviousBoundary();
    }
    return text.left(characters.position());
}

// A box undoes a change that its validator calls Invalid. Every text that
// fits is Acceptable, never Intermediate: a box signals editingFinished and
// returnPressed only for an Acceptable text.
class FieldValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        return FitsAField(input) ? Acceptable : Invalid;
    }
};

// The text a paste into `box` leaves standing: all but the selection, which
// the paste replaces.
QString KeptOfPaste(const QLineEdit& box) {
    QString kept = box.text();
    if (box.hasSelectedText()) {
        kept.remove(box.selectionStart(), box.selectionLength());
    }
    return kept;
}

// A paste into `box` from the clipboard or, on X11, the mouse selection.
void Paste(QLineEdit& box, QClipboard::Mode mode, const QString& holder) {
    const QString clip = QGuiApplication::clipboard()->text(mode);
    const std::optional<QString> taken = TakenOfPaste(clip, KeptOfPaste(box));
    if (!taken) {
        // The message box takes the keyboard, and a cell's editor closes
        // then, keeping what was typed into the cell.
        const QPointer<QLineEdit> refused(&box);
        const QString pasted = TakenOfPaste(clip)
                                   ? QString("With the pasted text, the %1's text").arg(holder)
                                   : QString("The pasted text");
        Dialogs::Message(PasteRefusal(pasted, holder));
        if (refused && refused->isVisible()) {
            refused->setFocus();
        }
    } else if (mode == QClipboard::Clipboard && taken->size() == clip.size()) {
        // Qt's own paste, which keeps the paste apart from the typing around
        // it for Undo.
        box.paste();
    } else {
        box.insert(*taken);
    }
}

// The box's own menu, its Paste made the box's paste of this file.
void PopUpMenu(QLineEdit& box, const QPoint& at, const QString& holder) {
    QMenu* menu = box.createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // Qt connects its menu's Paste by name.
        if (QObject::disconnect(action, nullptr, &box, SLOT(paste()))) {
            QObject::connect(action, &QAction::triggered, &box,
                             [&box, holder] { Paste(box, QClipboard::Clipboard, holder); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

// Takes over every way a user pastes into a box (Ctrl+V and Shift+Insert,
// the box's menu, the middle button on X11): Qt's own paste would cut a text
// inside a character, and refuse a paste without a word.
class PasteHold final : public QObject {
public:
    PasteHold(QLineEdit& box, QString holder)
        : QObject(&box), box_(box), holder_(std::move(holder)) {
        box.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (box_.isReadOnly()) {
            return false;
        }
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
                return false;
            }
            Paste(box_, QClipboard::Clipboard, holder_);
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
                !QGuiApplication::clipboard()->supportsSelection()) {
                return false;
            }
            box_.deselect();
            Paste(box_, QClipboard::Selection, holder_);
            return true;
        case QEvent::ContextMenu:
            if (box_.contextMenuPolicy() != Qt::DefaultContextMenu) {
                return false;
            }
            PopUpMenu(box_, static_cast<QContextMenuEvent*>(event)->globalPos(), holder_);
            return true;
        default:
            return false;
        }
    }

private:
    QLineEdit& box_;
    const QString holder_;
};

void Hold(QLineEdit& box, const QString& holder) {
    if (dynamic_cast<const FieldValidator*>(box.validator())) {
        return;
    }
    // The validator alone holds the box to the limit: Qt's cut at a maximum
    // length counts UTF-16 units and falls inside a character as readily as
    // between two.
    box.setMaxLength(std::numeric_limits<int>::max());
    box.setValidator(new FieldValidator(&box));
    new PasteHold(box, holder);
}

} // namespace

bool FitsAField(const QString& text) {
    return StoredLength(text) <= FieldLimit::MaxLength;
}

std::optional<QString> TakenOfPaste(const QString& text, const QString& kept) {
    QString taken = CutBetweenCharacters(text, MaxLength - kept.size());
    if (StoredLength(kept) + StoredLength(taken) > FieldLimit::MaxLength) {
        return std::nullopt;
    }
    return taken;
}

QString PasteRefusal(const QString& pasted, const QString& holder) {
    return QString("%1 holds double quotes that, saved as two apostrophes each, take it past the "
                   "%2 characters a %3 keeps. Nothing was pasted.")
        .arg(pasted, QString::number(FieldLimit::MaxLength), holder);
}

void HoldToFieldLimit(QWidget& widget, const QString& holder) {
    if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
        Hold(*box, holder);
    }
    for (QLineEdit* box : widget.findChildren<QLineEdit*>()) {
        Hold(*box, holder);
    }
}

} // namespace TextBoxes
