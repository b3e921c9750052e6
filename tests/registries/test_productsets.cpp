// The product-set editor driven through its widgets against a fresh
// database: sets and their lines, the line panel, the checks and messages.

#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "registries/productset.h"
#include "support/fixture.h"
#include "support/registrydriver.h"
#include "support/widgetdriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<Tfsuit_product> open()
{
    auto s = std::make_unique<Tfsuit_product>();
    s->show();
    s->activateWindow();
    if (!QTest::qWaitForWindowActive(s.get())) qWarning("the set editor did not become active");
    return s;
}

QString text(Tfsuit_product& s, const char* name) { return child<QLineEdit>(s, name)->text(); }

void type(Tfsuit_product& s, const char* name, const QString& value)
{
    auto* e = child<QLineEdit>(s, name);
    e->clear();
    QTest::keyClicks(e, value);
}

void typeThai(Tfsuit_product& s, const char* name, const QString& value)
{
    auto* e = child<QLineEdit>(s, name);
    e->clear();
    keyText(e, value);
}

QString page(Tfsuit_product& s) { return child<QStackedWidget>(s, "pages")->currentWidget()->objectName(); }

// The codes in a column of a grid.
QStringList column(Tfsuit_product& s, const char* grid, int col = 0)
{
    auto* t = child<QTableWidget>(s, grid);
    QStringList values;
    for (int row = 0; row < t->rowCount(); ++row) values << t->item(row, col)->text();
    return values;
}

void clickRow(Tfsuit_product& s, const char* grid, int row)
{
    auto* t = child<QTableWidget>(s, grid);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(row, 0)).center());
}

// The row of the item list showing the code.
int itemRow(Tfsuit_product& s, const QString& code) { return int(column(s, "items").indexOf(code)); }

QString enabledCommands(Tfsuit_product& s)
{
    QStringList on;
    for (const char* name : {"btnAdd", "btnEdit", "btnDelete", "btnSave", "btnCancel", "btnPrint", "btnClose", "btnFirst",
                             "btnLast", "btnLineAdd", "btnLineEdit", "btnLineDelete", "btnLineSave", "btnLineCancel"})
        if (child<QPushButton>(s, name)->isEnabled()) on << QString::fromLatin1(name);
    return on.join(QLatin1Char(' '));
}


// Sets B1 (two lines), D4 (none) and F6 (one line); three items.
void seed(const DataFolderFixture& f)
{
    FIXTURE_SQL(f, "insert into suit (suit_no, suit_name) values ('D4', 'ชุดทำแผล'), ('B1', 'ชุดไข้หวัด'), ('F6', 'ชุดฉีดยา')");
    FIXTURE_SQL(f, "insert into suit1 (suit_no, spr_no, descrip, qty, u_name, \"group\", p_peru, cut_stock, stk_post) values"
                   " ('B1', 'P10', 'พาราเซตามอล', 10, 'เม็ด', 'D', 1.5, '1', 1),"
                   " ('F6', 'S20', 'เข็มฉีดยา', 1, 'อัน', 'S', 5, '1', 1),"
                   " ('B1', 'C01', 'ค่าตรวจ', 1, 'ครั้ง', 'T', 200, '0', 1)");
    FIXTURE_SQL(f, "insert into product (pro_no, pro_name, pro_unit, pro_group, tax_rate, cut_stock, pro_sprice) values"
                   " ('P10', 'พาราเซตามอล', 'เม็ด', 'D', 7, '1', 1.5),"
                   " ('C01', 'ค่าตรวจ', 'ครั้ง', 'T', 0, '0', 200),"
                   " ('A05', 'แอลกอฮอล์', 'ขวด', 'S', 7, '1', 35)");
}

const char* const kLineColumns = "select suit_no, qty, spr_no, descrip, u_name, \"group\", warn_term, warn_date, p_peru, disc,"
                                 " sum, tax_rate, tax, total, cut_stock, stk_post from suit1";

} // namespace

class TestProductSets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnFirstSetWithItsLines();
    void commandsFollowTheModes_data();
    void commandsFollowTheModes();
    void duplicateCodeIsClearedOnLeaving();
    void emptyCodeIsNotSaved();
    void setAddedBeforeTheLastCodeShowsTheLastSet();
    void editChangesOnlyTheName();
    void deleteRefusedWhileTheSetHasLines_data();
    void deleteRefusedWhileTheSetHasLines();
    void deleteAsksAndTells_data();
    void deleteAsksAndTells();
    void addAndChangeLines();
    void lineOfAnItemNoLongerInTheRegistry();
    void lineAmounts_data();
    void lineAmounts();
    void deleteLineAsks();
    void itemListFollowsTheSearchOption();
    void noSetsNoLineCommands();
    void printPreviewsTheSetShown();
};

void TestProductSets::opensOnFirstSetWithItsLines()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    QCOMPARE(s->windowTitle(), QStringLiteral("สินค้าจัดเป็นชุด"));
    QCOMPARE(s->setCount(), 3);
    QCOMPARE(text(*s, "edSuitNo"), QStringLiteral("B1"));
    QCOMPARE(text(*s, "edSuitName"), QStringLiteral("ชุดไข้หวัด"));
    QCOMPARE(column(*s, "lines"), (QStringList{QStringLiteral("P10"), QStringLiteral("C01")})); // stored order
    QCOMPARE(column(*s, "lines", 2), (QStringList{QStringLiteral("10"), QStringLiteral("1")}));
    QCOMPARE(text(*s, "edLineCode"), QStringLiteral("P10"));
    QCOMPARE(page(*s), QStringLiteral("linesPage"));
    QVERIFY(child<QLineEdit>(*s, "edSuitNo")->isReadOnly());

    clickRow(*s, "lines", 1);
    QCOMPARE(text(*s, "edLineName"), QStringLiteral("ค่าตรวจ"));
    click(*s, "btnNext");
    QCOMPARE(text(*s, "edSuitNo"), QStringLiteral("D4"));
    QCOMPARE(s->lineCount(), 0);
    QCOMPARE(text(*s, "edLineCode"), QString());
    click(*s, "btnLast");
    QCOMPARE(column(*s, "lines"), QStringList{QStringLiteral("S20")});
    QVERIFY(msgs.texts().isEmpty());
}

void TestProductSets::commandsFollowTheModes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("setMode");
    QTest::addColumn<QString>("lineMode");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("on");
    QTest::newRow("browse") << "" << "normal" << "normal" << "linesPage"
                            << "btnAdd btnEdit btnDelete btnPrint btnClose btnFirst btnLast btnLineAdd btnLineEdit btnLineDelete";
    QTest::newRow("add set") << "btnAdd" << "add" << "normal" << "emptyPage" << "btnSave btnCancel";
    QTest::newRow("edit set") << "btnEdit" << "edit" << "normal" << "emptyPage" << "btnSave btnCancel";
    // The panel's save waits for an item to show.
    QTest::newRow("add line") << "btnLineAdd" << "normal" << "add" << "linePanel" << "btnLineCancel";
    QTest::newRow("edit line") << "btnLineEdit" << "normal" << "edit" << "linePanel" << "btnLineSave btnLineCancel";
}

void TestProductSets::commandsFollowTheModes()
{
    QFETCH(QString, command);
    QFETCH(QString, setMode);
    QFETCH(QString, lineMode);
    QFETCH(QString, page);
    QFETCH(QString, on);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    if (!command.isEmpty()) click(*s, command.toLatin1().constData());
    QCOMPARE(s->setMode(), setMode);
    QCOMPARE(s->lineMode(), lineMode);
    QCOMPARE(::page(*s), page);
    QCOMPARE(enabledCommands(*s), on);
    QCOMPARE(!child<QLineEdit>(*s, "edSuitNo")->isReadOnly(), setMode == QLatin1String("add"));
    QCOMPARE(!child<QLineEdit>(*s, "edSuitName")->isReadOnly(), setMode != QLatin1String("normal"));

    // Cancel returns to browse and shows the set again.
    click(*s, lineMode != QLatin1String("normal") ? "btnLineCancel" : "btnCancel");
    QCOMPARE(s->setMode(), QStringLiteral("normal"));
    QCOMPARE(s->lineMode(), QStringLiteral("normal"));
    QCOMPARE(::page(*s), QStringLiteral("linesPage"));
    QCOMPARE(text(*s, "edSuitNo"), QStringLiteral("B1"));
    QCOMPARE(text(*s, "edSuitName"), QStringLiteral("ชุดไข้หวัด"));
    QCOMPARE(stored(f, "select count(*) from suit"), QStringList{QStringLiteral("3")});
    QCOMPARE(stored(f, "select count(*) from suit1"), QStringList{QStringLiteral("3")});
    QVERIFY(msgs.texts().isEmpty());
}

void TestProductSets::duplicateCodeIsClearedOnLeaving()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, "btnAdd");
    auto* code = child<QLineEdit>(*s, "edSuitNo");
    QCOMPARE(QApplication::focusWidget(), code);
    QTest::keyClicks(code, QStringLiteral("D4"));
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("รหัสซ้ำ...")});
    QCOMPARE(code->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), code);

    // A free code moves on to the name; Enter in the name goes to save.
    QTest::keyClicks(code, QStringLiteral("D5"));
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(*s, "edSuitName"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(*s, "btnSave"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(s->setMode(), QStringLiteral("normal"));
    QCOMPARE(stored(f, "select suit_no from suit order by suit_no"),
             (QStringList{QStringLiteral("B1"), QStringLiteral("D4"), QStringLiteral("D5"), QStringLiteral("F6")}));
    QCOMPARE(msgs.texts().size(), 1);
}

void TestProductSets::emptyCodeIsNotSaved()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = open();
    click(*s, "btnAdd");
    typeThai(*s, "edSuitName", QStringLiteral("ชุดใหม่"));
    click(*s, "btnSave");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ไม่มีรหัสข้อมูล...")});
    QCOMPARE(s->setMode(), QStringLiteral("add"));
    QCOMPARE(stored(f, "select count(*) from suit"), QStringList{QStringLiteral("0")});
}

void TestProductSets::setAddedBeforeTheLastCodeShowsTheLastSet()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, "btnAdd");
    type(*s, "edSuitNo", QStringLiteral("C3"));
    typeThai(*s, "edSuitName", QStringLiteral("ชุดล้างแผล"));
    click(*s, "btnSave");
    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(stored(f, "select suit_no, suit_name from suit where suit_no = 'C3'"), QStringList{QStringLiteral("C3|ชุดล้างแผล")});
    QCOMPARE(s->setCount(), 4);
    QCOMPARE(text(*s, "edSuitNo"), QStringLiteral("F6"));
    QCOMPARE(column(*s, "lines"), QStringList{QStringLiteral("S20")});
    QCOMPARE(page(*s), QStringLiteral("linesPage"));
}

void TestProductSets::editChangesOnlyTheName()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, "btnNext");
    click(*s, "btnNext");
    click(*s, "btnPrior"); // D4
    click(*s, "btnPrior"); // B1
    click(*s, "btnEdit");
    QVERIFY(child<QLineEdit>(*s, "edSuitNo")->isReadOnly());
    typeThai(*s, "edSuitName", QStringLiteral("ชุดหวัดเด็ก"));
    click(*s, "btnSave");
    QCOMPARE(stored(f, "select suit_no, suit_name from suit order by suit_no"),
             (QStringList{QStringLiteral("B1|ชุดหวัดเด็ก"), QStringLiteral("D4|ชุดทำแผล"), QStringLiteral("F6|ชุดฉีดยา")}));
    QCOMPARE(stored(f, "select suit_no, spr_no from suit1 order by auto"),
             (QStringList{QStringLiteral("B1|P10"), QStringLiteral("F6|S20"), QStringLiteral("B1|C01")}));
    QCOMPARE(text(*s, "edSuitNo"), QStringLiteral("B1"));
    QCOMPARE(s->lineCount(), 2);
    QVERIFY(msgs.texts().isEmpty());
}

void TestProductSets::deleteRefusedWhileTheSetHasLines_data()
{
    QTest::addColumn<bool>("addedElsewhere"); // the line was stored after the set was shown
    QTest::newRow("lines shown") << false;
    QTest::newRow("line stored at another workstation") << true;
}

void TestProductSets::deleteRefusedWhileTheSetHasLines()
{
    QFETCH(bool, addedElsewhere);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    if (addedElsewhere) {
        click(*s, "btnNext"); // D4, no lines
        FIXTURE_SQL(f, "insert into suit1 (suit_no, spr_no, qty) values ('D4', 'A05', 1)");
    }
    msgs.answer(true);
    click(*s, "btnDelete");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ต้องลบรายการสินค้าย่อย ออกให้หมดก่อน...")});
    QCOMPARE(stored(f, "select count(*) from suit"), QStringList{QStringLiteral("3")});
    QCOMPARE(s->lineCount(), addedElsewhere ? 1 : 2); // the lines as stored are shown
}

void TestProductSets::deleteAsksAndTells_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("left");
    const QString ask = QStringLiteral("ต้องการลบข้อมูลนี้ ?");
    const QStringList all = {QStringLiteral("B1"), QStringLiteral("D4"), QStringLiteral("F6")};
    QTest::newRow("no") << false << false << QStringList{ask} << all;
    QTest::newRow("yes") << true << false << QStringList{ask, QStringLiteral("ลบรายการสำเร็จ...")}
                         << QStringList{QStringLiteral("B1"), QStringLiteral("F6")};
    QTest::newRow("the store refuses") << true << true << QStringList{ask, QStringLiteral("ไม่สามารถลบรายการได้...")} << all;
}

void TestProductSets::deleteAsksAndTells()
{
    QFETCH(bool, yes);
    QFETCH(bool, fails);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, left);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    if (fails) FIXTURE_SQL(f, "create trigger keep_sets before delete on suit begin select raise(abort, 'kept'); end");
    auto s = open();
    click(*s, "btnNext"); // D4, no lines
    msgs.answer(yes);
    click(*s, "btnDelete");
    QCOMPARE(msgs.texts(), texts);
    QCOMPARE(stored(f, "select suit_no from suit order by suit_no"), left);
    // After a delete the first set is shown.
    QCOMPARE(text(*s, "edSuitNo"), yes ? QStringLiteral("B1") : QStringLiteral("D4"));
}

void TestProductSets::addAndChangeLines()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, "btnNext"); // D4, no lines
    click(*s, "btnLineAdd");
    // Nothing picked yet in this window: the panel shows no item.
    QCOMPARE(text(*s, "edItemCode"), QString());
    QCOMPARE(text(*s, "edQty"), QStringLiteral("0"));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(*s, "edSearch"));
    QCOMPARE(column(*s, "items"), (QStringList{QStringLiteral("A05"), QStringLiteral("C01"), QStringLiteral("P10")}));

    clickRow(*s, "items", itemRow(*s, QStringLiteral("C01")));
    QCOMPARE(text(*s, "edSearch"), QStringLiteral("C01"));
    QCOMPARE(text(*s, "edItemName"), QStringLiteral("ค่าตรวจ"));
    QCOMPARE(text(*s, "edUnit"), QStringLiteral("ครั้ง"));
    QCOMPARE(text(*s, "edGroup"), QStringLiteral("T"));
    QCOMPARE(text(*s, "edTaxRate"), QStringLiteral("0"));
    QCOMPARE(text(*s, "edCutStock"), QStringLiteral("0"));
    QCOMPARE(text(*s, "edQty"), QStringLiteral("0"));
    QCOMPARE(text(*s, "edPrice"), QStringLiteral("200"));
    type(*s, "edQty", QStringLiteral("2"));
    type(*s, "edPrice", QStringLiteral("50"));
    click(*s, "btnLineSave");
    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(s->lineMode(), QStringLiteral("normal"));
    QCOMPARE(page(*s), QStringLiteral("linesPage"));
    // Every set line posts stock, a service item's too; amounts stay 0.
    QCOMPARE(stored(f, QString::fromLatin1(kLineColumns) + QStringLiteral(" where suit_no = 'D4'")),
             QStringList{QStringLiteral("D4|2|C01|ค่าตรวจ|ครั้ง|T|||50|0|0|0|0|0|0|1")});

    // The next line starts from the item last read.
    click(*s, "btnLineAdd");
    QCOMPARE(text(*s, "edItemCode"), QStringLiteral("C01"));
    QCOMPARE(text(*s, "edPrice"), QStringLiteral("200"));
    clickRow(*s, "items", itemRow(*s, QStringLiteral("P10")));
    type(*s, "edQty", QStringLiteral("10"));
    click(*s, "btnLineSave");
    QCOMPARE(column(*s, "lines"), (QStringList{QStringLiteral("C01"), QStringLiteral("P10")}));
    QCOMPARE(s->currentLine(), 1);
    QCOMPARE(text(*s, "edLineCode"), QStringLiteral("P10"));

    // Changing the first line: the panel shows its item, quantity and price.
    s->setCurrentLine(0);
    const QString firstAuto = stored(f, "select min(auto) from suit1 where suit_no = 'D4'").value(0);
    click(*s, "btnLineEdit");
    QCOMPARE(text(*s, "edItemCode"), QStringLiteral("C01"));
    QCOMPARE(text(*s, "edQty"), QStringLiteral("2"));
    QCOMPARE(text(*s, "edPrice"), QStringLiteral("50"));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(*s, "edQty"));
    // Picking another item keeps the line's quantity and price.
    clickRow(*s, "items", itemRow(*s, QStringLiteral("A05")));
    QCOMPARE(text(*s, "edItemCode"), QStringLiteral("A05"));
    QCOMPARE(text(*s, "edQty"), QStringLiteral("2"));
    type(*s, "edPrice", QStringLiteral("30"));
    click(*s, "btnLineSave");
    QCOMPARE(stored(f, QStringLiteral("select auto, spr_no, descrip, tax_rate, cut_stock, p_peru from suit1 where suit_no = 'D4'"
                                      " order by auto")).value(0),
             firstAuto + QStringLiteral("|A05|แอลกอฮอล์|7|1|30"));
    QCOMPARE(s->currentLine(), 0);
    QCOMPARE(stored(f, "select count(*) from suit1"), QStringList{QStringLiteral("5")});
    QVERIFY(msgs.texts().isEmpty());
}

// Changing a line whose item has left the registry keeps the line's item.
void TestProductSets::lineOfAnItemNoLongerInTheRegistry()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, "btnLast"); // F6: S20 is in no product row
    click(*s, "btnLineAdd");
    clickRow(*s, "items", itemRow(*s, QStringLiteral("A05")));
    click(*s, "btnLineCancel");
    click(*s, "btnLineEdit");
    QCOMPARE(text(*s, "edItemCode"), QStringLiteral("S20"));
    QCOMPARE(text(*s, "edItemName"), QStringLiteral("เข็มฉีดยา"));
    type(*s, "edQty", QStringLiteral("3"));
    click(*s, "btnLineSave");
    QCOMPARE(stored(f, "select spr_no, descrip, qty, u_name from suit1 where suit_no = 'F6'"),
             QStringList{QStringLiteral("S20|เข็มฉีดยา|3|อัน")});
}

void TestProductSets::lineAmounts_data()
{
    QTest::addColumn<QString>("qty");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("saved");   // qty|p_peru
    QTest::newRow("empty quantity and price") << "" << "" << "" << "1|0";
    QTest::newRow("fractions") << "0.5" << "12.25" << "" << "0.5|12.25";
    QTest::newRow("quantity no number") << "2x" << "5" << "ตัวเลข...ไม่ถูกต้อง " << "";
    QTest::newRow("price no number") << "2" << "5,00" << "ตัวเลข...ไม่ถูกต้อง " << "";
}

void TestProductSets::lineAmounts()
{
    QFETCH(QString, qty);
    QFETCH(QString, price);
    QFETCH(QString, message);
    QFETCH(QString, saved);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, "btnNext"); // D4
    click(*s, "btnLineAdd");
    clickRow(*s, "items", itemRow(*s, QStringLiteral("A05")));
    // Leaving an empty quantity gives 1, an empty price 0.
    auto* q = child<QLineEdit>(*s, "edQty");
    auto* p = child<QLineEdit>(*s, "edPrice");
    q->setFocus();
    type(*s, "edQty", qty);
    p->setFocus();
    type(*s, "edPrice", price);
    q->setFocus();
    click(*s, "btnLineSave");
    if (message.isEmpty()) {
        QVERIFY(msgs.texts().isEmpty());
        QCOMPARE(stored(f, "select qty, p_peru from suit1 where suit_no = 'D4'"), QStringList{saved});
        return;
    }
    QCOMPARE(msgs.texts(), QStringList{message});
    QCOMPARE(s->lineMode(), QStringLiteral("add"));
    QCOMPARE(page(*s), QStringLiteral("linePanel"));
    QCOMPARE(stored(f, "select count(*) from suit1 where suit_no = 'D4'"), QStringList{QStringLiteral("0")});
}

void TestProductSets::deleteLineAsks()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    s->setCurrentLine(1);
    msgs.answer(false);
    click(*s, "btnLineDelete");
    QCOMPARE(s->lineCount(), 2);
    msgs.answer(true);
    click(*s, "btnLineDelete");
    QCOMPARE(msgs.texts(), (QStringList{QStringLiteral("ต้องการลบข้อมูลนี้ ?"), QStringLiteral("ต้องการลบข้อมูลนี้ ?")}));
    QCOMPARE(stored(f, "select suit_no, spr_no from suit1 order by auto"),
             (QStringList{QStringLiteral("B1|P10"), QStringLiteral("F6|S20")}));
    QCOMPARE(column(*s, "lines"), QStringList{QStringLiteral("P10")});
    QCOMPARE(text(*s, "edLineCode"), QStringLiteral("P10"));
}

void TestProductSets::itemListFollowsTheSearchOption()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, "btnLineAdd");
    clickRow(*s, "items", itemRow(*s, QStringLiteral("P10")));
    type(*s, "edQty", QStringLiteral("4"));
    child<QRadioButton>(*s, "rbByName")->click();
    // Names in order: ค่าตรวจ, พาราเซตามอล, แอลกอฮอล์.
    QCOMPARE(column(*s, "items"), (QStringList{QStringLiteral("C01"), QStringLiteral("P10"), QStringLiteral("A05")}));
    QCOMPARE(text(*s, "edSearch"), QString());
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(*s, "edSearch"));
    QCOMPARE(text(*s, "edItemCode"), QStringLiteral("P10"));
    QCOMPARE(text(*s, "edQty"), QStringLiteral("0"));
    clickRow(*s, "items", 2);
    QCOMPARE(text(*s, "edItemCode"), QStringLiteral("A05"));
    QCOMPARE(text(*s, "edSearch"), QStringLiteral("A05"));
}

void TestProductSets::noSetsNoLineCommands()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = open();
    QCOMPARE(s->setCount(), 0);
    click(*s, "btnFirst");
    QCOMPARE(enabledCommands(*s), QStringLiteral("btnAdd btnClose btnFirst btnLast"));
    click(*s, "btnLineAdd");
    QCOMPARE(s->lineMode(), QStringLiteral("normal"));
    QVERIFY(msgs.texts().isEmpty());
}

void TestProductSets::printPreviewsTheSetShown()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    PrintPreviewCapture capture;
    auto s = open();
    click(*s, "btnPrint");
    QCOMPARE(capture.documents().size(), 1);
    const QStringList texts = capture.documents().first().pages.first().texts();
    QVERIFY(texts.contains(QStringLiteral("รายงานสินค้าจัดเป็นชุด")));
    QVERIFY(texts.contains(QStringLiteral("B1")));
    QVERIFY(texts.contains(QStringLiteral("ชุดไข้หวัด")));
    QVERIFY(texts.contains(QStringLiteral("P10")));
    QVERIFY(texts.contains(QStringLiteral("C01")));
    QVERIFY(!texts.contains(QStringLiteral("S20")));
    QVERIFY(msgs.texts().isEmpty());
}

QTEST_MAIN(TestProductSets)
#include "test_productsets.moc"
