#include "app/startup.h"

#include "app/sharedstate.h"
#include "data/connection.h"
#include "data/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

QString ReadDataFolder(const QString& workingFolder, QString* error)
{
    QFile f(QDir(workingFolder).filePath(QString::fromLatin1(AppPathFileName)));
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("ไม่พบแฟ้ม %1 : %2").arg(f.fileName(), f.errorString());
        return {};
    }
    QString folder = QString::fromUtf8(f.readAll());
    while (folder.endsWith(QLatin1Char('\n')) || folder.endsWith(QLatin1Char('\r'))) folder.chop(1);
    return folder;
}

bool LoadStartup(const QString& workingFolder, QString* error)
{
    SharedState& s = shared();
    s.UserLevel = 0;
    s.DataFolder = ReadDataFolder(workingFolder, error);
    if (s.DataFolder.isEmpty()) {
        if (error && error->isEmpty()) *error = QStringLiteral("แฟ้ม app_path.txt ว่างเปล่า");
        return false;
    }
    s.DatabaseFile = s.DataFolder + QString::fromLatin1(DatabaseFileName);
    s.DbMaxConnections = 5;
    s.DbMultiUser = true;

    if (!QFileInfo(s.DatabaseFile).absoluteDir().exists()) {
        if (error) *error = QStringLiteral("ไม่พบโฟลเดอร์ข้อมูล %1").arg(s.DataFolder);
        return false;
    }
    Connection c(s.DatabaseFile);
    if (!CreateOrUpgradeDatabase(c, error)) return false;

    QSqlQuery q = c.query(QStringLiteral("select * from quorvexsys"));
    QString e;
    if (!exec(q, {}, &e)) {
        if (error) *error = e;
        return false;
    }
    if (q.next()) {
        auto v = [&q](const char* col) { return q.value(QString::fromLatin1(col)).toString(); };
        s.Business = {v("OF_NAME"), v("OF_ADD1"), v("OF_ADD2"), v("OF_ADD4"),
                      v("OF_ZIP"),  v("OF_TEL"),  v("OF_FAX"),  v("OF_EMAIL")};
    }
    return true;
}

QString BackupFileName(const QString& dataFolder, const QDate& today)
{
    return dataFolder + QStringLiteral("backup/dat_clinic%1.abs").arg(today.day());
}

bool BackupDatabase(const QString& databaseFile, const QString& backupFile, QString* error)
{
    const QFileInfo target(backupFile);
    if (!QDir().mkpath(target.absolutePath())) {
        if (error) *error = QStringLiteral("สร้างโฟลเดอร์ %1 ไม่ได้").arg(target.absolutePath());
        return false;
    }
    if (!QFileInfo::exists(databaseFile)) {
        if (error) *error = QStringLiteral("ไม่พบแฟ้มข้อมูล %1").arg(databaseFile);
        return false;
    }
    // VACUUM INTO writes a fresh file; it refuses an existing one, so the
    // snapshot goes to a temporary name and replaces the older copy only
    // once it is complete.
    const QString partial = backupFile + QStringLiteral(".part");
    QFile::remove(partial);
    {
        Connection c(databaseFile);
        if (!c.isOpen()) {
            if (error) *error = c.lastError();
            return false;
        }
        QString e;
        if (!execSql(c, QStringLiteral("VACUUM INTO :file"), {{"file", partial}}, &e)) {
            QFile::remove(partial);
            if (error) *error = e;
            return false;
        }
    }
    QFile::remove(backupFile);
    if (!QFile::rename(partial, backupFile)) {
        if (error) *error = QStringLiteral("บันทึกแฟ้ม %1 ไม่ได้").arg(backupFile);
        QFile::remove(partial);
        return false;
    }
    return true;
}
