#pragma once
// A fresh data folder with a new database in a temporary directory, and
// the shared state pointed at it, for one test.

#include "data/connection.h"

#include <QTemporaryDir>

#include <memory>

class DataFolderFixture {
public:
    DataFolderFixture();
    ~DataFolderFixture();

    QString folder() const;       // ends with '/'
    QString databaseFile() const;
    const Connection& db() const { return *db_; }

    // Adds a user to the users table.
    void addUser(const QString& user, const QString& password, int level, const QString& name = QStringLiteral("ผู้ใช้"));

private:
    QTemporaryDir dir_;
    std::unique_ptr<Connection> db_;
};

// Runs SQL on the fixture and fails the test on error.
#define FIXTURE_SQL(fixture, sql, ...)                                                                    \
    do {                                                                                                  \
        QString fixtureError_;                                                                            \
        QVERIFY2(execSql((fixture).db(), QStringLiteral(sql), {__VA_ARGS__}, &fixtureError_),             \
                 qPrintable(fixtureError_));                                                              \
    } while (0)
