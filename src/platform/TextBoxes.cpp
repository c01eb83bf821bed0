#include "platform/TextBoxes.h"

#include "platform/FieldLimit.h"

#include <QLineEdit>
#include <QValidator>

namespace TextBoxes {
namespace {

constexpr auto MaxLength = static_cast<qsizetype>(FieldLimit::MaxLength);

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

void Hold(QLineEdit& box) {
    box.setMaxLength(static_cast<int>(MaxLength));
    box.setValidator(new FieldValidator(&box));
}

} // namespace

bool FitsAField(const QString& text) {
    const auto length = static_cast<std::size_t>(text.size());
    const auto doubleQuotes = static_cast<std::size_t>(text.count(u'"'));
    return FieldLimit::StoredLength(length, doubleQuotes) <= FieldLimit::MaxLength;
}

std::optional<QString> TakenOfPaste(const QString& text) {
    QString taken = text.left(MaxLength);
    if (!FitsAField(taken)) {
        return std::nullopt;
    }
    return taken;
}

void HoldToFieldLimit(QWidget& widget) {
    if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
        Hold(*box);
    }
    for (QLineEdit* box : widget.findChildren<QLineEdit*>()) {
        Hold(*box);
    }
}

} // namespace TextBoxes
