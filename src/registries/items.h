#pragma once
// The item registry (TRef_Part_Sql): fees, treatments, drugs and supplies in
// table product, on the registry screen with a few hooks of its own: the
// stock on hand of the item shown, "add as copy", the EAN-13 option of the
// code, the drug-type and dose lists, the sale price copied into the price
// levels, the unit echoed beside the reorder point.
//
// Widgets beyond the fields (tests find them by name): btnAddCopy,
// lblStock (the stock on hand), lblUnitEcho, grpEan with rbEanOff and
// rbEanOn, barcode (a BarcodeWidget of the code).

#include "platform/ui/registryconfig.h"

#include <QString>

class QWidget;
class RegistryScreen;

// The configuration of one item registry window (its hooks keep the state
// of that window, so each window takes a configuration of its own).
RegistryConfig ItemRegistryConfig();
RegistryScreen* NewItemRegistry(QWidget* parent = nullptr);

// The code with its thirteenth digit made the EAN-13 check digit of the
// first twelve: a code of 13 digits has its last digit replaced, one of 12
// digits gets the check digit appended; any other code is returned as it is.
QString WithEan13CheckDigit(const QString& code);
