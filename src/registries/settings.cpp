#include "registries/settings.h"

#include "app/sharedstate.h"
#include "data/numbers.h"
#include "data/schema.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace {

QString closingText() { return QStringLiteral("ต้องปิดโปรแกรมนี้ก่อน เมื่อเปิดขึ้นมาใหม่ค่าที่แก้ไขจึงจะมีผล..."); }

QLineEdit* columnEdit(QWidget* parent, const QString& table, const char* column, int limit = 0)
{
    const QString name = QStringLiteral("ed_") + QString::fromLatin1(column);
    QLineEdit* e = makeLineEdit(parent, name.toLatin1().constData(),
                                limit ? limit : ColumnWidth(table, QString::fromLatin1(column)));
    return e;
}

QString mm(const QVariant& v) { return QString::number(v.toDouble(), 'g', 6); }

} // namespace

SingleRecordScreen::SingleRecordScreen(const char* objectName, const QString& title, const QString& saveCaption,
                                       const QString& closeCaption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(title);
    edit_ = makeButton(this, "btnEdit", QStringLiteral("แ&ก้ไข"));
    refresh_ = makeButton(this, "btnRefresh", QStringLiteral("Refresh"));
    cancel_ = makeButton(this, "btnCancel", QStringLiteral("&ยกเลิก"));
    save_ = makeButton(this, "btnSave", saveCaption);
    close_ = makeButton(this, "btnClose", closeCaption);
    connect(edit_, &QPushButton::clicked, this, [this] { beginEdit(); });
    connect(refresh_, &QPushButton::clicked, this, [this] { load(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { setEditing(false); });
    connect(save_, &QPushButton::clicked, this, [this] {
        if (store()) setEditing(false);
    });
    connect(close_, &QPushButton::clicked, this, [this] { closeWindow(this); });
}

void SingleRecordScreen::addCommands(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {edit_, refresh_, cancel_, save_, close_}) row->addWidget(b);
    layout->addLayout(row);
    setEditing(false);
}

void SingleRecordScreen::setEditing(bool editing)
{
    editing_ = editing;
    edit_->setEnabled(!editing);
    refresh_->setEnabled(!editing);
    close_->setEnabled(!editing);
    cancel_->setEnabled(editing);
    save_->setEnabled(editing);
    for (QWidget* w : editable_) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setReadOnly(!editing);
        else w->setEnabled(editing);
    }
}

void SingleRecordScreen::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!loaded_) {
        loaded_ = true;
        load();
    }
}

void SingleRecordScreen::closeEvent(QCloseEvent* e)
{
    messages().information(closingText());
    QWidget::closeEvent(e);
}

// ---------------------------------------------------------------------------

TRef_Business::TRef_Business(QWidget* parent)
    : SingleRecordScreen("TRef_Business", QStringLiteral(" สถานประกอบการ"), QStringLiteral("&บันทึก"),
                         QStringLiteral("เลิก"), parent)
{
    const QString t = QStringLiteral("quorvexsys");
    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    struct F { const char* column; const char* label; int limit; };
    const F layout[] = {{"OF_NAME", "ชื่อสถานประกอบการ", 0}, {"OF_TAXID", "เลขประจำตัวผู้เสียภาษี", 13},
                        {"OF_ADD1", "ที่อยู่", 80},          {"OF_ADD2", "", 80},
                        {"OF_ADD4", "จังหวัด", 40},           {"OF_ZIP", "รหัสไปรษณีย์", 5},
                        {"OF_TEL", "โทร.", 0},               {"OF_FAX", "แฟกซ์", 0},
                        {"OF_EMAIL", "E-Mail", 0}};
    QList<QWidget*> order;
    for (const F& f : layout) {
        QLineEdit* e = columnEdit(this, t, f.column, f.limit);
        fields_.insert(QString::fromLatin1(f.column), e);
        form->addRow(QString::fromUtf8(f.label), e);
        addEditable(e);
        order << e;
    }
    chainEnter(order, save_);
    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("imgLogo"));
    logo_->setMaximumSize(240, 120);
    logo_->setScaledContents(false);
    auto* row = new QHBoxLayout;
    row->addLayout(form, 1);
    row->addWidget(logo_);
    top->addLayout(row);
    addCommands(top);
}

void TRef_Business::load()
{
    QSqlQuery q = db_.query(QStringLiteral("select * from quorvexsys"));
    if (exec(q) && q.next()) {
        for (auto it = fields_.cbegin(); it != fields_.cend(); ++it) it.value()->setText(q.value(it.key()).toString());
        oldOfNo_ = q.value(QStringLiteral("OF_NO")).toString();
    }
    const QPixmap logo(shared().DataFolder + QStringLiteral("logo.bmp"));
    logo_->setPixmap(logo.isNull() ? QPixmap() : logo.scaled(logo_->maximumSize(), Qt::KeepAspectRatio));
}

bool TRef_Business::store()
{
    const QString name = fields_.value(QStringLiteral("OF_NAME"))->text().trimmed();
    if (name.isEmpty()) {
        messages().information(QStringLiteral("ไม่มีข้อมูลรหัส ... "));
        fields_.value(QStringLiteral("OF_TAXID"))->setFocus();
        return false;
    }
    auto text = [this](const char* c) { return fields_.value(QString::fromLatin1(c))->text(); };
    WriteTransaction tx(db_);
    const bool ok =
        tx.isActive() &&
        execSql(db_,
                QStringLiteral("update quorvexsys set of_name=:pof_name, of_no=:pof_no, of_taxid=:pof_taxid, of_add1=:pof_add1,"
                               " of_add2=:pof_add2, of_add4=:pof_add4, of_zip=:pof_zip, of_tel=:pof_tel, of_fax=:pof_fax,"
                               " of_email=:pof_email where of_no =:pmOld_Of_No"),
                {{"pof_name", name}, {"pof_no", oldOfNo_}, {"pof_taxid", text("OF_TAXID")}, {"pof_add1", text("OF_ADD1")},
                 {"pof_add2", text("OF_ADD2")}, {"pof_add4", text("OF_ADD4")}, {"pof_zip", text("OF_ZIP")},
                 {"pof_tel", text("OF_TEL")}, {"pof_fax", text("OF_FAX")}, {"pof_email", text("OF_EMAIL")},
                 {"pmOld_Of_No", oldOfNo_}}) &&
        tx.commit();
    if (!ok) {
        messages().information(QStringLiteral("ไม่สามารถบันทึกข้อมูลได้..."));
        return false;
    }
    load();
    return true;
}

// ---------------------------------------------------------------------------

TRef_Sys_Sql::TRef_Sys_Sql(QWidget* parent)
    : SingleRecordScreen("TRef_Sys_Sql", QStringLiteral(" ระบบการทำงาน / ตั้งค่าการพิมพ์"), QStringLiteral("บัน&ทึก"),
                         QStringLiteral("เ&ลิก"), parent)
{
    const QString t = QStringLiteral("sevrsys");
    auto* top = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    top->addLayout(columns);

    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    auto* prefixBox = new QGroupBox(QStringLiteral("รหัสนำหน้า ( จำนวน 4 หลัก )"), this);
    auto* prefixes = new QGridLayout(prefixBox);
    struct P { const char* column; const char* label; };
    const P prefixFields[] = {{"PREFIX1", "ใบตรวจรักษา No VAT "}, {"PREFIX2", "ใบตรวจรักษา VAT "},
                              {"PREFIX3", "ใบนำเข้าสต๊อค No VAT "}, {"PREFIX4", "ใบนำเข้าสต๊อค  VAT"}};
    int r = 0;
    for (const P& p : prefixFields) {
        QLineEdit* e = columnEdit(prefixBox, t, p.column);
        fields_.insert(QString::fromLatin1(p.column), e);
        addEditable(e);
        prefixes->addWidget(new QLabel(QString::fromUtf8(p.label), prefixBox), r, 0);
        prefixes->addWidget(e, r, 1);
        prefixes->addWidget(new QLabel(QStringLiteral("x000001"), prefixBox), r, 2);
        ++r;
    }
    left->addWidget(prefixBox);

    auto* numbersBox = new QGroupBox(this);
    auto* numbers = new QFormLayout(numbersBox);
    const P numberFields[] = {{"PRN_TOP", "ใบสำคัญ ด้านบน ( 0 - 20 )"}, {"PRN_LEFT", "ใบสำคัญ ด้านซ้าย ( 0 - 20)"},
                              {"LABEL_TOP", "ฉลากยา ด้านบน ( 0 - 20 )"}, {"LABEL_LEFT", "ฉลากยา ด้านซ้าย ( 0 - 20)"}};
    for (const P& p : numberFields) {
        QLineEdit* e = columnEdit(numbersBox, t, p.column, 8);
        fields_.insert(QString::fromLatin1(p.column), e);
        addEditable(e);
        numbers->addRow(QString::fromUtf8(p.label), e);
    }
    comPort_ = new QComboBox(numbersBox);
    comPort_->setObjectName(QStringLiteral("cb_COM_PORT"));
    for (int i = 0; i <= 8; ++i) comPort_->addItem(QString::number(i));
    addEditable(comPort_);
    numbers->addRow(QStringLiteral("ลิ้นชักเก็บเงิน Com Port 0 - 1 - 8"), comPort_);
    numbers->addRow(QString(), new QLabel(QStringLiteral("0 ไม่ต่อลิ้นชักเก็บเงิน"), numbersBox));
    left->addWidget(numbersBox);

    auto* headingBox = new QGroupBox(QStringLiteral("   คำที่ใช้ในการพิมพ์หัวเรื่องใบสำคัญตรวจ-รักษา    "), this);
    auto* heading = new QFormLayout(headingBox);
    QLineEdit* line2 = columnEdit(headingBox, t, "LINE2", 50);
    fields_.insert(QStringLiteral("LINE2"), line2);
    addEditable(line2);
    heading->addRow(QStringLiteral("ใบเสร็จ/ใบกำกับภาษี"), line2);
    left->addWidget(headingBox);

    auto* right = new QGridLayout;
    columns->addLayout(right);
    addChoice(right, 0, QStringLiteral("  รูปแบบใบ ตรวจ-รักษา   "), "PAPER1",
              {QStringLiteral("แบบที่ 1 (มีฟอร์มจำหน่าย)"), QStringLiteral("แบบที่ 2 8.5*11"), QStringLiteral("แบบที่ 3 8.8*5.5"),
               QStringLiteral("แบบที่ 4 8.8*5.5"), QStringLiteral("แบบที่ 5 กระดาษสลิป 3 นิ้ว ( เฉพาะเหมาจ่ายเท่าานั้น )"),
               QStringLiteral("ลูกค้าสั่งทำ")});
    addChoice(right, 1, QStringLiteral("  ระบบภาษี  "), "F_PER1", {QStringLiteral("เหมาจ่าย"), QStringLiteral("มูลค่าเพิ่ม")});
    addChoice(right, 2, QStringLiteral("การพิมพ์ใบสำคัญ"), "BLANK", {QStringLiteral("บนกระดาษเปล่า"), QStringLiteral("บนแบบฟอร์ม")});
    addChoice(right, 3, QStringLiteral("การพิมพ์โลโก้"), "LOGO", {QStringLiteral("ไม่พิมพ์"), QStringLiteral("พิมพ์")});
    addChoice(right, 4, QStringLiteral("  รูปแบบบัตร  "), "CARD_TYPE",
              {QStringLiteral("แบบที่ 1"), QStringLiteral("แบบที่ 2"), QStringLiteral("แบบที่ 3"), QStringLiteral("แบบที่ 4")});

    chainEnter({fields_.value(QStringLiteral("PREFIX1")), fields_.value(QStringLiteral("PREFIX2")),
                fields_.value(QStringLiteral("PREFIX3")), fields_.value(QStringLiteral("PREFIX4")),
                fields_.value(QStringLiteral("PRN_TOP")), fields_.value(QStringLiteral("PRN_LEFT")), comPort_,
                fields_.value(QStringLiteral("LABEL_TOP")), fields_.value(QStringLiteral("LABEL_LEFT")), line2},
               save_);
    addCommands(top);
}

QButtonGroup* TRef_Sys_Sql::addChoice(QGridLayout* grid, int row, const QString& title, const char* column,
                                      const QStringList& entries)
{
    auto* box = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < entries.size(); ++i) {
        auto* b = new QRadioButton(entries.at(i), box);
        b->setObjectName(QStringLiteral("rb_%1_%2").arg(QString::fromLatin1(column)).arg(i));
        group->addButton(b, i);
        layout->addWidget(b);
    }
    addEditable(box);
    grid->addWidget(box, row, 0);
    choices_.insert(QString::fromLatin1(column), group);
    return group;
}

void TRef_Sys_Sql::load()
{
    QSqlQuery q = db_.query(QStringLiteral("select * from sevrsys"));
    if (exec(q) && q.next()) {
        for (auto it = fields_.cbegin(); it != fields_.cend(); ++it) {
            const QVariant v = q.value(it.key());
            it.value()->setText(it.key().startsWith(QLatin1String("PRN_")) || it.key().startsWith(QLatin1String("LABEL_"))
                                    ? mm(v) : v.toString());
        }
        for (auto it = choices_.cbegin(); it != choices_.cend(); ++it)
            if (QAbstractButton* b = it.value()->button(q.value(it.key()).toInt())) b->setChecked(true);
        comPort_->setCurrentText(q.value(QStringLiteral("COM_PORT")).toString());
        for (const char* c : {"SERV_NO", "PAPER", "CATAGORY", "REMARK2"})
            kept_.insert(QString::fromLatin1(c), q.value(QString::fromLatin1(c)));
    }
    QSqlQuery b = db_.query(QStringLiteral("select PREFIX1, PREFIX2 from quorvexsys where OF_NO = '0'"));
    if (exec(b) && b.next()) {
        kept_.insert(QStringLiteral("Q_PREFIX1"), b.value(0));
        kept_.insert(QStringLiteral("Q_PREFIX2"), b.value(1));
    }
}

void TRef_Sys_Sql::beginEdit()
{
    load();
    setEditing(true);
}

bool TRef_Sys_Sql::store()
{
    auto text = [this](const char* c) { return fields_.value(QString::fromLatin1(c))->text().trimmed(); };
    for (const char* c : {"PREFIX1", "PREFIX3", "PREFIX4"}) {
        if (text(c).size() != 4) {
            messages().information(QStringLiteral("รหัสนำหน้าใบรับ / ใบคืน ไม่ครบ 4 หลัก..."));
            fields_.value(QString::fromLatin1(c))->setFocus();
            return false;
        }
    }
    // Margins and offsets: numbers of millimetres from 0 to 20, checked
    // before anything is written.
    QHash<QString, double> mmValues;
    for (const char* c : {"PRN_TOP", "PRN_LEFT", "LABEL_TOP", "LABEL_LEFT"}) {
        QLineEdit* e = fields_.value(QString::fromLatin1(c));
        const std::optional<double> v = ReadNumber(e->text());
        if (!v || *v < 0 || *v > 20) {
            messages().information(QStringLiteral("ระยะขอบและตำแหน่งฉลากยา ต้องเป็นตัวเลข 0 - 20 มม."));
            e->setFocus();
            return false;
        }
        mmValues.insert(QString::fromLatin1(c), *v);
    }
    auto choice = [this](const char* c) { return qMax(0, choices_.value(QString::fromLatin1(c))->checkedId()); };
    const QString blank = QStringLiteral("");
    const QString comPort = comPort_->currentText();

    // Both rows or neither: the stock-in prefixes must agree in the two tables.
    WriteTransaction tx(db_);
    QString error;
    bool ok = tx.isActive();
    ok = ok && execSql(db_,
        QStringLiteral("update sevrsys set paper=:ppaper, paper1=:ppaper1, catagory=:pcatagory, f_per1=:pf_per1,"
                       " remark1=:premark1, remark2=:premark2, remark3=:premark3, prefix1=:pprefix1, prefix2=:pprefix2,"
                       " prefix3=:pprefix3, prefix4=:pprefix4, blank=:pblank, logo=:plogo, line1=:pline1, line2=:pline2,"
                       " line3=:pline3, prn_top=:pprn_top, prn_left=:pprn_left, com_port=:pcom_port,"
                       " label_top=:plabel_top, label_left=:plabel_left, card_type=:pcard_type where serv_no =:pserv_no"),
        {{"ppaper", kept_.value(QStringLiteral("PAPER")).toInt()}, {"ppaper1", choice("PAPER1")},
         {"pcatagory", kept_.value(QStringLiteral("CATAGORY")).toString()}, {"pf_per1", QString::number(choice("F_PER1"))},
         {"premark1", blank}, {"premark2", kept_.value(QStringLiteral("REMARK2")).toString()}, {"premark3", blank},
         {"pprefix1", text("PREFIX1")}, {"pprefix2", text("PREFIX2")}, {"pprefix3", text("PREFIX3")},
         {"pprefix4", text("PREFIX4")}, {"pblank", choice("BLANK")}, {"plogo", choice("LOGO")}, {"pline1", blank},
         {"pline2", fields_.value(QStringLiteral("LINE2"))->text()}, {"pline3", blank},
         {"pprn_top", mmValues.value(QStringLiteral("PRN_TOP"))}, {"pprn_left", mmValues.value(QStringLiteral("PRN_LEFT"))},
         {"pcom_port", comPort}, {"plabel_top", mmValues.value(QStringLiteral("LABEL_TOP"))},
         {"plabel_left", mmValues.value(QStringLiteral("LABEL_LEFT"))}, {"pcard_type", QString::number(choice("CARD_TYPE"))},
         {"pserv_no", kept_.value(QStringLiteral("SERV_NO")).toString()}},
        &error);
    ok = ok && execSql(db_,
        QStringLiteral("update quorvexsys set prefix1=:pprefix1, prefix2=:pprefix2, prefix3=:pprefix3, prefix4=:pprefix4,"
                       " line1=:pline1, line5=:pline5, line4=:pLine4, com_port=:pcom_port where of_no =:pof_no"),
        {{"pprefix1", kept_.value(QStringLiteral("Q_PREFIX1")).toString()},
         {"pprefix2", kept_.value(QStringLiteral("Q_PREFIX2")).toString()}, {"pprefix3", text("PREFIX3")},
         {"pprefix4", text("PREFIX4")}, {"pline1", choice("BLANK") == 0 ? QStringLiteral("1") : QStringLiteral("0")},
         {"pline5", QString::number(kept_.value(QStringLiteral("PAPER")).toInt())},
         {"pLine4", QString::number(choice("LOGO"))}, {"pcom_port", comPort}, {"pof_no", QStringLiteral("0")}},
        &error);
    ok = ok && tx.commit();
    if (!ok) {
        messages().information(SaveFailedText());
        return false;
    }
    load();
    return true;
}
