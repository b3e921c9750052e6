#pragma once
// The database schema, declared once as data. The DDL, the field length
// limits of the screens and the tests all read this declaration.

#include <QList>
#include <QString>
#include <QStringList>

enum class ColumnType { Text, Float, SmallInt, Integer, AutoInc, Memo, Graphic };

struct ColumnDef {
    QString name;
    ColumnType type;
    int width = 0; // characters, for Text
};

struct IndexDef {
    QStringList columns;     // a plain index over these columns
    QString dateKeyColumn;   // or: an expression index on the date key of this column
    bool unique = false;
};

struct TableDef {
    QString name;
    QString key;        // the column that identifies a row
    bool memory = false; // a working table, created per connection and never in the file
    QList<ColumnDef> columns;
    QList<IndexDef> indexes; // besides the unique index on the key

    const ColumnDef* column(const QString& name) const; // case-insensitive
};

// Every table, in a fixed order.
const QList<TableDef>& Tables();
// A table by name (case-insensitive), or nullptr.
const TableDef* FindTable(const QString& name);
// The declared width of a text column; 0 for other types or unknown columns.
int ColumnWidth(const QString& table, const QString& column);

// The date key (yyyymmdd, Buddhist era) of a dd/mm/yyyy date text column,
// as an SQL expression. Range filters compare it with parameters built by
// DateKey(); the expression index of the column is built from the same text,
// so such a filter is answered from the index.
QString DateKeySql(const QString& column);

// The column clause of a CREATE TABLE or ALTER TABLE ADD COLUMN.
QString ColumnSql(const ColumnDef& column, bool isKey = false);
QString CreateTableSql(const TableDef& table);
QStringList CreateIndexSql(const TableDef& table);
// A temporary table with the declared columns (the working tables).
QString CreateMemoryTableSql(const TableDef& table);
