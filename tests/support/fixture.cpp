#include "support/fixture.h"

#include "app/sharedstate.h"
#include "data/database.h"

#include <QtTest>

DataFolderFixture::DataFolderFixture()
{
    SharedState& s = shared();
    s = SharedState();
    s.DataFolder = folder();
    s.DatabaseFile = databaseFile();
    QString error;
    if (!CreateOrUpgradeDatabase(s.DatabaseFile, &error)) qFatal("cannot create the test database: %s", qPrintable(error));
    db_ = std::make_unique<Connection>(s.DatabaseFile);
}

DataFolderFixture::~DataFolderFixture() = default;

QString DataFolderFixture::folder() const { return dir_.path() + QLatin1Char('/'); }

QString DataFolderFixture::databaseFile() const { return folder() + QStringLiteral("dat_clinic.abs"); }

void DataFolderFixture::addUser(const QString& user, const QString& password, int level, const QString& name)
{
    QString error;
    if (!execSql(*db_, QStringLiteral("insert into market (USRNAME, PASSWD, NAME, AC1) values (:u, :p, :n, :l)"),
                 {{"u", user}, {"p", password}, {"n", name}, {"l", level}}, &error))
        qFatal("cannot add user: %s", qPrintable(error));
}
