#pragma once
// The window's pictures, drawn in code on a 16 × 16 grid (and at twice the size for high-dpi
// screens): the four button glyphs and the window icon.

#include <QIcon>

namespace Glyphs {

QIcon refresh();    // two blue circular arrows
QIcon print();      // a printer with a sheet of paper
QIcon exportFile(); // a diskette
QIcon help();       // a red question mark on a blue tile
QIcon window();     // the program's icon: a bar chart in the three share colours

} // namespace Glyphs
