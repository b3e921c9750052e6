#pragma once
// Reading and writing visits and their lines. Every save that writes more
// than one row runs in one write transaction that takes the file's write
// lock at its start, so that two workstations never number two visits
// alike, never both dispense the last units of an item, and never leave a
// line without its header totals.

#include "data/connection.h"
#include "visit/visitrules.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

// The mode of a stored visit, from the kind digit of its number.
TaxMode TaxModeOfVisit(const QString& visitNumber);

// Moving through the visits of one number head by their numbers: no list is
// held open, so a head with hundreds of thousands of visits costs one index
// lookup per move.
QString FirstVisitOfHead(const Connection& c, const QString& head);
QString LastVisitOfHead(const Connection& c, const QString& head);
// The visit after (step 1) or before (step -1) a number, or empty at the end.
QString NeighbourVisit(const Connection& c, const QString& head, const QString& from, int step);
// The first visit of the head whose number starts with the text, or empty.
QString VisitStartingWith(const Connection& c, const QString& head, const QString& text);

// The visit row (every column of service), or nothing.
std::optional<QVariantMap> ReadVisit(const Connection& c, const QString& visitNumber);

// The lines of a visit in line order, every column of service1.
QList<QVariantMap> ReadVisitLines(const Connection& c, const QString& visitNumber, bool* ok = nullptr);
QList<VisitLine> AsVisitLines(const QList<QVariantMap>& rows);

// The header columns a visit save writes.
struct VisitHeader {
    QString date;          // SERV_DATE
    QString customerNo, customerName, customerCard;
    QString credit;        // CUST_CRE
    double discount = 0;   // as typed
    QString complaint;     // DAMAGE
    QString sickness, sickGroup;
    QString doctorNo, doctorName;
    double doctorPercent = 0;
    QString diagnosis;     // REM
    QString symptoms;      // REM2
    QString branch;        // OF_NO
};

enum class SaveOutcome { Saved, Refused, Failed };

struct VisitSaveResult {
    SaveOutcome outcome = SaveOutcome::Failed;
    QString number;  // the visit's number when saved
    QString error;   // the database's text when it failed
};

// Saves a new visit of the head. The first number of a head is asked
// (before the write lock is taken); the number itself is taken inside the
// transaction that inserts the visit and notes it in que.
VisitSaveResult InsertVisit(const Connection& c, const QString& head, const VisitHeader& h);
// Rewrites an existing visit; its number never changes.
VisitSaveResult UpdateVisit(const Connection& c, const QString& visitNumber, const VisitHeader& h);

// A line as the line panel saves it.
struct LineInput {
    QString itemCode, itemName, unit, group;
    bool stockItem = false; // CUT_STOCK "1"
    double quantity = 0, price = 0, discount = 0, taxRate = 0;
};

enum class LineSaveOutcome { Saved, NotEnoughStock, Failed };

struct LineSaveResult {
    LineSaveOutcome outcome = LineSaveOutcome::Failed;
    double available = 0; // the stock the check counted
    QString error;
};

// Inserts a line (editAuto 0) or updates line editAuto, in one write
// transaction with the stock check of a stock item and the rewrite of the
// visit header's totals.
LineSaveResult SaveVisitLine(const Connection& c, const QString& visitNumber, const LineInput& line, int editAuto = 0);

// Deletes a line and rewrites the header totals, in one transaction.
bool DeleteVisitLine(const Connection& c, const QString& visitNumber, int lineAuto, QString* error = nullptr);

// Recomputes a stored visit's totals from its lines and writes them into
// its header (inside the caller's transaction when there is one).
bool RewriteVisitTotals(const Connection& c, const QString& visitNumber, QString* error = nullptr);

// The stock a line of the item may take: on hand, plus what the line being
// edited already holds when it is the same item.
double AvailableForLine(const Connection& c, const QString& itemCode, int editAuto, bool* ok = nullptr);

// Lines taken over into a visit from a product set or from an earlier visit.
enum class LineSource { ProductSet, EarlierVisit };

struct CopyLinesResult {
    LineSaveOutcome outcome = LineSaveOutcome::Failed;
    QString shortItem; // the item that would run short
    QString error;
};

// Copies the lines (suit1 or service1 rows) into the visit: every stock line
// is first checked alone against what was received less what was dispensed;
// when one would run short nothing is inserted. Then the lines are inserted
// and the header totals rewritten, all in one write transaction.
CopyLinesResult CopyLinesIntoVisit(const Connection& c, const QString& visitNumber, const QList<QVariantMap>& lines,
                                   LineSource source);
