#include "data/textexport.h"

#include "platform/ui/messageservice.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <iconv.h>

namespace {

// Length of the UTF-8 sequence that starts with this byte.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    return 4;
}

// The text in code page 874, '?' for a character it cannot hold (an export
// is not refused for one such character); nothing when the C library has no
// converter for the code page.
std::optional<QByteArray> toCp874(const QString& text)
{
    iconv_t converter = iconv_open("CP874", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    QByteArray in = text.toUtf8();
    QByteArray out(in.size(), Qt::Uninitialized); // one byte per character at most
    char* inPtr = in.data();
    size_t inLeft = static_cast<size_t>(in.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) continue;
        if (errno != EILSEQ) {
            ok = false;
            break;
        }
        const size_t skip = std::min<size_t>(sequenceLength(static_cast<unsigned char>(*inPtr)), inLeft);
        inPtr += skip;
        inLeft -= skip;
        *outPtr++ = '?';
        --outLeft;
    }
    iconv_close(converter);
    if (!ok) return std::nullopt;
    out.truncate(out.size() - static_cast<qsizetype>(outLeft));
    return out;
}

QString quoted(const QString& text) { return u'\'' + text + u'\''; }

} // namespace

bool WriteCp874Lines(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    const std::optional<QByteArray> bytes = toCp874(text);
    if (!bytes) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(*bytes) == bytes->size() && file.flush();
}

bool ExportQueryToFile(const QString& path, QSqlQuery& query)
{
    if (!query.first()) {
        messages().information(QStringLiteral("ไม่มีรายการ..."));
        return false;
    }

    const QSqlRecord record = query.record();
    QStringList fields;
    for (int i = 0; i < record.count(); ++i) fields << quoted(record.fieldName(i));
    QStringList lines{fields.join(u',')};
    do {
        QStringList values;
        for (int i = 0; i < record.count(); ++i) {
            const QVariant value = query.value(i);
            values << quoted(value.isNull() ? QString() : value.toString());
        }
        lines << values.join(u',');
    } while (query.next());

    if (!WriteCp874Lines(path, lines)) {
        messages().information(QStringLiteral("ไม่สามารถดำเนิการได้..."));
        return false;
    }
    messages().information(QStringLiteral("บันทึกลงแฟ้ม  ") + path + QStringLiteral(" สำเร็จ..."));
    return true;
}
