#pragma once
// Credit terms with their due dates, and warranty terms with their end dates.
// A term is "n ว." (days), "n ด." (months) or "n ป." (years); "สด" is cash.

#include <QString>
#include <QStringList>

// The 16 credit terms in the order the drop-down lists offer them.
QStringList CreditTerms();
// The warranty terms of an item.
QStringList WarrantyTerms();

// The payment due date of a date text under a credit term: "สด" and a term
// not in the list give the date itself, a day term the date plus the days,
// a month term the last day of the month n months on. An empty text gives an
// empty result; a day, month or year that is no number (the empty date
// "  /  /    " too) raises ConversionError.
QString DueDate(const QString& dateText, const QString& term);

// The last day of a warranty that starts on the date text (the start day is
// its first day). An empty term or one not in the list gives the date itself.
QString WarrantyEndDate(const QString& dateText, const QString& term);
