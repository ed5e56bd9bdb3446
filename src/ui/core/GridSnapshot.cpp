#include "GridSnapshot.h"

QFont gridFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
