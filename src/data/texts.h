#pragma once
// Small rules for the texts printouts build from several fields.

#include <QString>
#include <QStringList>

// The parts that are not blank after trimming, each as it is, joined by separator.
QString JoinNonBlank(const QStringList& parts, const QString& separator = QStringLiteral(" "));

// Every part trimmed.
QStringList TrimmedParts(const QStringList& parts);
