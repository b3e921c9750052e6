#include "registries/productset.h"

#include "data/numbers.h"
#include "data/schema.h"
#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"
#include "registries/productsetreport.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

const QString Normal = QStringLiteral("normal");
const QString Adding = QStringLiteral("add");
const QString Editing = QStringLiteral("edit");

// A stored number in its general form (12, 0.5); empty stays empty.
QString numberText(const QVariant& v)
{
    if (v.isNull() || v.toString().trimmed().isEmpty()) return {};
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok) return v.toString();
    return d == 0 ? QStringLiteral("0") : QString::number(d, 'g', 15);
}

QTableWidget* makeTable(QWidget* parent, const char* name, const QStringList& titles)
{
    auto* t = new QTableWidget(0, int(titles.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(titles);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch); // the name
    return t;
}

void setCell(QTableWidget* t, int row, int column, const QString& text, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(int(a));
    t->setItem(row, column, item);
}

QLineEdit* display(QWidget* parent, const char* name)
{
    QLineEdit* e = makeLineEdit(parent, name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

// A text cut to the width of its column.
QString fitted(const QString& text, const char* table, const char* column)
{
    const int width = ColumnWidth(QString::fromLatin1(table), QString::fromLatin1(column));
    return width > 0 ? text.left(width) : text;
}

} // namespace

Tfsuit_product::Tfsuit_product(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tfsuit_product"));
    setWindowTitle(S("สินค้าจัดเป็นชุด"));
    auto* top = new QVBoxLayout(this);

    auto* head = new QGridLayout;
    code_ = makeLineEdit(this, "edSuitNo", ColumnWidth(QStringLiteral("suit"), QStringLiteral("SUIT_NO")));
    name_ = makeLineEdit(this, "edSuitName", ColumnWidth(QStringLiteral("suit"), QStringLiteral("SUIT_NAME")));
    lineCode_ = display(this, "edLineCode");
    lineName_ = display(this, "edLineName");
    head->addWidget(new QLabel(S("รหัสชุดสินค้า"), this), 0, 0);
    head->addWidget(code_, 0, 1);
    head->addWidget(new QLabel(S("รหัสสินค้า"), this), 0, 2);
    head->addWidget(lineCode_, 0, 3);
    head->addWidget(new QLabel(S("ชื่อชุดสินค้า"), this), 1, 0);
    head->addWidget(name_, 1, 1);
    head->addWidget(new QLabel(S("ชื่อสินค้า"), this), 1, 2);
    head->addWidget(lineName_, 1, 3);
    head->setColumnStretch(1, 2);
    head->setColumnStretch(3, 2);
    top->addLayout(head);

    auto* commands = new QHBoxLayout;
    auto command = [&](const char* name, const QString& caption, auto run) {
        QPushButton* b = makeButton(this, name, caption);
        commands->addWidget(b);
        connect(b, &QPushButton::clicked, this, run);
        return b;
    };
    add_ = command("btnAdd", S("เพิ่ม"), [this] { addSet(); });
    edit_ = command("btnEdit", S("แก้ไข"), [this] { editSet(); });
    delete_ = command("btnDelete", S("ลบ"), [this] { deleteSet(); });
    save_ = command("btnSave", S("บันทึก"), [this] { saveSet(); });
    cancel_ = command("btnCancel", S("ยกเลิก"), [this] { cancelSet(); });
    print_ = command("btnPrint", S("พิมพ์"), [this] { printSet(); });
    QPushButton* close = command("btnClose", S("เลิก"), [this] { closeWindow(this); });
    commands->addSpacing(16);
    QPushButton* first = command("btnFirst", QStringLiteral("|<"), [this] { setCurrentSet(0); });
    QPushButton* prior = command("btnPrior", QStringLiteral("<"), [this] { if (current_ > 0) setCurrentSet(current_ - 1); });
    QPushButton* next = command("btnNext", QStringLiteral(">"), [this] {
        if (current_ + 1 < sets_.size()) setCurrentSet(current_ + 1);
    });
    QPushButton* last = command("btnLast", QStringLiteral(">|"), [this] { setCurrentSet(int(sets_.size()) - 1); });
    commands->addStretch();
    setCommands_ = {add_, edit_, delete_, print_, close, first, prior, next, last};
    save_->setAutoDefault(true); // Enter on the focused button saves
    top->addLayout(commands);

    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    linesPage_ = new QWidget(pages_);
    linesPage_->setObjectName(QStringLiteral("linesPage"));
    auto* linesLayout = new QHBoxLayout(linesPage_);
    linesGrid_ = makeTable(linesPage_, "lines",
                           {S("รหัสสินค้า"), S("ชื่อสินค้า"), S("จำนวน"), S("หน่วยนับ"), S("กลุ่ม"), S("ราคาต่อหน่วย"),
                            S("การตัดสต๊อค")});
    linesLayout->addWidget(linesGrid_, 1);
    auto* lineCommands = new QVBoxLayout;
    lineAdd_ = makeButton(linesPage_, "btnLineAdd", S("เพิ่ม"));
    lineEdit_ = makeButton(linesPage_, "btnLineEdit", S("แก้ไข"));
    lineDelete_ = makeButton(linesPage_, "btnLineDelete", S("ลบ"));
    for (QPushButton* b : {lineAdd_, lineEdit_, lineDelete_}) lineCommands->addWidget(b);
    lineCommands->addStretch();
    linesLayout->addLayout(lineCommands);
    connect(lineAdd_, &QPushButton::clicked, this, [this] { addLine(); });
    connect(lineEdit_, &QPushButton::clicked, this, [this] { editLine(); });
    connect(lineDelete_, &QPushButton::clicked, this, [this] { deleteLine(); });
    connect(linesGrid_, &QTableWidget::currentCellChanged, this, [this] { showLineSelection(); });
    connect(linesGrid_, &QTableWidget::cellClicked, this, [this] { showLineSelection(); });

    emptyPage_ = new QWidget(pages_);
    emptyPage_->setObjectName(QStringLiteral("emptyPage"));
    panel_ = new QWidget(pages_);
    panel_->setObjectName(QStringLiteral("linePanel"));
    buildPanel(panel_);
    pages_->addWidget(linesPage_);
    pages_->addWidget(emptyPage_);
    pages_->addWidget(panel_);
    top->addWidget(pages_, 1);

    // Enter: code to name, name to save.
    chainEnter({code_, name_}, save_);
    code_->installEventFilter(this);
    applyState();
}

void Tfsuit_product::buildPanel(QWidget* page)
{
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* by = new QGroupBox(S("  ค้นหาสินค้า โดย  "), page);
    by->setObjectName(QStringLiteral("grpSearchBy"));
    auto* byRow = new QHBoxLayout(by);
    byCode_ = new QRadioButton(S("รหัส"), by);
    byCode_->setObjectName(QStringLiteral("rbByCode"));
    byName_ = new QRadioButton(S("ชื่อ"), by);
    byName_->setObjectName(QStringLiteral("rbByName"));
    auto* group = new QButtonGroup(by);
    group->addButton(byCode_);
    group->addButton(byName_);
    byCode_->setChecked(true);
    byRow->addWidget(byCode_);
    byRow->addWidget(byName_);
    left->addWidget(by);
    // The search text only shows the item picked.
    search_ = makeLineEdit(page, "edSearch", ColumnWidth(QStringLiteral("product"), QStringLiteral("PRO_NAME")));
    search_->setReadOnly(true);
    left->addWidget(search_);
    itemsGrid_ = makeTable(page, "items", {S("รหัส"), S("ชื่อ")});
    left->addWidget(itemsGrid_, 1);
    layout->addLayout(left, 1);
    connect(group, &QButtonGroup::buttonClicked, this, [this] {
        readItemList();
        showPanelItem(lastItem_);
        search_->clear();
        search_->setFocus(Qt::OtherFocusReason);
    });
    connect(itemsGrid_, &QTableWidget::cellClicked, this, [this](int row) { pickItem(row); });

    auto* form = new QGridLayout;
    itemCode_ = display(page, "edItemCode");
    itemName_ = display(page, "edItemName");
    unit_ = display(page, "edUnit");
    group_ = display(page, "edGroup");
    taxRate_ = display(page, "edTaxRate");
    cutStock_ = display(page, "edCutStock");
    qty_ = makeLineEdit(page, "edQty", 15);
    price_ = makeLineEdit(page, "edPrice", 15);
    int row = 0;
    auto put = [&](const QString& label, QWidget* w, const QString& note = {}) {
        form->addWidget(new QLabel(label, page), row, 0);
        form->addWidget(w, row, 1);
        if (!note.isEmpty()) form->addWidget(new QLabel(note, page), row, 2);
        ++row;
    };
    put(S("รหัส"), itemCode_);
    put(S("ชื่อ"), itemName_);
    put(S("หน่วยนับ"), unit_);
    put(S("กลุ่ม"), group_);
    put(S("อัตราภาษี"), taxRate_);
    put(S("ตัด Stock"), cutStock_, S("0=ไม่ตัด 1=ตัด"));
    put(S("จำนวน"), qty_);
    put(S("ราคาต่อหน่วย"), price_);
    auto* buttons = new QHBoxLayout;
    lineSave_ = makeButton(page, "btnLineSave", S("บันทึก"));
    lineCancel_ = makeButton(page, "btnLineCancel", S("ยกเลิก"));
    buttons->addWidget(lineSave_);
    buttons->addWidget(lineCancel_);
    form->addLayout(buttons, row, 0, 1, 3);
    form->setRowStretch(row + 1, 1);
    layout->addLayout(form, 1);
    connect(lineSave_, &QPushButton::clicked, this, [this] { saveLine(); });
    connect(lineCancel_, &QPushButton::clicked, this, [this] { cancelLine(); });
    qty_->installEventFilter(this);
    price_->installEventFilter(this);
    lineSave_->setAutoDefault(true);
    chainEnter({qty_, price_}, lineSave_);
}

void Tfsuit_product::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (activated_) return;
    activated_ = true;
    readSets();
    setCurrentSet(0);
}

// --- state ----------------------------------------------------------------

void Tfsuit_product::applyState()
{
    const bool browsing = setMode_ == Normal && lineMode_ == Normal;
    const bool hasSet = current_ >= 0;
    for (QPushButton* b : setCommands_) b->setEnabled(browsing);
    edit_->setEnabled(browsing && hasSet);
    delete_->setEnabled(browsing && hasSet);
    print_->setEnabled(browsing && hasSet);
    save_->setEnabled(setMode_ != Normal);
    cancel_->setEnabled(setMode_ != Normal);
    code_->setReadOnly(setMode_ != Adding);
    name_->setReadOnly(setMode_ == Normal);
    // A line belongs to a set: with no set there is nothing to add it to.
    lineAdd_->setEnabled(browsing && hasSet);
    lineEdit_->setEnabled(browsing && hasSet && currentLine() >= 0);
    lineDelete_->setEnabled(browsing && hasSet && currentLine() >= 0);
    linesGrid_->setEnabled(browsing);
    lineSave_->setEnabled(lineMode_ != Normal && shownItem_.has_value());
    lineCancel_->setEnabled(lineMode_ != Normal);
    QWidget* page = setMode_ != Normal ? emptyPage_ : lineMode_ != Normal ? panel_ : linesPage_;
    pages_->setCurrentWidget(page);
}

QString Tfsuit_product::currentSetCode() const { return current_ >= 0 ? sets_.at(current_).code : QString(); }

int Tfsuit_product::currentLine() const
{
    const int row = linesGrid_->currentRow();
    return row >= 0 && row < lines_.size() ? row : -1;
}

void Tfsuit_product::setCurrentSet(int index)
{
    current_ = sets_.isEmpty() ? -1 : qBound(0, index, int(sets_.size()) - 1);
    showSet();
    readLines();
    applyState();
}

void Tfsuit_product::setCurrentLine(int index)
{
    if (index < 0 || index >= lines_.size())
        linesGrid_->setCurrentCell(-1, -1);
    else
        linesGrid_->setCurrentCell(index, 0);
    showLineSelection();
    applyState();
}

// --- reading --------------------------------------------------------------

void Tfsuit_product::readSets()
{
    sets_.clear();
    QSqlQuery q = db_.query(QStringLiteral(" select * from suit  order by suit_no "));
    q.setForwardOnly(true);
    QString error;
    if (!exec(q, {}, &error)) messages().error(error);
    while (q.next())
        sets_.append({q.value(QStringLiteral("SUIT_NO")).toString(), q.value(QStringLiteral("SUIT_NAME")).toString()});
    q.finish();
}

void Tfsuit_product::readLines()
{
    const int keep = linesGrid_->currentRow();
    lines_.clear();
    if (current_ >= 0) {
        QSqlQuery q = db_.query(QStringLiteral(" select * from suit1  where  suit_no = :psuit_no order by auto"));
        q.setForwardOnly(true);
        QString error;
        if (!exec(q, {{"psuit_no", currentSetCode()}}, &error)) messages().error(error);
        while (q.next()) lines_.append(q.record());
        q.finish();
    }
    const bool blocked = linesGrid_->blockSignals(true);
    linesGrid_->setRowCount(int(lines_.size()));
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < lines_.size(); ++row) {
        const QSqlRecord& r = lines_.at(row);
        setCell(linesGrid_, row, 0, r.value(QStringLiteral("SPR_NO")).toString());
        setCell(linesGrid_, row, 1, r.value(QStringLiteral("DESCRIP")).toString());
        setCell(linesGrid_, row, 2, numberText(r.value(QStringLiteral("QTY"))), number);
        setCell(linesGrid_, row, 3, r.value(QStringLiteral("U_NAME")).toString());
        setCell(linesGrid_, row, 4, r.value(QStringLiteral("GROUP")).toString());
        setCell(linesGrid_, row, 5, numberText(r.value(QStringLiteral("P_PERU"))), number);
        setCell(linesGrid_, row, 6, r.value(QStringLiteral("CUT_STOCK")).toString(), Qt::AlignCenter);
    }
    linesGrid_->blockSignals(blocked);
    setCurrentLine(lines_.isEmpty() ? -1 : qBound(0, keep, int(lines_.size()) - 1));
}

void Tfsuit_product::showSet()
{
    code_->setText(currentSetCode());
    name_->setText(current_ >= 0 ? sets_.at(current_).name : QString());
}

void Tfsuit_product::showLineSelection()
{
    const int row = currentLine();
    lineCode_->setText(row >= 0 ? lines_.at(row).value(QStringLiteral("SPR_NO")).toString() : QString());
    lineName_->setText(row >= 0 ? lines_.at(row).value(QStringLiteral("DESCRIP")).toString() : QString());
    lineEdit_->setEnabled(setMode_ == Normal && lineMode_ == Normal && row >= 0);
    lineDelete_->setEnabled(setMode_ == Normal && lineMode_ == Normal && row >= 0);
}

void Tfsuit_product::readItemList()
{
    const QString order = byName_->isChecked() ? QStringLiteral(" order by pro_name ") : QStringLiteral(" order by pro_no ");
    QSqlQuery q = db_.query(QStringLiteral(" select pro_no, pro_name from product ") + order);
    q.setForwardOnly(true);
    QString error;
    if (!exec(q, {}, &error)) messages().error(error);
    QList<std::pair<QString, QString>> items;
    while (q.next()) items.append({q.value(0).toString(), q.value(1).toString()});
    q.finish();
    itemsGrid_->setRowCount(int(items.size()));
    for (int row = 0; row < items.size(); ++row) {
        setCell(itemsGrid_, row, 0, items.at(row).first);
        setCell(itemsGrid_, row, 1, items.at(row).second);
    }
}

std::optional<Tfsuit_product::PanelItem> Tfsuit_product::readItem(const QString& code)
{
    QSqlQuery q = db_.query(QStringLiteral(" select * from product  where  pro_no = :ppro_no"));
    QString error;
    if (!exec(q, {{"ppro_no", code}}, &error)) {
        messages().error(error);
        return std::nullopt;
    }
    if (!q.next()) return std::nullopt;
    PanelItem item{q.value(QStringLiteral("PRO_NO")).toString(),
                   q.value(QStringLiteral("PRO_NAME")).toString(),
                   q.value(QStringLiteral("PRO_UNIT")).toString(),
                   q.value(QStringLiteral("PRO_GROUP")).toString(),
                   numberText(q.value(QStringLiteral("TAX_RATE"))),
                   q.value(QStringLiteral("CUT_STOCK")).toString(),
                   q.value(QStringLiteral("PRO_SPRICE"))};
    q.finish();
    return item;
}

// --- the line panel -------------------------------------------------------

void Tfsuit_product::showPanelItem(const std::optional<PanelItem>& item)
{
    shownItem_ = item;
    itemCode_->setText(item ? item->code : QString());
    itemName_->setText(item ? item->name : QString());
    unit_->setText(item ? item->unit : QString());
    group_->setText(item ? item->group : QString());
    taxRate_->setText(item ? item->taxRate : QString());
    cutStock_->setText(item ? item->cutStock : QString());
    showPanelAmounts();
    applyState();
}

// Quantity and price: a new line starts with 0 at the item's sale price, a
// changed line with its own quantity and price.
void Tfsuit_product::showPanelAmounts()
{
    if (lineMode_ == Editing) {
        qty_->setText(numberText(editedLine_.value(QStringLiteral("QTY"))));
        price_->setText(numberText(editedLine_.value(QStringLiteral("P_PERU"))));
        return;
    }
    qty_->setText(QStringLiteral("0"));
    price_->setText(shownItem_ ? numberText(shownItem_->salePrice) : QStringLiteral("0"));
    if (price_->text().isEmpty()) price_->setText(QStringLiteral("0"));
}

void Tfsuit_product::addLine()
{
    if (setMode_ != Normal || lineMode_ != Normal || current_ < 0) return;
    lineMode_ = Adding;
    editedLine_ = QSqlRecord();
    lineCode_->clear();
    lineName_->clear();
    readItemList();
    showPanelItem(lastItem_);
    search_->clear();
    search_->setFocus(Qt::OtherFocusReason);
}

void Tfsuit_product::editLine()
{
    const int row = currentLine();
    if (setMode_ != Normal || lineMode_ != Normal || row < 0) return;
    lineMode_ = Editing;
    editedLine_ = lines_.at(row);
    readItemList();
    const QString code = editedLine_.value(QStringLiteral("SPR_NO")).toString();
    const QList<QTableWidgetItem*> found = itemsGrid_->findItems(code, Qt::MatchExactly);
    std::optional<PanelItem> item;
    for (QTableWidgetItem* cell : found) {
        if (cell->column() != 0) continue;
        itemsGrid_->setCurrentCell(cell->row(), 0);
        itemsGrid_->scrollToItem(cell);
        item = readItem(code);
        break;
    }
    if (item) {
        lastItem_ = item;
    } else {
        // The item is no longer in the registry: the line keeps its own.
        item = PanelItem{code,
                         editedLine_.value(QStringLiteral("DESCRIP")).toString(),
                         editedLine_.value(QStringLiteral("U_NAME")).toString(),
                         editedLine_.value(QStringLiteral("GROUP")).toString(),
                         numberText(editedLine_.value(QStringLiteral("TAX_RATE"))),
                         editedLine_.value(QStringLiteral("CUT_STOCK")).toString(),
                         editedLine_.value(QStringLiteral("P_PERU"))};
    }
    showPanelItem(item);
    search_->setText(code);
    qty_->setFocus(Qt::OtherFocusReason);
}

void Tfsuit_product::pickItem(int row)
{
    if (lineMode_ == Normal || row < 0 || row >= itemsGrid_->rowCount()) return;
    const QString code = itemsGrid_->item(row, 0)->text();
    search_->setText(byName_->isChecked() ? itemsGrid_->item(row, 1)->text() : code);
    if (const std::optional<PanelItem> item = readItem(code)) {
        lastItem_ = item;
        showPanelItem(item);
    }
    search_->setText(shownItem_ ? shownItem_->code : QString());
}

bool Tfsuit_product::saveLine()
{
    if (lineMode_ == Normal || !shownItem_) return false;
    // Each value must read as a number; the check tells the user otherwise.
    for (QLineEdit* e : {qty_, price_, taxRate_}) {
        if (!IsNumberText(e->text())) {
            if (e != taxRate_) e->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    const PanelItem& item = *shownItem_;
    const bool adding = lineMode_ == Adding;
    const QString columns = QStringLiteral(
        " suit_no=:psuit_no,qty=:pqty,spr_no=:pspr_no,descrip=:pdescrip, "
        " u_name=:pu_name,\"group\"=:pgroup,warn_term=:pwarn_term,warn_date=:pwarn_date, "
        " p_peru=:pp_peru,disc=:pdisc,sum=:psum,tax_rate=:ptax_rate,tax=:ptax, "
        " total=:ptotal,cut_stock=:pcut_stock,stk_post=:pstk_post ");
    const QString sql =
        adding ? QStringLiteral(" insert into suit1 "
                                " (suit_no,qty,spr_no,descrip,u_name,\"group\",warn_term,warn_date,p_peru,disc,sum,tax_rate,"
                                "tax,total,cut_stock,stk_post ) "
                                " values "
                                " (:psuit_no,:pqty,:pspr_no,:pdescrip,:pu_name,:pgroup,:pwarn_term, "
                                " :pwarn_date,:pp_peru,:pdisc,:psum,:ptax_rate, "
                                " :ptax,:ptotal, "
                                " :pcut_stock,:pstk_post) ")
               : QStringLiteral(" update suit1  set ") + columns + QStringLiteral(" where auto = :pauto");
    QSqlQuery q = db_.query(sql);
    if (!adding) q.bindValue(QStringLiteral(":pauto"), editedLine_.value(QStringLiteral("AUTO")));
    QString error;
    const bool ok = exec(q,
                         {{"psuit_no", currentSetCode()},
                          {"pqty", *ReadNumber(qty_->text())},
                          {"pspr_no", fitted(item.code, "suit1", "SPR_NO")},
                          {"pdescrip", fitted(item.name, "suit1", "DESCRIP")},
                          {"pu_name", fitted(item.unit, "suit1", "U_NAME")},
                          {"pgroup", fitted(item.group, "suit1", "GROUP")},
                          {"pwarn_term", QString()},
                          {"pwarn_date", QString()},
                          {"pp_peru", *ReadNumber(price_->text())},
                          {"pdisc", 0.0},
                          {"psum", 0.0},
                          {"ptax_rate", *ReadNumber(taxRate_->text())},
                          {"ptax", 0.0},
                          {"ptotal", 0.0},
                          {"pcut_stock", fitted(item.cutStock, "suit1", "CUT_STOCK")},
                          {"pstk_post", 1.0}},
                         &error);
    const QVariant key = adding ? q.lastInsertId() : editedLine_.value(QStringLiteral("AUTO"));
    q.finish();
    if (!ok) {
        messages().error(error);
        return false;
    }
    lineMode_ = Normal;
    editedLine_ = QSqlRecord();
    readLines();
    int row = adding ? int(lines_.size()) - 1 : -1;
    for (int i = 0; !adding && i < lines_.size(); ++i)
        if (lines_.at(i).value(QStringLiteral("AUTO")) == key) row = i;
    setCurrentLine(row);
    applyState();
    return true;
}

void Tfsuit_product::cancelLine()
{
    if (lineMode_ == Normal) return;
    lineMode_ = Normal;
    editedLine_ = QSqlRecord();
    applyState();
    showLineSelection();
}

void Tfsuit_product::deleteLine()
{
    const int row = currentLine();
    if (setMode_ != Normal || lineMode_ != Normal || row < 0) return;
    if (!messages().question(S("ต้องการลบข้อมูลนี้ ?"))) return;
    QString error;
    if (!execSql(db_, QStringLiteral(" delete from suit1  where auto = :pauto"),
                 {{"pauto", lines_.at(row).value(QStringLiteral("AUTO"))}}, &error))
        messages().error(error);
    readLines();
    applyState();
}

// --- the sets -------------------------------------------------------------

void Tfsuit_product::addSet()
{
    if (setMode_ != Normal || lineMode_ != Normal) return;
    setMode_ = Adding;
    code_->clear();
    name_->clear();
    applyState();
    code_->setFocus(Qt::OtherFocusReason);
}

void Tfsuit_product::editSet()
{
    if (setMode_ != Normal || lineMode_ != Normal || current_ < 0) return;
    setMode_ = Editing;
    rememberedSet_ = current_;
    applyState();
    name_->setFocus(Qt::OtherFocusReason);
}

bool Tfsuit_product::saveSet()
{
    if (setMode_ == Normal) return false;
    const QString code = code_->text();
    if (code.isEmpty()) {
        messages().information(S("ไม่มีรหัสข้อมูล..."));
        return false;
    }
    const bool adding = setMode_ == Adding;
    QString error;
    const bool ok = adding ? execSql(db_,
                                     QStringLiteral(" insert into suit  (suit_no,suit_name)  values  (:psuit_no,:psuit_name) "),
                                     {{"psuit_no", code}, {"psuit_name", name_->text()}}, &error)
                           : execSql(db_,
                                     QStringLiteral(" update suit  set  suit_name=:psuit_name  where suit_no =:psuit_no "),
                                     {{"psuit_no", code}, {"psuit_name", name_->text()}}, &error);
    if (!ok) {
        messages().error(error);
        return false;
    }
    setMode_ = Normal;
    readSets();
    setCurrentSet(adding ? int(sets_.size()) - 1 : rememberedSet_);
    return true;
}

void Tfsuit_product::cancelSet()
{
    if (setMode_ == Normal) return;
    setMode_ = Normal;
    showSet();
    applyState();
}

void Tfsuit_product::deleteSet()
{
    if (setMode_ != Normal || lineMode_ != Normal || current_ < 0) return;
    const QString code = currentSetCode();
    const QString hasLinesText = S("ต้องลบรายการสินค้าย่อย ออกให้หมดก่อน...");
    const QString countSql = QStringLiteral("select count(*) from suit1 where suit_no = :psuit_no");
    // The stored lines decide, not the lines read when the set was shown.
    if (!lines_.isEmpty() || scalar(db_, countSql, {{"psuit_no", code}}).toInt() > 0) {
        messages().information(hasLinesText);
        readLines();
        return;
    }
    if (!messages().question(S("ต้องการลบข้อมูลนี้ ?"))) return;
    // The check again and the delete in one transaction: a line added at
    // another workstation meanwhile keeps the set.
    bool linesAdded = false;
    bool ok = false;
    {
        WriteTransaction tx(db_);
        if (tx.isActive()) {
            QSqlQuery count = db_.query(countSql);
            ok = exec(count, {{"psuit_no", code}}) && count.next();
            linesAdded = ok && count.value(0).toInt() > 0;
            count.finish();
            ok = ok && !linesAdded &&
                 execSql(db_, QStringLiteral(" delete from suit  where suit_no = :psuit_no"), {{"psuit_no", code}}) &&
                 tx.commit();
        }
    }
    readSets();
    setCurrentSet(0);
    if (linesAdded)
        messages().information(hasLinesText);
    else
        messages().information(ok ? S("ลบรายการสำเร็จ...") : S("ไม่สามารถลบรายการได้..."));
}

void Tfsuit_product::printSet()
{
    if (setMode_ != Normal || lineMode_ != Normal || current_ < 0) return;
    QString error;
    const std::optional<PageDocument> doc = BuildProductSetReport(db_, currentSetCode(), &error);
    if (!doc) {
        messages().error(error);
        return;
    }
    showPrintPreview(*doc, this);
}

// --- the code field and the amounts ----------------------------------------

void Tfsuit_product::checkDuplicateCode()
{
    if (setMode_ != Adding) return;
    const QString code = code_->text();
    if (!code.isEmpty() && scalar(db_, QStringLiteral(" select suit_no from suit  where suit_no = :psuit_no"),
                                  {{"psuit_no", code}})
                               .isValid()) {
        messages().information(S("รหัสซ้ำ..."));
        code_->clear();
        QTimer::singleShot(0, code_, [this] { code_->setFocus(Qt::OtherFocusReason); });
        return;
    }
    name_->setFocus(Qt::OtherFocusReason);
}

bool Tfsuit_product::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusOut) {
        // Not when a message box or a popup takes the focus away.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == code_) checkDuplicateCode();
            if (watched == qty_ && qty_->text().isEmpty()) qty_->setText(QStringLiteral("1"));
            if (watched == price_ && price_->text().isEmpty()) price_->setText(QStringLiteral("0"));
        }
    }
    return QWidget::eventFilter(watched, e);
}
