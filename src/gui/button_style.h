// The coloured captions of the forms' buttons. A disabled button must still
// look disabled: its caption turns grey whatever its colour.
#pragma once

#include <QString>

namespace quadrel {

// `colour` as "#d00000"; `font` a style sheet's font declarations.
inline QString ColouredButtonStyle(const char* colour, const char* font = "") {
    return QStringLiteral("QPushButton { color: %1; %2 } QPushButton:disabled { color: #a0a0a0; }")
        .arg(QLatin1String(colour), QLatin1String(font));
}

}  // namespace quadrel
