#pragma once
// The receipt of a visit in the five layouts of the setting PAPER1:
//   0, 5  invoice style on Letter (a pre-printed or the customer's own form)
//   1     full Letter receipt
//   2     half Letter receipt
//   3     half Letter receipt with item numbers
//   4     3-inch roll receipt (lump-sum visits)
// Nothing is written to the database.

#include "data/connection.h"
#include "platform/print/pagemodel.h"
#include "visit/visitrules.h"

#include <QList>
#include <QVariantMap>

#include <optional>

struct ReceiptData {
    QVariantMap visit;          // the service row
    QList<QVariantMap> lines;   // its service1 rows, in stored order
    QVariantMap settings;       // the sevrsys row
    QVariantMap office;         // the quorvexsys row
    // As the visit screen shows them.
    QString address1, address2, province, zip, telephone;
    QString visitDate, doctorName;
    double overallDiscount = 0; // DISCOUNT as entered
    TaxMode mode = TaxMode::LumpSum; // the totals follow from the lines, the mode and the discount
    // logo.bmp is read from the working folder, by the invoice style from
    // the data folder. A missing or unreadable logo prints without it.
    QString workingFolder, dataFolder;
};

// The data of a visit as stored, the patient's address from the registry
// (or nothing when the patient left it); nothing (with *error) when the
// visit is unknown.
std::optional<ReceiptData> ReadReceiptData(const Connection& c, const QString& visitNumber, QString* error);

// The receipt in layout (a PAPER1 value); any other value takes the full Letter receipt.
PageDocument ReceiptDocument(const ReceiptData& data, int layout);

// Texts every layout prints.
QString ReceiptAddressLine(const QVariantMap& office);          // " add1 add2 province zip"
QString ReceiptPatientAddress(const ReceiptData& data);         // parts joined by two blanks
QString ReceiptAppointmentRemark(const QVariantMap& visit, bool invoiceStyle);
QString ReceiptTaxIdLine(const QVariantMap& office);
QString ReceiptAmountInWords(double total);                     // "<...>"
