#pragma once

#include <QString>
#include <string_view>

/// A UTF-8 text of the rules library as a QString, to compare with what windows show.
inline QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
