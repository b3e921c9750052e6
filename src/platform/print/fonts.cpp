#include "platform/print/fonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <QImage>

namespace {

struct Mapping {
    const char* layoutFamily; // compared case-insensitively, blanks ignored
    const char* face;
    double sizeFactor;
};

// EucrosiaUPC and AngsanaUPC are looped Thai faces with serif Latin: Norasi.
// CordiaUPC and BrowalliaUPC are looped Thai faces with sans Latin: Garuda.
// The factors are those of TLWG's own fontconfig rules for these names,
// which match the UPC faces' sizes.
const Mapping mappings[] = {
    {"EucrosiaUPC", "Norasi", 0.67},
    {"Eucrosia", "Norasi", 0.67},
    {"AngsanaUPC", "Norasi", 0.67},
    {"AngsanaNew", "Norasi", 0.67},
    {"CordiaUPC", "Garuda", 0.65},
    {"CordiaNew", "Garuda", 0.65},
    {"BrowalliaUPC", "Garuda", 0.68},
    {"BrowalliaNew", "Garuda", 0.68},
};

QString key(const QString& family)
{
    QString k = family.toLower();
    k.remove(QLatin1Char(' '));
    return k;
}

// Text is measured at 720 dpi, fine enough for every output device.
const QImage& measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(720 / 0.0254));
        image.setDotsPerMeterY(qRound(720 / 0.0254));
        return image;
    }();
    return device;
}

double devicePixelsPerMm()
{
    return measuringDevice().dotsPerMeterX() / 1000.0;
}

} // namespace

FontFace printFace(const QString& layoutFamily)
{
    const QString k = key(layoutFamily);
    for (const Mapping& m : mappings) {
        if (key(QLatin1String(m.layoutFamily)) == k)
            return {QString::fromLatin1(m.face), m.sizeFactor};
    }
    return {layoutFamily, 1.0};
}

QFont printFont(const FontSpec& wanted)
{
    const FontFace face = printFace(wanted.family);
    QFont font(face.family);
    font.setPointSizeF(std::max(1.0, wanted.pointSize * face.sizeFactor));
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

double lineHeightMm(const FontSpec& wanted)
{
    // Asked for every text box of every row: remembered per font.
    static QHash<QString, double> heights;
    const QString k = QStringLiteral("%1|%2|%3%4").arg(wanted.family).arg(wanted.pointSize).arg(wanted.bold).arg(wanted.italic);
    auto it = heights.constFind(k);
    if (it != heights.constEnd())
        return *it;
    QFontMetricsF metrics(printFont(wanted), &measuringDevice());
    const double height = metrics.height() / devicePixelsPerMm();
    heights.insert(k, height);
    return height;
}

QSizeF textSizeMm(const FontSpec& wanted, const QString& text, double widthMm, bool wordWrap)
{
    QFontMetricsF metrics(printFont(wanted), &measuringDevice());
    const double scale = devicePixelsPerMm();
    if (!wordWrap || widthMm <= 0) {
        const QSizeF size = metrics.size(0, text);
        return QSizeF(size.width() / scale, std::max(size.height(), metrics.height()) / scale);
    }
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, widthMm * scale, 1e7), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return QSizeF(bounds.width() / scale, std::max(bounds.height(), metrics.height()) / scale);
}

void registerFontSubstitutions()
{
    for (const Mapping& m : mappings)
        QFont::insertSubstitution(QString::fromLatin1(m.layoutFamily), QString::fromLatin1(m.face));
    QFont::insertSubstitution(QStringLiteral("Cordia New"), QStringLiteral("Garuda"));
    QFont::insertSubstitution(QStringLiteral("Angsana New"), QStringLiteral("Norasi"));
    QFont::insertSubstitution(QStringLiteral("Browallia New"), QStringLiteral("Garuda"));
}
