#include "registries/registryscreens.h"

#include "app/mainwindow.h"
#include "platform/ui/registryscreen.h"
#include "registries/customers.h"
#include "registries/lookups.h"
#include "registries/staff.h"

void RegisterRegistryScreens(MainWindow& w)
{
    using P = MainWindow::Placement;
    struct Entry {
        const char* action;
        RegistryConfig (*config)();
        P placement;
    };
    // The customer window moves itself to the top left of the frame; the staff windows open centred.
    for (const Entry& e : {Entry{"actDrugTypes", DrugTypesRegistry, P::Cascade},
                           Entry{"actUsage", UsageMethodsRegistry, P::Cascade},
                           Entry{"actDiseases", DiseasesRegistry, P::Cascade},
                           Entry{"actSuppliers", SuppliersRegistry, P::Cascade},
                           Entry{"actCustomer", CustomersRegistry, P::Cascade},
                           Entry{"actDoctors", DoctorsRegistry, P::Centred},
                           Entry{"actEmployees", EmployeesRegistry, P::Centred}}) {
        const auto config = e.config;
        w.registerScreen(QString::fromLatin1(e.action), [config] { return new RegistryScreen(config()); }, e.placement);
    }
}
