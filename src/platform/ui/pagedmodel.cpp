#include "platform/ui/pagedmodel.h"

#include "data/connection.h"

PagedModel::PagedModel(const Connection& c, const QStringList& headers, QObject* parent)
    : QAbstractTableModel(parent), c_(c), headers_(headers)
{
}

void PagedModel::setQuery(const QString& columns, const QString& from, const QString& where, const QVariantMap& bindings,
                          const QString& orderBy)
{
    columns_ = columns;
    from_ = from;
    where_ = where;
    bindings_ = bindings;
    orderBy_ = orderBy;
    reload();
}

namespace {
void bindAll(QSqlQuery& q, const QVariantMap& bindings)
{
    for (auto it = bindings.cbegin(); it != bindings.cend(); ++it) q.bindValue(QLatin1Char(':') + it.key(), it.value());
}
} // namespace

void PagedModel::reload()
{
    beginResetModel();
    pages_.clear();
    QSqlQuery q = c_.query(QStringLiteral("select count(*) from %1%2").arg(from_, where_.isEmpty() ? QString() : QStringLiteral(" where ") + where_));
    bindAll(q, bindings_);
    rows_ = q.exec() && q.next() ? q.value(0).toInt() : 0;
    q.finish();
    endResetModel();
}

int PagedModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int PagedModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(headers_.size()); }

QString PagedModel::text(int row, int column) const
{
    if (row < 0 || row >= rows_) return {};
    const int number = row / PageRows;
    auto it = pages_.find(number);
    if (it == pages_.end()) {
        if (pages_.size() > 50) pages_.clear(); // keep a few thousand rows at most
        QList<QStringList> rows;
        QSqlQuery q = c_.query(QStringLiteral("select %1 from %2%3 order by %4 limit %5 offset %6")
                                   .arg(columns_, from_, where_.isEmpty() ? QString() : QStringLiteral(" where ") + where_,
                                        orderBy_)
                                   .arg(PageRows)
                                   .arg(number * PageRows));
        q.setForwardOnly(true);
        bindAll(q, bindings_);
        if (q.exec()) {
            while (q.next()) {
                QStringList r;
                for (int i = 0; i < headers_.size(); ++i) r << q.value(i).toString();
                rows.append(r);
            }
        }
        q.finish();
        it = pages_.insert(number, rows);
    }
    return it->value(row % PageRows).value(column);
}

QVariant PagedModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return text(index.row(), index.column());
}

QVariant PagedModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return headers_.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

int PagedModel::findPrefix(const QString& text) const
{
    const QString key = orderBy_.section(QLatin1Char(','), 0, 0).trimmed();
    QString where = where_.isEmpty() ? QString() : QStringLiteral("(") + where_ + QStringLiteral(") and ");
    QSqlQuery q = c_.query(QStringLiteral("select count(*) from %1 where %2%3 < :prefix_text").arg(from_, where, key));
    bindAll(q, bindings_);
    q.bindValue(QStringLiteral(":prefix_text"), text);
    const int row = q.exec() && q.next() ? q.value(0).toInt() : -1;
    q.finish();
    if (row < 0 || row >= rows_) return -1;
    // The order column is the first of the listed columns that matches the key.
    const QStringList cols = columns_.split(QLatin1Char(','));
    int column = 0;
    for (int i = 0; i < cols.size(); ++i)
        if (cols.at(i).trimmed().compare(key, Qt::CaseInsensitive) == 0) column = i;
    return this->text(row, column).startsWith(text) ? row : -1;
}
