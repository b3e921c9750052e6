#include "platform/ui/rowsmodel.h"

#include "data/connection.h"

#include <algorithm>

RowsModel::RowsModel(const QStringList& headers, QObject* parent) : QAbstractTableModel(parent), headers_(headers) {}

bool RowsModel::load(const Connection& c, const QString& sql, std::initializer_list<std::pair<const char*, QVariant>> bindings)
{
    QVector<QStringList> rows;
    QSqlQuery q = c.query(sql);
    q.setForwardOnly(true);
    const bool ok = exec(q, bindings);
    while (ok && q.next()) {
        QStringList r;
        r.reserve(int(headers_.size()));
        for (int i = 0; i < headers_.size(); ++i) r << q.value(i).toString();
        rows.append(std::move(r));
    }
    q.finish();
    setRows(std::move(rows));
    return ok;
}

void RowsModel::setRows(QVector<QStringList> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int RowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int RowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(headers_.size()); }

QVariant RowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return text(index.row(), index.column());
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return headers_.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString RowsModel::text(int row, int column) const
{
    return row >= 0 && row < rows_.size() ? rows_.at(row).value(column) : QString();
}

int RowsModel::findPrefix(int column, const QString& text, bool sorted) const
{
    if (sorted) {
        const auto it = std::lower_bound(rows_.cbegin(), rows_.cend(), text,
                                         [column](const QStringList& r, const QString& t) { return r.value(column) < t; });
        if (it != rows_.cend() && it->value(column).startsWith(text)) return int(it - rows_.cbegin());
        // An order the database made differently from ours: fall back to a scan.
    }
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_.at(i).value(column).startsWith(text)) return i;
    return -1;
}

int RowsModel::findIgnoringCase(int column, const QString& text) const
{
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_.at(i).value(column).compare(text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}
