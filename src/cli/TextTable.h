#pragma once
// The grid as text for a terminal or a script.

#include "GridSnapshot.h"

#include <QString>

// Captions, rows and footer as tab-separated lines ended by LF, no quoting; an empty field
// where the grid shows nothing.
QString tabSeparatedText(const GridSnapshot &grid);

// The same as an aligned table for a person: columns padded to their widest text, numbers
// right-aligned, a rule under the captions and above the footer.
QString alignedText(const GridSnapshot &grid);
