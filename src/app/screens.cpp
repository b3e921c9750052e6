#include "app/screens.h"

#include "app/cashdrawer.h"
#include "app/mainwindow.h"

void RegisterScreens(MainWindow& w)
{
    w.registerScreen(QStringLiteral("actCashDrawer"), [] { return new TCashDrawer; },
                     MainWindow::Placement::Centred);
}
