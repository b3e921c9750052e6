#include "data/bahttext.h"

#include "data/conversion.h"
#include "data/numbers.h"

namespace {

QString unitWord(int digit)
{
    static const QString words[] = {
        QString(),          QStringLiteral("หนึ่ง"), QStringLiteral("สอง"),
        QStringLiteral("สาม"), QStringLiteral("สี่"),   QStringLiteral("ห้า"),
        QStringLiteral("หก"),  QStringLiteral("เจ็ด"),  QStringLiteral("แปด"),
        QStringLiteral("เก้า")};
    return words[digit];
}

bool hasNonZeroDigit(const QString& digits)
{
    for (QChar c : digits)
        if (c != u'0') return true;
    return false;
}

// Up to six digits spelled by their places (แสน หมื่น พัน ร้อย สิบ and the
// unit). Ten is "สิบ", twenty "ยี่สิบ"; a last digit 1 is "เอ็ด" after a tens
// digit and "หนึ่ง" otherwise (11 สิบเอ็ด, 101 หนึ่งร้อยหนึ่ง); a 1 or 2 in the
// higher places is "หนึ่ง" or "สอง" (หนึ่งหมื่น, สองหมื่น). For three digits this
// is the hundreds rule of the amount; for the thousands group followed by
// "000" it is the แสน-หมื่น-พัน rule; for two digits it is the 1-to-99 word.
QString spellSix(const QString& digits)
{
    static const QString places[] = {QString(), QStringLiteral("สิบ"), QStringLiteral("ร้อย"),
                                     QStringLiteral("พัน"), QStringLiteral("หมื่น"), QStringLiteral("แสน")};
    QString words;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        const int digit = digits.at(i).digitValue();
        const qsizetype place = n - 1 - i;
        if (digit == 0) continue;
        if (place == 1) {
            words += digit == 1 ? QStringLiteral("สิบ")
                   : digit == 2 ? QStringLiteral("ยี่สิบ")
                                : unitWord(digit) + places[1];
        } else if (place == 0) {
            const bool afterTens = n >= 2 && digits.at(n - 2) != u'0';
            words += digit == 1 && afterTens ? QStringLiteral("เอ็ด") : unitWord(digit);
        } else {
            words += unitWord(digit) + places[place];
        }
    }
    return words;
}

// A count of any length as a Thai number: groups of six digits from the
// right, each higher group followed by "ล้าน" (1,000,000 is หนึ่งล้าน,
// 10^12 หนึ่งล้านล้าน).
QString spellCount(const QString& digits)
{
    QString words;
    QString low = digits;
    if (digits.size() > 6) {
        const QString high = digits.left(digits.size() - 6);
        if (hasNonZeroDigit(high)) words = spellCount(high) + QStringLiteral("ล้าน");
        low = digits.right(6);
    }
    return words + spellSix(low);
}

} // namespace

QString BahtText(const QString& amountText)
{
    const std::optional<double> amount = ReadNumber(amountText);
    if (!amount)
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(amountText));

    // Nine integer digits at least (more for a billion and over), two decimals.
    const QString s = FormatNumber(*amount, QStringLiteral("000000000.00"));
    const QString integer = s.left(s.size() - 3);
    const QString satang = s.right(2);
    // A rounded zero has no minus sign, so a minus means below zero.
    if (s.startsWith(u'-') || !hasNonZeroDigit(integer + satang)) return QStringLiteral("ศูนย์บาทถ้วน");

    const QString millions = integer.left(integer.size() - 6); // floor(amount / 1,000,000)
    const QString thousands = integer.mid(integer.size() - 6, 3);
    const QString units = integer.right(3);

    // A millions count of 1,000 and more is spelled as a whole Thai number
    // (หนึ่งพันสองร้อยสามสิบสี่ล้าน); under 1,000 this is the hundreds rule.
    const QString m = hasNonZeroDigit(millions) ? spellCount(millions) + QStringLiteral("ล้าน") : QString();
    const QString t = hasNonZeroDigit(thousands) ? spellSix(thousands + QStringLiteral("000")) : QString();
    QString u = (hasNonZeroDigit(units) ? spellSix(units) : QString()) + QStringLiteral("บาท");

    // The satang are the two decimals of the rounded amount, so they are
    // never zero when there is a fraction.
    if (hasNonZeroDigit(satang))
        u += u' ' + spellSix(satang) + QStringLiteral("สตางค์ ");
    else
        u += QStringLiteral("ถ้วน");

    QString result = m;
    if (!t.isEmpty()) result += u' ' + t;
    result += u' ' + u;
    return result;
}
