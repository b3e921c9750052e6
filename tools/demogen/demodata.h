#pragma once
// Seeds a data folder with a demo clinic: business details, an
// administrator, doctors, patients, items, suppliers and months of visits.
// The same generator, with larger numbers, makes the years of a busy clinic
// that the speed work measures against.

#include <QDate>
#include <QString>

class QTextStream;

struct DemoOptions {
    int months = 4;            // of visits, ending today
    int visitsPerDay = 25;
    int linesPerVisit = 4;     // on average
    int items = 120;
    int patients = 600;
    int doctors = 4;
    int suppliers = 8;
    quint32 seed = 2569;
    QDate today = QDate::currentDate();

    // About 200 visits a day, 5,000 items, 100,000 patients.
    static DemoOptions busyClinic(int years);
};

// The administrator of the demo data.
inline constexpr const char* DemoAdminUser = "admin";
inline constexpr const char* DemoAdminPassword = "1234";

// Creates folder/dat_clinic.abs (the folder is made when missing) and fills
// it. A database already there is refused, so real data is never mixed with
// demo rows.
bool GenerateDemoData(const QString& folder, const DemoOptions& options, QString* error, QTextStream* log = nullptr);
