#include "data/texts.h"

QString JoinNonBlank(const QStringList& parts, const QString& separator)
{
    QStringList present;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty()) present << p;
    return present.join(separator);
}

QStringList TrimmedParts(const QStringList& parts)
{
    QStringList out;
    for (const QString& p : parts) out << p.trimmed();
    return out;
}
