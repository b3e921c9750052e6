#include "data/runningnumber.h"
#include "platform/ui/messageservice.h"
#include "support/fixture.h"

#include <QtTest>

namespace {
const QString kNotNumber = QStringLiteral("ต้องเป็นตัวเลข จำนวน 6 หลัก ยกเลิกแล้วเริ่มต้นใหม่ นะ.");
const QString kNotSix = QStringLiteral("ไม่ครบ 6 หลัก ยกเลิกแล้วเริ่มต้นใหม่ นะ.");
const QString kCannotNumber =
    QStringLiteral(" ยังไม่สามารถกำหนดเลขที่ใบสำคัญตอนนี้ได้ ... รอสักครู่ และดำเนินการใหม่อีกครั้ง");
const QString kPassed999999 =
    QStringLiteral("เลขที่ใบสำคัญเกิน 999999 แล้ว ไม่สามารถบันทึกได้ กรุณาเปลี่ยนรหัสนำหน้าเลขที่ใบสำคัญ");
const QString kCancel = QStringLiteral("<cancel>");
} // namespace

class TestRunningNumber : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newNumber_data();
    void newNumber();
    void lastStoredNumberStaysInsideItsHead();
};

void TestRunningNumber::newNumber_data()
{
    QTest::addColumn<QString>("lastStored"); // empty: the head has no number yet
    QTest::addColumn<QString>("answer");     // typed into the first-number box, or kCancel
    QTest::addColumn<QString>("expected");   // empty: refused, the document is not saved
    QTest::addColumn<QStringList>("shown");

    const QString head = DocumentHead(QStringLiteral("V001"), QStringLiteral("1"));

    QTest::newRow("first number typed") << "" << "000050" << head + "000050" << QStringList();
    QTest::newRow("first number cancelled") << "" << kCancel << head + "000001" << QStringList();
    QTest::newRow("one digit") << "" << "1" << "" << QStringList{kNotSix};
    QTest::newRow("two digits") << "" << "12" << "" << QStringList{kNotSix};
    QTest::newRow("six characters, not a number") << "" << "12345a" << "" << QStringList{kNotNumber, kCannotNumber};
    QTest::newRow("short, not a number") << "" << "abc" << "" << QStringList{kNotNumber, kNotSix, kCannotNumber};
    QTest::newRow("negative") << "" << "-00001" << "" << QStringList();
    QTest::newRow("minus zero") << "" << "-00000" << "" << QStringList();
    QTest::newRow("plus sign") << "" << "+00001" << "" << QStringList{kNotNumber, kCannotNumber};
    QTest::newRow("blanks around") << "" << " 0001 " << "" << QStringList{kNotNumber, kCannotNumber};
    QTest::newRow("seven digits") << "" << "1234567" << "" << QStringList{kNotSix, kPassed999999};

    QTest::newRow("next after 000050") << head + "000050" << "" << head + "000051" << QStringList();
    QTest::newRow("next carries a digit") << head + "000099" << "" << head + "000100" << QStringList();
    QTest::newRow("next after 999998") << head + "999998" << "" << head + "999999" << QStringList();
    QTest::newRow("next after 999999") << head + "999999" << "" << "" << QStringList{kPassed999999};
    QTest::newRow("stored running part not a number") << head + "ABCDEF" << "" << "" << QStringList{kCannotNumber};
}

void TestRunningNumber::newNumber()
{
    QFETCH(QString, lastStored);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    QFETCH(QStringList, shown);

    const QString head = DocumentHead(QStringLiteral("V001"), QStringLiteral("1"));
    ScriptedMessageService messages;
    if (answer == kCancel)
        messages.cancelInput();
    else if (!answer.isEmpty())
        messages.input(answer);

    const std::optional<QString> number = NewDocumentNumber(head, lastStored);
    QCOMPARE(number.value_or(QString()), expected);

    QList<ScriptedMessageService::Entry> entries = messages.entries;
    if (lastStored.isEmpty()) {
        QVERIFY(!entries.isEmpty());
        const ScriptedMessageService::Entry box = entries.takeFirst();
        QCOMPARE(box.kind, ScriptedMessageService::Entry::Input);
        QCOMPARE(box.title, QStringLiteral("กำหนดเลขที่ใบสำคัญครั้งแรก"));
        QCOMPARE(box.text, QStringLiteral("เลขจำนวน 6 หลัก เช่น 001007 ค่าโดยปริยาย 000001"));
    }
    QStringList texts;
    for (const ScriptedMessageService::Entry& e : entries) {
        QCOMPARE(e.kind, ScriptedMessageService::Entry::Information);
        texts << e.text;
    }
    QCOMPARE(texts, shown);
}

void TestRunningNumber::lastStoredNumberStaysInsideItsHead()
{
    DataFolderFixture f;
    QCOMPARE(LastStoredNumber(f.db(), QStringLiteral("service"), QStringLiteral("serv_no"), QStringLiteral("SV011")), QString());
    FIXTURE_SQL(f, "insert into service (SERV_NO) values ('SV011000004'), ('SV011000005'), ('SV012000009'),"
                   " ('SV010999999'), ('SV0110')");
    QCOMPARE(LastStoredNumber(f.db(), QStringLiteral("service"), QStringLiteral("serv_no"), QStringLiteral("SV011")),
             QStringLiteral("SV011000005"));
    QCOMPARE(LastStoredNumber(f.db(), QStringLiteral("service"), QStringLiteral("serv_no"), QStringLiteral("SV012")),
             QStringLiteral("SV012000009"));
    // The next visit after the last one, noted in the number record.
    const std::optional<QString> next = NewDocumentNumber(
        QStringLiteral("SV011"), LastStoredNumber(f.db(), QStringLiteral("service"), QStringLiteral("serv_no"), QStringLiteral("SV011")));
    QCOMPARE(next.value_or(QString()), QStringLiteral("SV011000006"));
    QVERIFY(NoteLastNumber(f.db(), QStringLiteral("que_srv_n"), *next));
    QCOMPARE(scalar(f.db(), QStringLiteral("select QUE_SRV_N from que where QUE_NO = '0'")).toString(), *next);
}

QTEST_GUILESS_MAIN(TestRunningNumber)
#include "test_runningnumber.moc"
