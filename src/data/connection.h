#pragma once
// One database connection per window: opened when the window is created,
// closed when it is destroyed. Every connection waits for a lock held by
// another workstation for up to BusyTimeoutMs before a statement fails.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <initializer_list>
#include <optional>
#include <utility>

class Connection {
public:
    static constexpr int BusyTimeoutMs = 5000;

    // Opens the shared database file (SharedState::DatabaseFile).
    Connection();
    // Opens the given file (tests, the demo generator, maintenance).
    explicit Connection(const QString& file);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const;
    QString lastError() const { return error_; }
    QSqlDatabase db() const;
    const QString& file() const { return file_; }

    // A query prepared on this connection; false from prepare() is reported
    // by exec() through lastError().
    QSqlQuery query(const QString& sql) const;

private:
    QString name_;
    QString file_;
    QString error_;
};

using Binding = std::pair<const char*, QVariant>;

// Prepares, binds the named parameters (":pname") and executes.
// Returns false and fills *error (when given) on failure.
bool exec(QSqlQuery& q, std::initializer_list<Binding> bindings = {}, QString* error = nullptr);

// Runs one statement with bindings on a connection.
bool execSql(const Connection& c, const QString& sql, std::initializer_list<Binding> bindings = {},
             QString* error = nullptr);

// The first column of the first row of a query, or an invalid QVariant.
QVariant scalar(const Connection& c, const QString& sql, std::initializer_list<Binding> bindings = {});

// The current row of a query as column name (upper case) -> value.
QVariantMap rowMap(const QSqlQuery& q);

// The first row of a statement, or nothing when it has none or fails.
std::optional<QVariantMap> readRow(const Connection& c, const QString& sql, std::initializer_list<Binding> bindings = {});

// A write transaction that takes the write lock at its start (BEGIN
// IMMEDIATE), so that a check and the writes that follow it see the same
// data. Rolled back when destroyed without commit().
class WriteTransaction {
public:
    explicit WriteTransaction(const Connection& c);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool isActive() const { return active_; }
    QString lastError() const { return error_; }
    bool commit();

private:
    const Connection& c_;
    bool active_ = false;
    QString error_;
};

// The message of a wrapped save that fails.
QString SaveFailedText();
// The message of a visit line, trade document or trade line save that fails.
QString LockedSaveFailedText();
