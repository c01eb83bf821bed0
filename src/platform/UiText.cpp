#include "platform/UiText.h"

#include "platform/Numbers.h"

#include <QStringDecoder>

QString ToQString(const std::string& text) {
    // Qt's own conversion drops a leading U+FEFF, taken for a byte-order mark.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string TrimmedText(const QString& text) {
    return Numbers::Trim(text.toStdString());
}

QString TrimmedQString(const std::string& text) {
    return ToQString(Numbers::Trim(text));
}
