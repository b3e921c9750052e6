#include "app/application.h"
#include "app/firstadmin.h"
#include "app/mainwindow.h"
#include "app/printables.h"
#include "app/screens.h"
#include "app/startup.h"
#include "data/connection.h"
#include "data/database.h"
#include "platform/print/printcommand.h"
#include "platform/ui/messageservice.h"

#include <QDir>
#include <QTextStream>

#include <cstring>

namespace {

// velinka print <document> [--key value ...] --pdf FILE, on the data folder
// named by app_path.txt in the working folder; no window opens.
int printHeadless(const QStringList& args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    RegisterPrintableDocuments();
    const bool listOnly = args.value(0) == QLatin1String("--list");
    QString error;
    if (!listOnly && !LoadStartup(QDir::currentPath(), &error)) {
        err << "velinka print: " << error << "\n";
        return 1;
    }
    return runPrintCommand(args, out, err);
}

} // namespace

int main(int argc, char** argv)
{
    const bool headless = argc > 1 && std::strcmp(argv[1], "print") == 0;
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    VelinkaApplication app(argc, argv);
    SetUpFonts();
    if (headless) return printHeadless(app.arguments().mid(2));

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
