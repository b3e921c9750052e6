// The pages of the visit screen besides the main page, and its line panel.

#include "visit/visitscreen.h"

#include "data/numbers.h"
#include "data/schema.h"
#include "data/stock.h"
#include "data/terms.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/pagedmodel.h"
#include "platform/ui/rowsmodel.h"
#include "platform/ui/widgets.h"
#include "visit/visitlinepicker.h"
#include "visit/visitstore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The customer list columns and their orders, by search choice.
const char* const patientOrder[] = {"cust_no", "cust_name, rowid", "cust_name, rowid", "cust_card, rowid"};
const int patientColumn[] = {0, 1, 1, 2};

} // namespace

// ---------------------------------------------------------------------------
// Patient page

QWidget* TRecieve_Rent::buildPatientPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("patientPage"));
    auto* layout = new QVBoxLayout(page);
    auto* by = new QGroupBox(QStringLiteral("  ค้นหาโดย  "), page);
    auto* byRow = new QHBoxLayout(by);
    const QStringList choices = {QStringLiteral("รหัส"), QStringLiteral("ชื่อ"), QStringLiteral("ส่วนของชื่อ-สกุล"),
                                 QStringLiteral("เลขประชาชน")};
    for (int i = 0; i < choices.size(); ++i) {
        auto* r = new QRadioButton(choices.at(i), by);
        r->setObjectName(QStringLiteral("rbPatientBy%1").arg(i));
        patientBy_ << r;
        byRow->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) patientSearchChanged();
        });
    }
    layout->addWidget(by);
    auto* searchRow = new QHBoxLayout;
    patientSearchLabel_ = new QLabel(QStringLiteral("รหัส"), page);
    QLineEdit* search = makeLineEdit(page, "edPatientSearch", 100);
    edits_.insert(QStringLiteral("edPatientSearch"), search);
    searchRow->addWidget(patientSearchLabel_);
    searchRow->addWidget(search, 1);
    QPushButton* ok = makeButton(page, "btnPatientOk", QStringLiteral("&ตกลง"));
    QPushButton* cancel = makeButton(page, "btnPatientCancel", QStringLiteral("ยกเ&ลิก"));
    searchRow->addWidget(ok);
    searchRow->addWidget(cancel);
    layout->addLayout(searchRow);
    auto* grids = new QHBoxLayout;
    // A hundred thousand patients: read a page at a time in an indexed order.
    patients_ = new PagedModel(db_, {QStringLiteral("รหัสลูกค้า"), QStringLiteral("ชื่อลูกค้า"), QStringLiteral("เลขประจำตัวประชาชน")}, this);
    patientGrid_ = makeListView(page, "gridPatients", patients_);
    names_ = new RowsModel({QStringLiteral("ชื่อ - สกุล")}, this);
    nameGrid_ = makeListView(page, "gridNames", names_);
    grids->addWidget(patientGrid_, 3);
    grids->addWidget(nameGrid_, 2);
    layout->addLayout(grids, 1);

    onEnter(search, [this] { patientEnter(); });
    auto copyChosen = [this] {
        const int choice = int(std::find_if(patientBy_.cbegin(), patientBy_.cend(), [](QRadioButton* r) { return r->isChecked(); }) -
                               patientBy_.cbegin());
        edits_.value(QStringLiteral("edPatientSearch"))->setText(patients_->text(currentRowOf(patientGrid_), patientColumn[qBound(0, choice, 3)]));
    };
    connect(patientGrid_, &QTableView::clicked, this, copyChosen);
    onEnter(patientGrid_, copyChosen);
    auto pickName = [this](bool focusOk) {
        goToRow(patientGrid_, patients_->findPrefix(names_->text(currentRowOf(nameGrid_), 0)));
        if (focusOk) findChild<QPushButton*>(QStringLiteral("btnPatientOk"))->setFocus();
    };
    connect(nameGrid_, &QTableView::clicked, this, [pickName] { pickName(false); });
    onEnter(nameGrid_, [pickName] { pickName(true); });
    connect(ok, &QPushButton::clicked, this, &TRecieve_Rent::patientOk);
    connect(cancel, &QPushButton::clicked, this, &TRecieve_Rent::patientCancel);
    return page;
}

void TRecieve_Rent::openPatientPage()
{
    pages_->setCurrentIndex(PatientPage);
    if (!patientBy_.at(1)->isChecked()) patientBy_.at(1)->setChecked(true); // re-reads the list
    else patientSearchChanged();
}

void TRecieve_Rent::patientSearchChanged()
{
    int choice = 0;
    for (int i = 0; i < patientBy_.size(); ++i)
        if (patientBy_.at(i)->isChecked()) choice = i;
    const QStringList labels = {QStringLiteral("รหัส"), QStringLiteral("ชื่อ"), QStringLiteral("ส่วนหนึ่งชื่อ-สกุล"),
                                QStringLiteral("เลขบัตรประชาชน")};
    patientSearchLabel_->setText(labels.at(choice));
    patients_->setQuery(QStringLiteral("cust_no, cust_name, cust_card"), QStringLiteral("customer"), QString(), {},
                        QString::fromLatin1(patientOrder[choice]));
    names_->setRows({});
    goToRow(patientGrid_, 0);
    QLineEdit* search = edits_.value(QStringLiteral("edPatientSearch"));
    search->setText(choice == 2 ? QString() : patients_->text(0, patientColumn[choice]));
    search->setFocus();
}

void TRecieve_Rent::patientEnter()
{
    int choice = 0;
    for (int i = 0; i < patientBy_.size(); ++i)
        if (patientBy_.at(i)->isChecked()) choice = i;
    QLineEdit* search = edits_.value(QStringLiteral("edPatientSearch"));
    if (choice == 2) {
        names_->load(db_, QStringLiteral(" select cust_name from customer  where cust_name like :pcust_name "),
                     {{"pcust_name", QStringLiteral("%") + search->text() + QStringLiteral("%")}});
        if (names_->rowCount() == 0) {
            search->clear();
            return;
        }
        goToRow(nameGrid_, 0);
        nameGrid_->setFocus();
        return;
    }
    const int row = patients_->findPrefix(search->text());
    if (row < 0) return;
    goToRow(patientGrid_, row);
    search->setText(patients_->text(row, patientColumn[choice]));
    findChild<QPushButton*>(QStringLiteral("btnPatientOk"))->setFocus();
}

void TRecieve_Rent::patientOk() { choosePatient(patients_->text(currentRowOf(patientGrid_), 0)); }

void TRecieve_Rent::choosePatient(const QString& number)
{
    pages_->setCurrentIndex(MainPage);
    const auto row = number.isEmpty() ? std::nullopt
                                      : readRow(db_, QStringLiteral(" select * from customer  where cust_no =:p_cust_no "),
                                                {{"p_cust_no", number}});
    if (!row) return;
    const QVariantMap& customer = *row;
    fillPatient(customer);
    credit_->setCurrentText(customer.value(QStringLiteral("CUST_CRE")).toString());
    recomputeDueDate();
    doctor_->setFocus();
    doctor_->setCurrentIndex(0);
}

void TRecieve_Rent::patientCancel()
{
    pages_->setCurrentIndex(MainPage);
    clearPatient();
}

// ---------------------------------------------------------------------------
// Disease page

QWidget* TRecieve_Rent::buildDiseasePage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("diseasePage"));
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    QLineEdit* search = makeLineEdit(page, "edDiseaseSearch", 100);
    edits_.insert(QStringLiteral("edDiseaseSearch"), search);
    QPushButton* ok = makeButton(page, "btnDiseaseOk", QStringLiteral("ตกลง"));
    QPushButton* back = makeButton(page, "btnDiseaseBack", QStringLiteral("กลับ"));
    row->addWidget(search, 1);
    row->addWidget(ok);
    row->addWidget(back);
    layout->addLayout(row);
    diseases_ = new RowsModel({QStringLiteral("โรค"), QStringLiteral("กลุ่มโรค")}, this);
    diseaseGrid_ = makeListView(page, "gridDiseases", diseases_);
    layout->addWidget(diseaseGrid_, 1);
    onEnter(search, [this] { diseaseEnter(); });
    connect(ok, &QPushButton::clicked, this, [this] { goToRow(diseaseGrid_, diseases_->findPrefix(0, edits_.value(QStringLiteral("edDiseaseSearch"))->text())); });
    auto showChosen = [this] { edits_.value(QStringLiteral("edDiseaseSearch"))->setText(diseases_->text(currentRowOf(diseaseGrid_), 0)); };
    connect(diseaseGrid_, &QTableView::clicked, this, showChosen);
    onEnter(diseaseGrid_, [this, showChosen, back] {
        showChosen();
        back->setFocus();
    });
    connect(back, &QPushButton::clicked, this, &TRecieve_Rent::diseaseBack);
    connect(pages_, &QStackedWidget::currentChanged, this, [this](int index) {
        if (index != DiseasePage) return;
        diseases_->load(db_, QStringLiteral(" select sickness, sick_group from sickness order by sickness "));
        goToRow(diseaseGrid_, 0);
        edits_.value(QStringLiteral("edDiseaseSearch"))->setFocus();
    });
    return page;
}

void TRecieve_Rent::diseaseEnter()
{
    QLineEdit* search = edits_.value(QStringLiteral("edDiseaseSearch"));
    const int row = diseases_->findPrefix(0, search->text());
    if (row < 0) {
        messages().information(QStringLiteral("ไม่พบข้อมูล"));
        return;
    }
    goToRow(diseaseGrid_, row);
    search->setText(diseases_->text(row, 0));
    diseaseGrid_->setFocus();
}

void TRecieve_Rent::diseaseBack()
{
    const int row = currentRowOf(diseaseGrid_);
    if (row >= 0) {
        edits_.value(QStringLiteral("ed_SICKNESS"))->setText(diseases_->text(row, 0));
        edits_.value(QStringLiteral("ed_SICK_GROUP"))->setText(diseases_->text(row, 1));
    }
    pages_->setCurrentIndex(MainPage);
}

// ---------------------------------------------------------------------------
// Full-page text editor

QWidget* TRecieve_Rent::buildTextPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("textPage"));
    auto* layout = new QVBoxLayout(page);
    textCaption_ = new QLabel(page);
    textPatient_ = new QLabel(page);
    textPatient_->setObjectName(QStringLiteral("lblTextPatient"));
    bigText_ = new QPlainTextEdit(page);
    bigText_->setObjectName(QStringLiteral("teBigText"));
    QPushButton* back = makeButton(page, "btnTextBack", QStringLiteral("กลับ"));
    layout->addWidget(textCaption_);
    layout->addWidget(textPatient_);
    layout->addWidget(bigText_, 1);
    layout->addWidget(back, 0, Qt::AlignRight);
    connect(back, &QPushButton::clicked, this, [this] {
        QPlainTextEdit* target = findChild<QPlainTextEdit*>(textTarget_);
        if (target && !target->isReadOnly()) target->setPlainText(bigText_->toPlainText());
        pages_->setCurrentIndex(MainPage);
    });
    return page;
}

void TRecieve_Rent::openTextPage(QPlainTextEdit* source, const QString& caption)
{
    textTarget_ = source->objectName();
    textCaption_->setText(caption);
    textPatient_->setText(edits_.value(QStringLiteral("ed_CUST_NAME"))->text());
    bigText_->setPlainText(source->toPlainText());
    bigText_->setReadOnly(source->isReadOnly());
    pages_->setCurrentIndex(TextPage);
    bigText_->setFocus();
}

// ---------------------------------------------------------------------------
// Line panel

QGroupBox* TRecieve_Rent::buildLinePanel(QWidget* parent)
{
    auto* panel = new QGroupBox(parent);
    panel->setObjectName(QStringLiteral("linePanel"));
    auto* layout = new QGridLayout(panel);
    byCode_ = new QRadioButton(QStringLiteral("รหัส"), panel);
    byCode_->setObjectName(QStringLiteral("rbItemByCode"));
    byName_ = new QRadioButton(QStringLiteral("ชื่อ"), panel);
    byName_->setObjectName(QStringLiteral("rbItemByName"));
    byCode_->setChecked(true);
    QLineEdit* search = makeLineEdit(panel, "edItemSearch", 15);
    edits_.insert(QStringLiteral("edItemSearch"), search);
    items_ = new RowsModel({QStringLiteral("รหัสยา"), QStringLiteral("ชื่อยา / เวชภัณฑ์")}, this);
    itemList_ = makeListView(panel, "gridItems", items_);
    itemList_->setMinimumHeight(120);
    allergyWarning_ = new QLabel(panel);
    allergyWarning_->setObjectName(QStringLiteral("lblAllergy"));
    allergyWarning_->setStyleSheet(QStringLiteral("color: #d00000; font-weight: bold; font-size: 13pt"));
    allergyWarning_->setWordWrap(true);
    stockLabel_ = new QLabel(panel);
    stockLabel_->setObjectName(QStringLiteral("lblStock"));
    unitLabel_ = new QLabel(panel);
    unitLabel_->setObjectName(QStringLiteral("lblUnit"));
    QLineEdit* qty = makeLineEdit(panel, "edQty", 12);
    QLineEdit* price = makeLineEdit(panel, "edPrice", 14);
    QLineEdit* rate = makeLineEdit(panel, "edTaxRate", 6);
    rate->setReadOnly(true);
    QLineEdit* disc = makeLineEdit(panel, "edDisc", 6);
    for (QLineEdit* e : {qty, price, rate, disc}) edits_.insert(e->objectName(), e);
    QPushButton* save = makeButton(panel, "btnLineSave", QStringLiteral("บัน&ทึก"));
    QPushButton* done = makeButton(panel, "btnLineDone", QStringLiteral("จบ&ยกเลิก"));
    QPushButton* refresh = makeButton(panel, "btnItemsRefresh", QStringLiteral("Refresh"));

    layout->addWidget(byCode_, 0, 0);
    layout->addWidget(byName_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("ข้อมูลที่ต้องการค้นหา"), panel), 0, 2);
    layout->addWidget(search, 0, 3);
    layout->addWidget(refresh, 0, 4);
    layout->addWidget(itemList_, 1, 0, 4, 4);
    layout->addWidget(allergyWarning_, 5, 0, 1, 8);
    layout->addWidget(new QLabel(QStringLiteral("จำนวนคงเหลือ"), panel), 1, 4);
    layout->addWidget(stockLabel_, 1, 5);
    layout->addWidget(new QLabel(QStringLiteral("จำนวนที่ใช้"), panel), 2, 4);
    layout->addWidget(qty, 2, 5);
    layout->addWidget(new QLabel(QStringLiteral("หน่วยเรียก"), panel), 2, 6);
    layout->addWidget(unitLabel_, 2, 7);
    layout->addWidget(new QLabel(QStringLiteral("ราคา/หน่วย"), panel), 3, 4);
    layout->addWidget(price, 3, 5);
    layout->addWidget(new QLabel(QStringLiteral("ภาษี %"), panel), 3, 6);
    layout->addWidget(rate, 3, 7);
    layout->addWidget(new QLabel(QStringLiteral("ลด %"), panel), 4, 4);
    layout->addWidget(disc, 4, 5);
    layout->addWidget(save, 4, 6);
    layout->addWidget(done, 4, 7);

    chainEnter({qty, price, rate, disc}, save);
    onEnter(search, [this] { pickItem(true); });
    connect(itemList_, &QTableView::clicked, this, [this] { pickItem(false); });
    onEnter(itemList_, [this] { pickItem(false); });
    connect(byCode_, &QRadioButton::toggled, this, [this] { loadItems(); });
    connect(refresh, &QPushButton::clicked, this, &TRecieve_Rent::loadItems);
    connect(save, &QPushButton::clicked, this, &TRecieve_Rent::saveLine);
    connect(done, &QPushButton::clicked, this, &TRecieve_Rent::closeLinePanel);
    panel->hide();
    return panel;
}

void TRecieve_Rent::loadItems()
{
    items_->load(db_, QStringLiteral(" select pro_no, pro_name from product  order by %1")
                          .arg(byName_->isChecked() ? QStringLiteral("pro_name") : QStringLiteral("pro_no")));
}

void TRecieve_Rent::showAllergyWarning()
{
    const QString allergy = patient_.value(QStringLiteral("CUST_HPS")).toString().trimmed();
    allergyWarning_->setText(allergy.isEmpty() ? QString() : QStringLiteral("ผู้ป่วยแพ้ยา : ") + allergy);
    allergyWarning_->setVisible(!allergy.isEmpty());
}

void TRecieve_Rent::addLine()
{
    if (current_.isEmpty() || !current_.startsWith(prefix_) || mode_ != QLatin1String("normal")) {
        messages().information(QStringLiteral("ไม่สามารถเพิ่มรายการได้..."));
        return;
    }
    lineMode_ = QStringLiteral("add");
    editLineAuto_ = 0;
    item_.clear();
    for (const char* e : {"edItemSearch", "edQty", "edPrice", "edTaxRate", "edDisc"}) edits_.value(QString::fromLatin1(e))->clear();
    stockLabel_->clear();
    unitLabel_->clear();
    edits_.value(QStringLiteral("edItemSearch"))->setEnabled(true);
    itemList_->setEnabled(true);
    byCode_->setEnabled(true);
    byName_->setEnabled(true);
    if (!byCode_->isChecked()) byCode_->setChecked(true);
    else loadItems();
    showAllergyWarning();
    linePanel_->show();
    applyBrowseState();
    linesGrid_->setEnabled(false);
    edits_.value(QStringLiteral("edItemSearch"))->setFocus();
}

void TRecieve_Rent::pickItem(bool fromSearchText)
{
    QLineEdit* search = edits_.value(QStringLiteral("edItemSearch"));
    const int column = byName_->isChecked() ? 1 : 0;
    int row = currentRowOf(itemList_);
    if (fromSearchText) {
        row = items_->findPrefix(column, search->text());
        if (row < 0) return;
        goToRow(itemList_, row);
    }
    if (row < 0) return;
    search->setText(items_->text(row, column));
    const auto product = readRow(db_, QStringLiteral(" select * from product  where pro_no =:ppro_no "), {{"ppro_no", items_->text(row, 0)}});
    if (!product) return;
    item_ = *product;
    edits_.value(QStringLiteral("edDisc"))->setText(QStringLiteral("0"));
    edits_.value(QStringLiteral("edPrice"))->setText(StockText(item_.value(QStringLiteral("PRO_SPRICE")).toDouble()));
    edits_.value(QStringLiteral("edTaxRate"))->setText(
        taxMode_ == TaxMode::Vat ? StockText(item_.value(QStringLiteral("TAX_RATE")).toDouble()) : QStringLiteral("0"));
    edits_.value(QStringLiteral("edQty"))->setText(QStringLiteral("1"));
    unitLabel_->setText(item_.value(QStringLiteral("PRO_UNIT")).toString());
    const bool stockItem = item_.value(QStringLiteral("CUT_STOCK")).toString() == QLatin1String("1");
    stockLabel_->setText(stockItem ? StockText(AvailableForLine(db_, item_.value(QStringLiteral("PRO_NO")).toString(), editLineAuto_))
                                   : QStringLiteral("0"));
    if (fromSearchText && byName_->isChecked()) itemList_->setFocus();
    else edits_.value(QStringLiteral("edQty"))->setFocus();
}

bool TRecieve_Rent::saveLine()
{
    if (edits_.value(QStringLiteral("edItemSearch"))->text().isEmpty() || item_.isEmpty()) {
        messages().information(QStringLiteral("ใส่รหัสสินค้าก่อน..."));
        return false;
    }
    double values[3];
    const char* fields[] = {"edQty", "edPrice", "edDisc"};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* e = edits_.value(QString::fromLatin1(fields[i]));
        if (!IsNumberText(e->text())) {
            e->setFocus();
            return false;
        }
        values[i] = *ReadNumber(e->text());
    }
    LineInput line;
    line.itemCode = item_.value(QStringLiteral("PRO_NO")).toString();
    line.itemName = item_.value(QStringLiteral("PRO_NAME")).toString().left(ColumnWidth(QStringLiteral("service1"), QStringLiteral("DESCRIP")));
    line.unit = item_.value(QStringLiteral("PRO_UNIT")).toString();
    line.group = item_.value(QStringLiteral("PRO_GROUP")).toString();
    line.stockItem = item_.value(QStringLiteral("CUT_STOCK")).toString() == QLatin1String("1");
    line.quantity = values[0];
    line.price = values[1];
    line.discount = values[2];
    line.taxRate = ReadNumber(edits_.value(QStringLiteral("edTaxRate"))->text()).value_or(0);
    toolbar_->hide();
    const LineSaveResult r = SaveVisitLine(db_, current_, line, lineMode_ == QLatin1String("edit") ? editLineAuto_ : 0);
    toolbar_->show();
    switch (r.outcome) {
    case LineSaveOutcome::NotEnoughStock:
        stockLabel_->setText(StockText(r.available));
        messages().information(QStringLiteral("จำนวนไม่พอ..."));
        edits_.value(QStringLiteral("edQty"))->setFocus();
        return false;
    case LineSaveOutcome::Failed:
        messages().information(LockedSaveFailedText());
        return false;
    case LineSaveOutcome::Saved:
        break;
    }
    closeLinePanel();
    return true;
}

void TRecieve_Rent::closeLinePanel()
{
    lineMode_ = QStringLiteral("normal");
    editLineAuto_ = 0;
    linePanel_->hide();
    pages_->setCurrentIndex(0);
    const QString keep = current_;
    showVisit(keep);
}

void TRecieve_Rent::editLine()
{
    const int row = linesGrid_->currentRow();
    if (lines_.isEmpty()) {
        messages().information(QStringLiteral("ไม่มีรายการให้แก้ไข..."));
        return;
    }
    const QVariantMap line = lines_.at(row >= 0 ? row : 0);
    addLine();
    if (lineMode_ != QLatin1String("add")) return;
    lineMode_ = QStringLiteral("edit");
    editLineAuto_ = line.value(QStringLiteral("AUTO")).toInt();
    const QString code = line.value(QStringLiteral("SPR_NO")).toString();
    QLineEdit* search = edits_.value(QStringLiteral("edItemSearch"));
    goToRow(itemList_, items_->findIgnoringCase(0, code));
    search->setText(code);
    if (const auto product = readRow(db_, QStringLiteral(" select * from product  where pro_no =:ppro_no "), {{"ppro_no", code}})) {
        item_ = *product;
    } else {
        // An item since removed from the registry: the line keeps its own texts.
        item_ = {{QStringLiteral("PRO_NO"), code}, {QStringLiteral("PRO_NAME"), line.value(QStringLiteral("DESCRIP"))},
                 {QStringLiteral("PRO_UNIT"), line.value(QStringLiteral("U_NAME"))},
                 {QStringLiteral("PRO_GROUP"), line.value(QStringLiteral("GROUP"))},
                 {QStringLiteral("CUT_STOCK"), line.value(QStringLiteral("CUT_STOCK"))}};
    }
    for (QWidget* w : std::initializer_list<QWidget*>{search, itemList_, byCode_, byName_}) w->setEnabled(false);
    edits_.value(QStringLiteral("edQty"))->setText(StockText(line.value(QStringLiteral("QTY")).toDouble()));
    edits_.value(QStringLiteral("edPrice"))->setText(StockText(line.value(QStringLiteral("P_PERU")).toDouble()));
    edits_.value(QStringLiteral("edTaxRate"))->setText(StockText(line.value(QStringLiteral("TAX_RATE")).toDouble()));
    edits_.value(QStringLiteral("edDisc"))->setText(StockText(line.value(QStringLiteral("DISC")).toDouble()));
    unitLabel_->setText(line.value(QStringLiteral("U_NAME")).toString());
    const bool stockItem = item_.value(QStringLiteral("CUT_STOCK")).toString() == QLatin1String("1");
    stockLabel_->setText(stockItem ? StockText(AvailableForLine(db_, code, editLineAuto_)) : QStringLiteral("0"));
    edits_.value(QStringLiteral("edQty"))->setFocus();
}

void TRecieve_Rent::deleteLine()
{
    if (lines_.isEmpty()) {
        messages().information(QStringLiteral("ไม่มีรายการให้ลบ..."));
        return;
    }
    const int row = linesGrid_->currentRow();
    const int lineAuto = lines_.at(row >= 0 ? row : 0).value(QStringLiteral("AUTO")).toInt();
    if (!messages().question(QStringLiteral("ต้องการลบข้อมูลนี้ ?"))) return;
    if (!DeleteVisitLine(db_, current_, lineAuto)) messages().information(LockedSaveFailedText());
    showVisit(current_);
}

TVisitLinePicker* TRecieve_Rent::openLinePicker(bool productSet)
{
    if (current_.isEmpty() || !current_.startsWith(prefix_) || mode_ != QLatin1String("normal") ||
        lineMode_ != QLatin1String("normal")) {
        messages().information(QStringLiteral("ไม่สามารถเพิ่มรายการได้..."));
        return nullptr;
    }
    lineMode_ = QStringLiteral("add");
    applyBrowseState();
    auto* picker = new TVisitLinePicker(productSet ? LineSource::ProductSet : LineSource::EarlierVisit, current_,
                                        patient_.value(QStringLiteral("CUST_NO")).toString());
    connect(picker, &TVisitLinePicker::linesAdded, this, [this] { showVisit(current_); });
    connect(picker, &TVisitLinePicker::closed, this, [this] {
        lineMode_ = QStringLiteral("normal");
        applyBrowseState();
    });
    openBeside(this, picker);
    return picker;
}
