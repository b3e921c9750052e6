#pragma once
// Pieces the code-keyed registries share (suppliers, customers, doctors,
// employees): the record shown in the fields, the search panel by code or
// name, the credit-term list and the envelope command.

#include "platform/ui/registryconfig.h"
#include "registries/registryprints.h"

class RegistryScreen;

// The texts of the code-keyed registries.
QString NoCodeText();      // "ไม่มีข้อมูลรหัสลูกค้า ... "
QString CancelledText();   // "ข้อมูล ถูกยกเลิก... "
QString CreditWrongText(); // "ข้อมูลเครดิตไม่ถูกต้อง"

// A registry keyed by a code the user types: the fields show the current
// row, the key may change in an edit (:po<key>), an empty key is refused,
// Cancel tells so and goes to the last row, Delete goes to the last row,
// and the list is seen in the search panel ("?" beside the name field,
// preset to the name; the code matched whole regardless of letter case, the
// name as a prefix).
RegistryConfig CodeRegistry(const QString& table, const QString& key, const QString& nameColumn,
                            const QString& codeTitle, const QString& nameTitle);

// The credit-term drop-down: the 16 terms, a stored text off the list shown
// as it is, Save refusing a text that is not exactly one of them; Add puts "สด".
RegistryField CreditTermField(const QString& column = QStringLiteral("CUST_CRE"));

// "ซอง จม.": a print preview of the envelope of the current row.
void AddEnvelopeButton(RegistryScreen& s, Addressee who, const QString& toolTip = {});
