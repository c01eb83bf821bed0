#include "platform/TextBoxes.h"

#include <QLineEdit>

namespace TextBoxes {

void KeepLongTexts(QWidget& widget) {
    if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
        box->setMaxLength(MaxLength);
    }
    for (QLineEdit* box : widget.findChildren<QLineEdit*>()) {
        box->setMaxLength(MaxLength);
    }
}

} // namespace TextBoxes
