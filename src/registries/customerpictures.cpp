#include "registries/customerpictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString PictureFolder(const QString& dataFolder) { return dataFolder + QStringLiteral("pict_member/"); }

QString PictureFileName(const QString& customerNo, int n)
{
    return customerNo + QLatin1Char('_') + QString::number(n) + QStringLiteral(".jpg");
}

bool IsPictureNumber(const QString& customerNo)
{
    if (customerNo.isEmpty()) return false;
    for (const QChar c : customerNo)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.category() == QChar::Other_Control)
            return false;
    return true;
}

QString PicturePath(const QString& folder, const QString& customerNo, int n)
{
    if (!IsPictureNumber(customerNo)) return {};
    return folder + PictureFileName(customerNo, n);
}

LoadedPicture LoadCustomerPicture(const QString& folder, const QString& customerNo, int n)
{
    LoadedPicture p;
    const QString path = PicturePath(folder, customerNo, n);
    if (!path.isEmpty() && QFileInfo(path).isFile()) p.image.load(path);
    p.found = !p.image.isNull();
    if (!p.found) p.image.load(folder + QStringLiteral("temp.jpg"));
    return p;
}

bool StoreCustomerPicture(const QString& folder, const QString& customerNo, int n, const QString& chosenFile,
                          QString* error)
{
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QString target = PicturePath(folder, customerNo, n);
    if (target.isEmpty()) return fail(QStringLiteral("the customer number cannot name a file"));
    const QFileInfo source(chosenFile);
    if (!source.isFile()) return fail(QStringLiteral("no file %1").arg(chosenFile));
    if (!QDir().mkpath(folder)) return fail(QStringLiteral("cannot make the folder %1").arg(folder));
    const QFileInfo existing(target);
    // Removing the target first would remove the very file chosen.
    if (existing.exists() && existing.canonicalFilePath() == source.canonicalFilePath()) return true;
    // Copy beside the target first, so that a failed copy keeps the old picture.
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(chosenFile, part)) return fail(QStringLiteral("cannot copy %1 to %2").arg(chosenFile, part));
    if (existing.exists() && !QFile::remove(target)) {
        QFile::remove(part);
        return fail(QStringLiteral("cannot replace %1").arg(target));
    }
    if (!QFile::rename(part, target)) return fail(QStringLiteral("cannot rename %1 to %2").arg(part, target));
    return true;
}

void MoveCustomerPictures(const QString& folder, const QString& formerNo, const QString& newNo)
{
    for (int n = 1; n <= CustomerPictureCount; ++n) {
        const QString from = PicturePath(folder, formerNo, n);
        const QString to = PicturePath(folder, newNo, n);
        if (from.isEmpty() || to.isEmpty() || from == to || !QFileInfo::exists(from) || QFileInfo::exists(to)) continue;
        QFile::rename(from, to);
    }
}
