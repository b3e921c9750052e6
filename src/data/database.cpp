#include "data/database.h"

#include "data/connection.h"
#include "data/schema.h"

#include <QSet>
#include <QSqlError>
#include <QSqlRecord>

namespace {

bool run(const Connection& c, const QString& sql, QString* error)
{
    QSqlQuery q(c.db());
    if (q.exec(sql)) return true;
    if (error) *error = q.lastError().text() + QStringLiteral("\n") + sql;
    return false;
}

QSet<QString> existingColumns(const Connection& c, const QString& table)
{
    QSet<QString> names;
    QSqlQuery q(c.db());
    q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    while (q.next()) names.insert(q.value(1).toString().toUpper());
    return names;
}

// Starting values of a new data folder: the business row to be filled in
// on the settings screens, the number prefixes, blank-paper printing, no
// VAT, no cash drawer.
const char* const startingRows[] = {
    "INSERT INTO quorvexsys (OF_NO, OF_NAME, OF_ADD1, OF_ADD2, OF_ADD4, OF_ZIP, OF_TAXID, OF_TEL,"
    " PREFIX1, PREFIX2, PREFIX3, PREFIX4, PREFIX5, PREFIX6, PREFIX7, PREFIX8,"
    " LINE1, LINE4, LINE5, VIEW1, PRN_TOP, PRN_LEFT, COM_PORT, TYPE_VAT, HIDE_DATE)"
    " SELECT '0', 'ชื่อคลินิก (แก้ไขที่ ข้อมูลอ้างอิง / สถานประกอบการ)', '', '', '', '', '', '',"
    " 'DN01', 'TI01', 'RC01', 'RV01', 'PO01', 'PV01', 'QT01', 'QV01',"
    " '1', '0', '0', '0', 0, 0, '0', '0', '1'"
    " WHERE NOT EXISTS (SELECT 1 FROM quorvexsys)",

    "INSERT INTO sevrsys (SERV_NO, PREFIX1, PREFIX2, PREFIX3, PREFIX4, LINE2, BLANK, CATAGORY, F_PER1,"
    " PAPER, PAPER1, LOGO, PRN_TOP, PRN_LEFT, COM_PORT, LABEL_TOP, LABEL_LEFT, CARD_TYPE)"
    " SELECT '0', 'SV01', 'SV02', 'RC01', 'RV01', 'ใบเสร็จรับเงิน', 0, '0', '0',"
    " 0, 0, 0, 0, 0, '0', 0, 0, '0'"
    " WHERE NOT EXISTS (SELECT 1 FROM sevrsys)",

    "INSERT INTO que (QUE_NO) SELECT '0' WHERE NOT EXISTS (SELECT 1 FROM que)",

    "INSERT INTO scale (SCALE1, SCALE2, SCALE3, SCALE4, SCALE5, SCALE6, SCALE7, SCALE8, ATTRIB)"
    " SELECT 1, 1, 1, 1, 1, 1, 1, 1, '' WHERE NOT EXISTS (SELECT 1 FROM scale)",
};

} // namespace

bool CreateOrUpgradeDatabase(const Connection& c, QString* error)
{
    if (!c.isOpen()) {
        if (error) *error = c.lastError();
        return false;
    }
    WriteTransaction tx(c);
    if (!tx.isActive()) {
        if (error) *error = tx.lastError();
        return false;
    }
    for (const TableDef& t : Tables()) {
        if (t.memory) continue;
        if (!run(c, CreateTableSql(t), error)) return false;
        const QSet<QString> have = existingColumns(c, t.name);
        for (const ColumnDef& col : t.columns) {
            if (have.contains(col.name.toUpper()) || col.type == ColumnType::AutoInc) continue;
            if (!run(c, QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN %2").arg(t.name, ColumnSql(col)), error))
                return false;
        }
        for (const QString& ix : CreateIndexSql(t))
            if (!run(c, ix, error)) return false;
    }
    for (const char* sql : startingRows)
        if (!run(c, QString::fromUtf8(sql), error)) return false;
    if (!tx.commit()) {
        if (error) *error = tx.lastError();
        return false;
    }
    return true;
}

bool CreateOrUpgradeDatabase(const QString& file, QString* error)
{
    Connection c(file);
    return CreateOrUpgradeDatabase(c, error);
}

bool HasNoUsers(const Connection& c)
{
    return scalar(c, QStringLiteral("select count(*) from market")).toInt() == 0;
}
