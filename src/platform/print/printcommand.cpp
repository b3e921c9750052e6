#include "platform/print/printcommand.h"

#include "platform/print/renderer.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

QMap<QString, PrintableDocument>& registry()
{
    static QMap<QString, PrintableDocument> documents;
    return documents;
}

void printUsage(QTextStream& stream)
{
    stream << "usage: velinka print --list\n"
              "       velinka print <document> [--key value ...] --pdf FILE\n";
}

} // namespace

void registerPrintableDocument(PrintableDocument document)
{
    const QString name = document.name;
    registry().insert(name, std::move(document));
}

void registerPrintableDocument(const QString& name, const QString& arguments, const QString& description,
                               decltype(PrintableDocument::build) build)
{
    registerPrintableDocument(PrintableDocument{name, arguments, description, std::move(build)});
}

QList<PrintableDocument> printableDocuments()
{
    return registry().values();
}

int runPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty()) {
        printUsage(err);
        return 2;
    }
    if (args.first() == QLatin1String("--list")) {
        for (const PrintableDocument& d : printableDocuments()) {
            out << d.name;
            if (!d.arguments.isEmpty())
                out << ' ' << d.arguments;
            out << " --pdf FILE\n";
            if (!d.description.isEmpty())
                out << "    " << d.description << '\n';
        }
        out.flush();
        return 0;
    }

    const QString name = args.first();
    const auto found = registry().constFind(name);
    if (found == registry().constEnd()) {
        err << "unknown document: " << name << " (velinka print --list shows the documents)\n";
        err.flush();
        return 2;
    }

    PrintOptions options;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--")) || arg.size() < 3) {
            err << "unexpected argument: " << arg << '\n';
            printUsage(err);
            err.flush();
            return 2;
        }
        if (i + 1 >= args.size()) {
            err << "option " << arg << " needs a value\n";
            err.flush();
            return 2;
        }
        options.insert(arg.mid(2), args.at(i + 1));
        ++i;
    }
    const QString pdf = options.take(QStringLiteral("pdf"));
    if (pdf.isEmpty()) {
        err << "missing --pdf FILE\n";
        printUsage(err);
        err.flush();
        return 2;
    }

    QString error;
    const std::optional<PageDocument> document = found->build ? found->build(options, &error) : std::nullopt;
    if (!document) {
        err << name << ": " << (error.isEmpty() ? QStringLiteral("the document cannot be built") : error) << '\n';
        err.flush();
        return 1;
    }
    if (!writePdf(*document, pdf, &error)) {
        err << name << ": " << error << '\n';
        err.flush();
        return 1;
    }
    out << "written " << QFileInfo(pdf).absoluteFilePath() << " (" << document->pageCount()
        << (document->pageCount() == 1 ? " page)\n" : " pages)\n");
    out.flush();
    return 0;
}
