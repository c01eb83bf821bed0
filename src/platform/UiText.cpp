#include "platform/UiText.h"

#include "platform/Numbers.h"

#include <string_view>

QString ToQString(const std::string& text) {
    constexpr std::string_view ZeroWidthNoBreakSpace = "\xEF\xBB\xBF";
    if (std::string_view(text).starts_with(ZeroWidthNoBreakSpace)) {
        return QChar(0xFEFF) + QString::fromUtf8(text.data() + ZeroWidthNoBreakSpace.size(),
                                                 static_cast<qsizetype>(
                                                     text.size() - ZeroWidthNoBreakSpace.size()));
    }
    return QString::fromStdString(text);
}

std::string TrimmedText(const QString& text) {
    return Numbers::Trim(text.toStdString());
}

QString TrimmedQString(const std::string& text) {
    return ToQString(Numbers::Trim(text));
}
