#include "app/application.h"
#include "app/firstadmin.h"
#include "app/mainwindow.h"
#include "app/screens.h"
#include "app/startup.h"
#include "data/connection.h"
#include "data/database.h"
#include "platform/ui/messageservice.h"

#include <QDir>

int main(int argc, char** argv)
{
    VelinkaApplication app(argc, argv);
    SetUpFonts();

    MainWindow w;
    RegisterScreens(w);
    w.showMaximized();

    QString error;
    if (!LoadStartup(QDir::currentPath(), &error)) {
        messages().error(error);
    } else {
        Connection c;
        if (HasNoUsers(c)) {
            TFirstAdmin first(c, &w);
            first.exec();
        }
    }
    return app.exec();
}
