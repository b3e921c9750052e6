#include "app/mainwindow.h"

#include "app/login.h"
#include "app/sharedstate.h"
#include "app/startup.h"
#include "platform/ui/messageservice.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QUrl>

QString ExitQuestionText() { return QStringLiteral("ต้องการเลิกการทำงาน ?"); }

QString BackupQuestionText()
{
    return QStringLiteral("ต้องการสำรองข้อมูลนี้ตอนนี้ หรือไม่ ? ข้อมูลจะเก็บอยู่ที่ c:\\Velinka50\\backup\\dat_clinicxx.abs "
                          "อักษร xx คือวันที่ ที่ Backup เวลานำกลับมา Restore จะต้องลบ xx ออกก่อนจึงจะใช้ได้ ");
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral(" Quorvex Velinka 5.02  < โปรแกรมบริหารคลินิกและสถานเสริมความงาม >"));
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("mdiArea"));
    area_->setBackground(QColor(0xC0, 0xC0, 0xC0));
    setCentralWidget(area_);
    buildMenu();
    applyMenuState(MenuState::StartedUp);
}

QAction* MainWindow::add(QMenu* m, const char* name, const QString& caption)
{
    QAction* a = m->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, [this, n = a->objectName()] { choose(n); });
    return a;
}

void MainWindow::buildMenu()
{
    QMenuBar* bar = menuBar();
    auto topMenu = [bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto hidden = [](QAction* a) { a->setVisible(false); };

    QMenu* start = topMenu("menuStart", QStringLiteral("เริ่ม / เลิก"));
    add(start, "actLogin", QStringLiteral("Login"));
    start->addSeparator();
    add(start, "actLogout", QStringLiteral("Logout"));
    start->addSeparator();
    add(start, "actRepair", QStringLiteral("ตรวจซ่อมฐานข้อมูล"));
    add(start, "actDocCheck", QStringLiteral("ตรวรสอบรหัสเลขใบสำคัญ"));
    hidden(add(start, "actSelectDb", QStringLiteral("เลือกฐานข้อมูล")));
    start->addSeparator();
    add(start, "actExit", QStringLiteral("เ&ลิก  (Exit)"));

    QMenu* list = topMenu("menuList", QStringLiteral("รายการ"));
    add(list, "actCustomer", QStringLiteral("ทะเบียนลูกค้า - คนไข้"));
    list->addSeparator();
    add(list, "actVisit", QStringLiteral("ตรวจ - รักษา - แลป - ใบรับรอง - จ่ายยา - นัดตรวจ "));
    list->addSeparator();
    add(list, "actStockIn", QStringLiteral("นำ ยา-เวชภัณฑ์ เข้า Stock "));
    QMenu* trade = list->addMenu(QStringLiteral("***รายการซื้อ-ขาย"));
    trade->setObjectName(QStringLiteral("menuTradeHidden"));
    trade->menuAction()->setVisible(false);
    add(trade, "actTradeStockIn", QStringLiteral("นำ ยา-เวชภัณฑ์ เข้า Stock "));
    add(trade, "actTradeSale", QStringLiteral("จำหน่าย ยา-เวชภัณฑ์ "));
    add(trade, "actTradeQuotation", QStringLiteral("ใบเสนอราคา"));
    list->addSeparator();
    add(list, "actDebtors", QStringLiteral("ลูกหนี้ (วางบิล)"));
    add(list, "actCreditors", QStringLiteral("เจ้าหนี้ (รับวางบิล)"));
    list->addSeparator();
    add(list, "actCashDrawer", QStringLiteral("เปิดลิ้นชักเก็บเงิน"));

    QMenu* ref = topMenu("menuRef", QStringLiteral("ข้อมูลอ้างอิง"));
    add(ref, "actItems", QStringLiteral("ทะเบียน ยา-เวชภัณฑ์"));
    add(ref, "actDrugTypes", QStringLiteral("ประเภทยา-เวชภัณฑ์"));
    add(ref, "actUsage", QStringLiteral("วิธีใช้ยา-เวชภัณฑ์"));
    ref->addSeparator();
    add(ref, "actSets", QStringLiteral("สินค้าจัดเป็นชุด"));
    ref->addSeparator();
    add(ref, "actDiseases", QStringLiteral("ทะเบียนโรค"));
    ref->addSeparator();
    add(ref, "actDoctors", QStringLiteral("ทะเบียนแพทย์ - พยาบาล"));
    ref->addSeparator();
    add(ref, "actEmployees", QStringLiteral("พนักงาน"));
    ref->addSeparator();
    add(ref, "actSuppliers", QStringLiteral("ทะเบียนผู้ขาย"));
    ref->addSeparator();
    add(ref, "actBusiness", QStringLiteral("สถานประกอบการ"));
    add(ref, "actSettings", QStringLiteral("ระบบการทำงาน / ตั้งค่าการพิมพ์"));

    QMenu* search = topMenu("menuSearch", QStringLiteral("ค้นหา"));
    add(search, "actDrugHistory", QStringLiteral("ประวัติการใช้ ยา-เวชภัณฑ์"));
    add(search, "actTreatHistory", QStringLiteral("ประวัติการตรวจ - รักษา (ชื่อคนไข้)"));
    hidden(add(search, "actTreatHistorySn", QStringLiteral("***ประวัติการรักษา ( หมายเลข / SN:)")));

    QMenu* rep = topMenu("menuReports", QStringLiteral("รายงาน"));
    add(rep, "actMedRecord", QStringLiteral("เวชระเบียน"));
    rep->addSeparator();
    add(rep, "actTreatSummary", QStringLiteral("การตรวจ - รักษา ( สรุป )"));
    add(rep, "actTreatDetail", QStringLiteral("การตรวจ - รักษา ( รายละเอียด )"));
    add(rep, "actByDisease", QStringLiteral("การตรวจ - รักษาแยกตามชื่อโรค"));
    add(rep, "actByDiseaseGroup", QStringLiteral("การตรวจ - รักษาแยกตามกลุ่มโรค"));
    rep->addSeparator();
    add(rep, "actFeesByGroup", QStringLiteral("ค่าตรวจ - รักษา - ยา เวชภัณฑ์ แยกตามกลุ่ม "));
    hidden(add(rep, "actFeesByItem",
               QStringLiteral("ค่าตรวจ-รักษา แยกตาม ค่าตรวจ - รักษา - เวชภัณฑ์ ( รหัสนำหน้า 0 )")));
    rep->addSeparator();
    add(rep, "actDoctorWork", QStringLiteral("ผลงานแพทย์"));
    add(rep, "actAppointments", QStringLiteral("ตารางนัด"));
    rep->addSeparator();
    add(rep, "actCustomerLabels", QStringLiteral("ทะเบียนลูกค้า"));
    rep->addSeparator();
    add(rep, "actItemList", QStringLiteral("ทะเบียน ยา - เวชภัณฑ์"));
    add(rep, "actBuyReport", QStringLiteral("นำเข้ายา - เวชภัณฑ์"));
    add(rep, "actDrugUse", QStringLiteral("การใช้ยา -  เวชภัณฑ์"));
    add(rep, "actReorder", QStringLiteral("ยา - เวชภัณฑ์ ถึงจุดสั่งซื้อ"));
    hidden(add(rep, "actStockCard", QStringLiteral("สินค้าและวัตถุดิบ")));
    QMenu* buySale = rep->addMenu(QStringLiteral("***รายงานซื้อ-ขาย"));
    buySale->setObjectName(QStringLiteral("menuBuySaleHidden"));
    buySale->menuAction()->setVisible(false);
    add(buySale, "actBuyReport2", QStringLiteral("รายงานซื้อ"));
    add(buySale, "actPurchaseTax", QStringLiteral("ภาษีซื้อ"));
    add(buySale, "actSaleReport", QStringLiteral("รายงานขาย"));
    add(buySale, "actSalesTax", QStringLiteral("ภาษีขาย"));
    rep->addSeparator();
    add(rep, "actBarcode", QStringLiteral("พิมพ์บาร์โค๊ด"));
    rep->addSeparator();
    add(rep, "actIncome", QStringLiteral("สรุปรายรับ"));

    QMenu* help = topMenu("menuHelp", QStringLiteral("HELP"));
    add(help, "actManual", QStringLiteral("คู่มือการใช้งาน"));
}

QAction* MainWindow::entry(const QString& objectName) const
{
    for (QAction* a : findChildren<QAction*>(objectName))
        if (a->objectName() == objectName) return a;
    return nullptr;
}

QMenu* MainWindow::menu(const QString& objectName) const { return findChild<QMenu*>(objectName); }

void MainWindow::applyMenuState(MenuState state, int level)
{
    for (QAction* a : findChildren<QAction*>()) {
        if (a->objectName().isEmpty()) continue;
        const MenuRule rule = MenuRuleFor(state, level, a->objectName());
        if (rule == MenuRule::Keep) continue;
        a->setEnabled(rule == MenuRule::Enable);
        // A hidden entry reports itself disabled; keep what it was given.
        a->setProperty("entryEnabled", rule == MenuRule::Enable);
    }
}

bool MainWindow::isEntryEnabled(const QString& objectName) const
{
    QAction* a = entry(objectName);
    if (!a) return false;
    const QVariant given = a->property("entryEnabled");
    return given.isValid() ? given.toBool() : a->isEnabled();
}

void MainWindow::registerScreen(const QString& entry, ScreenFactory factory, Placement placement)
{
    screens_.insert(entry, {std::move(factory), placement});
}

QWidget* MainWindow::openChild(QWidget* w, const QPoint* topLeft)
{
    w->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = area_->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    if (topLeft) sub->move(*topLeft);
    sub->show();
    return w;
}

void MainWindow::choose(const QString& entry)
{
    SharedState& s = shared();
    if (entry == QLatin1String("actLogin")) return openLogin();
    if (entry == QLatin1String("actLogout")) return logoutFromMenu();
    if (entry == QLatin1String("actExit")) {
        close();
        return;
    }
    if (entry == QLatin1String("actManual")) return openManual();
    if (entry == QLatin1String("actTreatHistorySn")) return;

    // The two multi-purpose screens read their mode while they open.
    if (entry == QLatin1String("actStockIn") || entry == QLatin1String("actTradeStockIn")) s.TradeMode = 3;
    if (entry == QLatin1String("actTradeSale")) s.TradeMode = 1;
    if (entry == QLatin1String("actTradeQuotation")) s.TradeMode = 7;
    if (entry == QLatin1String("actBuyReport") || entry == QLatin1String("actBuyReport2")) s.BuySaleReportKind = QStringLiteral("0");
    if (entry == QLatin1String("actSaleReport")) s.BuySaleReportKind = QStringLiteral("1");

    QString key = entry;
    if (key == QLatin1String("actTradeStockIn") || key == QLatin1String("actTradeSale") || key == QLatin1String("actTradeQuotation"))
        key = QStringLiteral("actStockIn");
    if (key == QLatin1String("actBuyReport2") || key == QLatin1String("actSaleReport")) key = QStringLiteral("actBuyReport");

    const auto it = screens_.constFind(key);
    if (it == screens_.constEnd()) {
        messages().information(QStringLiteral("หน้าจอนี้ยังไม่พร้อมใช้งาน"));
        return;
    }
    QWidget* w = it->factory();
    if (!w) return;
    if (it->placement == Placement::Centred) {
        w->adjustSize();
        const QSize outer = w->sizeHint() + QSize(16, 40); // the child window's frame and caption
        const QPoint at((area_->width() - outer.width()) / 2, (area_->height() - outer.height()) / 2);
        openChild(w, &at);
    } else {
        openChild(w);
    }
}

void MainWindow::openLogin()
{
    auto* login = new Tpasswd;
    connect(login, &Tpasswd::loginApplied, this, [this](int level) { applyMenuState(MenuState::LoggedIn, level); });
    connect(login, &Tpasswd::loggedOut, this, [this] { applyMenuState(MenuState::LoggedOutInWindow); });
    const QPoint at(150, 100);
    openChild(login, &at);
}

void MainWindow::logoutFromMenu()
{
    shared().UserLevel = 0;
    applyMenuState(MenuState::LoggedOutInMenu);
}

void MainWindow::openManual()
{
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("clinic_book/index.html"));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        messages().error(QStringLiteral("ไม่สามารถเปิดคู่มือการใช้งาน %1").arg(path));
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    if (!askOnClose_) {
        area_->closeAllSubWindows();
        e->accept();
        return;
    }
    if (!messages().question(ExitQuestionText())) {
        e->ignore();
        return;
    }
    if (messages().question(BackupQuestionText())) {
        const SharedState& s = shared();
        QString error;
        if (!BackupDatabase(s.DatabaseFile, BackupFileName(s.DataFolder, QDate::currentDate()), &error))
            messages().error(QStringLiteral("สำรองข้อมูลไม่สำเร็จ\n%1").arg(error));
    }
    area_->closeAllSubWindows();
    e->accept();
}
