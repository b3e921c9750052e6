#include "platform/print/pagemodel.h"

const PageItem* DocumentPage::findText(const QString& text) const
{
    for (const PageItem& item : items) {
        if (item.kind == PageItem::Kind::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

QList<PageItem> DocumentPage::named(const QString& name) const
{
    QList<PageItem> found;
    for (const PageItem& item : items) {
        if (item.name == name)
            found.append(item);
    }
    return found;
}

QStringList DocumentPage::texts() const
{
    QStringList all;
    for (const PageItem& item : items) {
        if (item.kind == PageItem::Kind::Text)
            all.append(item.text);
    }
    return all;
}

QSizeF PageDocument::paperSizeMm() const
{
    const QSizeF portrait = pageSize.size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? portrait.transposed() : portrait;
}
