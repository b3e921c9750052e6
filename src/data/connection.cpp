#include "data/connection.h"

#include "app/sharedstate.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlRecord>

namespace {
QAtomicInt counter;

QString errorText(const QSqlError& e)
{
    QString t = e.text().trimmed();
    return t.isEmpty() ? QStringLiteral("database error") : t;
}
} // namespace

Connection::Connection() : Connection(shared().DatabaseFile) {}

Connection::Connection(const QString& file)
    : name_(QStringLiteral("velinka-%1").arg(counter.fetchAndAddRelaxed(1))), file_(file)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open()) {
        error_ = errorText(db.lastError());
        return;
    }
    QSqlQuery q(db);
    // A rollback journal: the file may live on a shared folder that several
    // computers open, where the shared memory of write-ahead logging does not
    // work. Full syncs so that a committed visit survives a power cut.
    for (const char* pragma : {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL",
                               "PRAGMA foreign_keys=OFF", "PRAGMA temp_store=MEMORY"}) {
        if (!q.exec(QString::fromLatin1(pragma))) {
            error_ = errorText(q.lastError());
            db.close();
            return;
        }
    }
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool Connection::isOpen() const { return QSqlDatabase::database(name_, false).isOpen(); }

QSqlDatabase Connection::db() const { return QSqlDatabase::database(name_, false); }

QSqlQuery Connection::query(const QString& sql) const
{
    QSqlQuery q(db());
    q.prepare(sql);
    return q;
}

bool exec(QSqlQuery& q, std::initializer_list<Binding> bindings, QString* error)
{
    for (const Binding& b : bindings) {
        // An empty text is stored as an empty string, never as null, so that
        // texts joined in a statement never vanish.
        const bool nullText = b.second.typeId() == QMetaType::QString && b.second.toString().isNull();
        q.bindValue(QLatin1Char(':') + QString::fromLatin1(b.first), nullText ? QVariant(QStringLiteral("")) : b.second);
    }
    if (q.exec()) return true;
    if (error) *error = errorText(q.lastError());
    return false;
}

bool execSql(const Connection& c, const QString& sql, std::initializer_list<Binding> bindings, QString* error)
{
    if (!c.isOpen()) {
        if (error) *error = c.lastError();
        return false;
    }
    QSqlQuery q = c.query(sql);
    return exec(q, bindings, error);
}

QVariant scalar(const Connection& c, const QString& sql, std::initializer_list<Binding> bindings)
{
    if (!c.isOpen()) return {};
    QSqlQuery q = c.query(sql);
    if (!exec(q, bindings) || !q.next()) return {};
    return q.value(0);
}

QVariantMap rowMap(const QSqlQuery& q)
{
    QVariantMap m;
    const QSqlRecord r = q.record();
    for (int i = 0; i < r.count(); ++i) m.insert(r.fieldName(i).toUpper(), q.value(i));
    return m;
}

std::optional<QVariantMap> readRow(const Connection& c, const QString& sql, std::initializer_list<Binding> bindings)
{
    if (!c.isOpen()) return std::nullopt;
    QSqlQuery q = c.query(sql);
    if (!exec(q, bindings) || !q.next()) return std::nullopt;
    return rowMap(q);
}

WriteTransaction::WriteTransaction(const Connection& c) : c_(c)
{
    QSqlQuery q(c.db());
    active_ = c.isOpen() && q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!active_) error_ = c.isOpen() ? errorText(q.lastError()) : c.lastError();
}

WriteTransaction::~WriteTransaction()
{
    if (active_) {
        QSqlQuery q(c_.db());
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

bool WriteTransaction::commit()
{
    if (!active_) return false;
    QSqlQuery q(c_.db());
    if (!q.exec(QStringLiteral("COMMIT"))) {
        error_ = errorText(q.lastError());
        return false; // still active: the destructor rolls back
    }
    active_ = false;
    return true;
}

QString SaveFailedText() { return QStringLiteral("ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ "); }

QString LockedSaveFailedText()
{
    return QStringLiteral("ยังไม่สามารถบันทึกได้ตอนนี้ USER อื่น กำลัง  LOCK  ข้อมูลอยู่ รอสักครู่.  แล้วลองใหม่อีกครั้ง ... ");
}
