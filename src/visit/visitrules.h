#pragma once
// The money rules of a visit: line amounts, the visit totals from its lines,
// the doctor's fee, the billing key. A visit works in one of two tax modes:
// mode 1 lump-sum (no VAT, an overall discount in baht), mode 2 VAT.

#include <QDate>
#include <QList>
#include <QString>

enum class TaxMode { LumpSum = 1, Vat = 2 };

// sevrsys.F_PER1 "0" is the lump-sum mode; any other value the VAT mode.
TaxMode TaxModeFromSetting(const QString& fPer1);
// The visit tax rate of new visits: 0 or 7.
int VisitTaxRate(TaxMode mode);

struct LineAmount {
    double sum = 0;   // after the discount, before tax
    double tax = 0;
    double total = 0; // sum + tax
};

// quantity × price less the discount percent; the tax of a VAT visit.
LineAmount LineAmountFor(double quantity, double price, double discountPercent, double taxRate, TaxMode mode);

// A stored line as the totals read it.
struct VisitLine {
    double quantity = 0; // QTY
    double price = 0;    // P_PERU
    double discount = 0; // DISC, percent
    double taxRate = 0;  // TAX_RATE
    double sum = 0;      // SUM as stored
};

struct VisitTotals {
    double sum = 0;
    double tax = 0;
    double appliedDiscount = 0; // SDISC
    double total = 0;
    double taxRate = 0;         // the visit's rate: that of its last line
};

// The totals recomputed from the lines' quantities and prices, in line
// order (after a line change, and when a visit is shown).
VisitTotals TotalsFromLines(const QList<VisitLine>& lines, TaxMode mode, double overallDiscount);

// The totals from the stored line amounts (when the visit itself is saved).
VisitTotals TotalsFromStoredAmounts(const QList<VisitLine>& lines, TaxMode mode, double overallDiscount);

// The doctor's share: percent × (sum − discount) / 100 when the percent is
// above 0, else 0.
double DoctorFee(double percent, double sum, double discount);

// The billing key of a visit: year (2 digits) and month of the visit date,
// the mode digit of the visit number, the customer number.
QString BillingKey(const QString& visitDate, const QString& visitNumber, const QString& customerNo);

// A visit or birth date text as a date, without messages: an invalid date
// when the text is no real day (blank, 31/02, day 00, letters).
QDate ReadDateQuietly(const QString& dateText);
