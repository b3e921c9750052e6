#include "data/runningnumber.h"

#include "data/connection.h"
#include "data/numbers.h"
#include "platform/ui/messageservice.h"

namespace {

// A whole number: an optional minus sign and digits, nothing else (no
// blanks, no plus sign, which would otherwise end up inside a stored number).
std::optional<qlonglong> readWholeNumber(const QString& text)
{
    const QString digits = text.startsWith(u'-') ? text.mid(1) : text;
    if (digits.isEmpty()) return std::nullopt;
    for (QChar c : digits)
        if (c < u'0' || c > u'9') return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

constexpr int kRunningStart = 5; // the running part begins at character 6
constexpr int kRunningWidth = 6;

} // namespace

QString DocumentHead(const QString& prefix, const QString& kindDigit) { return prefix + kindDigit; }

QString AskFirstDocumentNumber(const QString& head)
{
    const QString answer = messages().inputBox(QStringLiteral("กำหนดเลขที่ใบสำคัญครั้งแรก"),
                                               QStringLiteral("เลขจำนวน 6 หลัก เช่น 001007 ค่าโดยปริยาย 000001"),
                                               QStringLiteral("000001"));
    if (!readWholeNumber(answer))
        messages().information(QStringLiteral("ต้องเป็นตัวเลข จำนวน 6 หลัก ยกเลิกแล้วเริ่มต้นใหม่ นะ."));
    if (answer.size() != kRunningWidth)
        messages().information(QStringLiteral("ไม่ครบ 6 หลัก ยกเลิกแล้วเริ่มต้นใหม่ นะ."));
    return head + answer;
}

QString NumberAfter(const QString& head, const QString& lastNumber)
{
    const QString running = lastNumber.mid(kRunningStart, kRunningWidth);
    const std::optional<qlonglong> value = readWholeNumber(running);
    if (!value) return head + running;
    return head + ZeroPad(QString::number(*value + 1), kRunningWidth);
}

bool AcceptDocumentNumber(const QString& number)
{
    const QString running = number.mid(kRunningStart);
    const std::optional<qlonglong> value = readWholeNumber(running);
    if (!value) {
        messages().information(
            QStringLiteral(" ยังไม่สามารถกำหนดเลขที่ใบสำคัญตอนนี้ได้ ... รอสักครู่ และดำเนินการใหม่อีกครั้ง"));
        return false;
    }
    if (*value > 999999) {
        messages().information(
            QStringLiteral("เลขที่ใบสำคัญเกิน 999999 แล้ว ไม่สามารถบันทึกได้ กรุณาเปลี่ยนรหัสนำหน้าเลขที่ใบสำคัญ"));
        return false;
    }
    // A minus sign is refused even on zeros ("-00000"): it must never be
    // stored inside a document number. The answer was a whole number of six
    // characters, so nothing was told when it was asked; the document stays
    // unsaved on screen.
    return running.size() == kRunningWidth && !running.startsWith(u'-');
}

std::optional<QString> NewDocumentNumber(const QString& head, const QString& lastStoredNumber)
{
    const QString number =
        lastStoredNumber.isEmpty() ? AskFirstDocumentNumber(head) : NumberAfter(head, lastStoredNumber);
    if (!AcceptDocumentNumber(number)) return std::nullopt;
    return number;
}

QString LastStoredNumber(const Connection& c, const QString& table, const QString& column, const QString& head)
{
    // Table and column names come from the program, never from the user.
    // The range keeps the search inside the head on the index; the prefix
    // test repeats the head check for heads shorter than five characters.
    QString upper = head;
    if (!upper.isEmpty()) upper[upper.size() - 1] = QChar(upper.back().unicode() + 1);
    QSqlQuery q = c.query(QStringLiteral("select max(%2) from %1 where %2 >= :head_bill and %2 < :head_next"
                                         " and substr(%2, 1, 5) = :head_bill")
                              .arg(table, column));
    if (!exec(q, {{"head_bill", head}, {"head_next", upper}}) || !q.next()) return {};
    return q.value(0).toString();
}

bool NoteLastNumber(const Connection& c, const QString& queColumn, const QString& number)
{
    return execSql(c, QStringLiteral("update que set %1 =:pnumber where que_no =:pno").arg(queColumn),
                   {{"pnumber", number}, {"pno", QStringLiteral("0")}});
}
