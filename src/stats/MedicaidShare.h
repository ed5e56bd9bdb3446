#pragma once
// The Medicaid share of a pair of visit counts, and the texts in which a share is shown:
// the grid cell ("#.0%") and the footer ("%.1f" followed by "%").

#include <QChar>
#include <QString>
#include <QtGlobal>

struct VisitRow;

// Percent of `total` that is `medicaid`: 0 when total is 0, else (medicaid × 100) ÷ total
// worked out in extended precision and rounded once to double.
double medicaidShare(qint32 medicaid, qint32 total);

// The calculated-fields handler of the visit query: fills both shares of the row from its counts.
void qryATCalcFields(VisitRow &row);

// A row's share as the grid shows it, display format "#.0%": one decimal, half up at 18
// significant digits, an integer part of 0 left out (".3%"), no thousands separators.
QString shareDisplayText(double share, QChar decimalSeparator);

// A footer share: M ÷ T × 100 in extended precision (0 when T is 0), written like "%.1f"
// followed by "%" (the integer part always written: "0.0%"), rounded as shareDisplayText.
QString footerShareText(qint64 medicaidSum, qint64 totalSum, QChar decimalSeparator);

// A footer count, format "0": the whole number without separators.
QString footerSumText(qint64 sum);
