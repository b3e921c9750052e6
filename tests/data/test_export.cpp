#include "data/textexport.h"
#include "platform/ui/messageservice.h"

#include <QtTest>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

class TestExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void rows_data();
    void rows();
    void noRows();
    void cannotWrite();

private:
    QSqlQuery run(const QString& sql);
    QTemporaryDir dir;
};

void TestExport::initTestCase()
{
    QVERIFY(dir.isValid());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("export"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(q.exec("create table product (pro_no text, pro_name text, pro_sprice float, rem text)"));
    QVERIFY(q.exec("insert into product values ('A01', 'ยาแก้ปวด', 12.5, null)"));
    QVERIFY(q.exec("insert into product values ('A02', 'O''Brien \"x\"', 3, 'a,b')"));
    QVERIFY(q.exec("insert into product values ('A03', 'a中b', 0.25, '')"));
}

void TestExport::cleanupTestCase()
{
    QSqlDatabase::database(QStringLiteral("export")).close();
    QSqlDatabase::removeDatabase(QStringLiteral("export"));
}

QSqlQuery TestExport::run(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("export")));
    q.setForwardOnly(true);
    if (!q.exec(sql)) qWarning() << q.lastError().text();
    return q;
}

void TestExport::rows_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QByteArray>("expected");

    // Thai in code page 874: ย C2, า D2, แ E1, ก A1, ้ E9, ป BB, ว C7, ด B4.
    QTest::newRow("thai text, float and null")
        << "select pro_no, pro_name, pro_sprice, rem from product where pro_no = 'A01'"
        << QByteArray("'pro_no','pro_name','pro_sprice','rem'\r\n"
                      "'A01','\xC2\xD2\xE1\xA1\xE9\xBB\xC7\xB4','12.5',''\r\n");
    QTest::newRow("quotes and commas written as they are")
        << "select pro_name, rem from product where pro_no = 'A02'"
        << QByteArray("'pro_name','rem'\r\n'O'Brien \"x\"','a,b'\r\n");
    QTest::newRow("a character without a byte is '?'")
        << "select pro_name as name from product where pro_no = 'A03'"
        << QByteArray("'name'\r\n'a?b'\r\n");
    QTest::newRow("rows in query order")
        << "select pro_no from product order by pro_no desc"
        << QByteArray("'pro_no'\r\n'A03'\r\n'A02'\r\n'A01'\r\n");
}

void TestExport::rows()
{
    QFETCH(QString, sql);
    QFETCH(QByteArray, expected);
    const QString path = dir.filePath(QStringLiteral("Report_Product.csv"));
    {
        // A longer earlier file is replaced, not overwritten in part.
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1000, 'x'));
    }
    ScriptedMessageService messages;
    QSqlQuery query = run(sql);

    QVERIFY(ExportQueryToFile(path, query));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
    QCOMPARE(messages.texts(), QStringList{"บันทึกลงแฟ้ม  " + path + " สำเร็จ..."});
}

void TestExport::noRows()
{
    const QString path = dir.filePath(QStringLiteral("empty.csv"));
    ScriptedMessageService messages;
    QSqlQuery query = run("select pro_no from product where pro_no = 'none'");

    QVERIFY(!ExportQueryToFile(path, query));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(messages.texts(), QStringList{"ไม่มีรายการ..."});
}

void TestExport::cannotWrite()
{
    const QString path = dir.filePath(QStringLiteral("no such folder/out.csv"));
    ScriptedMessageService messages;
    QSqlQuery query = run("select pro_no from product");

    QVERIFY(!ExportQueryToFile(path, query));
    QCOMPARE(messages.texts(), QStringList{"ไม่สามารถดำเนิการได้..."});
}

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
