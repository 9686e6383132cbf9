// The desk's report (desk/deskreport.h) on paper: the site, the period and
// grouping, the journal's check as on every printout, each group's lines
// and subtotal, the totals, then the voided and replaced transactions apart;
// "page N of M" on every page.
#pragma once

#include <QString>

#include "desk/deskreport.h"
#include "viewer/printouts.h"

namespace printouts {

// `heading`: "Transactions per customer", `period`: "2026-12-01 to ...".
bool paintTransactionReport(QPagedPaintDevice *device, const deskreport::Report &report,
                            const QString &heading, const QString &period, const Context &context,
                            Failure *failure);

}  // namespace printouts
