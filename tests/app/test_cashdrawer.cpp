// The cash drawer: one byte "0" on the configured COM port, through a
// pseudo-terminal standing in for the port.

#include "app/cashdrawer.h"
#include "platform/serial/serialport.h"
#include "platform/ui/messageservice.h"
#include "support/fakeport.h"
#include "support/fixture.h"

#include <QPushButton>
#include <QtTest>

class TestCashDrawer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deviceMap();
    void noDrawerOnlySaysSo();
    void drawerGetsExactlyOneByte();
    void settingCountsAtTheNextPress();
    void portThatCannotOpenIsTold();
};

void TestCashDrawer::deviceMap()
{
    QCOMPARE(SerialDeviceFor(1), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(SerialDeviceFor(8), QStringLiteral("/dev/ttyS7"));
    QTemporaryDir work;
    {
        QFile map(work.filePath(QStringLiteral("serial_ports.txt")));
        QVERIFY(map.open(QIODevice::WriteOnly));
        map.write("COM2 = /dev/ttyUSB0\n");
    }
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path());
    QCOMPARE(SerialDeviceFor(2), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(SerialDeviceFor(3), QStringLiteral("/dev/ttyS2"));
    qputenv("VELINKA_COM2", "/dev/ttyACM1");
    QCOMPARE(SerialDeviceFor(2), QStringLiteral("/dev/ttyACM1"));
    qunsetenv("VELINKA_COM2");
    QDir::setCurrent(before);
}

void TestCashDrawer::noDrawerOnlySaysSo()
{
    DataFolderFixture f;
    FakePort port(3);
    ScriptedMessageService msgs;
    TCashDrawer w;
    w.findChild<QPushButton*>(QStringLiteral("btnOpenDrawer"))->click();
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ไม่ต่อลิ้นชักเก็บเงิน...")});
    QCOMPARE(port.received(100), QByteArray());
    // The receipt's variant says nothing for "0".
    msgs.clear();
    OpenCashDrawerFor(QStringLiteral("0"), false);
    OpenCashDrawerFor(QStringLiteral("9"), true);
    QVERIFY(msgs.entries.isEmpty());
}

void TestCashDrawer::drawerGetsExactlyOneByte()
{
    DataFolderFixture f;
    FakePort port(3);
    QVERIFY(port.ok());
    FIXTURE_SQL(f, "update sevrsys set COM_PORT = '3'");
    ScriptedMessageService msgs;
    TCashDrawer w;
    w.findChild<QPushButton*>(QStringLiteral("btnOpenDrawer"))->click();
    QCOMPARE(msgs.texts(), QStringList());
    QCOMPARE(port.received(), QByteArray(1, '\x30'));
}

void TestCashDrawer::settingCountsAtTheNextPress()
{
    DataFolderFixture f;
    FakePort port(3);
    ScriptedMessageService msgs;
    TCashDrawer w;
    w.openDrawer();
    QCOMPARE(msgs.texts().size(), 1);
    FIXTURE_SQL(f, "update sevrsys set COM_PORT = '3'");
    w.openDrawer();
    QCOMPARE(port.received(), QByteArray(1, '\x30'));
    QCOMPARE(msgs.texts().size(), 1);
}

void TestCashDrawer::portThatCannotOpenIsTold()
{
    DataFolderFixture f;
    qputenv("VELINKA_COM5", "/nonexistent/tty");
    FIXTURE_SQL(f, "update sevrsys set COM_PORT = '5'");
    ScriptedMessageService msgs;
    TCashDrawer w;
    w.openDrawer();
    qunsetenv("VELINKA_COM5");
    const QStringList errors = msgs.texts(ScriptedMessageService::Entry::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith(QStringLiteral("ไม่สามารถเปิดพอร์ต COM5")), qPrintable(errors.first()));
}

QTEST_MAIN(TestCashDrawer)
#include "test_cashdrawer.moc"
