#pragma once
// Made-up results for the in-process benchmarks: provider rows as the server returns them, and
// the grid's snapshot built from them the way the program builds it.

#include "GridSnapshot.h"
#include "VisitRow.h"

#include <vector>

// `count` provider rows with their four counts set and the shares not yet computed, as fetched.
// Every `zeroRenderEvery`-th row (0: none) has no rendered visits, so the row filter hides it.
// Shares spread over all three colour bands.
std::vector<VisitRow> fetchedRows(int count, int zeroRenderEvery = 0);

// The client's work from fetched rows to the grid's content: the shares of each row, the rows
// in a results table with the program's row filter installed, the footer texts, and the snapshot
// that the report and the exports take.
GridSnapshot gridFromFetchedRows(std::vector<VisitRow> rows);
