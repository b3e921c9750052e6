#pragma once
// The layout engine: a report definition and its rows become a document of
// pages (pagemodel.h). Nothing is painted here.
//
// Bands flow down the page from the top margin. When the next band does not
// fit above the page footer a new page begins, with the page header and the
// column header again; the page footer prints at the bottom of every page.
// A report without rows still gives one page (headers, title, summary and
// footer). Sums add the rows whose detail band printed; a detail band that
// its beforePrint event leaves out does not count.
// A stretching element grows its band by the height it gains; elements
// below it are not moved.

#include "platform/print/pagemodel.h"
#include "platform/print/reportdefinition.h"

PageDocument layoutReport(const ReportDefinition& definition, const ReportRows& rows = {});
