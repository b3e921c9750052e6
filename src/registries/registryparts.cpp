#include "registries/registryparts.h"

#include "data/terms.h"
#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/registryscreen.h"

#include <QPushButton>

QString NoCodeText() { return QStringLiteral("ไม่มีข้อมูลรหัสลูกค้า ... "); }
QString CancelledText() { return QStringLiteral("ข้อมูล ถูกยกเลิก... "); }
QString CreditWrongText() { return QStringLiteral("ข้อมูลเครดิตไม่ถูกต้อง"); }

RegistryConfig CodeRegistry(const QString& table, const QString& key, const QString& nameColumn,
                            const QString& codeTitle, const QString& nameTitle)
{
    RegistryConfig c;
    c.table = table;
    c.key = key;
    c.listGrid = false;
    c.showRow = true;
    c.requiredColumn = key;
    c.requiredText = NoCodeText();
    c.cancelText = CancelledText();
    c.afterCancel = RegistryRow::Last;
    c.afterDelete = RegistryRow::Last;
    c.search = {{QStringLiteral("รหัส"), QStringLiteral("รหัสที่ต้องการค้นหา"), key,
                 RegistrySearch::Match::WholeIgnoringCase},
                {QStringLiteral("ชื่อ"), QStringLiteral("ชื่อที่ต้องการค้นหา"), nameColumn, RegistrySearch::Match::Prefix}};
    c.searchPreset = 1;
    c.searchColumns = {{.column = key, .title = codeTitle}, {.column = nameColumn, .title = nameTitle}};
    c.searchBeside = nameColumn;
    return c;
}

RegistryField CreditTermField(const QString& column)
{
    return {.column = column, .label = QStringLiteral("เครดิต"), .kind = RegistryField::Kind::Combo,
            .items = CreditTerms(), .editable = true, .notListedText = CreditWrongText(),
            .addValue = QStringLiteral("สด")};
}

void AddEnvelopeButton(RegistryScreen& s, Addressee who, const QString& toolTip)
{
    QPushButton* b = s.addButton("btnEnvelope", QStringLiteral("ซอง จม."));
    if (!toolTip.isEmpty()) b->setToolTip(toolTip);
    QObject::connect(b, &QPushButton::clicked, &s, [&s, who] {
        if (s.currentRow() < 0) return;
        QString error;
        const std::optional<PageDocument> doc =
            EnvelopeDocument(s.connection(), who, s.rowValue(s.config().key).toString(), &error);
        if (!doc) {
            messages().error(error);
            return;
        }
        showPrintPreview(*doc, &s);
    });
}
