#pragma once
// A read-only list over a large table (years of visits), read a page of
// rows at a time by position in an indexed order. Each page is read with a
// statement that is finished at once, so the list never holds a read lock
// while it is shown.

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVariantMap>

class Connection;

class PagedModel : public QAbstractTableModel {
public:
    // select <columns> from <from> [where <where>] order by <orderBy>;
    // the where clause may use named parameters given in bindings.
    PagedModel(const Connection& c, const QStringList& headers, QObject* parent = nullptr);

    void setQuery(const QString& columns, const QString& from, const QString& where, const QVariantMap& bindings,
                  const QString& orderBy);
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString text(int row, int column) const;
    // The first row whose order column is not below the text, when its value
    // starts with the text (letter case counts); else -1. The order column
    // is the first expression of orderBy.
    int findPrefix(const QString& text) const;

    static constexpr int PageRows = 200;

private:
    const Connection& c_;
    QStringList headers_;
    QString columns_, from_, where_, orderBy_;
    QVariantMap bindings_;
    int rows_ = 0;
    mutable QHash<int, QList<QStringList>> pages_;
};
