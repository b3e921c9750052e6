#include "visit/visitlinepicker.h"

#include "data/numbers.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TVisitLinePicker::TVisitLinePicker(LineSource source, const QString& visitNumber, const QString& customerNo, QWidget* parent)
    : QWidget(parent), source_(source), visitNumber_(visitNumber)
{
    const bool set = source == LineSource::ProductSet;
    setObjectName(set ? QStringLiteral("Tfsuit") : QStringLiteral("Tfold_drug"));
    setWindowTitle(set ? QStringLiteral("รายการสินค้าที่จัดเป็นชุด") : QStringLiteral("รายการจ่ายยา  "));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(set ? QStringLiteral("รหัสสินค้าที่จัดเป็นชุด") : QStringLiteral("เลขที่บิลจ่ายยา (เดิม)"), this));
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("cbSource"));
    choice_->setEditable(true);
    row->addWidget(choice_, 1);
    layout->addLayout(row);
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("gridSourceLines"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    const QStringList headers = set ? QStringList{QStringLiteral("รหัสสินค้า"), QStringLiteral("ชื่อสินค้า"),
                                                  QStringLiteral("ราคาต่อหน่วย"), QStringLiteral("จำนวน"), QStringLiteral("หน่วยนับ")}
                                    : QStringList{QStringLiteral("รหัสยา"), QStringLiteral("ชื่อยา - เวชภัณฑ์"),
                                                  QStringLiteral("จำนวน"), QStringLiteral("หน่วยนับ")};
    grid_->setColumnCount(int(headers.size()));
    grid_->setHorizontalHeaderLabels(headers);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(grid_, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* use = makeButton(this, "btnUseLines", QStringLiteral("กลับ -ใช้รายการยานี้"));
    QPushButton* back = makeButton(this, "btnBack", QStringLiteral("กลับ / ยกเลิก"));
    buttons->addStretch();
    buttons->addWidget(use);
    buttons->addWidget(back);
    layout->addLayout(buttons);
    resize(620, 420);

    QSqlQuery q = set ? db_.query(QStringLiteral(" Select suit_no from suit  order by suit_no "))
                      : db_.query(QStringLiteral(" Select distinct(serv_no) from service  where cust_no =:pcust_no"
                                                 " order by serv_no DESC "));
    q.setForwardOnly(true);
    if (exec(q, set ? std::initializer_list<Binding>{} : std::initializer_list<Binding>{{"pcust_no", customerNo}}))
        while (q.next()) choice_->addItem(q.value(0).toString());
    q.finish();
    connect(choice_, &QComboBox::currentTextChanged, this, &TVisitLinePicker::loadLines);
    connect(use, &QPushButton::clicked, this, &TVisitLinePicker::useLines);
    connect(back, &QPushButton::clicked, this, [this] { closeWindow(this); });
    loadLines();
}

void TVisitLinePicker::loadLines()
{
    lines_.clear();
    const bool set = source_ == LineSource::ProductSet;
    QSqlQuery q = set ? db_.query(QStringLiteral(" Select * from suit1  where suit_no =:psuit_no order by auto"))
                      : db_.query(QStringLiteral(" Select * from service1  where serv_no =:pserv_no order by auto"));
    q.setForwardOnly(true);
    if (exec(q, {{set ? "psuit_no" : "pserv_no", choice_->currentText()}}))
        while (q.next()) lines_.append(rowMap(q));
    q.finish();
    grid_->setRowCount(int(lines_.size()));
    const QString pattern = QStringLiteral("###,###,##0.00");
    for (int i = 0; i < lines_.size(); ++i) {
        const QVariantMap& l = lines_.at(i);
        auto v = [&l](const char* c) { return l.value(QString::fromLatin1(c)); };
        const QStringList cells = set ? QStringList{v("SPR_NO").toString(), v("DESCRIP").toString(),
                                                    FormatNumber(v("P_PERU").toDouble(), pattern),
                                                    FormatNumber(v("QTY").toDouble(), pattern), v("U_NAME").toString()}
                                      : QStringList{v("SPR_NO").toString(), v("DESCRIP").toString(),
                                                    FormatNumber(v("QTY").toDouble(), pattern), v("U_NAME").toString()};
        for (int c = 0; c < cells.size(); ++c) grid_->setItem(i, c, new QTableWidgetItem(cells.at(c)));
    }
}

bool TVisitLinePicker::useLines()
{
    const CopyLinesResult r = CopyLinesIntoVisit(db_, visitNumber_, lines_, source_);
    switch (r.outcome) {
    case LineSaveOutcome::NotEnoughStock:
        messages().information(QStringLiteral("สินค้ารหัส  ") + r.shortItem + QStringLiteral("  มีจำนวนไม่พอ ..."));
        return false;
    case LineSaveOutcome::Failed:
        messages().information(LockedSaveFailedText());
        return false;
    case LineSaveOutcome::Saved:
        break;
    }
    Q_EMIT linesAdded();
    closeWindow(this);
    return true;
}

void TVisitLinePicker::closeEvent(QCloseEvent* e)
{
    Q_EMIT closed();
    QWidget::closeEvent(e);
}
