#pragma once
// The staff registries: doctors and nurses (the visit's doctor, the
// certificate's licence number, the doctors' work reports) and employees
// (the salesperson of trade documents). Both open centred, start on their
// first row and find a saved row again by its key.

#include "platform/ui/registryconfig.h"

RegistryConfig DoctorsRegistry();   // TRef_Maker_Sql, table maker
RegistryConfig EmployeesRegistry(); // TRef_Sale_Sql, table sale
