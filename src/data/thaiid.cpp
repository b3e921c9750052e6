#include "data/thaiid.h"

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

bool IsThirteenDigits(const QString& text)
{
    if (text.size() != 13) return false;
    for (const QChar c : text)
        if (!isDigit(c)) return false;
    return true;
}

std::optional<int> ThaiIdCheckDigit(const QString& text)
{
    if (text.size() < 12) return std::nullopt;
    int sum = 0;
    for (int i = 1; i <= 12; ++i) {
        const QChar c = text.at(i - 1);
        if (!isDigit(c)) return std::nullopt;
        sum += (c.unicode() - '0') * (14 - i);
    }
    return (11 - sum % 11) % 10;
}

bool IsValidThaiId(const QString& text)
{
    if (!IsThirteenDigits(text)) return false;
    return ThaiIdCheckDigit(text) == text.at(12).unicode() - '0';
}
