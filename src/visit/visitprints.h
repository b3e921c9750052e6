#pragma once
// Printed documents of a visit.

#include "data/connection.h"
#include "platform/print/pagemodel.h"

#include <QVariantMap>

// The laboratory result of a visit, on one Letter page. The lap row may be
// missing: the frame then prints with empty laboratory fields.
PageDocument LabResultDocument(const QVariantMap& lab, const QString& patientName, const QString& visitNumber,
                               const QString& doctorName);
// The same, read from the database by visit number; nothing when the visit is unknown.
std::optional<PageDocument> LabResultDocument(const Connection& c, const QString& visitNumber, QString* error);

// The business name printed on drug labels: the one kept from start-up, else the stored one.
QString LabelBusinessName(const Connection& c);

// Registers the visit documents with the headless print command.
void RegisterVisitPrintables();
