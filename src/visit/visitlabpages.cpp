// The laboratory page and the appointment page of the visit screen.

#include "visit/visitscreen.h"

#include "data/schema.h"
#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"
#include "visit/visitprints.h"
#include "visit/visitstore.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The read-only copy of the visit's date, doctor and patient on a page.
const char* const headingFields[][2] = {{"SERV_DATE", "วันที่รักษา"}, {"DOCTOR", "แพทย์"}, {"CUST_NO", "รหัสลูกค้า"},
                                        {"CUST_CARD", "เลขประชาชน"}, {"CUST_NAME", "ชื่อลูกค้า"}};

QFormLayout* heading(QWidget* page, const char* prefix)
{
    auto* form = new QFormLayout;
    for (const auto& f : headingFields) {
        QLineEdit* e = makeLineEdit(page, QStringLiteral("%1_%2").arg(QLatin1String(prefix), QLatin1String(f[0])).toLatin1().constData());
        e->setReadOnly(true);
        e->setProperty("heading", QString::fromLatin1(f[0]));
        form->addRow(QString::fromUtf8(f[1]), e);
    }
    return form;
}

QString textOf(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* t = qobject_cast<QPlainTextEdit*>(w)) return t->toPlainText();
    return {};
}

void setTextOf(QWidget* w, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(text);
    else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) t->setPlainText(text);
}

void setWritable(const QHash<QString, QWidget*>& fields, bool writable)
{
    for (QWidget* w : fields) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setReadOnly(!writable);
        else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) t->setReadOnly(!writable);
    }
}

} // namespace

void TRecieve_Rent::copyVisitHeading(QWidget* page)
{
    for (QLineEdit* e : page->findChildren<QLineEdit*>()) {
        const QString what = e->property("heading").toString();
        if (what.isEmpty()) continue;
        if (what == QLatin1String("SERV_DATE")) e->setText(edits_.value(QStringLiteral("edDate"))->displayText());
        else if (what == QLatin1String("DOCTOR")) e->setText(doctor_->currentText());
        else e->setText(edits_.value(QStringLiteral("ed_") + what)->text());
    }
}

// ---------------------------------------------------------------------------
// Laboratory

QWidget* TRecieve_Rent::buildLabPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("labPage"));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(heading(page, "lab"));
    auto* form = new QFormLayout;
    QLineEdit* no = makeLineEdit(page, "ed_LAP_NO", ColumnWidth(QStringLiteral("lap"), QStringLiteral("LAP_NO")));
    QLineEdit* purpose = makeLineEdit(page, "ed_LAP_FOR", ColumnWidth(QStringLiteral("lap"), QStringLiteral("LAP_FOR")));
    auto* result = new QPlainTextEdit(page);
    result->setObjectName(QStringLiteral("te_LAP_REM"));
    QLineEdit* examiner = makeLineEdit(page, "ed_LAP_PER_NAME", ColumnWidth(QStringLiteral("lap"), QStringLiteral("LAP_PER_NAME")));
    form->addRow(QStringLiteral("เลขที่แลบ"), no);
    form->addRow(QStringLiteral("วัตถุประสงค์"), purpose);
    form->addRow(QStringLiteral("ผลการตรวจ"), result);
    form->addRow(QStringLiteral("ผู้ตรวจ"), examiner);
    layout->addLayout(form, 1);
    labFields_ = {{QStringLiteral("LAP_NO"), no}, {QStringLiteral("LAP_FOR"), purpose},
                  {QStringLiteral("LAP_REM"), result}, {QStringLiteral("LAP_PER_NAME"), examiner}};
    auto* row = new QHBoxLayout;
    struct B { const char* name; const char* caption; };
    for (const B& b : {B{"btnLabPrint", "พิมพ์ผลแลบ"}, B{"btnLabAdd", "เพิ่ม"}, B{"btnLabEdit", "แก้ไข"},
                       B{"btnLabCancel", "ยกเลิก"}, B{"btnLabSave", "บันทึก"}, B{"btnLabBack", "กลับ"}}) {
        QPushButton* button = makeButton(page, b.name, QString::fromUtf8(b.caption));
        buttons_.insert(QString::fromLatin1(b.name), button);
        row->addWidget(button);
    }
    layout->addLayout(row);
    chainEnter({no, purpose}, result);
    chainEnter({examiner}, no);

    auto editing = [this](bool on) {
        buttons_.value(QStringLiteral("btnLabCancel"))->setEnabled(on);
        buttons_.value(QStringLiteral("btnLabSave"))->setEnabled(on);
        setWritable(labFields_, on);
    };
    connect(buttons_.value(QStringLiteral("btnLabAdd")), &QPushButton::clicked, this, [this, editing] {
        buttons_.value(QStringLiteral("btnLabAdd"))->setEnabled(false);
        editing(true);
        labMode_ = QStringLiteral("add");
        for (QWidget* w : std::as_const(labFields_)) setTextOf(w, QString());
        labFields_.value(QStringLiteral("LAP_NO"))->setFocus();
    });
    connect(buttons_.value(QStringLiteral("btnLabEdit")), &QPushButton::clicked, this, [this, editing] {
        buttons_.value(QStringLiteral("btnLabEdit"))->setEnabled(false);
        editing(true);
        labMode_ = QStringLiteral("edit");
        labFields_.value(QStringLiteral("LAP_NO"))->setFocus();
    });
    connect(buttons_.value(QStringLiteral("btnLabSave")), &QPushButton::clicked, this, &TRecieve_Rent::saveLab);
    connect(buttons_.value(QStringLiteral("btnLabCancel")), &QPushButton::clicked, this, [this] {
        showLab();
        pages_->setCurrentIndex(MainPage);
        toolbar_->show();
    });
    connect(buttons_.value(QStringLiteral("btnLabBack")), &QPushButton::clicked, this, [this] {
        pages_->setCurrentIndex(MainPage);
        toolbar_->show();
    });
    connect(buttons_.value(QStringLiteral("btnLabPrint")), &QPushButton::clicked, this, [this] {
        QVariantMap lab;
        for (auto it = labFields_.cbegin(); it != labFields_.cend(); ++it) lab.insert(it.key(), textOf(it.value()));
        showPrintPreview(LabResultDocument(lab, edits_.value(QStringLiteral("ed_CUST_NAME"))->text(), current_,
                                           doctor_->currentText()),
                         this);
    });
    return page;
}

void TRecieve_Rent::openLabPage()
{
    if (current_.isEmpty() || mode_ != QLatin1String("normal")) return;
    toolbar_->hide();
    pages_->setCurrentIndex(LabPage);
    copyVisitHeading(pages_->widget(LabPage));
    showLab();
    labFields_.value(QStringLiteral("LAP_NO"))->setFocus();
}

void TRecieve_Rent::showLab()
{
    const auto lab = readRow(db_, QStringLiteral(" select * from lap  where serv_no =:p_serv_no "), {{"p_serv_no", current_}});
    for (auto it = labFields_.cbegin(); it != labFields_.cend(); ++it)
        setTextOf(it.value(), lab ? lab->value(it.key()).toString() : QString());
    buttons_.value(QStringLiteral("btnLabAdd"))->setEnabled(!lab);
    buttons_.value(QStringLiteral("btnLabEdit"))->setEnabled(bool(lab));
    buttons_.value(QStringLiteral("btnLabCancel"))->setEnabled(false);
    buttons_.value(QStringLiteral("btnLabSave"))->setEnabled(false);
    setWritable(labFields_, false);
    labMode_.clear();
}

bool TRecieve_Rent::saveLab()
{
    auto t = [this](const char* c) { return textOf(labFields_.value(QString::fromLatin1(c))); };
    const QString sql = labMode_ == QLatin1String("edit")
        ? QStringLiteral(" update lap  set  lap_no=:plap_no, lap_date=:plap_date,  lap_for=:plap_for, lap_rem=:plap_rem,"
                         " lap_per_name=:plap_per_name  where serv_no =:pserv_no ")
        : QStringLiteral(" insert into lap  (serv_no,lap_no,lap_date,lap_for,lap_rem,lap_per_name )  values "
                         " (:pserv_no,:plap_no,:plap_date,:plap_for,:plap_rem,:plap_per_name ) ");
    QString error;
    if (!execSql(db_, sql,
                 {{"pserv_no", current_}, {"plap_no", t("LAP_NO")}, {"plap_date", edits_.value(QStringLiteral("edDate"))->displayText()},
                  {"plap_for", t("LAP_FOR")}, {"plap_rem", t("LAP_REM")}, {"plap_per_name", t("LAP_PER_NAME")}},
                 &error)) {
        messages().error(error);
        return false;
    }
    showLab();
    return true;
}

// ---------------------------------------------------------------------------
// Next appointment

QWidget* TRecieve_Rent::buildAppointmentPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("appointmentPage"));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(heading(page, "app"));
    auto* form = new QFormLayout;
    QLineEdit* date = makeLineEdit(page, "ed_APP_DATE", ColumnWidth(QStringLiteral("service"), QStringLiteral("APP_DATE")));
    date->setToolTip(QStringLiteral("รูปแบบ พ.ศ. เช่น 31/01/2545"));
    QLineEdit* time = makeLineEdit(page, "ed_APP_TIME", ColumnWidth(QStringLiteral("service"), QStringLiteral("APP_TIME")));
    auto* purpose = new QPlainTextEdit(page);
    purpose->setObjectName(QStringLiteral("te_APP_FOR"));
    form->addRow(QStringLiteral("วันที่นัดครั้งต่อไป"), date);
    form->addRow(QStringLiteral("เวลานัด"), time);
    form->addRow(QStringLiteral("วัตถุประสงค์"), purpose);
    layout->addLayout(form, 1);
    appointmentFields_ = {{QStringLiteral("APP_DATE"), date}, {QStringLiteral("APP_TIME"), time}, {QStringLiteral("APP_FOR"), purpose}};
    auto* row = new QHBoxLayout;
    QPushButton* edit = makeButton(page, "btnAppEdit", QStringLiteral("เพิ่ม / แก้ไข"));
    QPushButton* save = makeButton(page, "btnAppSave", QStringLiteral("บันทึก"));
    QPushButton* back = makeButton(page, "btnAppBack", QStringLiteral("กลับ / ยกเลิก"));
    for (QPushButton* b : {edit, save, back}) row->addWidget(b);
    layout->addLayout(row);
    chainEnter({date, time}, purpose);
    // Enter in the purpose starts a new line and goes back to the date.
    onEnter(purpose, [purpose, date] {
        purpose->insertPlainText(QStringLiteral("\n"));
        date->setFocus();
    });
    connect(edit, &QPushButton::clicked, this, [this] { setWritable(appointmentFields_, true); });
    connect(save, &QPushButton::clicked, this, &TRecieve_Rent::saveAppointment);
    connect(back, &QPushButton::clicked, this, [this] {
        setWritable(appointmentFields_, false);
        pages_->setCurrentIndex(MainPage);
        toolbar_->show();
    });
    return page;
}

void TRecieve_Rent::openAppointmentPage()
{
    if (current_.isEmpty() || mode_ != QLatin1String("normal")) return;
    toolbar_->hide();
    pages_->setCurrentIndex(AppointmentPage);
    copyVisitHeading(pages_->widget(AppointmentPage));
    setWritable(appointmentFields_, false);
    const QVariantMap visit = ReadVisit(db_, current_).value_or(QVariantMap());
    for (auto it = appointmentFields_.cbegin(); it != appointmentFields_.cend(); ++it)
        setTextOf(it.value(), visit.value(it.key()).toString());
}

bool TRecieve_Rent::saveAppointment()
{
    setWritable(appointmentFields_, false);
    auto t = [this](const char* c) { return textOf(appointmentFields_.value(QString::fromLatin1(c))); };
    QString error;
    if (!execSql(db_,
                 QStringLiteral(" update service  set  app_date=:papp_date, app_time=:papp_time, app_for=:papp_for "
                                " where serv_no =:pserv_no "),
                 {{"papp_date", t("APP_DATE")}, {"papp_time", t("APP_TIME")},
                  {"papp_for", t("APP_FOR").left(ColumnWidth(QStringLiteral("service"), QStringLiteral("APP_FOR")))},
                  {"pserv_no", current_}},
                 &error)) {
        messages().error(error);
        return false;
    }
    showVisit(current_);
    pages_->setCurrentIndex(MainPage);
    toolbar_->show();
    return true;
}
