#pragma once
// Whether a text still holds a Russian letter: what a text in English must not.

#include <QRegularExpression>
#include <QString>

namespace testing_support {

inline bool hasCyrillic(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

}  // namespace testing_support
