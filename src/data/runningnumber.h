#pragma once
// Running document numbers (visits, trade documents): 11 characters, the
// head (a 4-character prefix and a kind digit) and a 6-digit running part
// with leading zeros. Every head has its own sequence; the first number of a
// head is asked once, every later one is the highest stored number plus one.

#include <QString>

#include <optional>

// The first five characters of the numbers of a prefix and kind digit.
QString DocumentHead(const QString& prefix, const QString& kindDigit);

// Asks the user for the first running part of a head (cancelling gives
// "000001") and tells at once when the answer is not a whole number or not
// 6 characters long; gives the head and the answer as typed.
QString AskFirstDocumentNumber(const QString& head);

// The number after the last stored number of the head: its running part
// (characters 6 to 11) plus one, zero-filled to 6 digits. A running part
// that is no number is kept unchanged, for AcceptDocumentNumber to refuse.
QString NumberAfter(const QString& head, const QString& lastNumber);

// Yes when the running part (characters 6 on) is exactly 6 characters, a
// whole number and not negative. Tells the user when the part is no number
// and when it has passed 999999; a wrong length was told when the number
// was asked, and a negative first number is refused without a message.
bool AcceptDocumentNumber(const QString& number);

// The number for a new document of the head: asked when the head has no
// stored number yet, else the number after the last one; nothing when it
// is refused (the document is then not saved).
std::optional<QString> NewDocumentNumber(const QString& head, const QString& lastStoredNumber);

class Connection;

// The highest stored number under a head in a document table's number
// column (e.g. service.SERV_NO), or empty when the head has none. Numbers
// under one head all have a 6-digit running part, so the highest text is
// the highest number; the lookup reads the column's unique index.
QString LastStoredNumber(const Connection& c, const QString& table, const QString& column, const QString& head);

// Notes a new number in its column of the number record (que).
bool NoteLastNumber(const Connection& c, const QString& queColumn, const QString& number);
