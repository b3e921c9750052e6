// "velinka print": the registry of printable documents run without a window.

#include "platform/print/printcommand.h"
#include "platform/print/reportengine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

// A one-line document from its options; fails without --visit.
std::optional<PageDocument> buildVisitSlip(const PrintOptions& options, QString* error)
{
    if (!options.contains(QStringLiteral("visit"))) {
        *error = QStringLiteral("missing --visit");
        return std::nullopt;
    }
    if (options.value(QStringLiteral("visit")) == QLatin1String("0000")) {
        *error = QStringLiteral("no visit 0000");
        return std::nullopt;
    }
    ReportDefinition def;
    def.caption = QStringLiteral("slip");
    def.title.height = 10;
    def.title.label(0, 0, options.value(QStringLiteral("visit")) + QLatin1Char(' ') +
                              options.value(QStringLiteral("copy"), QStringLiteral("original")));
    return layoutReport(def);
}

struct Run {
    int code = 0;
    QString out;
    QString err;
};

Run run(const QStringList& args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = runPrintCommand(args, out, err);
    return r;
}

} // namespace

class TestPrintCommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listShowsEveryDocumentWithItsArguments();
    void documentIsWrittenAsPdf();
    void failuresAreReported_data();
    void failuresAreReported();
};

void TestPrintCommand::initTestCase()
{
    registerPrintableDocument(QStringLiteral("visit-slip"), QStringLiteral("--visit SERV_NO [--copy TEXT]"),
                              QStringLiteral("a test slip of one visit"), buildVisitSlip);
    registerPrintableDocument(QStringLiteral("blank"), QString(), QString(),
                              [](const PrintOptions&, QString*) { return std::optional<PageDocument>(PageDocument{}); });
}

void TestPrintCommand::listShowsEveryDocumentWithItsArguments()
{
    const Run r = run({QStringLiteral("--list")});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.out, QStringLiteral("blank --pdf FILE\n"
                                   "visit-slip --visit SERV_NO [--copy TEXT] --pdf FILE\n"
                                   "    a test slip of one visit\n"));
}

void TestPrintCommand::documentIsWrittenAsPdf()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("slip.pdf"));
    const Run r = run({QStringLiteral("visit-slip"), QStringLiteral("--visit"), QStringLiteral("SV011000123"),
                       QStringLiteral("--pdf"), file, QStringLiteral("--copy"), QStringLiteral("สำเนา")});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(file));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
}

void TestPrintCommand::failuresAreReported_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QString pdf = QStringLiteral("/tmp/velinka-test-never-written.pdf");
    QTest::newRow("nothing") << QStringList{} << 2 << "usage: velinka print";
    QTest::newRow("unknown document") << QStringList{"receipt-x", "--pdf", pdf} << 2
                                      << "unknown document: receipt-x";
    QTest::newRow("no --pdf") << QStringList{"visit-slip", "--visit", "1"} << 2 << "missing --pdf FILE";
    QTest::newRow("option without value") << QStringList{"visit-slip", "--pdf", pdf, "--visit"} << 2
                                          << "option --visit needs a value";
    QTest::newRow("stray argument") << QStringList{"visit-slip", "1", "--pdf", pdf} << 2
                                    << "unexpected argument: 1";
    QTest::newRow("missing key") << QStringList{"visit-slip", "--pdf", pdf} << 1 << "visit-slip: missing --visit";
    QTest::newRow("missing row") << QStringList{"visit-slip", "--visit", "0000", "--pdf", pdf} << 1
                                 << "visit-slip: no visit 0000";
    QTest::newRow("document without pages") << QStringList{"blank", "--pdf", pdf} << 1
                                            << "blank: the document has no pages";
    QTest::newRow("unwritable file") << QStringList{"visit-slip", "--visit", "1", "--pdf", "/nonexistent/x.pdf"}
                                     << 1 << "cannot write /nonexistent/x.pdf";
}

void TestPrintCommand::failuresAreReported()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);

    const Run r = run(args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(r.out, QString());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/velinka-test-never-written.pdf")));
}

QTEST_MAIN(TestPrintCommand)
#include "test_printcommand.moc"
