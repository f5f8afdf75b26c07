#include "patterntext.h"

#include <QCoreApplication>

namespace PatternText {

std::optional<Protocol::ColumnPattern> parse(const QString &text, QString *error)
{
    const auto bytes = Protocol::parseHex(text);
    if (!bytes || bytes->size() != Protocol::ColumnCount) {
        *error = QCoreApplication::translate("PatternText",
                                             "a pattern is %1 hex pairs, one byte per column "
                                             "from the left (\"18 3C 7E FF FF 7E 3C 18\"), "
                                             "not '%2'")
                     .arg(Protocol::ColumnCount)
                     .arg(text);
        return std::nullopt;
    }
    Protocol::ColumnPattern pattern{};
    for (int column = 0; column < Protocol::ColumnCount; ++column)
        pattern[size_t(column)] = quint8(bytes->at(column));
    return pattern;
}

} // namespace PatternText
