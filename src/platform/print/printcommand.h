#pragma once
// Headless printing: "velinka print <document> [--key value ...] --pdf FILE"
// builds a registered printable document and writes it as a PDF, without a
// window. Each module registers its documents at start-up.

#include "platform/print/pagemodel.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTextStream;

using PrintOptions = QMap<QString, QString>; // "--key value" as key -> value

struct PrintableDocument {
    QString name;        // as typed after "velinka print"
    QString arguments;   // help text of its options, e.g. "--visit SERV_NO"
    QString description;
    // Builds the document; on failure returns nullopt with a message in *error.
    std::function<std::optional<PageDocument>(const PrintOptions& options, QString* error)> build;
};

// Registers (or replaces, by name) a printable document.
void registerPrintableDocument(PrintableDocument document);
void registerPrintableDocument(const QString& name, const QString& arguments, const QString& description,
                               decltype(PrintableDocument::build) build);
// The registered documents, ordered by name.
QList<PrintableDocument> printableDocuments();

// Runs the arguments that follow "velinka print":
//   --list                                  each document with its arguments
//   <document> [--key value ...] --pdf FILE  builds and writes FILE
// Returns 0 on success; 1 when the document cannot be built or written;
// 2 for a usage error (unknown document, missing --pdf, an option without a
// value). Messages go to err.
int runPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err);
