#include "app/printables.h"

#include "platform/print/printcommand.h"

void RegisterPrintableDocuments()
{
    // Each module adds its documents here as its printouts are built.
}
