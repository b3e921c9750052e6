#pragma once
// Numbers as the screens type, check and show them.

#include <QString>

#include <optional>

// The text read as a floating-point number (full stop as decimal separator,
// blanks around it allowed); nothing when it is not a finite number.
std::optional<double> ReadNumber(const QString& text);

// Yes when the text reads as a number; otherwise tells the user so.
bool IsNumberText(const QString& text);

// The trimmed text with zeros in front up to the width; an empty text stays
// empty and a longer one is returned unchanged.
QString ZeroPad(const QString& text, int width);

// The value in a display pattern: '0' a digit always shown, '#' a digit
// shown when there is one, ',' in the integer part groups thousands with
// ',', '.' the decimal point. The value is rounded half away from zero to
// the pattern's decimals, digits beyond the pattern's integer places are all
// shown, a negative value has a leading "-" and a value that rounds to zero
// has none. Used with "###,###,##0.00", "##,###,##0.00", "#######0.00",
// "000000000.00", "##.#" and "0.00".
QString FormatNumber(double value, const QString& pattern);

// Money is summed as fixed-point amounts of four decimals.
double RoundMoney(double value);
// The value rounded to two decimals, half away from zero.
double Round2(double value);
