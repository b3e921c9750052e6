#pragma once
// The amount in Thai words that receipts, invoices and bills print under
// their total.

#include <QString>

// The amount (a number with a full stop as decimal separator, as "1250.50")
// in words: baht and satang, or "ถ้วน" when there are no satang; zero and
// negative amounts give "ศูนย์บาทถ้วน". A text that is not a number raises
// ConversionError.
QString BahtText(const QString& amountText);
