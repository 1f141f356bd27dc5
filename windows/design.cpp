// SPDX-License-Identifier: MIT
#include "windows/design.h"

namespace design {

QFont boldFont(Face face, qreal points) {
    static const bool substituted = [] {
        QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
        QFont::insertSubstitution("Times New Roman", "Liberation Serif");
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(face == Face::MsSansSerif ? "MS Sans Serif" : "Times New Roman");
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace design
