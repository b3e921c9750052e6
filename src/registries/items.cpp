#include "registries/items.h"

#include "data/stock.h"
#include "platform/barcode/barcode.h"
#include "platform/barcode/barcodewidget.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/registryscreen.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QSqlRecord>

#include <functional>
#include <memory>

namespace {

using Kind = RegistryField::Kind;

QString S(const char* text) { return QString::fromUtf8(text); }

const QStringList& priceLevels()
{
    static const QStringList levels = {QStringLiteral("PRO_SP2"), QStringLiteral("PRO_SP3"), QStringLiteral("PRO_SP4"),
                                       QStringLiteral("PRO_SP5")};
    return levels;
}

// Enter moves on in these orders; choosing an entry of a drop-down list
// moves on the same way. The code goes to the name after its EAN-13 step.
const QList<QStringList>& enterOrder()
{
    static const QList<QStringList> order = {
        {QStringLiteral("PRO_NO"), QStringLiteral("PRO_NAME")},
        {QStringLiteral("PRO_NAME"), QStringLiteral("PRO_UNIT"), QStringLiteral("PRO_GROUP"), QStringLiteral("HOW_TYPE"),
         QStringLiteral("REM"), QStringLiteral("HOW_TO_1"), QStringLiteral("HOW_TO_2"), QStringLiteral("HOW_TO_3"),
         QStringLiteral("HOW_TO_4"), QStringLiteral("CUT_STOCK"), QStringLiteral("HOW_TYPE")},
        {QStringLiteral("TAX_RATE"), QStringLiteral("PRO_BPRICE"), QStringLiteral("PRO_SPRICE"),
         QStringLiteral("PRO_RORDER"), QStringLiteral("WARN_TERM"), QStringLiteral("PRO_NO")},
    };
    return order;
}

// The warranty entries of the item's drop-down list.
QStringList warrantyEntries()
{
    return {QString(), S("3 ว."), S("7 ว."), S("30 ว."), S("45 ว."), S("90 ว."), S("120 ว."), S("180 ว."), S("1 ด."),
            S("2 ด."), S("3 ด."), S("4 ด."), S("5 ด."), S("6 ด."), S("1 ป."), S("2 ป."), S("3 ป.")};
}

// What one registry window keeps beside the registry screen's own state.
struct ItemWindow {
    QPointer<QLabel> stock;
    QPointer<QLabel> unitEcho;
    QPointer<BarcodeWidget> barcode;
    QPointer<QRadioButton> eanOn;
    bool listsLoaded = false;
    bool savingEdit = false;
    QString savedCode;
};

// Runs a function on an event of a watched widget; returns what it returns
// (true eats the event).
class EventHook : public QObject {
public:
    EventHook(QObject* watched, QEvent::Type type, std::function<bool(QEvent*)> run)
        : QObject(watched), type_(type), run_(std::move(run))
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == type_ && run_(e); }

private:
    QEvent::Type type_;
    std::function<bool(QEvent*)> run_;
};

bool isEnter(QEvent* e)
{
    const auto* k = static_cast<QKeyEvent*>(e);
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier;
}

// The second column of every row of a lookup table, fully read.
QStringList lookupEntries(const Connection& c, const QString& sql)
{
    QStringList entries;
    QSqlQuery q = c.query(sql);
    q.setForwardOnly(true);
    if (exec(q))
        while (q.next()) entries << q.value(1).toString();
    q.finish();
    return entries;
}

void fillList(RegistryScreen& s, const QString& column, const QStringList& entries)
{
    auto* combo = qobject_cast<QComboBox*>(s.field(column));
    if (!combo) return;
    const QString shown = combo->currentText();
    combo->clear();
    combo->addItems(entries);
    combo->setEditText(shown);
}

// The multi-line indications, at most 200 characters, stored trimmed.
RegistryField indicationsField()
{
    RegistryField f{.column = QStringLiteral("REM"), .label = S("สรรพคุณ"), .kind = Kind::Custom};
    f.create = [](QWidget* parent) -> QWidget* {
        auto* e = new QPlainTextEdit(parent);
        e->setTabChangesFocus(true);
        e->setMaximumHeight(e->fontMetrics().lineSpacing() * 3 + 12);
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [e] {
            const QString text = e->toPlainText();
            if (text.size() <= 200) return;
            e->setPlainText(text.left(200));
            e->moveCursor(QTextCursor::End);
        });
        return e;
    };
    f.get = [](QWidget* w) -> QVariant { return static_cast<QPlainTextEdit*>(w)->toPlainText().trimmed(); };
    f.set = [](QWidget* w, const QVariant& v) { static_cast<QPlainTextEdit*>(w)->setPlainText(v.toString()); };
    return f;
}

void showStock(RegistryScreen& s, ItemWindow& w)
{
    if (!w.stock) return;
    if (s.currentRow() < 0) {
        w.stock->clear();
        return;
    }
    bool ok = false;
    const double stock = StockOnHand(s.connection(), s.rowValue(QStringLiteral("PRO_NO")).toString(), &ok);
    w.stock->setText(ok ? StockText(stock) : QString());
}

// The code drawn as its EAN-13 symbol; a code that is not 12 or 13 digits
// draws nothing (the component would pad a shorter one into another code).
void showSymbol(ItemWindow& w, const QString& code)
{
    if (!w.barcode) return;
    const bool ean = WithEan13CheckDigit(code) != code || IsValidEan13(code);
    w.barcode->setText(ean ? code : QString());
}

// The extra widgets and the behaviour of the fields beyond the pattern.
void setUp(RegistryScreen& s, const std::shared_ptr<ItemWindow>& w)
{
    // Stock on hand and the unit, beside the reorder point.
    if (QHBoxLayout* beside = s.besideField(QStringLiteral("PRO_RORDER"))) {
        w->unitEcho = new QLabel(&s);
        w->unitEcho->setObjectName(QStringLiteral("lblUnitEcho"));
        auto* title = new QLabel(S("คงเหลือ"), &s);
        title->setObjectName(QStringLiteral("lblStockTitle"));
        w->stock = new QLabel(&s);
        w->stock->setObjectName(QStringLiteral("lblStock"));
        w->stock->setMinimumWidth(80);
        beside->insertWidget(0, w->unitEcho);
        beside->insertWidget(1, title);
        beside->insertWidget(2, w->stock);
        beside->insertSpacing(1, 24);
    }
    auto* unit = qobject_cast<QLineEdit*>(s.field(QStringLiteral("PRO_UNIT")));
    QObject::connect(unit, &QLineEdit::textChanged, &s, [w](const QString& text) {
        if (w->unitEcho) w->unitEcho->setText(text);
    });

    // The EAN-13 option and the symbol of the code.
    auto* code = qobject_cast<QLineEdit*>(s.field(QStringLiteral("PRO_NO")));
    if (QHBoxLayout* beside = s.besideField(QStringLiteral("PRO_NO"))) {
        auto* box = new QGroupBox(S("กำหนดรหัสหลักที่ 13 อัตโนมัติ"), &s);
        box->setObjectName(QStringLiteral("grpEan"));
        auto* row = new QHBoxLayout(box);
        auto* off = new QRadioButton(S("ไม่กำหนด"), box);
        off->setObjectName(QStringLiteral("rbEanOff"));
        w->eanOn = new QRadioButton(S("กำหนด"), box);
        w->eanOn->setObjectName(QStringLiteral("rbEanOn"));
        auto* group = new QButtonGroup(box);
        group->addButton(off);
        group->addButton(w->eanOn);
        off->setChecked(true);
        row->addWidget(off);
        row->addWidget(w->eanOn);
        w->barcode = new BarcodeWidget(Symbology::Ean13, &s);
        w->barcode->setObjectName(QStringLiteral("barcode"));
        w->barcode->setMinimumSize(150, 60);
        beside->insertWidget(beside->count() - 1, box);
        beside->insertWidget(beside->count() - 1, w->barcode);
    }
    QObject::connect(code, &QLineEdit::textChanged, &s, [w](const QString& text) { showSymbol(*w, text); });
    // Enter: the code goes through the barcode component first; with the
    // option set the field takes the code with its check digit. The focus
    // then moves to the name, and leaving the field checks the final code.
    new EventHook(code, QEvent::KeyPress, [&s, code, w](QEvent* e) {
        if (!isEnter(e) || s.mode() == QLatin1String("normal")) return false;
        showSymbol(*w, code->text());
        if (w->eanOn && w->eanOn->isChecked()) {
            const QString withCheck = WithEan13CheckDigit(code->text());
            if (withCheck != code->text()) code->setText(withCheck);
        }
        return false;
    });

    // Enter in the sale price while adding copies it into the price levels.
    auto* price = qobject_cast<QLineEdit*>(s.field(QStringLiteral("PRO_SPRICE")));
    new EventHook(price, QEvent::KeyPress, [&s, price](QEvent* e) {
        if (!isEnter(e) || s.mode() != QLatin1String("add") || price->text().isEmpty()) return false;
        for (const QString& level : priceLevels()) s.setValue(level, price->text());
        return false;
    });

    // Choosing an entry of a drop-down list moves on as Enter does.
    for (const QStringList& chain : enterOrder()) {
        for (int i = 0; i + 1 < chain.size(); ++i) {
            auto* combo = qobject_cast<QComboBox*>(s.field(chain.at(i)));
            QWidget* next = s.field(chain.at(i + 1));
            if (combo && next)
                QObject::connect(combo, &QComboBox::activated, next, [next] { next->setFocus(Qt::TabFocusReason); });
        }
    }

    // The drug types and the usage methods are read once, when the window
    // first shows, before its first item is shown.
    new EventHook(&s, QEvent::Show, [&s, w](QEvent*) {
        if (w->listsLoaded) return false;
        w->listsLoaded = true;
        fillList(s, QStringLiteral("HOW_TYPE"), lookupEntries(s.connection(), QStringLiteral(" Select * from Type order by Type")));
        const QStringList how = lookupEntries(s.connection(), QStringLiteral(" Select * from how order by how_to"));
        for (const char* column : {"HOW_TO_1", "HOW_TO_2", "HOW_TO_3"}) fillList(s, QString::fromLatin1(column), how);
        return false;
    });

    // Add as copy: the add state with the fields of the current item.
    QPushButton* copy = s.addButton("btnAddCopy", S("เพิ่ม Copy ข้อมูล"));
    QObject::connect(copy, &QPushButton::clicked, &s, [&s] {
        const QSqlRecord item = s.currentRecord();
        s.add();
        if (item.isEmpty() || s.mode() != QLatin1String("add")) return;
        for (const RegistryField& f : s.config().fields) s.setValue(f.column, item.value(f.column));
    });
}

bool checkItem(RegistryScreen& s, ItemWindow& w)
{
    const QString tax = s.value(QStringLiteral("TAX_RATE")).toString();
    if (tax != QLatin1String("0") && tax != QLatin1String("7")) {
        messages().information(S("ภาษีไม่ถูกต้อง..."));
        s.field(QStringLiteral("TAX_RATE"))->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (s.value(QStringLiteral("PRO_NO")).toString().isEmpty() || s.value(QStringLiteral("CUT_STOCK")).toString().isEmpty()) {
        messages().information(S("ข้อมูลไม่ครบ ...."));
        s.field(QStringLiteral("PRO_NO"))->setFocus(Qt::OtherFocusReason);
        return false;
    }
    w.savingEdit = s.mode() == QLatin1String("edit");
    w.savedCode = s.value(QStringLiteral("PRO_NO")).toString();
    return true;
}

} // namespace

QString WithEan13CheckDigit(const QString& code)
{
    if (code.size() != 12 && code.size() != 13) return code;
    const int check = Ean13CheckDigit(code.left(12));
    if (check < 0) return code;
    return code.left(12) + QString::number(check);
}

RegistryConfig ItemRegistryConfig()
{
    auto w = std::make_shared<ItemWindow>();
    RegistryConfig c;
    c.objectName = QStringLiteral("TRef_Part_Sql");
    c.title = S(" ค่าตรวจ - รักษา - ยา - เวชภัณฑ์");
    c.table = QStringLiteral("product");
    c.key = QStringLiteral("PRO_NO");

    RegistryField dose{.kind = Kind::Combo, .editable = true};
    auto doseField = [&](const char* column, const char* label) {
        RegistryField f = dose;
        f.column = QString::fromLatin1(column);
        f.label = S(label);
        return f;
    };
    c.fields = {
        {.column = QStringLiteral("PRO_NO"), .label = S("รหัส"), .maxLength = 13, .hint = S("( ไม่เกิน 13 หลัก )")},
        {.column = QStringLiteral("PRO_NAME"), .label = S("ชื่อ"), .maxLength = 40},
        {.column = QStringLiteral("PRO_UNIT"), .label = S("หน่วยนับ"), .maxLength = 10},
        {.column = QStringLiteral("PRO_GROUP"), .label = S("กลุ่มสินค้า"), .maxLength = 5},
        {.column = QStringLiteral("HOW_TYPE"), .label = S("ประเภทยา"), .kind = Kind::Combo, .editable = true},
        indicationsField(),
        doseField("HOW_TO_1", "เด็กเล็ก ครั้งละ"),
        doseField("HOW_TO_2", "เด็กโต ครั้งละ"),
        doseField("HOW_TO_3", "ผู้ใหญ่ ครั้งละ"),
        {.column = QStringLiteral("HOW_TO_4"), .label = S("เวลาที่ใช้"), .maxLength = 100, .keptOnAdd = true},
        {.column = QStringLiteral("CUT_STOCK"), .label = S("ตัด STOCK"), .maxLength = 1, .hint = S("0 ไม่ตัด 1 ตัด"),
         .addValue = QStringLiteral("1")},
        {.column = QStringLiteral("TAX_RATE"), .label = S("อัตราภาษี %"), .kind = Kind::Number, .maxLength = 5,
         .addValue = QStringLiteral("7")},
        {.column = QStringLiteral("PRO_BPRICE"), .label = S("ราคาซื้อ"), .kind = Kind::Number,
         .addValue = QStringLiteral("0")},
        {.column = QStringLiteral("PRO_SPRICE"), .label = S("ราคาขาย"), .kind = Kind::Number,
         .addValue = QStringLiteral("0")},
        {.column = QStringLiteral("PRO_RORDER"), .label = S("จำนวนต่ำสุดที่ต้องสั่งซื้อ"), .kind = Kind::Number,
         .addValue = QStringLiteral("1")},
        {.column = QStringLiteral("WARN_TERM"), .label = S("เวลารับประกัน"), .kind = Kind::Combo,
         .items = warrantyEntries(), .editable = true, .keptOnAdd = true},
    };
    for (const QString& level : priceLevels())
        c.fields.append({.column = level, .kind = Kind::Number, .hidden = true, .addValue = QStringLiteral("0")});

    c.columns = {{.column = QStringLiteral("PRO_NO"), .title = S("รหัส")},
                 {.column = QStringLiteral("PRO_NAME"), .title = S("ชื่อ")},
                 {.column = QStringLiteral("PRO_UNIT"), .title = S("หน่วยนับ")},
                 {.column = QStringLiteral("PRO_GROUP"), .title = S("กลุ่มสินค้า")},
                 {.column = QStringLiteral("PRO_SPRICE"), .title = S("ราคาขาย"), .alignment = Qt::AlignRight | Qt::AlignVCenter},
                 {.column = QStringLiteral("CUT_STOCK"), .title = S("ตัด STOCK"), .alignment = Qt::AlignCenter}};
    c.rowSelection = true;

    const QString columns = QStringLiteral(
        "pro_no,pro_name,pro_unit,pro_group,how_type,cut_stock,tax_rate,pro_bprice,pro_sprice, "
        " pro_sp2,pro_sp3,pro_sp4,pro_sp5,pro_rorder,warn_term,how_to_1,how_to_2,how_to_3,how_to_4,rem");
    QStringList parameters;
    QStringList assignments;
    for (QString column : columns.split(QLatin1Char(','))) {
        column = column.trimmed();
        parameters << QStringLiteral(":p") + column;
        assignments << column + QStringLiteral("=:p") + column;
    }
    c.listSql = QStringLiteral(" select * from product ") + QStringLiteral(" order by pro_no ");
    c.insertSql = QStringLiteral(" insert into product ") + QStringLiteral(" (") + columns + QStringLiteral(") ") +
                  QStringLiteral(" values ") + QStringLiteral(" (") + parameters.join(QLatin1Char(',')) +
                  QStringLiteral(") ");
    c.updateSql = QStringLiteral(" update product ") + QStringLiteral(" set ") + assignments.join(QLatin1Char(',')) +
                  QStringLiteral(" where pro_no =:popro_no ");
    c.deleteSql = QStringLiteral(" delete from product ") + QStringLiteral(" where pro_no =:ppro_no ");
    c.showRow = true;
    c.enterChains = enterOrder();
    c.saveFailedText.clear(); // a refused statement or a field that is no number stops the save quietly
    c.afterAdd = RegistryRow::Key;
    c.afterEdit = RegistryRow::Remembered;
    c.afterDelete = RegistryRow::Last;
    c.afterCancel = RegistryRow::Remembered;

    c.duplicateSql = QStringLiteral(" Select pro_no from product ") + QStringLiteral(" where pro_no =:m_pro_no ");
    c.duplicateText = S("รหัสข้อมูลซ้ำ ...");
    c.duplicateEditText = S("รหัสข้อมูลซ้ำ กับข้อมูลที่มีอยู่แล้ว...");

    const QString searchLabel = S("พิมพ์รายการที่ค้นหา");
    c.search = {{S("รหัส"), searchLabel, QStringLiteral("PRO_NO"), RegistrySearch::Match::WholeIgnoringCase},
                {S("ชื่อ"), searchLabel, QStringLiteral("PRO_NAME"), RegistrySearch::Match::Prefix}};
    c.searchPreset = 0;
    c.searchColumns = {{.column = QStringLiteral("PRO_NO"), .title = S("รหัส")},
                       {.column = QStringLiteral("PRO_NAME"), .title = S("ค่าตรวจ-รักษา-ยา-เวชภัณฑ์")}};
    c.searchBeside = QStringLiteral("PRO_NO");
    c.searchMaxLength = 40;
    c.searchAsTyped = true;

    c.setup = [w](RegistryScreen& s) { setUp(s, w); };
    c.onRowShown = [w](RegistryScreen& s) { showStock(s, *w); };
    c.onAdd = [w](RegistryScreen&) {
        if (w->stock) w->stock->clear();
    };
    c.check = [w](RegistryScreen& s) { return checkItem(s, *w); };
    // After an edit the edited item is current again, under its code as saved.
    c.onSaved = [w](RegistryScreen& s) {
        if (!w->savingEdit) return;
        w->savingEdit = false;
        if (const int row = s.rowOfKey(w->savedCode); row >= 0 && row != s.currentRow()) s.setCurrentRow(row);
    };
    return c;
}

RegistryScreen* NewItemRegistry(QWidget* parent) { return new RegistryScreen(ItemRegistryConfig(), parent); }
