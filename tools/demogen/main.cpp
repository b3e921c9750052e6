// velinka-demo --folder DIR [--months N | --years N] [--seed N]
//   Makes DIR/dat_clinic.abs with demo data; --years makes the data of a
//   busy clinic (about 200 visits a day) for speed work.

#include "demogen/demodata.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    QString folder;
    DemoOptions options;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const QString value = i + 1 < args.size() ? args.at(i + 1) : QString();
        if (a == QLatin1String("--folder")) folder = value, ++i;
        else if (a == QLatin1String("--months")) options.months = value.toInt(), ++i;
        else if (a == QLatin1String("--years")) options = DemoOptions::busyClinic(value.toInt()), ++i;
        else if (a == QLatin1String("--seed")) options.seed = value.toUInt(), ++i;
        else {
            err << "usage: velinka-demo --folder DIR [--months N | --years N] [--seed N]\n";
            return 2;
        }
    }
    if (folder.isEmpty()) {
        err << "velinka-demo: --folder is required\n";
        return 2;
    }
    QElapsedTimer t;
    t.start();
    QString error;
    if (!GenerateDemoData(folder, options, &error, &out)) {
        err << "velinka-demo: " << error << "\n";
        return 1;
    }
    out << "done in " << t.elapsed() / 1000.0 << " s\n";
    return 0;
}
