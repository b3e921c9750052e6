// Saving visits and lines: numbering, line amounts in both modes, the stock
// check, the header totals, and two workstations saving at once.

#include "data/stock.h"
#include "platform/ui/messageservice.h"
#include "support/fixture.h"
#include "visit/visitstore.h"

#include <QtTest>

#include <atomic>
#include <thread>

namespace {

VisitHeader header(const QString& date = QStringLiteral("07/03/2550"))
{
    VisitHeader h;
    h.date = date;
    h.customerNo = QStringLiteral("000001");
    h.customerName = QStringLiteral("สมชาย ใจดี");
    h.credit = QStringLiteral("สด");
    h.doctorNo = QStringLiteral("D01");
    h.doctorName = QStringLiteral("นพ. ทดสอบ");
    h.branch = QStringLiteral("0");
    return h;
}

LineInput line(const QString& code, double qty, double price = 150, double disc = 0, double rate = 7, bool stock = true)
{
    LineInput l;
    l.itemCode = code;
    l.itemName = QStringLiteral("ยา ") + code;
    l.unit = QStringLiteral("เม็ด");
    l.stockItem = stock;
    l.quantity = qty;
    l.price = price;
    l.discount = disc;
    l.taxRate = rate;
    return l;
}

QString visitTotals(const Connection& c, const QString& no)
{
    const QVariantMap v = ReadVisit(c, no).value_or(QVariantMap());
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(v.value(QStringLiteral("SUM")).toDouble())
        .arg(v.value(QStringLiteral("TAX")).toInt())
        .arg(v.value(QStringLiteral("STAX")).toDouble())
        .arg(v.value(QStringLiteral("TOTAL")).toDouble())
        .arg(v.value(QStringLiteral("FOR_MAKER")).toDouble());
}

} // namespace

class TestVisitStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbering_data();
    void numbering();
    void browsingByNumber();
    void lineAmountsAndHeaderTotals_data();
    void lineAmountsAndHeaderTotals();
    void stockCheck();
    void deletingTheOnlyLineZeroesTheHeader();
    void visitSaveRecomputesFromStoredLines();
    void twoWorkstationsSavingAtOnce();
    void copyingLinesChecksEachLineAlone_data();
    void copyingLinesChecksEachLineAlone();
    void copiedAmounts();
};

void TestVisitStore::numbering_data()
{
    QTest::addColumn<QString>("stored"); // the last stored visit, or empty
    QTest::addColumn<QString>("answer"); // to the first-number box
    QTest::addColumn<QString>("number"); // empty: nothing saved
    QTest::newRow("first number asked") << "" << "000001" << "SV011000001";
    QTest::newRow("then the next") << "SV011000001" << "" << "SV011000002";
    QTest::newRow("carries into the thousands") << "SV011000999" << "" << "SV011001000";
    QTest::newRow("too short") << "" << "12" << "";
    QTest::newRow("not a number") << "" << "12345a" << "";
    QTest::newRow("negative") << "" << "-00001" << "";
    QTest::newRow("past 999999") << "SV011999999" << "" << "";
}

void TestVisitStore::numbering()
{
    QFETCH(QString, stored);
    QFETCH(QString, answer);
    QFETCH(QString, number);
    DataFolderFixture f;
    if (!stored.isEmpty()) FIXTURE_SQL(f, "insert into service (SERV_NO) values (:n)", {"n", stored});
    ScriptedMessageService msgs;
    if (!answer.isEmpty()) msgs.input(answer);
    const VisitSaveResult r = InsertVisit(f.db(), QStringLiteral("SV011"), header());
    QCOMPARE(r.number, number);
    QCOMPARE(r.outcome, number.isEmpty() ? SaveOutcome::Refused : SaveOutcome::Saved);
    const int rows = scalar(f.db(), QStringLiteral("select count(*) from service")).toInt();
    QCOMPARE(rows, (stored.isEmpty() ? 0 : 1) + (number.isEmpty() ? 0 : 1));
    if (!number.isEmpty()) {
        QCOMPARE(scalar(f.db(), QStringLiteral("select QUE_SRV_N from que")).toString(), number);
        const QVariantMap v = *ReadVisit(f.db(), number);
        QCOMPARE(v.value(QStringLiteral("PBILL")).toString(), QStringLiteral("50031000001"));
        QCOMPARE(v.value(QStringLiteral("FG_OK")).toInt(), 1);
        QCOMPARE(v.value(QStringLiteral("PROCESS")).toInt(), 2);
        QCOMPARE(v.value(QStringLiteral("DUE_DATE")).toString(), QStringLiteral("07/03/2550"));
        QCOMPARE(v.value(QStringLiteral("RECV_DATE")).toString(), QString(""));
    }
}

void TestVisitStore::browsingByNumber()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into service (SERV_NO) values ('SV011000001'), ('SV011000002'), ('SV011000010'),"
                   " ('SV012000001'), ('SV010999999')");
    const QString head = QStringLiteral("SV011");
    QCOMPARE(FirstVisitOfHead(f.db(), head), QStringLiteral("SV011000001"));
    QCOMPARE(LastVisitOfHead(f.db(), head), QStringLiteral("SV011000010"));
    QCOMPARE(NeighbourVisit(f.db(), head, QStringLiteral("SV011000002"), 1), QStringLiteral("SV011000010"));
    QCOMPARE(NeighbourVisit(f.db(), head, QStringLiteral("SV011000010"), 1), QString());
    QCOMPARE(NeighbourVisit(f.db(), head, QStringLiteral("SV011000001"), -1), QString());
    QCOMPARE(VisitStartingWith(f.db(), head, QStringLiteral("SV0110000")), QStringLiteral("SV011000001"));
    QCOMPARE(VisitStartingWith(f.db(), head, QStringLiteral("SV01100001")), QStringLiteral("SV011000010"));
    QCOMPARE(VisitStartingWith(f.db(), head, QStringLiteral("SV012")), QString());
}

void TestVisitStore::lineAmountsAndHeaderTotals_data()
{
    QTest::addColumn<QString>("visit");
    QTest::addColumn<double>("discount");
    QTest::addColumn<QString>("lineRow"); // SUM TAX_RATE TAX TOTAL
    QTest::addColumn<QString>("totals");  // SUM TAX STAX TOTAL FOR_MAKER
    QTest::newRow("lump sum with overall discount") << "SV011000001" << 20.0 << "270 0 0 270" << "270 0 0 250 75";
    QTest::newRow("VAT") << "SV022000001" << 0.0 << "270 7 18.9 288.9" << "270 7 18.9 288.9 81";
}

void TestVisitStore::lineAmountsAndHeaderTotals()
{
    QFETCH(QString, visit);
    QFETCH(double, discount);
    QFETCH(QString, lineRow);
    QFETCH(QString, totals);
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into service (SERV_NO, DISCOUNT, MAKER_PERC) values (:n, :d, 30)", {"n", visit}, {"d", discount});
    const LineSaveResult r = SaveVisitLine(f.db(), visit, line(QStringLiteral("S01"), 2, 150, 10, 7, false));
    QCOMPARE(r.outcome, LineSaveOutcome::Saved);
    QCOMPARE(scalar(f.db(), QStringLiteral("select SUM || ' ' || TAX_RATE || ' ' || TAX || ' ' || TOTAL || '|' || STK_POST || CUT_STOCK"
                                           " from service1"))
                 .toString()
                 .replace(QStringLiteral(".0"), QString()),
             lineRow + QStringLiteral("|00"));
    QCOMPARE(visitTotals(f.db(), visit), totals);
}

void TestVisitStore::stockCheck()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into product (PRO_NO, PRO_TOTAL, CUT_STOCK) values ('P1', 10, '1')");
    FIXTURE_SQL(f, "insert into order1 (PRO_NO, PRO_QTY, STK_POST) values ('P1', 5, 2)");
    FIXTURE_SQL(f, "insert into invoice1 (PRO_NO, PRO_QTY, STK_POST) values ('P1', 3, 1)");
    FIXTURE_SQL(f, "insert into service1 (SERV_NO, SPR_NO, QTY, STK_POST) values ('SV011000009', 'P1', 4, 1)");
    FIXTURE_SQL(f, "insert into service (SERV_NO) values ('SV011000001')");
    const QString visit = QStringLiteral("SV011000001");
    QCOMPARE(StockOnHand(f.db(), QStringLiteral("P1")), 8.0);

    LineSaveResult r = SaveVisitLine(f.db(), visit, line(QStringLiteral("P1"), 9));
    QCOMPARE(r.outcome, LineSaveOutcome::NotEnoughStock);
    QCOMPARE(r.available, 8.0);
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service1 where serv_no = 'SV011000001'")).toInt(), 0);

    QCOMPARE(SaveVisitLine(f.db(), visit, line(QStringLiteral("P1"), 8)).outcome, LineSaveOutcome::Saved);
    QCOMPARE(StockOnHand(f.db(), QStringLiteral("P1")), 0.0);
    const int saved = scalar(f.db(), QStringLiteral("select auto from service1 where serv_no = 'SV011000001'")).toInt();
    // Editing the line to 8 again: its own 8 count for the check.
    QCOMPARE(AvailableForLine(f.db(), QStringLiteral("P1"), saved), 8.0);
    QCOMPARE(SaveVisitLine(f.db(), visit, line(QStringLiteral("P1"), 8), saved).outcome, LineSaveOutcome::Saved);
    QCOMPARE(SaveVisitLine(f.db(), visit, line(QStringLiteral("P1"), 8.5), saved).outcome, LineSaveOutcome::NotEnoughStock);
    // A service item takes any quantity and moves no stock.
    QCOMPARE(SaveVisitLine(f.db(), visit, line(QStringLiteral("FEE"), 1000, 100, 0, 0, false)).outcome, LineSaveOutcome::Saved);
    QCOMPARE(scalar(f.db(), QStringLiteral("select STK_POST from service1 where SPR_NO = 'FEE'")).toDouble(), 0.0);
    QCOMPARE(StockOnHand(f.db(), QStringLiteral("P1")), 0.0);
}

void TestVisitStore::deletingTheOnlyLineZeroesTheHeader()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into service (SERV_NO, MAKER_PERC) values ('SV022000001', 10)");
    QCOMPARE(SaveVisitLine(f.db(), QStringLiteral("SV022000001"), line(QStringLiteral("S"), 1, 100, 0, 7, false)).outcome,
             LineSaveOutcome::Saved);
    QCOMPARE(visitTotals(f.db(), QStringLiteral("SV022000001")), QStringLiteral("100 7 7 107 10"));
    const int auto_ = scalar(f.db(), QStringLiteral("select auto from service1")).toInt();
    QVERIFY(DeleteVisitLine(f.db(), QStringLiteral("SV022000001"), auto_));
    QCOMPARE(visitTotals(f.db(), QStringLiteral("SV022000001")), QStringLiteral("0 0 0 0 0"));

    // A failure part-way (the header cannot be rewritten) leaves the line in place.
    QCOMPARE(SaveVisitLine(f.db(), QStringLiteral("SV022000001"), line(QStringLiteral("S"), 1, 100, 0, 7, false)).outcome,
             LineSaveOutcome::Saved);
    FIXTURE_SQL(f, "create trigger no_header before update on service begin select raise(abort, 'locked'); end");
    const int second = scalar(f.db(), QStringLiteral("select auto from service1")).toInt();
    QVERIFY(!DeleteVisitLine(f.db(), QStringLiteral("SV022000001"), second));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service1")).toInt(), 1);
    QCOMPARE(SaveVisitLine(f.db(), QStringLiteral("SV022000001"), line(QStringLiteral("S"), 1, 100, 0, 7, false)).outcome,
             LineSaveOutcome::Failed);
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service1")).toInt(), 1);
}

void TestVisitStore::visitSaveRecomputesFromStoredLines()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    VisitHeader h = header();
    h.doctorPercent = 30;
    h.discount = 100;
    const QString no = InsertVisit(f.db(), QStringLiteral("SV011"), h).number;
    QCOMPARE(no, QStringLiteral("SV011000001"));
    QCOMPARE(SaveVisitLine(f.db(), no, line(QStringLiteral("S"), 1, 1000, 0, 0, false)).outcome, LineSaveOutcome::Saved);
    // The doctor's fee of sum 1,000.00 less 100.00 at 30 %.
    QCOMPARE(visitTotals(f.db(), no), QStringLiteral("1000 0 0 900 270"));
    h.credit = QStringLiteral("1 ด.");
    QCOMPARE(UpdateVisit(f.db(), no, h).outcome, SaveOutcome::Saved);
    QCOMPARE(visitTotals(f.db(), no), QStringLiteral("1000 0 0 900 270"));
    const QVariantMap v = *ReadVisit(f.db(), no);
    QCOMPARE(v.value(QStringLiteral("FG_OK")).toInt(), 0);
    QCOMPARE(v.value(QStringLiteral("DUE_DATE")).toString(), QStringLiteral("30/04/2550"));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service")).toInt(), 1);
}

// Two computers save visits and dispense the same item at once: no number is
// stored twice, no line is lost, and the last units go out only once.
void TestVisitStore::twoWorkstationsSavingAtOnce()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into service (SERV_NO) values ('SV011000000')");
    FIXTURE_SQL(f, "insert into product (PRO_NO, PRO_TOTAL, CUT_STOCK) values ('P1', 60, '1')");
    const QString file = f.databaseFile();
    std::atomic<int> saved{0}, dispensed{0}, refused{0}, failed{0};
    auto workstation = [&] {
        Connection c(file);
        for (int i = 0; i < 50; ++i) {
            const VisitSaveResult v = InsertVisit(c, QStringLiteral("SV011"), header());
            if (v.outcome != SaveOutcome::Saved) {
                ++failed;
                continue;
            }
            ++saved;
            const LineSaveResult l = SaveVisitLine(c, v.number, line(QStringLiteral("P1"), 1));
            if (l.outcome == LineSaveOutcome::Saved) ++dispensed;
            else if (l.outcome == LineSaveOutcome::NotEnoughStock) ++refused;
            else ++failed;
        }
    };
    std::thread a(workstation), b(workstation);
    a.join();
    b.join();
    QCOMPARE(failed.load(), 0);
    QCOMPARE(saved.load(), 100);
    QCOMPARE(dispensed.load(), 60);
    QCOMPARE(refused.load(), 40);
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(distinct serv_no) from service")).toInt(), 101);
    QCOMPARE(scalar(f.db(), QStringLiteral("select max(serv_no) from service")).toString(), QStringLiteral("SV011000100"));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service1")).toInt(), 60);
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service where sum = 150")).toInt(), 60);
    QCOMPARE(StockOnHand(f.db(), QStringLiteral("P1")), 0.0);
}

namespace {
QVariantMap setLine(const QString& code, double qty, const QString& cutStock = QStringLiteral("1"), double price = 50)
{
    return {{QStringLiteral("SPR_NO"), code},     {QStringLiteral("QTY"), qty},
            {QStringLiteral("DESCRIP"), code},    {QStringLiteral("P_PERU"), price},
            {QStringLiteral("TAX_RATE"), 7.0},    {QStringLiteral("CUT_STOCK"), cutStock},
            {QStringLiteral("STK_POST"), 1.0},    {QStringLiteral("DISC"), 0.0},
            {QStringLiteral("SUM"), 0.0},         {QStringLiteral("TAX"), 0.0},
            {QStringLiteral("TOTAL"), 0.0}};
}
} // namespace

// Received 10, dispensed 3: 7 available to the set and earlier-visit windows,
// whatever the base quantity and the sales say.
void TestVisitStore::copyingLinesChecksEachLineAlone_data()
{
    QTest::addColumn<QList<QVariantMap>>("lines");
    QTest::addColumn<QString>("shortItem"); // empty: inserted
    QTest::newRow("exactly what is available") << QList<QVariantMap>{setLine("P1", 7)} << "";
    QTest::newRow("one unit more") << QList<QVariantMap>{setLine("P1", 8)} << "P1";
    QTest::newRow("two lines of one item, each fits") << QList<QVariantMap>{setLine("P1", 5), setLine("P1", 5)} << "";
    QTest::newRow("no stock check for service items") << QList<QVariantMap>{setLine("FEE", 500, "0")} << "";
    QTest::newRow("the short line stops all") << QList<QVariantMap>{setLine("FEE", 1, "0"), setLine("P2", 1)} << "P2";
    QTest::newRow("nothing to copy") << QList<QVariantMap>{} << "";
}

void TestVisitStore::copyingLinesChecksEachLineAlone()
{
    QFETCH(QList<QVariantMap>, lines);
    QFETCH(QString, shortItem);
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into service (SERV_NO, SUM, TOTAL) values ('SV011000001', 99, 99)");
    FIXTURE_SQL(f, "insert into product (PRO_NO, PRO_TOTAL, CUT_STOCK) values ('P1', 100, '1'), ('P2', 100, '1')");
    FIXTURE_SQL(f, "insert into order1 (PRO_NO, PRO_QTY, STK_POST) values ('P1', 10, 2)");
    FIXTURE_SQL(f, "insert into invoice1 (PRO_NO, PRO_QTY, STK_POST) values ('P1', 10, 1)");
    FIXTURE_SQL(f, "insert into service1 (SERV_NO, SPR_NO, QTY, STK_POST) values ('SV011000009', 'P1', 3, 1)");
    const CopyLinesResult r = CopyLinesIntoVisit(f.db(), QStringLiteral("SV011000001"), lines, LineSource::ProductSet);
    QCOMPARE(r.shortItem, shortItem);
    QCOMPARE(r.outcome, shortItem.isEmpty() ? LineSaveOutcome::Saved : LineSaveOutcome::NotEnoughStock);
    const int inserted = scalar(f.db(), QStringLiteral("select count(*) from service1 where serv_no = 'SV011000001'")).toInt();
    QCOMPARE(inserted, shortItem.isEmpty() ? int(lines.size()) : 0);
    // The header totals are rewritten even when nothing was copied.
    if (lines.isEmpty()) QCOMPARE(visitTotals(f.db(), QStringLiteral("SV011000001")), QStringLiteral("0 0 0 0 0"));
}

void TestVisitStore::copiedAmounts()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into service (SERV_NO) values ('SV022000001'), ('SV011000001')");
    const QList<QVariantMap> set = {setLine("FEE", 2, "0")};
    // A set line of 2 at 50 is a visit line of 100 without tax in either mode;
    // the VAT visit still counts the tax of its rate in its totals.
    for (const char* visit : {"SV022000001", "SV011000001"})
        QCOMPARE(CopyLinesIntoVisit(f.db(), QString::fromLatin1(visit), set, LineSource::ProductSet).outcome, LineSaveOutcome::Saved);
    QCOMPARE(scalar(f.db(), QStringLiteral("select group_concat(SUM || '/' || TOTAL || '/' || TAX, ' ') from service1")).toString(),
             QStringLiteral("100.0/100.0/0.0 100.0/100.0/0.0"));
    QCOMPARE(visitTotals(f.db(), QStringLiteral("SV022000001")), QStringLiteral("100 7 7 107 0"));
    QCOMPARE(visitTotals(f.db(), QStringLiteral("SV011000001")), QStringLiteral("100 0 0 100 0"));
    // An earlier visit's lines keep their own amounts.
    QVariantMap earlier = setLine("FEE", 1, "0");
    earlier[QStringLiteral("SUM")] = 80.0;
    earlier[QStringLiteral("TOTAL")] = 85.6;
    earlier[QStringLiteral("TAX")] = 5.6;
    QCOMPARE(CopyLinesIntoVisit(f.db(), QStringLiteral("SV022000001"), {earlier}, LineSource::EarlierVisit).outcome,
             LineSaveOutcome::Saved);
    QCOMPARE(scalar(f.db(), QStringLiteral("select SUM || '/' || TOTAL from service1 where serv_no = 'SV022000001' order by auto desc")).toString(),
             QStringLiteral("80.0/85.6"));
}

QTEST_GUILESS_MAIN(TestVisitStore)
#include "test_visitstore.moc"
