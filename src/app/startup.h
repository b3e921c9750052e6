#pragma once
// Start-up: the data folder from app_path.txt, the database file, and the
// business details copied into the shared state; the backup copy on exit.

#include <QDate>
#include <QString>

// The name of the file in the working folder that holds the data folder path.
inline constexpr const char* AppPathFileName = "app_path.txt";
inline constexpr const char* DatabaseFileName = "dat_clinic.abs";

// The data folder written in app_path.txt: the file's whole content; only
// line breaks at its end are dropped (an editor adds one). Empty with *error
// set when the file cannot be read.
QString ReadDataFolder(const QString& workingFolder, QString* error);

// Fills the shared state: DataFolder, DatabaseFile, the connection settings,
// the business details; creates a missing database file with its tables and
// starting rows, and brings an older one up to the current tables. The
// user's level starts at 0. Returns false with *error on the first failing
// step; the values found before it stay set.
bool LoadStartup(const QString& workingFolder, QString* error);

// DataFolder + "backup/dat_clinic" + the day of the month + ".abs".
QString BackupFileName(const QString& dataFolder, const QDate& today);

// Writes a consistent snapshot of the database (taken through SQLite, so a
// write in progress on another computer is never half copied) to the backup
// copy of today, replacing an older copy of the same day number. Creates the
// backup folder when it is missing.
bool BackupDatabase(const QString& databaseFile, const QString& backupFile, QString* error);
