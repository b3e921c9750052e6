// The business details and the document settings, driven through their
// widgets.

#include "platform/ui/messageservice.h"
#include "registries/settings.h"
#include "support/fixture.h"
#include "support/widgetdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QtTest>

namespace {

QLineEdit* edit(QWidget* w, const char* column) { return child<QLineEdit>(w, QStringLiteral("ed_") + QLatin1String(column)); }
void choose(QWidget* w, const char* column, int entry)
{
    child<QRadioButton>(w, QStringLiteral("rb_%1_%2").arg(QLatin1String(column)).arg(entry))->setChecked(true);
}

QString row(const Connection& c, const char* table, const char* columns)
{
    QSqlQuery q(c.db());
    q.exec(QStringLiteral("select %1 from %2").arg(QLatin1String(columns), QLatin1String(table)));
    QStringList out;
    if (q.next())
        for (int i = 0; i < q.record().count(); ++i) out << q.value(i).toString();
    return out.join(QLatin1Char('|'));
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingsSaveWritesBothTables();
    void shortPrefixRefused_data();
    void shortPrefixRefused();
    void marginMustBeMillimetres_data();
    void marginMustBeMillimetres();
    void businessEditCancelAndSave();
    void closingTellsAboutTheNextStart();
};

void TestSettings::settingsSaveWritesBothTables()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "update sevrsys set CATAGORY='3', REMARK2='เก็บไว้', PAPER=2, LINE1='x', LINE3='y', REMARK1='r1', REMARK3='r3'");
    FIXTURE_SQL(f, "update quorvexsys set PREFIX1='SALE', PREFIX2='TAXI'");
    ScriptedMessageService msgs;
    TRef_Sys_Sql w;
    w.show();
    QVERIFY(edit(&w, "PREFIX1")->isReadOnly());
    QCOMPARE(edit(&w, "LINE2")->maxLength(), 50);
    click(&w, "btnEdit");
    QVERIFY(!edit(&w, "PREFIX1")->isReadOnly());
    QVERIFY(!child<QPushButton>(&w, QStringLiteral("btnClose"))->isEnabled());
    edit(&w, "PREFIX1")->setText(QStringLiteral("CL01"));
    edit(&w, "PREFIX2")->setText(QStringLiteral("VT"));
    edit(&w, "PREFIX3")->setText(QStringLiteral("GR01"));
    edit(&w, "PREFIX4")->setText(QStringLiteral("GV01"));
    edit(&w, "PRN_TOP")->setText(QStringLiteral("5"));
    edit(&w, "PRN_LEFT")->setText(QStringLiteral("3.5"));
    edit(&w, "LABEL_TOP")->setText(QStringLiteral("2"));
    edit(&w, "LABEL_LEFT")->setText(QStringLiteral("6"));
    edit(&w, "LINE2")->setText(QStringLiteral("ใบเสร็จรับเงิน / ใบกำกับภาษีอย่างย่อ"));
    child<QComboBox>(&w, QStringLiteral("cb_COM_PORT"))->setCurrentText(QStringLiteral("3"));
    choose(&w, "PAPER1", 4);
    choose(&w, "F_PER1", 1);
    choose(&w, "BLANK", 0);
    choose(&w, "LOGO", 1);
    choose(&w, "CARD_TYPE", 2);
    click(&w, "btnSave");
    QCOMPARE(msgs.texts().join(QLatin1Char('/')), QString());
    QVERIFY(!w.isEditing());
    QCOMPARE(row(f.db(), "sevrsys", "PREFIX1, PREFIX2, PREFIX3, PREFIX4, PRN_TOP, PRN_LEFT, LABEL_TOP, LABEL_LEFT, COM_PORT,"
                                    " PAPER1, F_PER1, BLANK, LOGO, CARD_TYPE"),
             QStringLiteral("CL01|VT|GR01|GV01|5|3.5|2|6|3|4|1|0|1|2"));
    QCOMPARE(row(f.db(), "sevrsys", "LINE2"), QStringLiteral("ใบเสร็จรับเงิน / ใบกำกับภาษีอย่างย่อ"));
    // Kept as read, and the columns the screen clears.
    QCOMPARE(row(f.db(), "sevrsys", "CATAGORY, REMARK2, PAPER, LINE1, LINE3, REMARK1, REMARK3"),
             QStringLiteral("3|เก็บไว้|2||||"));
    // The business row: the stock-in prefixes follow, the sale prefixes stay.
    QCOMPARE(row(f.db(), "quorvexsys", "PREFIX1, PREFIX2, PREFIX3, PREFIX4, LINE1, LINE4, LINE5, COM_PORT"),
             QStringLiteral("SALE|TAXI|GR01|GV01|1|1|2|3"));

    click(&w, "btnEdit");
    choose(&w, "BLANK", 1);
    click(&w, "btnSave");
    QCOMPARE(row(f.db(), "quorvexsys", "LINE1"), QStringLiteral("0"));
}

void TestSettings::shortPrefixRefused_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("saved");
    QTest::newRow("visit prefix of two") << "PREFIX1" << "AB" << false;
    QTest::newRow("stock-in prefix of three") << "PREFIX3" << "ABC" << false;
    QTest::newRow("VAT stock-in prefix blank") << "PREFIX4" << "   " << false;
    QTest::newRow("VAT visit prefix is not checked") << "PREFIX2" << "AB" << true;
}

void TestSettings::shortPrefixRefused()
{
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(bool, saved);
    DataFolderFixture f;
    const QString before = row(f.db(), "sevrsys", "PREFIX1, PREFIX2, PREFIX3, PREFIX4");
    ScriptedMessageService msgs;
    TRef_Sys_Sql w;
    w.show();
    click(&w, "btnEdit");
    edit(&w, column.toLatin1().constData())->setText(value);
    click(&w, "btnSave");
    if (saved) {
        QVERIFY(msgs.texts().isEmpty());
        QCOMPARE(row(f.db(), "sevrsys", "PREFIX2"), value);
    } else {
        QCOMPARE(msgs.texts(), QStringList{QStringLiteral("รหัสนำหน้าใบรับ / ใบคืน ไม่ครบ 4 หลัก...")});
        QCOMPARE(row(f.db(), "sevrsys", "PREFIX1, PREFIX2, PREFIX3, PREFIX4"), before);
        QVERIFY(w.isEditing());
    }
}

void TestSettings::marginMustBeMillimetres_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("not a number") << "5 มม.";
    QTest::newRow("past 20") << "25";
    QTest::newRow("negative") << "-1";
    QTest::newRow("empty") << "";
}

void TestSettings::marginMustBeMillimetres()
{
    QFETCH(QString, value);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    TRef_Sys_Sql w;
    w.show();
    click(&w, "btnEdit");
    edit(&w, "PRN_LEFT")->setText(value);
    edit(&w, "PREFIX1")->setText(QStringLiteral("ZZ01"));
    click(&w, "btnSave");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ระยะขอบและตำแหน่งฉลากยา ต้องเป็นตัวเลข 0 - 20 มม.")});
    QCOMPARE(row(f.db(), "sevrsys", "PREFIX1"), QStringLiteral("SV01"));
}

void TestSettings::businessEditCancelAndSave()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    TRef_Business w;
    w.show();
    const QString stored = row(f.db(), "quorvexsys", "OF_NAME");
    QCOMPARE(edit(&w, "OF_NAME")->text(), stored);
    QCOMPARE(edit(&w, "OF_TAXID")->maxLength(), 13);
    QCOMPARE(edit(&w, "OF_ADD4")->maxLength(), 40);

    click(&w, "btnEdit");
    edit(&w, "OF_NAME")->setText(QStringLiteral("คลินิกใหม่"));
    click(&w, "btnCancel");
    QCOMPARE(row(f.db(), "quorvexsys", "OF_NAME"), stored);
    QCOMPARE(edit(&w, "OF_NAME")->text(), QStringLiteral("คลินิกใหม่"));

    click(&w, "btnEdit");
    edit(&w, "OF_NAME")->setText(QStringLiteral("   "));
    click(&w, "btnSave");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ไม่มีข้อมูลรหัส ... ")});
    QVERIFY(w.isEditing());
    QCOMPARE(row(f.db(), "quorvexsys", "OF_NAME"), stored);

    edit(&w, "OF_NAME")->setText(QStringLiteral("  คลินิกหมอใจดี  "));
    edit(&w, "OF_TAXID")->setText(QStringLiteral("0105560123456"));
    edit(&w, "OF_ADD4")->setText(QStringLiteral("เชียงใหม่"));
    click(&w, "btnSave");
    QVERIFY(!w.isEditing());
    QCOMPARE(row(f.db(), "quorvexsys", "OF_NO, OF_NAME, OF_TAXID, OF_ADD4"),
             QStringLiteral("0|คลินิกหมอใจดี|0105560123456|เชียงใหม่"));
    QCOMPARE(edit(&w, "OF_NAME")->text(), QStringLiteral("คลินิกหมอใจดี"));

    // A failed update is told and the screen stays in editing.
    click(&w, "btnEdit");
    FIXTURE_SQL(f, "alter table quorvexsys rename to quorvexsys_gone");
    click(&w, "btnSave");
    QCOMPARE(msgs.texts().last(), QStringLiteral("ไม่สามารถบันทึกข้อมูลได้..."));
    QVERIFY(w.isEditing());
}

void TestSettings::closingTellsAboutTheNextStart()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    for (QWidget* w : std::initializer_list<QWidget*>{new TRef_Business, new TRef_Sys_Sql}) {
        w->show();
        w->close();
        delete w;
    }
    QCOMPARE(msgs.texts(), QStringList(2, QStringLiteral("ต้องปิดโปรแกรมนี้ก่อน เมื่อเปิดขึ้นมาใหม่ค่าที่แก้ไขจึงจะมีผล...")));
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
