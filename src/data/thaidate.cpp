#include "data/thaidate.h"

#include "data/conversion.h"
#include "platform/ui/messageservice.h"

#include <optional>

namespace {

constexpr int kEraOffset = 543;

bool isLeapYear(int beYear) { return (beYear - kEraOffset) % 4 == 0; }

// A part of a date text as a number: its trimmed characters must all be digits.
std::optional<int> readPart(const QString& part)
{
    const QString trimmed = part.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    for (QChar c : trimmed)
        if (c < u'0' || c > u'9') return std::nullopt;
    return trimmed.toInt();
}

int partOrThrow(const QString& part)
{
    const std::optional<int> value = readPart(part);
    if (!value) throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(part));
    return *value;
}

} // namespace

QDate ZeroDate() { return QDate(1899, 12, 30); }

QString EmptyDateText() { return QStringLiteral("  /  /    "); }

int DaysInMonth(int month, int beYear)
{
    switch (month) {
    case 2: return isLeapYear(beYear) ? 29 : 28;
    case 4: case 6: case 9: case 11: return 30;
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    default: return 0;
    }
}

DateParts ReadDateParts(const QString& dateText)
{
    const QString t = dateText.trimmed();
    return {partOrThrow(t.mid(0, 2)), partOrThrow(t.mid(3, 2)), partOrThrow(t.mid(6, 4))};
}

QString DateText(int day, int month, int beYear)
{
    return QStringLiteral("%1/%2/%3").arg(day, 2, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0')).arg(beYear, 4, 10, QChar(u'0'));
}

QString DateToText(const QDate& date)
{
    if (!date.isValid() || date == ZeroDate()) return EmptyDateText();
    return DateText(date.day(), date.month(), date.year() + kEraOffset);
}

QDate TextToDate(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() != 10) {
        messages().information(QStringLiteral("ข้อมูล วัน เดือน ปี  ไม่ครบ"));
        return ZeroDate();
    }
    // Read as day/month/Gregorian year; a part that is no number or a
    // separator that is not "/" makes it no date, as a day that does not exist.
    const std::optional<int> day = readPart(t.mid(0, 2));
    const std::optional<int> month = readPart(t.mid(3, 2));
    const std::optional<int> year = readPart(t.mid(6, 4));
    QDate date;
    if (day && month && year && t.at(2) == u'/' && t.at(5) == u'/')
        date = QDate(*year - kEraOffset, *month, *day);
    if (!date.isValid()) {
        messages().information(QStringLiteral("ข้ อ ม ู ล วัน เดือน ปี ผิด ต้องตรวจสอบทันที"));
        return ZeroDate();
    }
    return date;
}

bool IsDateText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() != 10) return false;
    const DateParts p = ReadDateParts(t);
    if (p.month < 1 || p.month > 12) return false;
    return p.day <= DaysInMonth(p.month, p.year);
}

QString MonthStartText(int month, int beYear) { return DateText(1, month, beYear); }

QString MonthEndText(int month, int beYear) { return DateText(DaysInMonth(month, beYear), month, beYear); }

QString AgeYearsMonths(const QDate& today, const QDate& birth)
{
    if (today < birth) return QStringLiteral("0 ป-0 ด");
    int months = (today.year() - birth.year()) * 12 + today.month() - birth.month();
    if (today.day() < birth.day()) --months;
    return QStringLiteral("%1 ป-%2 ด").arg(months / 12).arg(months % 12);
}

QString AgeYears(const QDate& today, const QDate& birth)
{
    if (today < birth) return QStringLiteral("0");
    int years = today.year() - birth.year();
    if (today.month() < birth.month() || (today.month() == birth.month() && today.day() < birth.day())) --years;
    return QString::number(years);
}

QString DateKey(const QString& dateText) { return dateText.mid(6, 4) + dateText.mid(3, 2) + dateText.mid(0, 2); }

QString TodayText() { return DateToText(QDate::currentDate()); }
