#pragma once
// The Thai national identity number: 13 digits, the last a check digit over
// the first twelve.

#include <QString>

#include <optional>

// Yes when the text is exactly 13 digits (0 to 9), nothing else.
bool IsThirteenDigits(const QString& text);

// The check digit of the first 12 digits: the sum of digit i × (14 − i) for
// i = 1..12, then (11 − sum mod 11) mod 10. Nothing when the text does not
// begin with 12 digits.
std::optional<int> ThaiIdCheckDigit(const QString& text);

// Yes when the text is 13 digits whose last digit is the check digit of the
// first twelve.
bool IsValidThaiId(const QString& text);
