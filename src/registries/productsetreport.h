#pragma once
// The printed product set: A4 portrait, 10 mm margins, EucrosiaUPC. The page
// header (every page) holds the title "รายงานสินค้าจัดเป็นชุด", the set's
// code and name and a rule; one detail line per line of the set; the page
// footer (every page, the last included) a rule and the page number at the
// right. A set without lines still prints its header.

#include "data/connection.h"
#include "platform/print/pagemodel.h"
#include "platform/print/reportdefinition.h"

#include <QString>

#include <optional>

ReportDefinition ProductSetReportDefinition(const QString& setCode, const QString& setName);

// The report of the set with this code, its lines in stored order; nothing
// (and a message in *error) when the set is not there or cannot be read.
std::optional<PageDocument> BuildProductSetReport(const Connection& c, const QString& setCode, QString* error);

// "velinka print product-set --set SUIT_NO".
void RegisterProductSetPrintable();
