#pragma once
// The process-wide record of start-up values, the user's level and the
// modes the main menu sets just before it opens a multi-purpose screen.

#include <QString>

struct BusinessDetails {
    QString name;     // OF_NAME
    QString add1;     // OF_ADD1
    QString add2;     // OF_ADD2
    QString province; // OF_ADD4
    QString zip;      // OF_ZIP
    QString tel;      // OF_TEL
    QString fax;      // OF_FAX
    QString email;    // OF_EMAIL
};

struct SharedState {
    QString DataFolder;     // the content of app_path.txt, ending with a separator
    QString DatabaseFile;   // DataFolder + "dat_clinic.abs"
    int DbMaxConnections = 5;
    bool DbMultiUser = true;
    BusinessDetails Business;
    int UserLevel = 0;      // 0 nobody logged in, 1..5 the user's level
    int TradeMode = 3;      // 3 goods received, 1 sale, 7 quotation
    QString BuySaleReportKind = QStringLiteral("0"); // "0" purchases, "1" sales
};

SharedState& shared();
