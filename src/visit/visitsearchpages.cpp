// The visit screen's search over all visits and its find-by-number page.

#include "visit/visitscreen.h"

#include "platform/ui/messageservice.h"
#include "platform/ui/pagedmodel.h"
#include "platform/ui/widgets.h"
#include "visit/visitstore.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Visits listed in an indexed order: national ID, number, patient name.
const char* const searchOrders[] = {"cust_card, serv_no", "serv_no", "cust_name, serv_no"};
const int searchColumns[] = {0, 1, 3};

} // namespace

QWidget* TRecieve_Rent::buildSearchPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("searchPage"));
    auto* layout = new QVBoxLayout(page);
    auto* by = new QGroupBox(QStringLiteral(" ค้นหาโดย "), page);
    auto* byRow = new QHBoxLayout(by);
    const QStringList choices = {QStringLiteral("เลขบัตร"), QStringLiteral("ใบสำคัญ"), QStringLiteral("ชื่อลูกค้า")};
    for (int i = 0; i < choices.size(); ++i) {
        auto* r = new QRadioButton(choices.at(i), by);
        r->setObjectName(QStringLiteral("rbSearchBy%1").arg(i));
        searchBy_ << r;
        byRow->addWidget(r);
    }
    searchBy_.last()->setChecked(true);
    for (QRadioButton* r : std::as_const(searchBy_))
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) searchOrderChanged();
        });
    layout->addWidget(by);
    auto* row = new QHBoxLayout;
    QLineEdit* text = makeLineEdit(page, "edVisitSearch", 100);
    edits_.insert(QStringLiteral("edVisitSearch"), text);
    QPushButton* back = makeButton(page, "btnSearchBack", QStringLiteral("กลับ"));
    row->addWidget(text, 1);
    row->addWidget(back);
    layout->addLayout(row);
    visitsFound_ = new PagedModel(db_, {QStringLiteral("เลขประชาชน"), QStringLiteral("เลขใบสำคัญ"), QStringLiteral("วันที่"),
                                        QStringLiteral("ชื่อลูกค้า")}, this);
    searchGrid_ = makeListView(page, "gridVisitsFound", visitsFound_);
    layout->addWidget(searchGrid_, 1);
    onEnter(text, [this] { searchEnter(); });
    auto copyChosen = [this] {
        int choice = 0;
        for (int i = 0; i < searchBy_.size(); ++i)
            if (searchBy_.at(i)->isChecked()) choice = i;
        edits_.value(QStringLiteral("edVisitSearch"))->setText(visitsFound_->text(currentRowOf(searchGrid_), searchColumns[choice]));
    };
    connect(searchGrid_, &QTableView::clicked, this, copyChosen);
    onEnter(searchGrid_, [copyChosen, back] {
        copyChosen();
        back->setFocus();
    });
    connect(back, &QPushButton::clicked, this, &TRecieve_Rent::searchBack);
    return page;
}

void TRecieve_Rent::searchOrderChanged()
{
    int choice = 0;
    for (int i = 0; i < searchBy_.size(); ++i)
        if (searchBy_.at(i)->isChecked()) choice = i;
    visitsFound_->setQuery(QStringLiteral("cust_card, serv_no, serv_date, cust_name"), QStringLiteral("service"), QString(), {},
                           QString::fromLatin1(searchOrders[choice]));
    goToRow(searchGrid_, 0);
}

void TRecieve_Rent::openSearchPage()
{
    if (mode_ != QLatin1String("normal")) return;
    toolbar_->hide();
    pages_->setCurrentIndex(SearchPage);
    searchOrderChanged();
    edits_.value(QStringLiteral("edVisitSearch"))->setFocus();
}

void TRecieve_Rent::searchEnter()
{
    int choice = 0;
    for (int i = 0; i < searchBy_.size(); ++i)
        if (searchBy_.at(i)->isChecked()) choice = i;
    QLineEdit* text = edits_.value(QStringLiteral("edVisitSearch"));
    const int row = visitsFound_->findPrefix(text->text());
    if (row < 0) return;
    goToRow(searchGrid_, row);
    text->setText(visitsFound_->text(row, searchColumns[choice]));
    searchGrid_->setFocus();
}

void TRecieve_Rent::searchBack()
{
    const QString number = visitsFound_->text(currentRowOf(searchGrid_), 1);
    // A visit of another head is not in this screen's list: the list stays put.
    if (number.left(5).compare(head_, Qt::CaseInsensitive) == 0) {
        const auto visit = ReadVisit(db_, number);
        if (visit) showVisit(visit->value(QStringLiteral("SERV_NO")).toString());
    }
    pages_->setCurrentIndex(MainPage);
    toolbar_->show();
}

QWidget* TRecieve_Rent::buildFindPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("findPage"));
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("เลขใบตรวจ"), page));
    QLineEdit* number = makeLineEdit(page, "edFindNumber", 11);
    edits_.insert(QStringLiteral("edFindNumber"), number);
    QPushButton* close = makeButton(page, "btnFindClose", QStringLiteral("ปิด"));
    row->addWidget(number, 1);
    row->addWidget(close);
    layout->addLayout(row);
    headVisits_ = new PagedModel(db_, {QStringLiteral("เลขใบรับ")}, this);
    findGrid_ = makeListView(page, "gridHeadVisits", headVisits_);
    layout->addWidget(findGrid_, 1);
    auto back = [this] {
        pages_->setCurrentIndex(MainPage);
        toolbar_->show();
    };
    connect(number, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString found = VisitStartingWith(db_, head_, text);
        if (found.isEmpty()) return;
        showVisit(found);
        goToRow(findGrid_, headVisits_->findPrefix(found));
    });
    onEnter(number, back);
    connect(findGrid_, &QTableView::clicked, this, [this] {
        const QString n = headVisits_->text(currentRowOf(findGrid_), 0);
        edits_.value(QStringLiteral("edFindNumber"))->setText(n);
        showVisit(n);
    });
    connect(findGrid_, &QTableView::doubleClicked, this, back);
    onEnter(findGrid_, [close] { close->setFocus(); });
    connect(close, &QPushButton::clicked, this, back);
    return page;
}

void TRecieve_Rent::openFindPage()
{
    if (mode_ != QLatin1String("normal")) return;
    toolbar_->hide();
    pages_->setCurrentIndex(FindPage);
    QString end = head_;
    if (!end.isEmpty()) end[end.size() - 1] = QChar(end.back().unicode() + 1);
    headVisits_->setQuery(QStringLiteral("serv_no"), QStringLiteral("service"), QStringLiteral("serv_no >= :h and serv_no < :e"),
                          {{QStringLiteral("h"), head_}, {QStringLiteral("e"), end}}, QStringLiteral("serv_no"));
    edits_.value(QStringLiteral("edFindNumber"))->setText(head_);
    goToRow(findGrid_, headVisits_->findPrefix(current_));
    edits_.value(QStringLiteral("edFindNumber"))->setFocus();
}
