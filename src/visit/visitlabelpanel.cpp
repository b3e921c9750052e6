// The visit screen's drug-label panel: which line's item goes to which of
// the twelve positions of the label sheet.

#include "visit/visitscreen.h"

#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"
#include "visit/visitprints.h"
#include "visit/visitstore.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

QGroupBox* TRecieve_Rent::buildLabelPanel(QWidget* parent)
{
    auto* panel = new QGroupBox(QStringLiteral("กำหนดดวงที่จะพิมพ์ สติ๊กเกอร์อเนกประสงค์  ขนาด A12"), parent);
    panel->setObjectName(QStringLiteral("labelPanel"));
    auto* layout = new QHBoxLayout(panel);
    auto* positions = new QGridLayout;
    for (int k = 0; k < 12; ++k) {
        auto* tick = new QCheckBox(QString::number(k + 1), panel);
        tick->setObjectName(QStringLiteral("cbLabel%1").arg(k + 1));
        QLineEdit* code = makeLineEdit(panel, QStringLiteral("edLabel%1").arg(k + 1).toLatin1().constData());
        code->setReadOnly(true);
        labelTicks_ << tick;
        labelCodes_ << code;
        // Two columns of six.
        positions->addWidget(tick, k % 6, (k / 6) * 2);
        positions->addWidget(code, k % 6, (k / 6) * 2 + 1);
        connect(tick, &QCheckBox::clicked, this, [this, k](bool on) { tickLabel(k + 1, on); });
    }
    layout->addLayout(positions, 2);
    auto* printer = new QGroupBox(QStringLiteral("  การตั้งค่าเครื่องพิมพ์  "), panel);
    auto* form = new QFormLayout(printer);
    QLineEdit* top = makeLineEdit(printer, "edLabelTop");
    QLineEdit* left = makeLineEdit(printer, "edLabelLeft");
    top->setReadOnly(true);
    left->setReadOnly(true);
    edits_.insert(top->objectName(), top);
    edits_.insert(left->objectName(), left);
    form->addRow(QStringLiteral("ระยะกั้นบน (Top)"), top);
    form->addRow(QStringLiteral("ระยะกั้นซ้าย (Left)"), left);
    QPushButton* print = makeButton(printer, "btnLabelPrint", QStringLiteral("พิมพ์ "));
    QPushButton* back = makeButton(printer, "btnLabelBack", QStringLiteral("กลับ"));
    form->addRow(print);
    form->addRow(back);
    layout->addWidget(printer, 1);
    connect(back, &QPushButton::clicked, panel, &QWidget::hide);
    connect(print, &QPushButton::clicked, this, &TRecieve_Rent::printLabels);
    panel->hide();
    return panel;
}

void TRecieve_Rent::openLabelPanel()
{
    labelRequest_ = DrugLabelRequest();
    labelRequest_.top = settings_.value(QStringLiteral("LABEL_TOP")).toDouble();
    labelRequest_.left = settings_.value(QStringLiteral("LABEL_LEFT")).toDouble();
    edits_.value(QStringLiteral("edLabelTop"))->setText(QString::number(labelRequest_.top));
    edits_.value(QStringLiteral("edLabelLeft"))->setText(QString::number(labelRequest_.left));
    for (int k = 0; k < 12; ++k) {
        labelTicks_.at(k)->setChecked(false);
        labelCodes_.at(k)->clear();
    }
    selectedCode_.clear();
    linesGrid_->clearSelection();
    labelPanel_->show();
}

void TRecieve_Rent::selectLabelLine(int row)
{
    if (row < 0 || row >= lines_.size()) return;
    selectedCode_ = lines_.at(row).value(QStringLiteral("SPR_NO")).toString();
    // The age in completed years; no age when the birth date is missing,
    // so that the sheet prints no dose for a guessed age group.
    selectedAge_ = LabelAgeForBirthDate(patient_.value(QStringLiteral("CUST_BIRTH")).toString());
}

void TRecieve_Rent::tickLabel(int position, bool on)
{
    const int k = position - 1;
    if (k < 0 || k >= 12) return;
    if (!on) {
        labelCodes_.at(k)->clear();
        labelRequest_.printed[size_t(k)] = false;
        labelRequest_.items[size_t(k)].clear();
        return;
    }
    if (selectedCode_.isEmpty()) {
        messages().information(QStringLiteral("ยังไม่ได้เลือกรายการ..."));
        labelTicks_.at(k)->setChecked(false);
        return;
    }
    labelTicks_.at(k)->setChecked(true);
    labelCodes_.at(k)->setText(selectedCode_);
    labelRequest_.printed[size_t(k)] = true;
    labelRequest_.items[size_t(k)] = selectedCode_;
    labelRequest_.customerNo = patient_.value(QStringLiteral("CUST_NO")).toString();
    labelRequest_.customerName = patient_.value(QStringLiteral("CUST_NAME")).toString();
    labelRequest_.age = selectedAge_;
}

void TRecieve_Rent::printLabels()
{
    labelPanel_->hide();
    if (DoseColumnForAge(labelRequest_.age).isEmpty() &&
        std::any_of(labelRequest_.printed.begin(), labelRequest_.printed.end(), [](bool on) { return on; }))
        messages().information(QStringLiteral("ไม่ทราบอายุผู้ป่วย (ไม่มีวันเกิด) ฉลากยาจะไม่พิมพ์ขนาดการใช้ยา..."));
    showPrintPreview(DrugLabelDocument(db_, labelRequest_, LabelBusinessName(db_)), this);
}
