#pragma once

#include <QString>

// Letters A to Z over and over, `length` of them, with a blank in place of
// every letter after `wordLength` of them when that is given: a text as long
// as a box takes, without a blank or in words.
inline QString Letters(qsizetype length, qsizetype wordLength = 0) {
    QString text;
    text.reserve(length);
    for (qsizetype i = 0; i < length; ++i) {
        const bool blank = wordLength > 0 && i % (wordLength + 1) == wordLength;
        text.append(blank ? QChar(u' ') : QChar(static_cast<char16_t>(u'A' + i % 26)));
    }
    return text;
}
