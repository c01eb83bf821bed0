#include "platform/ProgramStyle.h"

#include "platform/CrispLinesStyle.h"
#include "platform/FocusCueStyle.h"

#include <QApplication>

namespace ProgramStyle {

void Use() {
    QApplication::setStyle(new FocusCueStyle(new CrispLinesStyle));
}

} // namespace ProgramStyle
