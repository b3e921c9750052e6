#pragma once
// Creating a new database file and bringing an older one up to the
// declared schema.

#include <QString>

class Connection;

// Creates every declared table and index that is missing, adds declared
// columns that an older file lacks, and inserts the single rows of the
// settings tables (quorvexsys, sevrsys, que, scale) when they are absent.
// Safe to run on every start, from several computers at once.
bool CreateOrUpgradeDatabase(const Connection& c, QString* error);
bool CreateOrUpgradeDatabase(const QString& file, QString* error);

// Whether the users table holds no user yet (the first start).
bool HasNoUsers(const Connection& c);
