#include "data/numbers.h"

#include "platform/ui/messageservice.h"

#include <cmath>

namespace {

struct Rounded {
    bool negative = false;
    QString integer;  // digits without leading zeros, empty for 0
    QString fraction; // exactly the requested number of digits
};

bool allZeros(const QString& digits)
{
    for (QChar c : digits)
        if (c != u'0') return false;
    return true;
}

// The value rounded half away from zero to `decimals` places, done on its
// decimal digits. The value is taken at 15 significant digits, what a double
// holds exactly of a typed number: so 2.675 (stored as 2.67499999...) rounds
// to 2.68 and 1.005 to 1.01, as the user expects of the number typed.
Rounded roundDecimal(double value, int decimals)
{
    Rounded out;
    if (!std::isfinite(value)) value = 0; // never passed; shown as zero
    out.negative = value < 0;

    // "d.dddddddddddddde±x": 15 significant digits and the decimal exponent.
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    QString digits = scientific.left(e).remove(1, 1);
    qsizetype integerLength = scientific.mid(e + 1).toInt() + 1;
    if (integerLength < 0) {
        digits.prepend(QString(-integerLength, u'0'));
        integerLength = 0;
    } else if (integerLength > digits.size()) {
        digits.append(QString(integerLength - digits.size(), u'0'));
    }
    const qsizetype kept = integerLength + decimals;
    if (digits.size() <= kept) digits.append(QString(kept + 1 - digits.size(), u'0'));

    const bool up = digits.at(kept) >= u'5';
    digits.truncate(kept);
    if (up) {
        qsizetype i = kept - 1;
        while (i >= 0 && digits.at(i) == u'9') digits[i--] = u'0';
        if (i >= 0) {
            digits[i] = QChar(digits.at(i).unicode() + 1);
        } else {
            digits.prepend(u'1');
            ++integerLength;
        }
    }

    out.integer = digits.left(integerLength);
    while (out.integer.startsWith(u'0')) out.integer.remove(0, 1);
    out.fraction = digits.mid(integerLength);
    if (out.integer.isEmpty() && allZeros(out.fraction)) out.negative = false;
    return out;
}

} // namespace

std::optional<double> ReadNumber(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok); // C locale, blanks around ignored
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool IsNumberText(const QString& text)
{
    if (ReadNumber(text)) return true;
    messages().information(QStringLiteral("ตัวเลข...ไม่ถูกต้อง "));
    return false;
}

QString ZeroPad(const QString& text, int width)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return trimmed;
    return trimmed.rightJustified(width, u'0');
}

QString FormatNumber(double value, const QString& pattern)
{
    const qsizetype point = pattern.indexOf(u'.');
    const QString integerPattern = point < 0 ? pattern : pattern.left(point);
    const QString fractionPattern = point < 0 ? QString() : pattern.mid(point + 1);

    // Integer digits always shown: the placeholders from the first '0' on.
    int requiredIntegerDigits = 0;
    bool required = false;
    for (QChar c : integerPattern) {
        if (c == u'0') required = true;
        if (required && (c == u'0' || c == u'#')) ++requiredIntegerDigits;
    }
    // Decimals: every placeholder rounds; those up to the last '0' are shown.
    int decimals = 0;
    int requiredDecimals = 0;
    for (QChar c : fractionPattern) {
        if (c == u'0' || c == u'#') ++decimals;
        if (c == u'0') requiredDecimals = decimals;
    }

    const Rounded rounded = roundDecimal(value, decimals);

    QString integer = rounded.integer.rightJustified(requiredIntegerDigits, u'0');
    if (integerPattern.contains(u',')) {
        for (qsizetype i = integer.size() - 3; i > 0; i -= 3) integer.insert(i, u',');
    }
    QString fraction = rounded.fraction;
    while (fraction.size() > requiredDecimals && fraction.endsWith(u'0')) fraction.chop(1);

    QString text = rounded.negative ? QStringLiteral("-") : QString();
    text += integer;
    if (!fraction.isEmpty()) text += u'.' + fraction;
    return text;
}

double RoundMoney(double value) { return FormatNumber(value, QStringLiteral("0.0000")).toDouble(); }

double Round2(double value) { return FormatNumber(value, QStringLiteral("0.00")).toDouble(); }
