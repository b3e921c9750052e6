// The menu entries of the registries open their windows: which window,
// where it opens, and a new window each time.

#include "app/mainwindow.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/registryscreen.h"
#include "registries/registryscreens.h"
#include "support/fixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

class TestRegistryScreens : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesOpenTheirWindows_data();
    void entriesOpenTheirWindows();
};

void TestRegistryScreens::entriesOpenTheirWindows_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("placement");
    QTest::newRow("drug types") << "actDrugTypes" << "TRef_Type_Sql" << "cascade";
    QTest::newRow("usage methods") << "actUsage" << "TRef_How" << "cascade";
    QTest::newRow("diseases") << "actDiseases" << "TRef_Sickness" << "cascade";
    QTest::newRow("suppliers") << "actSuppliers" << "TRef_Supply_Sql" << "cascade";
    QTest::newRow("customers") << "actCustomer" << "TRef_Cust_Sql" << "top left";
    QTest::newRow("doctors") << "actDoctors" << "TRef_Maker_Sql" << "centred";
    QTest::newRow("employees") << "actEmployees" << "TRef_Sale_Sql" << "centred";
}

void TestRegistryScreens::entriesOpenTheirWindows()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, placement);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    MainWindow w;
    w.setAskOnClose(false);
    w.resize(1400, 1000);
    RegisterRegistryScreens(w);
    w.show();
    w.applyMenuState(MenuState::LoggedIn, 1);
    QVERIFY(w.isEntryEnabled(entry));
    w.entry(entry)->trigger();
    w.entry(entry)->trigger();
    const QList<QMdiSubWindow*> subs = w.area()->subWindowList();
    QCOMPARE(subs.size(), 2);
    for (QMdiSubWindow* sub : subs) {
        QCOMPARE(sub->widget()->objectName(), window);
        QVERIFY(qobject_cast<RegistryScreen*>(sub->widget()));
    }
    QMdiSubWindow* sub = subs.first();
    if (placement == QLatin1String("top left")) QCOMPARE(sub->pos(), QPoint(0, 0));
    if (placement == QLatin1String("centred")) {
        const QPoint centre = sub->geometry().center();
        const QPoint middle = w.area()->rect().center();
        QVERIFY2(qAbs(centre.x() - middle.x()) < 40 && qAbs(centre.y() - middle.y()) < 40,
                 qPrintable(QStringLiteral("%1,%2 vs %3,%4").arg(centre.x()).arg(centre.y()).arg(middle.x()).arg(middle.y())));
    }
    QVERIFY(msgs.texts().isEmpty());
}

QTEST_MAIN(TestRegistryScreens)
#include "test_registryscreens.moc"
