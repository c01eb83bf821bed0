#include "platform/UiText.h"

#include "platform/Numbers.h"

std::string TrimmedText(const QString& text) {
    return Numbers::Trim(text.toStdString());
}

QString TrimmedQString(const std::string& text) {
    return ToQString(Numbers::Trim(text));
}
