#pragma once
// One result row of the visit-count query: one provider, its four counts and the two
// Medicaid shares computed on the client.

#include <QString>
#include <QtGlobal>

struct VisitRow
{
    qint32 addrId = 0;       // ADDR_ID
    QString sigName;         // SIGNAME, at most 40 characters
    qint32 totalBilled = 0;  // TOTAL_BILLED
    qint32 mcBilled = 0;     // MC_BILLED
    double pctBilled = 0;    // PCT_BILLED (percent, 0..100)
    qint32 totalRender = 0;  // TOTAL_RENDER
    qint32 mcRender = 0;     // MC_RENDER
    double pctRender = 0;    // PCT_RENDER (percent, 0..100)
};
