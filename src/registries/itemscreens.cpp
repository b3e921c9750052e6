#include "registries/itemscreens.h"

#include "app/mainwindow.h"
#include "platform/ui/registryscreen.h"
#include "registries/items.h"
#include "registries/productset.h"
#include "registries/productsetreport.h"

void RegisterItemScreens(MainWindow& w)
{
    w.registerScreen(QStringLiteral("actItems"), [] { return NewItemRegistry(); });
    w.registerScreen(QStringLiteral("actSets"), [] { return new Tfsuit_product; });
}

void RegisterItemPrintables() { RegisterProductSetPrintable(); }
