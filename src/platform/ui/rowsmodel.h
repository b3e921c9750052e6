#pragma once
// A read-only table of texts read fully from a query: lists that must not
// hold a statement open (an open read blocks other computers' saves).

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class Connection;

class RowsModel : public QAbstractTableModel {
public:
    explicit RowsModel(const QStringList& headers, QObject* parent = nullptr);

    // Replaces the rows with the result of the statement (one column per header).
    bool load(const Connection& c, const QString& sql, std::initializer_list<std::pair<const char*, QVariant>> bindings = {});
    void setRows(QVector<QStringList> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString text(int row, int column) const;
    // The first row whose column starts with the text (letter case counts),
    // or -1. A column the list is sorted by is searched by halving.
    int findPrefix(int column, const QString& text, bool sorted = true) const;
    // The first row whose column equals the text without regard to letter case, or -1.
    int findIgnoringCase(int column, const QString& text) const;

private:
    QStringList headers_;
    QVector<QStringList> rows_;
};
