#include "app/screens.h"

#include "app/mainwindow.h"

void RegisterScreens(MainWindow& w)
{
    (void)w;
}
