#pragma once
// The lookup registries: drug types and usage methods (the item registry's
// drop-down texts), diseases with their groups (the visit's diagnosis) and
// suppliers (goods received and supplier bills).

#include "platform/ui/registryconfig.h"

RegistryConfig DrugTypesRegistry();    // TRef_Type_Sql, table type
RegistryConfig UsageMethodsRegistry(); // TRef_How, table how
RegistryConfig DiseasesRegistry();     // TRef_Sickness, table sickness
RegistryConfig SuppliersRegistry();    // TRef_Supply_Sql, table supply
