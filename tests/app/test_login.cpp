// Login by level, the menu each level opens, the two logouts, and the
// administrator's user list.

#include "app/firstadmin.h"
#include "data/database.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "platform/ui/messageservice.h"
#include "support/fixture.h"
#include "support/widgetdriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QGroupBox>
#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

Tpasswd* openLogin(MainWindow& w)
{
    w.show(); // a window loads on its first activation
    w.openLogin();
    auto* login = w.findChildren<Tpasswd*>().last();
    QCoreApplication::processEvents();
    return login;
}

void typeLogin(Tpasswd* login, const QString& user, const QString& password)
{
    lineEdit(login, "edUser")->setText(user);
    lineEdit(login, "edPassword")->setText(password);
    pushButton(login, "btnLogin")->click();
}

// The enabled entries after a login, from the table of levels.
const char* const checkedEntries[] = {"menuList", "actCustomer", "actVisit", "actStockIn", "actDebtors",
                                      "actCreditors", "actCashDrawer", "menuRef", "actSets", "menuSearch",
                                      "menuReports", "actDoctorWork", "actDocCheck", "actExit", "menuHelp",
                                      "actTradeSale", "actTradeQuotation", "actStockCard", "actSelectDb"};

QString enabledEntries(const MainWindow& w)
{
    QStringList on;
    for (const char* e : checkedEntries)
        if (w.isEntryEnabled(QString::fromLatin1(e))) on << QString::fromLatin1(e);
    return on.join(QLatin1Char(' '));
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checkLogin_data();
    void checkLogin();
    void menuByLevel_data();
    void menuByLevel();
    void beforeLogin();
    void loginWindowGreetsAndShowsPanelToAdministrator();
    void openingLoginAgainResetsLevelButNotMenu();
    void logoutInWindowAndFromMenu();
    void userListSaveChecksPasswords();
    void menuEntryTwiceOpensTwoWindows();
    void firstAdministrator();
};

void TestLogin::checkLogin_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("level");
    QTest::newRow("admin") << "somchai" << "Pass1" << 0 << true << 1;
    QTest::newRow("name in capitals") << "SOMCHAI" << "Pass1" << 0 << true << 1;
    QTest::newRow("password letter case counts") << "somchai" << "pass1" << 3 << false << 0;
    QTest::newRow("level 4") << "nurse" << "n" << 0 << true << 4;
    QTest::newRow("level 5") << "counter" << "c" << 0 << true << 5;
    QTest::newRow("level 0 stored") << "zero" << "z" << 2 << true << 0;
    QTest::newRow("level 6 stored") << "six" << "s" << 2 << true << 0;
    QTest::newRow("unknown name keeps the level") << "nobody" << "x" << 3 << false << 3;
}

void TestLogin::checkLogin()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(int, before);
    QFETCH(bool, ok);
    QFETCH(int, level);
    DataFolderFixture f;
    f.addUser(QStringLiteral("somchai"), QStringLiteral("Pass1"), 1, QStringLiteral("สมชาย"));
    f.addUser(QStringLiteral("nurse"), QStringLiteral("n"), 4);
    f.addUser(QStringLiteral("counter"), QStringLiteral("c"), 5);
    f.addUser(QStringLiteral("zero"), QStringLiteral("z"), 0);
    f.addUser(QStringLiteral("six"), QStringLiteral("s"), 6);
    const LoginResult r = CheckLogin(f.db(), user, password, before);
    QCOMPARE(r.found && r.passwordOk, ok);
    QCOMPARE(r.level, level);
}

void TestLogin::menuByLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("1") << 1
        << "menuList actCustomer actVisit actStockIn actDebtors actCreditors actCashDrawer menuRef actSets menuSearch"
           " menuReports actDoctorWork actDocCheck actExit menuHelp actTradeSale actTradeQuotation actStockCard actSelectDb";
    QTest::newRow("2") << 2
        << "menuList actCustomer actVisit actStockIn actDebtors actCreditors actCashDrawer menuRef actSets menuSearch"
           " menuReports actDoctorWork actDocCheck actExit menuHelp actTradeSale actTradeQuotation actStockCard";
    QTest::newRow("3") << 3
        << "menuList actCustomer actVisit actStockIn actDebtors actCreditors actCashDrawer menuRef actSets menuSearch"
           " actDoctorWork actDocCheck actExit menuHelp actTradeSale actTradeQuotation actStockCard";
    QTest::newRow("4") << 4 << "menuList actCustomer actStockIn menuSearch actDocCheck actExit menuHelp actTradeSale";
    QTest::newRow("5") << 5 << "menuList actCustomer actVisit actCashDrawer menuSearch actDocCheck actExit menuHelp";
    QTest::newRow("0 failed") << 0 << "menuList actSets actDoctorWork actDocCheck actExit menuHelp actStockCard";
}

void TestLogin::menuByLevel()
{
    QFETCH(int, level);
    QFETCH(QString, enabled);
    DataFolderFixture f;
    f.addUser(QStringLiteral("u"), QStringLiteral("p"), level, QStringLiteral("ผู้ใช้ทดสอบ"));
    MainWindow w;
    w.setAskOnClose(false);
    Tpasswd* login = openLogin(w);
    typeLogin(login, QStringLiteral("u"), QStringLiteral("p"));
    QCOMPARE(shared().UserLevel, level);
    QCOMPARE(enabledEntries(w), enabled);
    // The administrator's panel is for level 1 only.
    QCOMPARE(login->findChild<QGroupBox*>(QStringLiteral("grpUsers"))->isVisibleTo(login), level == 1);
}

void TestLogin::beforeLogin()
{
    DataFolderFixture f;
    MainWindow w;
    w.setAskOnClose(false);
    for (const char* off : {"menuList", "menuRef", "menuSearch", "menuReports", "actVisit", "actCashDrawer"})
        QVERIFY2(!w.isEntryEnabled(QString::fromLatin1(off)), off);
    for (const char* on : {"menuStart", "actLogin", "actLogout", "actRepair", "actDocCheck", "actExit", "menuHelp"})
        QVERIFY2(w.isEntryEnabled(QString::fromLatin1(on)), on);
    // Hidden entries exist and cannot be seen.
    for (const char* hidden : {"actSelectDb", "actTreatHistorySn", "actFeesByItem", "actStockCard"})
        QVERIFY2(w.entry(QString::fromLatin1(hidden)) && !w.entry(QString::fromLatin1(hidden))->isVisible(), hidden);
    QVERIFY(!w.menu(QStringLiteral("menuTradeHidden"))->menuAction()->isVisible());
    QVERIFY(!w.menu(QStringLiteral("menuBuySaleHidden"))->menuAction()->isVisible());
}

void TestLogin::loginWindowGreetsAndShowsPanelToAdministrator()
{
    DataFolderFixture f;
    f.addUser(QStringLiteral("somchai"), QStringLiteral("Pass1"), 1, QStringLiteral("สมชาย"));
    MainWindow w;
    w.setAskOnClose(false);
    Tpasswd* login = openLogin(w);
    auto* enter = pushButton(login, "btnEnter");
    QVERIFY(!enter->isVisibleTo(login));
    typeLogin(login, QStringLiteral("SomChai"), QStringLiteral("wrong"));
    QCOMPARE(login->findChild<QLabel*>(QStringLiteral("lblGreeting"))->text(), QString());
    QCOMPARE(shared().UserLevel, 0);
    typeLogin(login, QStringLiteral("SomChai"), QStringLiteral("Pass1"));
    QCOMPARE(login->findChild<QLabel*>(QStringLiteral("lblGreeting"))->text(), QStringLiteral("Hello สมชาย"));
    QVERIFY(enter->isVisibleTo(login));
    QCOMPARE(lineEdit(login, "edUser")->text(), QString());
    QCOMPARE(lineEdit(login, "edPassword")->text(), QString());
    QCOMPARE(lineEdit(login, "edPassword")->echoMode(), QLineEdit::Password);
    enter->click();
    QCoreApplication::processEvents();
    QVERIFY(w.area()->subWindowList().isEmpty());
}

void TestLogin::openingLoginAgainResetsLevelButNotMenu()
{
    DataFolderFixture f;
    f.addUser(QStringLiteral("a"), QStringLiteral("p"), 1);
    MainWindow w;
    w.setAskOnClose(false);
    typeLogin(openLogin(w), QStringLiteral("a"), QStringLiteral("p"));
    QCOMPARE(shared().UserLevel, 1);
    openLogin(w);
    QCOMPARE(shared().UserLevel, 0);
    QVERIFY(w.isEntryEnabled(QStringLiteral("menuReports")));
    QVERIFY(w.isEntryEnabled(QStringLiteral("actVisit")));
}

void TestLogin::logoutInWindowAndFromMenu()
{
    DataFolderFixture f;
    f.addUser(QStringLiteral("a"), QStringLiteral("p"), 1);
    MainWindow w;
    w.setAskOnClose(false);
    Tpasswd* login = openLogin(w);
    typeLogin(login, QStringLiteral("a"), QStringLiteral("p"));
    pushButton(login, "btnLogout")->click();
    QCOMPARE(shared().UserLevel, 0);
    QCOMPARE(enabledEntries(w), QStringLiteral("menuList actSets actDoctorWork actDocCheck actExit menuHelp actStockCard actSelectDb"));
    for (const char* off : {"actCustomer", "actVisit", "actStockIn", "actTradeSale", "actTradeQuotation", "actCashDrawer"})
        QVERIFY2(!w.isEntryEnabled(QString::fromLatin1(off)), off);

    typeLogin(openLogin(w), QStringLiteral("a"), QStringLiteral("p"));
    w.entry(QStringLiteral("actLogout"))->trigger();
    QCOMPARE(shared().UserLevel, 0);
    for (const char* off : {"menuList", "menuRef", "menuSearch", "menuReports"})
        QVERIFY2(!w.isEntryEnabled(QString::fromLatin1(off)), off);
    QVERIFY(w.isEntryEnabled(QStringLiteral("menuHelp")));
}

void TestLogin::userListSaveChecksPasswords()
{
    DataFolderFixture f;
    f.addUser(QStringLiteral("a"), QStringLiteral("p"), 1, QStringLiteral("ผู้ดูแล"));
    MainWindow w;
    w.setAskOnClose(false);
    Tpasswd* login = openLogin(w);
    typeLogin(login, QStringLiteral("a"), QStringLiteral("p"));
    auto edit = [login](const char* name) { return lineEdit(login, name); };
    auto button = [login](const char* name) { return pushButton(login, name); };
    QCOMPARE(edit("edUserName")->text(), QStringLiteral("a"));
    QVERIFY(!button("btnSave")->isEnabled());

    button("btnAdd")->click();
    QVERIFY(!button("btnAdd")->isEnabled() && !button("btnNext")->isEnabled() && button("btnSave")->isEnabled());
    edit("edName")->setText(QStringLiteral("พนักงานใหม่"));
    edit("edUserName")->setText(QStringLiteral("newbie"));
    edit("edPass1")->setText(QStringLiteral("secret"));
    edit("edPass2")->setText(QStringLiteral("secreT"));
    login->findChild<QRadioButton*>(QStringLiteral("rbLevel5"))->setChecked(true);
    ScriptedMessageService msgs;
    button("btnSave")->click();
    QVERIFY(msgs.entries.isEmpty()); // no message: nothing saved, still adding
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from market")).toInt(), 1);
    QVERIFY(button("btnSave")->isEnabled());

    edit("edPass2")->setText(QStringLiteral("secret"));
    button("btnSave")->click();
    QCOMPARE(scalar(f.db(), QStringLiteral("select NAME || '|' || PASSWD || '|' || AC1 from market where USRNAME='newbie'")).toString(),
             QStringLiteral("พนักงานใหม่|secret|5"));
    QVERIFY(button("btnAdd")->isEnabled() && !button("btnSave")->isEnabled());
    QCOMPARE(edit("edPass2")->text(), QString());

    // A second user of the same name (any letter case) is refused.
    button("btnAdd")->click();
    edit("edName")->setText(QStringLiteral("ซ้ำ"));
    edit("edUserName")->setText(QStringLiteral("NEWBIE"));
    button("btnSave")->click();
    QCOMPARE(msgs.texts(), QStringList{SaveFailedText()});
    QCOMPARE(edit("edName")->text(), QStringLiteral("ซ้ำ"));
    button("btnCancel")->click();
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from market")).toInt(), 2);
}

void TestLogin::menuEntryTwiceOpensTwoWindows()
{
    DataFolderFixture f;
    f.addUser(QStringLiteral("a"), QStringLiteral("p"), 1);
    MainWindow w;
    w.setAskOnClose(false);
    w.registerScreen(QStringLiteral("actCustomer"), [] { return new QWidget; });
    typeLogin(openLogin(w), QStringLiteral("a"), QStringLiteral("p"));
    const int before = int(w.area()->subWindowList().size());
    w.entry(QStringLiteral("actCustomer"))->trigger();
    w.entry(QStringLiteral("actCustomer"))->trigger();
    QCOMPARE(int(w.area()->subWindowList().size()), before + 2);

    // The trade screen's mode is set before it opens.
    ScriptedMessageService msgs;
    w.entry(QStringLiteral("actTradeSale"))->trigger();
    QCOMPARE(shared().TradeMode, 1);
    w.entry(QStringLiteral("actStockIn"))->trigger();
    QCOMPARE(shared().TradeMode, 3);
}

void TestLogin::firstAdministrator()
{
    DataFolderFixture f;
    QVERIFY(HasNoUsers(f.db()));
    QString reason;
    QVERIFY(!CreateFirstAdministrator(f.db(), QStringLiteral("ผู้ดูแล"), QStringLiteral("boss"), QStringLiteral("a"),
                                      QStringLiteral("b"), &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(!CreateFirstAdministrator(f.db(), QString(), QStringLiteral("boss"), QStringLiteral("a"), QStringLiteral("a"), &reason));
    QVERIFY(HasNoUsers(f.db()));
    QVERIFY(CreateFirstAdministrator(f.db(), QStringLiteral("ผู้ดูแล"), QStringLiteral("boss"), QStringLiteral("a"),
                                     QStringLiteral("a"), &reason));
    QCOMPARE(CheckLogin(f.db(), QStringLiteral("BOSS"), QStringLiteral("a"), 0).level, 1);
}

QTEST_MAIN(TestLogin)
#include "test_login.moc"
