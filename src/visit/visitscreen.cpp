#include "visit/visitscreen.h"

#include "app/cashdrawer.h"
#include "app/sharedstate.h"
#include "data/conversion.h"
#include "data/numbers.h"
#include "data/schema.h"
#include "data/stock.h"
#include "data/terms.h"
#include "data/thaidate.h"
#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/rowsmodel.h"
#include "platform/ui/widgets.h"
#include "visit/certificate.h"
#include "visit/receipt.h"
#include "visit/visitstore.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
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

// A visit date the screen accepts: a real day of a month (the day 00 that
// the date check lets through would be stored as a date nobody can read).
bool isVisitDate(const QString& text) { return ReadDateQuietly(text).isValid(); }

QString money(double v) { return FormatNumber(v, QStringLiteral("##,###,##0.00")); }

} // namespace

TRecieve_Rent::TRecieve_Rent(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TRecieve_Rent"));
    setWindowTitle(QStringLiteral("  ตรวจ - รักษา"));
    resize(992, 633);
    auto* top = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    top->addWidget(pages_);
    pages_->addWidget(buildMainPage());
    pages_->addWidget(buildPatientPage());
    pages_->addWidget(buildDiseasePage());
    pages_->addWidget(buildTextPage());
    pages_->addWidget(buildLabPage());
    pages_->addWidget(buildAppointmentPage());
    pages_->addWidget(buildSearchPage());
    pages_->addWidget(buildFindPage());
}

int TRecieve_Rent::page() const { return pages_->currentIndex(); }

QWidget* TRecieve_Rent::buildMainPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);

    toolbar_ = new QWidget(page);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    auto* bar = new QHBoxLayout(toolbar_);
    bar->setContentsMargins(0, 0, 0, 0);
    struct B { const char* name; const char* caption; };
    const B tools[] = {{"btnSearch", "ค้นหา"},      {"btnAdd", "เ&พิ่ม"},         {"btnEdit", "แ&ก้ไข"},
                       {"btnDelete", "ล&บ"},       {"btnLab", "ผลแลบ"},         {"btnAppointment", "นัดตรวจ"},
                       {"btnCertificate", "ใบรับรอง"}, {"btnCancel", "&ยกเลิก"},     {"btnSave", "บัน&ทึก"},
                       {"btnPrior", "<"},          {"btnNext", ">"},            {"btnRefresh", "Refresh"},
                       {"btnReceipt", "ใบเสร็จ"},   {"btnClose", "เ&ลิก"}};
    for (const B& b : tools) {
        QPushButton* button = makeButton(toolbar_, b.name, QString::fromUtf8(b.caption));
        buttons_.insert(QString::fromLatin1(b.name), button);
        bar->addWidget(button);
    }
    layout->addWidget(toolbar_);

    auto edit = [this](QWidget* parent, const char* name, const char* column, bool readOnly = true) {
        const QString col = QString::fromLatin1(column);
        QLineEdit* e = makeLineEdit(parent, name, col.isEmpty() ? 0 : ColumnWidth(QStringLiteral("service"), col));
        e->setReadOnly(readOnly);
        edits_.insert(QString::fromLatin1(name), e);
        return e;
    };

    // Header row.
    auto* headerRow = new QHBoxLayout;
    headerRow->addWidget(new QLabel(QStringLiteral("เลขที่ใบสำคัญ"), page));
    headerRow->addWidget(edit(page, "edNumber", ""));
    QPushButton* find = makeButton(page, "btnFindNumber", QStringLiteral("..."));
    buttons_.insert(QStringLiteral("btnFindNumber"), find);
    find->setMaximumWidth(28);
    headerRow->addWidget(find);
    headerRow->addWidget(new QLabel(QStringLiteral("วันที่รักษา"), page));
    QLineEdit* date = edit(page, "edDate", "", false);
    date->setInputMask(QStringLiteral("99/99/9999; "));
    date->setToolTip(QStringLiteral("รูปแบบ พ.ศ. เช่น 31/01/2545"));
    headerRow->addWidget(date);
    headerRow->addWidget(new QLabel(QStringLiteral("เครดิต"), page));
    credit_ = new QComboBox(page);
    credit_->setObjectName(QStringLiteral("cbCredit"));
    credit_->setEditable(true);
    credit_->addItems(CreditTerms());
    headerRow->addWidget(credit_);
    headerRow->addWidget(new QLabel(QStringLiteral("กำหนดชำระ"), page));
    headerRow->addWidget(edit(page, "edDue", ""));
    headerRow->addStretch();
    layout->addLayout(headerRow);

    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    // Patient, read-only, filled from the registry.
    auto* patientBox = new QGroupBox(page);
    auto* pf = new QFormLayout(patientBox);
    struct P { const char* name; const char* label; };
    const P patientFields[] = {{"ed_CUST_NO", "รหัสลูกค้า"}, {"ed_CUST_CARD", "เลขประชาชน"}, {"ed_CUST_NAME", "ชื่อลูกค้า"},
                               {"ed_CUST_BIRTH", "วดป.เกิด"}, {"edAge", "อายุ"},          {"ed_CUST_SEX", "เพศ"},
                               {"ed_CUST_BLOOD", "หมู่โลหิต"}, {"ed_CUST_WGHT", "น้ำหนัก"},   {"ed_CUST_TALL", "ส่วนสูง"},
                               {"ed_CUST_HPS", "แพ้ยา"},      {"ed_CUST_ADD1", "ที่อยู่"},    {"ed_CUST_ADD2", ""},
                               {"ed_CUST_ADD4", "จังหวัด"},   {"ed_CUST_TEL", "โทร"}};
    QList<QWidget*> order;
    for (const P& p : patientFields) {
        QLineEdit* e = edit(patientBox, p.name, "");
        order << e;
        if (QLatin1String(p.name) == QLatin1String("ed_CUST_NAME")) {
            auto* row = new QHBoxLayout;
            row->addWidget(e);
            QPushButton* pick = makeButton(patientBox, "btnPatient", QStringLiteral("..."));
            pick->setMaximumWidth(28);
            buttons_.insert(QStringLiteral("btnPatient"), pick);
            row->addWidget(pick);
            pf->addRow(QString::fromUtf8(p.label), row);
        } else {
            pf->addRow(QString::fromUtf8(p.label), e);
        }
    }
    edits_.value(QStringLiteral("ed_CUST_HPS"))->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    columns->addWidget(patientBox, 2);

    // Doctor, complaint, disease, symptoms and diagnosis.
    auto* visitBox = new QGroupBox(page);
    auto* vf = new QGridLayout(visitBox);
    doctor_ = new QComboBox(visitBox);
    doctor_->setObjectName(QStringLiteral("cbDoctor"));
    QPushButton* reload = makeButton(visitBox, "btnReloadDoctors", QStringLiteral("R"));
    reload->setMaximumWidth(28);
    buttons_.insert(QStringLiteral("btnReloadDoctors"), reload);
    vf->addWidget(new QLabel(QStringLiteral("แพทย์"), visitBox), 0, 0);
    vf->addWidget(doctor_, 0, 1);
    vf->addWidget(reload, 0, 2);
    vf->addWidget(new QLabel(QStringLiteral("อาการที่รับแจ้ง"), visitBox), 1, 0);
    vf->addWidget(edit(visitBox, "ed_DAMAGE", "DAMAGE", false), 1, 1, 1, 2);
    vf->addWidget(new QLabel(QStringLiteral("ป่วยเป็นโรค"), visitBox), 2, 0);
    vf->addWidget(edit(visitBox, "ed_SICKNESS", "SICKNESS"), 2, 1);
    QPushButton* disease = makeButton(visitBox, "btnDisease", QStringLiteral("?"));
    disease->setMaximumWidth(28);
    buttons_.insert(QStringLiteral("btnDisease"), disease);
    vf->addWidget(disease, 2, 2);
    vf->addWidget(new QLabel(QStringLiteral("กลุ่มโรค"), visitBox), 3, 0);
    vf->addWidget(edit(visitBox, "ed_SICK_GROUP", "SICK_GROUP"), 3, 1);
    symptoms_ = new QPlainTextEdit(visitBox);
    symptoms_->setObjectName(QStringLiteral("te_REM2"));
    diagnosis_ = new QPlainTextEdit(visitBox);
    diagnosis_->setObjectName(QStringLiteral("te_REM"));
    QPushButton* symptomsPage = makeButton(visitBox, "btnSymptomsPage", QStringLiteral(">>"));
    QPushButton* diagnosisPage = makeButton(visitBox, "btnDiagnosisPage", QStringLiteral(">>"));
    for (QPushButton* b : {symptomsPage, diagnosisPage}) b->setMaximumWidth(28);
    vf->addWidget(new QLabel(QStringLiteral("อาการ - การรักษา"), visitBox), 4, 0);
    vf->addWidget(symptoms_, 4, 1);
    vf->addWidget(symptomsPage, 4, 2);
    vf->addWidget(new QLabel(QStringLiteral("คำวินิจฉัยแพทย์"), visitBox), 5, 0);
    vf->addWidget(diagnosis_, 5, 1);
    vf->addWidget(diagnosisPage, 5, 2);
    columns->addWidget(visitBox, 3);

    auto* side = new QVBoxLayout;
    picture_ = new QLabel(page);
    picture_->setObjectName(QStringLiteral("imgClinic"));
    picture_->setFixedSize(180, 120);
    picture_->setAlignment(Qt::AlignCenter);
    bigTotal_ = new QLabel(QStringLiteral("0.00"), page);
    bigTotal_->setObjectName(QStringLiteral("lblBigTotal"));
    bigTotal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bigTotal_->setStyleSheet(QStringLiteral("font-size: 28pt; font-weight: bold; color: #003080; background: #f0f4ff"));
    side->addWidget(picture_);
    side->addWidget(bigTotal_);
    side->addStretch();
    columns->addLayout(side, 1);

    // Lines, line commands, totals.
    auto* linesRow = new QHBoxLayout;
    linesGrid_ = new QTableWidget(0, 7, page);
    linesGrid_->setObjectName(QStringLiteral("gridLines"));
    linesGrid_->setHorizontalHeaderLabels({QStringLiteral("รหัส"), QStringLiteral("ชื่อยา - เวชภัณฑ์"), QStringLiteral("จำนวน"),
                                           QStringLiteral("หน่วยนับ"), QStringLiteral("ราคา/หน่วย"), QStringLiteral("ลด %"),
                                           QStringLiteral("รวม")});
    linesGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    linesGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    linesGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    linesGrid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    linesGrid_->setToolTip(QStringLiteral("คลิก เลือกรหัสยาที่ต้องการ แล้วคลิกที่ตำแหน่งของสติ๊กเกอร์ดวงที่ต้องการพิมพ์"));
    linesRow->addWidget(linesGrid_, 1);
    auto* lineCommands = new QVBoxLayout;
    const B lineButtons[] = {{"btnLineAdd", "เพิ่ม"},
                             {"btnLineCopy", "เพิ่ม (Copy จากที่เคยได้รับ)"},
                             {"btnLineSet", "เพิ่ม (สินค้าที่จัดเป็นชุด)"},
                             {"btnLineEdit", "แก้ไข"},
                             {"btnLineDelete", "ลบ"}};
    for (const B& b : lineButtons) {
        QPushButton* button = makeButton(page, b.name, QString::fromUtf8(b.caption));
        buttons_.insert(QString::fromLatin1(b.name), button);
        lineCommands->addWidget(button);
    }
    lineCommands->addStretch();
    linesRow->addLayout(lineCommands);
    layout->addLayout(linesRow, 1);
    linePanel_ = buildLinePanel(page);
    layout->addWidget(linePanel_);
    labelPanel_ = buildLabelPanel(page);
    layout->addWidget(labelPanel_);

    auto* totals = new QHBoxLayout;
    auto label = [page](const char* name, const QString& text) {
        auto* l = new QLabel(text, page);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    sumLabel_ = label("lblSum", QStringLiteral("0.00"));
    discountCaption_ = label("lblDiscountCaption", QStringLiteral("ส่วนลดรวม/บาท"));
    QLineEdit* discount = edit(page, "edDiscount", "", false);
    discount->setMaximumWidth(110);
    taxCaption_ = label("lblTaxCaption", QStringLiteral("ภาษี"));
    taxLabel_ = label("lblTax", QStringLiteral("0.00"));
    totalLabel_ = label("lblTotal", QStringLiteral("0.00"));
    totals->addWidget(label("lblSumCaption", QStringLiteral("รวม")));
    totals->addWidget(sumLabel_);
    totals->addWidget(discountCaption_);
    totals->addWidget(discount);
    totals->addWidget(taxCaption_);
    totals->addWidget(taxLabel_);
    totals->addWidget(label("lblTotalCaption", QStringLiteral("รวมเงิน")));
    totals->addWidget(totalLabel_);
    totals->addStretch();
    QPushButton* labels = makeButton(page, "btnLabels", QStringLiteral("พิมพ์ฉลากยา"));
    buttons_.insert(QStringLiteral("btnLabels"), labels);
    totals->addWidget(labels);
    layout->addLayout(totals);

    // Enter order of the main page.
    order << doctor_ << edits_.value(QStringLiteral("ed_DAMAGE")) << edits_.value(QStringLiteral("ed_SICKNESS"))
          << edits_.value(QStringLiteral("ed_SICK_GROUP"));
    // The patient number moves on only when it holds a number, or while browsing.
    QWidget* patientNo = order.takeFirst();
    onEnter(patientNo, [this, patientNo, next = order.first()] {
        if (!qobject_cast<QLineEdit*>(patientNo)->text().isEmpty() || mode_ == QLatin1String("normal")) next->setFocus();
    });
    chainEnter(order, symptoms_);

    connect(buttons_.value(QStringLiteral("btnAdd")), &QPushButton::clicked, this, &TRecieve_Rent::addVisit);
    connect(buttons_.value(QStringLiteral("btnEdit")), &QPushButton::clicked, this, &TRecieve_Rent::editVisit);
    connect(buttons_.value(QStringLiteral("btnSave")), &QPushButton::clicked, this, &TRecieve_Rent::saveVisit);
    connect(buttons_.value(QStringLiteral("btnCancel")), &QPushButton::clicked, this, &TRecieve_Rent::cancelVisit);
    connect(buttons_.value(QStringLiteral("btnDelete")), &QPushButton::clicked, this, &TRecieve_Rent::deleteVisit);
    connect(buttons_.value(QStringLiteral("btnPrior")), &QPushButton::clicked, this, [this] { moveVisit(-1); });
    connect(buttons_.value(QStringLiteral("btnNext")), &QPushButton::clicked, this, [this] { moveVisit(1); });
    connect(buttons_.value(QStringLiteral("btnRefresh")), &QPushButton::clicked, this, &TRecieve_Rent::refreshVisits);
    connect(buttons_.value(QStringLiteral("btnClose")), &QPushButton::clicked, this, [this] { closeWindow(this); });
    connect(buttons_.value(QStringLiteral("btnPatient")), &QPushButton::clicked, this, &TRecieve_Rent::openPatientPage);
    connect(buttons_.value(QStringLiteral("btnReloadDoctors")), &QPushButton::clicked, this, &TRecieve_Rent::loadDoctors);
    connect(buttons_.value(QStringLiteral("btnDisease")), &QPushButton::clicked, this, [this] { pages_->setCurrentIndex(DiseasePage); });
    connect(symptomsPage, &QPushButton::clicked, this, [this] { openTextPage(symptoms_, QStringLiteral("อาการ - การรักษา")); });
    connect(diagnosisPage, &QPushButton::clicked, this, [this] { openTextPage(diagnosis_, QStringLiteral("การวินิจฉัยโรค")); });
    connect(buttons_.value(QStringLiteral("btnLineAdd")), &QPushButton::clicked, this, &TRecieve_Rent::addLine);
    connect(buttons_.value(QStringLiteral("btnLineEdit")), &QPushButton::clicked, this, &TRecieve_Rent::editLine);
    connect(buttons_.value(QStringLiteral("btnLineDelete")), &QPushButton::clicked, this, &TRecieve_Rent::deleteLine);
    connect(buttons_.value(QStringLiteral("btnLineCopy")), &QPushButton::clicked, this, [this] { openLinePicker(false); });
    connect(buttons_.value(QStringLiteral("btnLineSet")), &QPushButton::clicked, this, [this] { openLinePicker(true); });
    connect(buttons_.value(QStringLiteral("btnLab")), &QPushButton::clicked, this, &TRecieve_Rent::openLabPage);
    connect(buttons_.value(QStringLiteral("btnAppointment")), &QPushButton::clicked, this, &TRecieve_Rent::openAppointmentPage);
    connect(buttons_.value(QStringLiteral("btnSearch")), &QPushButton::clicked, this, &TRecieve_Rent::openSearchPage);
    connect(buttons_.value(QStringLiteral("btnFindNumber")), &QPushButton::clicked, this, &TRecieve_Rent::openFindPage);
    connect(buttons_.value(QStringLiteral("btnLabels")), &QPushButton::clicked, this, &TRecieve_Rent::openLabelPanel);
    connect(linesGrid_, &QTableWidget::cellClicked, this, [this](int row) { selectLabelLine(row); });
    connect(buttons_.value(QStringLiteral("btnCertificate")), &QPushButton::clicked, this, [this] {
        if (!current_.isEmpty() && mode_ == QLatin1String("normal")) openBeside(this, new TCertificate(current_));
    });
    connect(buttons_.value(QStringLiteral("btnReceipt")), &QPushButton::clicked, this, &TRecieve_Rent::printReceipt);

    // The due date follows the visit date and the credit term.
    connect(date, &QLineEdit::returnPressed, this, [this] {
        recomputeDueDate();
        credit_->setFocus();
    });
    connect(credit_, &QComboBox::textActivated, this, [this] { recomputeDueDate(); });
    connect(doctor_, &QComboBox::activated, this, [this] { edits_.value(QStringLiteral("ed_DAMAGE"))->setFocus(); });
    return page;
}

void TRecieve_Rent::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!activated_) {
        activated_ = true;
        firstActivation();
    }
}

void TRecieve_Rent::firstActivation()
{
    pages_->setCurrentIndex(MainPage);
    mode_ = lineMode_ = QStringLiteral("normal");
    linePanel_->hide();
    labelPanel_->hide();
    readSettings();
    loadDoctors();
    const QPixmap clinic(shared().DataFolder + QStringLiteral("clinic.jpg"));
    if (!clinic.isNull()) picture_->setPixmap(clinic.scaled(picture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    branch_ = scalar(db_, QStringLiteral("Select of_no , of_name, of_add1, of_add2 from quorvexsys")).toString();
    current_ = LastVisitOfHead(db_, head_);
    showVisit(current_);
    applyBrowseState();
}

void TRecieve_Rent::readSettings()
{
    settings_ = readRow(db_, QStringLiteral("select * from sevrsys")).value_or(QVariantMap());
    taxMode_ = TaxModeFromSetting(settings_.value(QStringLiteral("F_PER1")).toString());
    prefix_ = settings_.value(taxMode_ == TaxMode::LumpSum ? QStringLiteral("PREFIX1") : QStringLiteral("PREFIX2")).toString();
    head_ = prefix_ + QString::number(int(taxMode_));
    const bool vat = taxMode_ == TaxMode::Vat;
    taxCaption_->setVisible(vat);
    taxLabel_->setVisible(vat);
    discountCaption_->setVisible(!vat);
    edits_.value(QStringLiteral("edDiscount"))->setVisible(!vat);
}

void TRecieve_Rent::loadDoctors()
{
    const QString before = doctor_->currentText();
    doctor_->clear();
    QSqlQuery q = db_.query(QStringLiteral("Select mak_name from maker "));
    q.setForwardOnly(true);
    if (exec(q))
        while (q.next()) doctor_->addItem(q.value(0).toString());
    doctor_->setCurrentIndex(doctor_->findText(before) >= 0 ? doctor_->findText(before) : 0);
}

bool TRecieve_Rent::lookUpDoctor(QString* number, double* percent)
{
    QSqlQuery q = db_.query(QStringLiteral("select mak_no, mak_name, mak_com from maker where mak_name =:q_t_name "));
    if (!exec(q, {{"q_t_name", doctor_->currentText()}}) || !q.next()) return false;
    *number = q.value(0).toString();
    *percent = q.value(2).toDouble();
    return true;
}

void TRecieve_Rent::applyBrowseState()
{
    setEditing(false);
    const bool hasVisits = !current_.isEmpty();
    const bool mayChange = shared().UserLevel <= 3;
    buttons_.value(QStringLiteral("btnEdit"))->setEnabled(hasVisits && mayChange);
    buttons_.value(QStringLiteral("btnDelete"))->setVisible(mayChange);
    buttons_.value(QStringLiteral("btnDelete"))->setEnabled(hasVisits && mayChange);
    for (const char* b : {"btnLineAdd", "btnLineCopy", "btnLineSet", "btnLineEdit", "btnLineDelete"})
        buttons_.value(QString::fromLatin1(b))->setEnabled(hasVisits && lineMode_ == QLatin1String("normal"));
}

void TRecieve_Rent::setEditing(bool editing)
{
    for (const char* b : {"btnSearch", "btnAdd", "btnEdit", "btnDelete", "btnLab", "btnAppointment", "btnCertificate",
                          "btnPrior", "btnNext", "btnRefresh", "btnReceipt", "btnClose", "btnFindNumber", "btnLabels",
                          "btnLineAdd", "btnLineCopy", "btnLineSet", "btnLineEdit", "btnLineDelete"})
        buttons_.value(QString::fromLatin1(b))->setEnabled(!editing);
    for (const char* b : {"btnSave", "btnCancel", "btnDisease", "btnReloadDoctors", "btnPatient"})
        buttons_.value(QString::fromLatin1(b))->setEnabled(editing);
    for (const char* e : {"edDate", "ed_DAMAGE", "edDiscount"}) edits_.value(QString::fromLatin1(e))->setReadOnly(!editing);
    symptoms_->setReadOnly(!editing);
    diagnosis_->setReadOnly(!editing);
    credit_->setEnabled(editing);
    doctor_->setEnabled(editing);
    linesGrid_->setEnabled(!editing);
    doctor_->setStyleSheet(editing ? QStringLiteral("QComboBox:focus { background: yellow; }") : QString());
}

void TRecieve_Rent::clearVisitFields()
{
    // The visit's own fields; the search fields of the other pages keep their text.
    QWidget* main = pages_->widget(MainPage);
    for (QLineEdit* e : std::as_const(edits_))
        if (main->isAncestorOf(e) && !linePanel_->isAncestorOf(e)) e->clear();
    symptoms_->clear();
    diagnosis_->clear();
    credit_->setCurrentText(QStringLiteral("สด"));
    patient_.clear();
    doctorPercent_ = 0;
    lines_.clear();
    linesGrid_->setRowCount(0);
    showTotals({});
}

void TRecieve_Rent::showVisit(const QString& number)
{
    clearVisitFields();
    current_ = number;
    const std::optional<QVariantMap> visit = number.isEmpty() ? std::nullopt : ReadVisit(db_, number);
    if (!visit) {
        current_.clear();
        applyBrowseState();
        return;
    }
    auto v = [&visit](const char* c) { return visit->value(QString::fromLatin1(c)).toString(); };
    edits_.value(QStringLiteral("edNumber"))->setText(number);
    edits_.value(QStringLiteral("edDate"))->setText(v("SERV_DATE"));
    doctor_->setCurrentText(v("MAKER_NAME"));
    doctorPercent_ = scalar(db_, QStringLiteral("select mak_com from maker where mak_no =:pmak_no"), {{"pmak_no", v("MAKER_NO")}}).toDouble();
    if (const auto customer = readRow(db_, QStringLiteral(" select * from customer where cust_no =:p_cust_no order by cust_name "),
                                      {{"p_cust_no", v("CUST_NO")}}))
        fillPatient(*customer);
    edits_.value(QStringLiteral("ed_DAMAGE"))->setText(v("DAMAGE"));
    edits_.value(QStringLiteral("ed_SICKNESS"))->setText(v("SICKNESS"));
    edits_.value(QStringLiteral("ed_SICK_GROUP"))->setText(v("SICK_GROUP"));
    diagnosis_->setPlainText(v("REM"));
    symptoms_->setPlainText(v("REM2"));
    edits_.value(QStringLiteral("edDiscount"))->setText(StockText(visit->value(QStringLiteral("DISCOUNT")).toDouble()));
    credit_->setCurrentText(v("CUST_CRE"));
    edits_.value(QStringLiteral("edDue"))->setText(v("DUE_DATE"));
    loadLines();
    applyBrowseState();
}

void TRecieve_Rent::fillPatient(const QVariantMap& customer)
{
    patient_ = customer;
    for (const char* c : {"CUST_NO", "CUST_CARD", "CUST_NAME", "CUST_BIRTH", "CUST_SEX", "CUST_BLOOD", "CUST_WGHT",
                          "CUST_TALL", "CUST_HPS", "CUST_ADD1", "CUST_ADD2", "CUST_ADD4", "CUST_TEL"})
        edits_.value(QStringLiteral("ed_") + QLatin1String(c))->setText(customer.value(QString::fromLatin1(c)).toString());
    const QString birth = customer.value(QStringLiteral("CUST_BIRTH")).toString();
    const QDate born = ReadDateQuietly(birth);
    edits_.value(QStringLiteral("edAge"))->setText(born.isValid() ? AgeYearsMonths(QDate::currentDate(), born) : QString());
}

void TRecieve_Rent::clearPatient()
{
    for (const char* e : {"ed_CUST_BIRTH", "edAge", "ed_CUST_SEX"}) edits_.value(QString::fromLatin1(e))->clear();
}

void TRecieve_Rent::loadLines()
{
    bool ok = true;
    lines_ = current_.isEmpty() ? QList<QVariantMap>() : ReadVisitLines(db_, current_, &ok);
    linesGrid_->setRowCount(int(lines_.size()));
    const QString pattern = QStringLiteral("###,###,##0.00");
    for (int i = 0; i < lines_.size(); ++i) {
        const QVariantMap& l = lines_.at(i);
        const QStringList cells = {l.value(QStringLiteral("SPR_NO")).toString(), l.value(QStringLiteral("DESCRIP")).toString(),
                                   FormatNumber(l.value(QStringLiteral("QTY")).toDouble(), pattern),
                                   l.value(QStringLiteral("U_NAME")).toString(),
                                   FormatNumber(l.value(QStringLiteral("P_PERU")).toDouble(), pattern),
                                   StockText(l.value(QStringLiteral("DISC")).toDouble()),
                                   FormatNumber(l.value(QStringLiteral("SUM")).toDouble(), pattern)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            if (c >= 2 && c != 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            linesGrid_->setItem(i, c, item);
        }
    }
    const double discount = ReadNumber(edits_.value(QStringLiteral("edDiscount"))->text()).value_or(0);
    showTotals(TotalsFromLines(AsVisitLines(lines_), taxMode_, discount));
}

void TRecieve_Rent::showTotals(const VisitTotals& t)
{
    sumLabel_->setText(money(t.sum));
    taxLabel_->setText(money(t.tax));
    totalLabel_->setText(money(t.total));
    bigTotal_->setText(money(t.total));
    totalForReceipt_ = FormatNumber(t.total, QStringLiteral("#######0.00"));
}

void TRecieve_Rent::recomputeDueDate()
{
    if (mode_ == QLatin1String("normal")) return;
    const QString date = edits_.value(QStringLiteral("edDate"))->displayText();
    if (isVisitDate(date)) edits_.value(QStringLiteral("edDue"))->setText(DueDate(date, credit_->currentText()));
}

// ---------------------------------------------------------------------------
// The visit record

void TRecieve_Rent::addVisit()
{
    mode_ = QStringLiteral("add");
    clearVisitFields();
    setEditing(true);
    edits_.value(QStringLiteral("edNumber"))->setText(QStringLiteral("TempX000000"));
    edits_.value(QStringLiteral("edDate"))->setText(TodayText());
    recomputeDueDate();
    openPatientPage();
    patientBy_.at(1)->setChecked(true);
}

void TRecieve_Rent::editVisit()
{
    if (current_.isEmpty() || shared().UserLevel > 3) return;
    mode_ = QStringLiteral("edit");
    remembered_ = current_;
    setEditing(true);
    edits_.value(QStringLiteral("ed_DAMAGE"))->setFocus();
}

bool TRecieve_Rent::saveVisit()
{
    if (mode_ == QLatin1String("normal")) return false;
    if (doctor_->currentText().isEmpty()) {
        messages().information(QStringLiteral(" ขาดข้อมูลแพทย์..."));
        return false;
    }
    const QString date = edits_.value(QStringLiteral("edDate"))->displayText();
    if (!isVisitDate(date)) {
        messages().information(QStringLiteral("ข้อมูลวันที่ผิด..."));
        return false;
    }
    if (patient_.value(QStringLiteral("CUST_NO")).toString().isEmpty()) {
        messages().information(QStringLiteral("ยังไม่ได้เลือกลูกค้า / ผู้ป่วย กรุณาเลือกก่อนบันทึก..."));
        return false;
    }
    VisitHeader h;
    h.date = date;
    h.customerNo = patient_.value(QStringLiteral("CUST_NO")).toString();
    h.customerName = patient_.value(QStringLiteral("CUST_NAME")).toString();
    h.customerCard = patient_.value(QStringLiteral("CUST_CARD")).toString();
    h.credit = credit_->currentText();
    h.discount = taxMode_ == TaxMode::LumpSum ? ReadNumber(edits_.value(QStringLiteral("edDiscount"))->text()).value_or(0) : 0;
    h.complaint = edits_.value(QStringLiteral("ed_DAMAGE"))->text();
    h.sickness = edits_.value(QStringLiteral("ed_SICKNESS"))->text();
    h.sickGroup = edits_.value(QStringLiteral("ed_SICK_GROUP"))->text();
    h.doctorName = doctor_->currentText();
    lookUpDoctor(&h.doctorNo, &h.doctorPercent);
    h.diagnosis = diagnosis_->toPlainText().left(ColumnWidth(QStringLiteral("service"), QStringLiteral("REM")));
    h.symptoms = symptoms_->toPlainText().left(ColumnWidth(QStringLiteral("service"), QStringLiteral("REM2")));
    h.branch = branch_;

    const VisitSaveResult r = mode_ == QLatin1String("add") ? InsertVisit(db_, head_, h) : UpdateVisit(db_, remembered_, h);
    if (r.outcome == SaveOutcome::Refused) return false;
    if (r.outcome == SaveOutcome::Failed) {
        messages().information(QStringLiteral("ไม่สามารถ บันทึกได้ตอนนี้..."));
        return false;
    }
    mode_ = QStringLiteral("normal");
    showVisit(r.number);
    return true;
}

void TRecieve_Rent::cancelVisit()
{
    pages_->setCurrentIndex(MainPage);
    mode_ = QStringLiteral("normal");
    showVisit(current_.isEmpty() ? LastVisitOfHead(db_, head_) : current_);
}

void TRecieve_Rent::deleteVisit()
{
    if (current_.isEmpty() || shared().UserLevel > 3) return;
    if (!lines_.isEmpty()) {
        messages().information(QStringLiteral("มีข้อมูลการใช้อะไหล่อยู่ ต้องลบข้อมูลออกก่อน..."));
        return;
    }
    if (!messages().question(QStringLiteral("ต้องการลบข้อมูลนี้ ?"))) {
        messages().information(QStringLiteral("ไม่ดำเนินการลบข้อมูล ..."));
        return;
    }
    mode_ = QStringLiteral("Delete");
    // Lines saved meanwhile on another computer keep their visit.
    QSqlQuery q = db_.query(QStringLiteral(" delete from service  where serv_no =:d_no"
                                           " and not exists (select 1 from service1 where serv_no =:d_no)"));
    const bool ok = exec(q, {{"d_no", current_}});
    mode_ = QStringLiteral("normal");
    if (!ok) {
        messages().information(QStringLiteral("ไม่สามารถบันทึกข้อมูล ขณะนี้ได้ อาจเกิดจาก User อื่นกำลัง Lock ข้อมูล อยู่ "));
        return;
    }
    if (q.numRowsAffected() == 0) {
        showVisit(current_);
        messages().information(QStringLiteral("มีข้อมูลการใช้อะไหล่อยู่ ต้องลบข้อมูลออกก่อน..."));
        return;
    }
    messages().information(QStringLiteral("ข้อมูลถูกลบแล้ว  ..."));
    showVisit(LastVisitOfHead(db_, head_));
}

void TRecieve_Rent::moveVisit(int step)
{
    if (mode_ != QLatin1String("normal") || current_.isEmpty()) return;
    const QString next = NeighbourVisit(db_, head_, current_, step);
    if (!next.isEmpty()) showVisit(next);
}

void TRecieve_Rent::refreshVisits()
{
    const QString keep = current_;
    showVisit(ReadVisit(db_, keep) ? keep : LastVisitOfHead(db_, head_));
}

void TRecieve_Rent::printReceipt()
{
    if (current_.isEmpty() || mode_ != QLatin1String("normal")) return;
    QString error;
    auto data = ReadReceiptData(db_, current_, &error);
    if (!data) {
        messages().information(error);
        return;
    }
    // The settings as they are now; the date, doctor and discount as shown.
    settings_ = data->settings;
    data->visitDate = edits_.value(QStringLiteral("edDate"))->displayText();
    data->doctorName = doctor_->currentText();
    data->overallDiscount = ReadNumber(edits_.value(QStringLiteral("edDiscount"))->text()).value_or(0);
    OpenCashDrawerFor(data->settings.value(QStringLiteral("COM_PORT")).toString(), false);
    showPrintPreview(ReceiptDocument(*data, data->settings.value(QStringLiteral("PAPER1")).toInt()), this);
}
