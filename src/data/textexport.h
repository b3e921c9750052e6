#pragma once
// Text files written for other programs: code page 874 (Thai), lines ended
// by CR LF, an existing file replaced without asking.

#include <QString>
#include <QStringList>

class QSqlQuery;

// Writes the lines to the file, each followed by CR LF, in code page 874. A
// character that code page has no byte for is written as '?'. False when the
// file cannot be written.
bool WriteCp874Lines(const QString& path, const QStringList& lines);

// Writes the rows of an executed query to the file: a line of the column
// names, then a line per row, every name and value in single quotes
// (written as they are, quotes inside not escaped; a null value is empty)
// and separated by commas. Tells the user when there are no rows (nothing
// written), when the file was saved and when it could not be. True when the
// file was written.
bool ExportQueryToFile(const QString& path, QSqlQuery& query);
