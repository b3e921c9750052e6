#include "app/screens.h"

#include "app/cashdrawer.h"
#include "app/mainwindow.h"
#include "registries/itemscreens.h"
#include "registries/registryscreens.h"
#include "registries/settings.h"
#include "visit/visitscreen.h"

void RegisterScreens(MainWindow& w)
{
    w.registerScreen(QStringLiteral("actCashDrawer"), [] { return new TCashDrawer; },
                     MainWindow::Placement::Centred);
    w.registerScreen(QStringLiteral("actVisit"), [] { return new TRecieve_Rent; });
    RegisterItemScreens(w);
    RegisterRegistryScreens(w);
    w.registerScreen(QStringLiteral("actBusiness"), [] { return new TRef_Business; });
    w.registerScreen(QStringLiteral("actSettings"), [] { return new TRef_Sys_Sql; });
}
