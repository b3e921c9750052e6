#include "app/printables.h"

#include "platform/print/printcommand.h"
#include "registries/itemscreens.h"
#include "registries/registryprints.h"
#include "visit/visitprints.h"

void RegisterPrintableDocuments()
{
    // Each module adds its documents here as its printouts are built.
    RegisterItemPrintables();
    RegisterRegistryPrintables();
    RegisterVisitPrintables();
}
