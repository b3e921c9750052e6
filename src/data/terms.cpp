#include "data/terms.h"

#include "data/thaidate.h"

#include <algorithm>

namespace {

struct Term {
    int count;
    QChar unit; // ว days, ด months, ป years
};

// "15 ว." gives 15 days; only called with an entry of a term list.
Term readTerm(const QString& term)
{
    const QStringList parts = term.split(u' ');
    return {parts.at(0).toInt(), parts.at(1).at(0)};
}

// The month n months after (or before) a month, passing into the next or
// previous year.
void addMonths(int& month, int& year, int n)
{
    const int index = year * 12 + month - 1 + n;
    year = index / 12;
    month = index % 12 + 1;
}

} // namespace

QStringList CreditTerms()
{
    return {QStringLiteral("สด"),    QStringLiteral("3 ว."),  QStringLiteral("7 ว."),  QStringLiteral("15 ว."),
            QStringLiteral("30 ว."), QStringLiteral("45 ว."), QStringLiteral("60 ว."), QStringLiteral("90 ว."),
            QStringLiteral("120 ว."), QStringLiteral("0 ด."),  QStringLiteral("1 ด."),  QStringLiteral("2 ด."),
            QStringLiteral("3 ด."),  QStringLiteral("4 ด."),  QStringLiteral("5 ด."),  QStringLiteral("6 ด.")};
}

QStringList WarrantyTerms()
{
    return {QStringLiteral("3 ว."),  QStringLiteral("7 ว."),  QStringLiteral("15 ว."), QStringLiteral("30 ว."),
            QStringLiteral("45 ว."), QStringLiteral("60 ว."), QStringLiteral("90 ว."), QStringLiteral("120 ว."),
            QStringLiteral("180 ว."), QStringLiteral("1 ด."), QStringLiteral("2 ด."),  QStringLiteral("3 ด."),
            QStringLiteral("4 ด."),  QStringLiteral("5 ด."),  QStringLiteral("6 ด."),  QStringLiteral("1 ป."),
            QStringLiteral("2 ป."),  QStringLiteral("3 ป.")};
}

// A date text that reads but is no date (31/02, month 13) cannot be moved by
// a term: TextToDate tells the user it is wrong and the result is the empty
// date, as the zero date it gives is written out.
QString DueDate(const QString& dateText, const QString& term)
{
    if (dateText.trimmed().isEmpty()) return QString();
    const DateParts start = ReadDateParts(dateText);
    if (term == QStringLiteral("สด") || !CreditTerms().contains(term)) return dateText;

    const QDate date = TextToDate(dateText);
    if (date == ZeroDate()) return EmptyDateText();
    const Term t = readTerm(term);
    if (t.unit == u'ว') return DateToText(date.addDays(t.count));

    int month = start.month;
    int year = start.year;
    addMonths(month, year, t.count);
    return DateText(DaysInMonth(month, year), month, year);
}

// An empty date text gives an empty result, as for the due date.
QString WarrantyEndDate(const QString& dateText, const QString& term)
{
    if (!WarrantyTerms().contains(term)) return dateText;
    if (dateText.trimmed().isEmpty()) return QString();
    const DateParts start = ReadDateParts(dateText);
    const QDate date = TextToDate(dateText);
    if (date == ZeroDate()) return EmptyDateText();
    const Term t = readTerm(term);

    if (t.unit == u'ว') return DateToText(date.addDays(t.count - 1));

    if (t.unit == u'ด') {
        int month = start.month;
        int year = start.year;
        addMonths(month, year, t.count);
        const int last = DaysInMonth(month, year);
        if (start.day == 1) {
            // The last day of the month before the new month, in that
            // month's own year: a start on 01/12/2550 for one month ends on
            // 31/12/2550, not in December 2551.
            addMonths(month, year, -1);
            return DateText(DaysInMonth(month, year), month, year);
        }
        if (start.day <= 27) return DateText(start.day - 1, month, year);
        if (start.day == 28) return DateText(last, month, year);
        return DateText(std::min(start.day, last), month, year);
    }

    // Years: day and month stay; 1 January ends on 31 December of the year
    // before, and 29 February is cut to the new year's last day of February.
    const int year = start.year + t.count;
    if (start.day == 1 && start.month == 1) return DateText(31, 12, year - 1);
    return DateText(std::min(start.day, DaysInMonth(start.month, year)), start.month, year);
}
