#pragma once
// Dates as the screens show and store them: the text dd/mm/yyyy with the
// year in the Buddhist era (Gregorian year + 543), "  /  /    " when empty.
//
// Leap years of the date text follow the Buddhist-era rule: a year is leap
// when (year - 543) is divisible by 4, with no century rule. The checks and
// month ends on texts (IsDateText, DaysInMonth, MonthEndText and the term
// rules) use that rule. A QDate follows the Gregorian calendar, which has no
// 29 February in 1900 or 2100 (2443, 2643): TextToDate can only give what a
// QDate holds, so it refuses those two days as wrong dates. Between 1901 and
// 2099 both rules agree.

#include <QDate>
#include <QString>

// The platform's zero date, 30 December 1899: a missing date.
QDate ZeroDate();
// "  /  /    ".
QString EmptyDateText();

// 28, 29, 30 or 31 for a month 1 to 12 of a Buddhist-era year; 0 for another month.
int DaysInMonth(int month, int beYear);

// The day, month and year numbers of a date text (trimmed; characters 1-2,
// 4-5 and 7-10). A part that is not a number raises ConversionError.
struct DateParts {
    int day;
    int month;
    int year; // Buddhist era
};
DateParts ReadDateParts(const QString& dateText);

// The date text of a day, month and Buddhist-era year, two-digit day and month.
QString DateText(int day, int month, int beYear);

// The date as date text; the zero date (or no date) gives the empty date.
QString DateToText(const QDate& date);
// The date of a date text. A text not 10 characters long (trimmed) tells the
// user the date is incomplete, a text that is no date that it is wrong; both
// give the zero date.
QDate TextToDate(const QString& text);
// Yes when the trimmed text is 10 characters, the month 1 to 12 and the day
// not beyond the month's last day (a day 00 passes; separators are not
// looked at). Non-digits in the day, month or year raise ConversionError.
bool IsDateText(const QString& text);

// "01/mm/yyyy" and the month's last day "dd/mm/yyyy" of a month 1 to 12.
QString MonthStartText(int month, int beYear);
QString MonthEndText(int month, int beYear);

// The age from the birth date to today as "years ป-months ด" ("34 ป-7 ด");
// "0 ป-0 ด" when today is before the birth date.
QString AgeYearsMonths(const QDate& today, const QDate& birth);
// The age in whole years as a decimal number; "0" when today is before the birth date.
QString AgeYears(const QDate& today, const QDate& birth);

// The sort and filter key yyyymmdd of a date text (25/12/2545 gives
// 25451225), the same key the SQL builds from a stored date column.
QString DateKey(const QString& dateText);

// Today's date as date text.
QString TodayText();
