// Start-up from app_path.txt, the business details in the shared state,
// and the backup copy made on exit.

#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "app/startup.h"
#include "data/connection.h"
#include "platform/ui/messageservice.h"
#include "support/fixture.h"

#include <QMdiArea>
#include <QtTest>

namespace {
void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dataFolderIsTheWholeFile_data();
    void dataFolderIsTheWholeFile();
    void missingAppPathIsReported();
    void newFolderGetsDatabaseAndBusinessDetails();
    void backupNameByDay_data();
    void backupNameByDay();
    void backupIsAConsistentCopy();
    void exitAnsweredNoKeepsEverything();
    void exitWithBackupWritesTodaysCopy();
    void failedBackupIsToldAndTheProgramStillEnds();
};

void TestStartup::dataFolderIsTheWholeFile_data()
{
    // Relative to a temporary working folder.
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("databaseFile");
    QTest::newRow("with separator") << QByteArray("clinic/") << "clinic/dat_clinic.abs";
    QTest::newRow("without separator") << QByteArray("clinic") << "clinicdat_clinic.abs";
    QTest::newRow("windows path") << QByteArray("D:\\clinic\\") << "D:\\clinic\\dat_clinic.abs";
    QTest::newRow("line break of an editor") << QByteArray("clinic/\r\n") << "clinic/dat_clinic.abs";
    QTest::newRow("blanks are part of the path") << QByteArray("my clinic /") << "my clinic /dat_clinic.abs";
}

void TestStartup::dataFolderIsTheWholeFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, databaseFile);
    QTemporaryDir work;
    writeFile(work.filePath(QStringLiteral("app_path.txt")), content);
    QString error;
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path()); // the program runs in its working folder
    LoadStartup(work.path(), &error);
    QDir::setCurrent(before);
    QCOMPARE(shared().DatabaseFile, databaseFile);
    QCOMPARE(shared().DbMaxConnections, 5);
    QVERIFY(shared().DbMultiUser);
}

void TestStartup::missingAppPathIsReported()
{
    QTemporaryDir work;
    QString error;
    QVERIFY(!LoadStartup(work.path(), &error));
    QVERIFY(error.contains(QStringLiteral("app_path.txt")));
}

void TestStartup::newFolderGetsDatabaseAndBusinessDetails()
{
    QTemporaryDir work;
    const QString folder = work.path() + QStringLiteral("/data/");
    QVERIFY(QDir().mkpath(folder));
    writeFile(work.filePath(QStringLiteral("app_path.txt")), folder.toUtf8());
    shared().UserLevel = 3;
    QString error;
    QVERIFY2(LoadStartup(work.path(), &error), qPrintable(error));
    QVERIFY(QFile::exists(folder + QStringLiteral("dat_clinic.abs")));
    QCOMPARE(shared().UserLevel, 0);
    {
        Connection c;
        QVERIFY(execSql(c, QStringLiteral("update quorvexsys set OF_NAME='คลินิกทดสอบ', OF_ADD4='เชียงใหม่', OF_ADD3='x',"
                                          " OF_EMAIL='a@b.c', OF_TAXID='123'")));
    }
    QVERIFY2(LoadStartup(work.path(), &error), qPrintable(error));
    QCOMPARE(shared().Business.name, QStringLiteral("คลินิกทดสอบ"));
    QCOMPARE(shared().Business.province, QStringLiteral("เชียงใหม่"));
    QCOMPARE(shared().Business.email, QStringLiteral("a@b.c"));
}

void TestStartup::backupNameByDay_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("name");
    QTest::newRow("1st") << QDate(2026, 3, 1) << "/d/backup/dat_clinic1.abs";
    QTest::newRow("7th") << QDate(2026, 3, 7) << "/d/backup/dat_clinic7.abs";
    QTest::newRow("23rd") << QDate(2026, 3, 23) << "/d/backup/dat_clinic23.abs";
    QTest::newRow("31st") << QDate(2026, 12, 31) << "/d/backup/dat_clinic31.abs";
}

void TestStartup::backupNameByDay()
{
    QFETCH(QDate, today);
    QFETCH(QString, name);
    QCOMPARE(BackupFileName(QStringLiteral("/d/"), today), name);
}

void TestStartup::backupIsAConsistentCopy()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into customer (CUST_NO, CUST_NAME) values ('C001', 'สมชาย')");
    const QString target = BackupFileName(f.folder(), QDate(2026, 12, 7));
    QVERIFY(!QDir(f.folder() + QStringLiteral("backup")).exists());
    QString error;
    QVERIFY2(BackupDatabase(f.databaseFile(), target, &error), qPrintable(error));
    FIXTURE_SQL(f, "insert into customer (CUST_NO, CUST_NAME) values ('C002', 'สมหญิง')");
    // The same day of a later month replaces the older copy.
    QVERIFY2(BackupDatabase(f.databaseFile(), target, &error), qPrintable(error));
    Connection copy(target);
    QCOMPARE(scalar(copy, QStringLiteral("select count(*) from customer")).toInt(), 2);
    QVERIFY(!QFile::exists(target + QStringLiteral(".part")));
}

void TestStartup::exitAnsweredNoKeepsEverything()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    MainWindow w;
    w.openChild(new QWidget);
    msgs.answer(false);
    QVERIFY(!w.close());
    QCOMPARE(msgs.texts(), QStringList{ExitQuestionText()});
    QCOMPARE(w.area()->subWindowList().size(), 1);
}

void TestStartup::exitWithBackupWritesTodaysCopy()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    MainWindow w;
    msgs.answer(true);
    msgs.answer(true);
    QVERIFY(w.close());
    QCOMPARE(msgs.texts(), (QStringList{ExitQuestionText(), BackupQuestionText()}));
    QVERIFY(QFile::exists(BackupFileName(f.folder(), QDate::currentDate())));
}

void TestStartup::failedBackupIsToldAndTheProgramStillEnds()
{
    DataFolderFixture f;
    // A file where the backup folder should be: the folder cannot be made.
    writeFile(f.folder() + QStringLiteral("backup"), "not a folder");
    ScriptedMessageService msgs;
    MainWindow w;
    msgs.answer(true);
    msgs.answer(true);
    QVERIFY(w.close());
    const QStringList errors = msgs.texts(ScriptedMessageService::Entry::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().startsWith(QStringLiteral("สำรองข้อมูลไม่สำเร็จ")));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
