#include "registries/lookups.h"

#include "platform/ui/registryscreen.h"
#include "registries/registryparts.h"

#include <QPushButton>
#include <QTableView>

namespace {

// A list of one free text keyed by AUTO; duplicates are allowed.
RegistryConfig oneTextList(const QString& table, const QString& column, const QString& label)
{
    RegistryConfig c;
    c.table = table;
    c.fields = {{.column = column, .label = label}};
    c.columns = {{.column = column, .title = label}};
    c.requiredColumn = column;
    return c;
}

} // namespace

RegistryConfig DrugTypesRegistry()
{
    RegistryConfig c = oneTextList(QStringLiteral("type"), QStringLiteral("TYPE"), QStringLiteral("ประเภท"));
    c.objectName = QStringLiteral("TRef_Type_Sql");
    c.title = QStringLiteral(" ประเภท  ");
    c.listSql = QStringLiteral("select * from type order by type");
    c.insertSql = QStringLiteral("insert into Type (type) values (:ptype)");
    c.updateSql = QStringLiteral("update type set type=:ptype where auto =:pid");
    c.deleteSql = QStringLiteral("delete from Type where auto =:pid");
    c.enterChains = {{QStringLiteral("TYPE"), QStringLiteral("btnSave")}};
    return c;
}

RegistryConfig UsageMethodsRegistry()
{
    RegistryConfig c = oneTextList(QStringLiteral("how"), QStringLiteral("HOW_TO"), QStringLiteral("วิธีใช้งาน"));
    c.objectName = QStringLiteral("TRef_How");
    c.title = QStringLiteral(" วิธีใช้งาน");
    c.rowSelection = true;
    c.listSql = QStringLiteral("select * from how order by how_to");
    c.insertSql = QStringLiteral("insert into how (how_to) values (:phow_to)");
    c.updateSql = QStringLiteral("update how set how_to=:phow_to where auto =:pid");
    c.deleteSql = QStringLiteral("delete from how where auto =:pid");
    // Enter in the text does nothing; the saved text of an edit stays shown.
    c.keepFieldsAfterEdit = true;
    // Save is a tool button: it does not take the cursor.
    c.setup = [](RegistryScreen& s) { s.findChild<QPushButton*>(QStringLiteral("btnSave"))->setFocusPolicy(Qt::NoFocus); };
    return c;
}

RegistryConfig DiseasesRegistry()
{
    RegistryConfig c;
    c.objectName = QStringLiteral("TRef_Sickness");
    c.title = QStringLiteral(" ทะเบียนโรค");
    c.table = QStringLiteral("sickness");
    c.fields = {{.column = QStringLiteral("SICKNESS"), .label = QStringLiteral("ชื่อโรค")},
                {.column = QStringLiteral("SICK_GROUP"), .label = QStringLiteral("กลุ่มโรค"), .keptOnCancel = true}};
    c.columns = {{.column = QStringLiteral("SICKNESS"), .title = QStringLiteral("ประเภท")},
                 {.column = QStringLiteral("SICK_GROUP"), .title = QStringLiteral("กลุ่มโรค"), .alignment = Qt::AlignCenter}};
    c.rowSelection = true;
    c.listSql = QStringLiteral("select * from Sickness");
    c.sortLabel = QStringLiteral("  จัดเรียงโดย  ");
    c.sorts = {{QStringLiteral("ชื่อโรค"), QStringLiteral("order by Sickness")},
               {QStringLiteral("กลุ่มโรค"), QStringLiteral("order by Sick_Group")}};
    c.insertSql = QStringLiteral("insert into Sickness (Sickness,Sick_Group) values (:pSickness,:pSick_Group)");
    c.updateSql = QStringLiteral("update Sickness set Sickness=:pSickness, Sick_Group=:pSick_Group where auto =:pid");
    c.deleteSql = QStringLiteral("delete from Sickness where auto =:pid");
    c.requiredColumn = QStringLiteral("SICKNESS");
    c.enterChains = {{QStringLiteral("SICKNESS"), QStringLiteral("SICK_GROUP"), QStringLiteral("btnSave")}};
    c.onSaved = [](RegistryScreen& s) { s.grid()->setFocus(); };
    return c;
}

RegistryConfig SuppliersRegistry()
{
    RegistryConfig c = CodeRegistry(QStringLiteral("supply"), QStringLiteral("CUST_NO"), QStringLiteral("CUST_NAME"),
                                    QStringLiteral("รหัสผู้ขาย"), QStringLiteral("ชื่อผู้ขาย"));
    c.objectName = QStringLiteral("TRef_Supply_Sql");
    c.title = QStringLiteral(" ทะเบียนผู้ขาย");
    using Kind = RegistryField::Kind;
    c.fields = {
        {.column = QStringLiteral("CUST_NO"), .label = QStringLiteral("รหัสผู้ขาย"), .maxLength = 5,
         .hint = QStringLiteral("( ไม่เกิน 5 หลัก )")},
        {.column = QStringLiteral("CUST_NAME"), .label = QStringLiteral("ชื่อผู้ขาย"), .maxLength = 80},
        {.column = QStringLiteral("CUST_ADD1"), .label = QStringLiteral("ที่อยู่"), .maxLength = 80},
        {.column = QStringLiteral("CUST_ADD2"), .maxLength = 80},
        {.column = QStringLiteral("CUST_ADD4"), .label = QStringLiteral("จังหวัด"), .maxLength = 80},
        {.column = QStringLiteral("CUST_ZIP"), .label = QStringLiteral("รหัสไปรษณีย์"), .maxLength = 5},
        {.column = QStringLiteral("CUST_TEL"), .label = QStringLiteral("โทร."), .maxLength = 25},
        {.column = QStringLiteral("CUST_FAX"), .label = QStringLiteral("FAX"), .maxLength = 25},
        CreditTermField(),
        {.column = QStringLiteral("CUST_DISC"), .label = QStringLiteral("ส่วนลดรวม %"), .kind = Kind::Number,
         .maxLength = 5, .addValue = QStringLiteral("0")},
        {.column = QStringLiteral("CUST_GROUP"), .label = QStringLiteral("เกรด"), .maxLength = 1,
         .hint = QStringLiteral("( 1 หลัก )")},
    };
    c.listSql = QStringLiteral("select * from supply order by cust_no");
    c.insertSql = QStringLiteral(
        "insert into supply (cust_no,cust_name,cust_add1,cust_add2,cust_add4,cust_zip,cust_tel,cust_fax,cust_cre,"
        "cust_disc,cust_group) values (:pcust_no,:pcust_name,:pcust_add1,:pcust_add2,:pcust_add4,:pcust_zip,"
        ":pcust_tel,:pcust_fax,:pcust_cre,:pcust_disc,:pcust_group)");
    c.updateSql = QStringLiteral(
        "update supply set cust_no=:pcust_no,cust_name=:pcust_name,cust_add1=:pcust_add1,cust_add2=:pcust_add2,"
        "cust_add4=:pcust_add4,cust_zip=:pcust_zip,cust_tel=:pcust_tel,cust_fax=:pcust_fax,cust_cre=:pcust_cre,"
        "cust_disc=:pcust_disc,cust_group=:pcust_group where cust_no =:pocust_no");
    c.deleteSql = QStringLiteral("delete from supply where cust_no =:pcust_no");
    // No check for a code already there: the table's key decides on Save.
    c.afterAdd = RegistryRow::Key;
    c.afterEdit = RegistryRow::Key;
    c.searchClickCloses = true;
    // Enter in the credit term does nothing; the grade is reached with Tab.
    c.enterChains = {{QStringLiteral("CUST_NO"), QStringLiteral("CUST_NAME"), QStringLiteral("CUST_ADD1"),
                      QStringLiteral("CUST_ADD2"), QStringLiteral("CUST_ADD4"), QStringLiteral("CUST_ZIP"),
                      QStringLiteral("CUST_TEL"), QStringLiteral("CUST_FAX"), QStringLiteral("CUST_CRE")},
                     {QStringLiteral("CUST_GROUP"), QStringLiteral("CUST_DISC"), QStringLiteral("CUST_NO")}};
    c.setup = [](RegistryScreen& s) { AddEnvelopeButton(s, Addressee::Supplier); };
    return c;
}
