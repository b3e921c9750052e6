#include "registries/staff.h"

#include "data/schema.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/registryscreen.h"
#include "registries/registryparts.h"

namespace {

struct StaffTable {
    QString table;
    QString prefix;     // of the columns: "MAK" or "SALE"
    QString comColumn;  // "MAK_COM" or "SALE_COM"
    QString codeLabel;
    QString nameLabel;
    QString codeTitle;  // of the search grid
    bool licence;       // the licence number to practise (MAK_ID)
    Addressee who;
};

QString col(const StaffTable& t, const char* suffix) { return t.prefix + QLatin1Char('_') + QString::fromLatin1(suffix); }

// The fields and common behaviour; the statements are each registry's own.
RegistryConfig staffRegistry(const StaffTable& t)
{
    RegistryConfig c = CodeRegistry(t.table, col(t, "NO"), col(t, "NAME"), t.codeTitle, t.nameLabel);
    using Kind = RegistryField::Kind;
    c.fields = {{.column = col(t, "NO"), .label = t.codeLabel, .maxLength = 5, .hint = QStringLiteral("( ไม่เกิน 5 หลัก )")},
                {.column = col(t, "NAME"), .label = t.nameLabel, .maxLength = 80}};
    if (t.licence)
        c.fields << RegistryField{.column = col(t, "ID"), .label = QStringLiteral("เลขใบประกอบวิชาชีพ"), .maxLength = 20};
    c.fields << RegistryField{.column = col(t, "ADD1"), .label = QStringLiteral("ที่อยู่"), .maxLength = 80}
             << RegistryField{.column = col(t, "ADD2"), .maxLength = 80}
             << RegistryField{.column = col(t, "ADD4"), .label = QStringLiteral("จังหวัด"), .maxLength = 80}
             << RegistryField{.column = col(t, "ZIP"), .label = QStringLiteral("รหัสไปรษณีย์"), .maxLength = 5}
             << RegistryField{.column = col(t, "TEL"), .label = QStringLiteral("โทร."), .maxLength = 25}
             << RegistryField{.column = QStringLiteral("SALARY"), .label = QStringLiteral("เงินเดือน"),
                              .kind = Kind::Number, .maxLength = 15, .addValue = QStringLiteral("0")}
             << RegistryField{.column = t.comColumn, .label = QStringLiteral("อัตราคอมมิสชั่น %"),
                              .kind = Kind::Number, .maxLength = 5, .addValue = QStringLiteral("0")};
    QStringList chain;
    for (const RegistryField& f : c.fields) chain << f.column;
    chain << col(t, "NO");
    c.enterChains = {chain};
    c.atOpen = RegistryRow::First;
    c.afterAdd = RegistryRow::Key;
    c.afterEdit = RegistryRow::Key; // the key from before the edit: a changed key finds no row
    c.duplicateText = QStringLiteral("รหัสข้อมูลซ้ำ ...");
    const Addressee who = t.who;
    c.setup = [who](RegistryScreen& s) { AddEnvelopeButton(s, who, QStringLiteral("พิมพ์ซอง")); };
    return c;
}

} // namespace

RegistryConfig DoctorsRegistry()
{
    const StaffTable t{QStringLiteral("maker"), QStringLiteral("MAK"), QStringLiteral("MAK_COM"),
                       QStringLiteral("รหัสแพทย์"), QStringLiteral("ชื่อแพทย์"), QStringLiteral("รหัส"), true,
                       Addressee::Doctor};
    RegistryConfig c = staffRegistry(t);
    c.objectName = QStringLiteral("TRef_Maker_Sql");
    c.title = QStringLiteral(" ทะเบียนแพทย์ - พนักงาน");
    c.listSql = QStringLiteral(" select * from maker  order by mak_no ");
    c.duplicateSql = QStringLiteral(" Select mak_no from maker  where mak_no =:m_cust_no ");
    c.insertSql = QStringLiteral(" insert into maker (mak_no,mak_name,Mak_Id,mak_add1,mak_add2,  mak_add4,mak_zip,mak_tel,"
                                 "salary,mak_com )  values  (:pmak_no,:pmak_name,:pmak_id,:pmak_add1,:pmak_add2,"
                                 ":pmak_add4,:pmak_zip,  :pmak_tel,:psalary,:pmak_com ) ");
    c.updateSql = QStringLiteral(" update maker  set  mak_no=:pmak_no,mak_name=:pmak_name,mak_id=:pmak_id,"
                                 "mak_add1=:pmak_add1,  mak_add2=:pmak_add2,mak_add4=:pmak_add4,mak_zip=:pmak_zip,  "
                                 "mak_tel=:pmak_tel,salary=:psalary,  mak_com=:pmak_com  where mak_no =:pomak_no ");
    c.deleteSql = QStringLiteral(" delete from maker  where mak_no =:pmak_no ");
    // The field takes 80 characters, the column holds 50: a longer name is
    // refused rather than stored cut or too long.
    c.check = [](RegistryScreen& s) {
        const int width = ColumnWidth(QStringLiteral("maker"), QStringLiteral("MAK_NAME"));
        if (s.value(QStringLiteral("MAK_NAME")).toString().size() <= width) return true;
        messages().information(QStringLiteral("ชื่อแพทย์ยาวเกิน %1 ตัวอักษร").arg(width));
        if (QWidget* w = s.field(QStringLiteral("MAK_NAME"))) w->setFocus(Qt::OtherFocusReason);
        return false;
    };
    return c;
}

RegistryConfig EmployeesRegistry()
{
    const StaffTable t{QStringLiteral("sale"), QStringLiteral("SALE"), QStringLiteral("SALE_COM"),
                       QStringLiteral("รหัสพนักงาน"), QStringLiteral("ชื่อพนักงาน"), QStringLiteral("รหัสพนักงาน"), false,
                       Addressee::Employee};
    RegistryConfig c = staffRegistry(t);
    c.objectName = QStringLiteral("TRef_Sale_Sql");
    c.title = QStringLiteral(" ทะเบียนพนักงาน");
    c.listSql = QStringLiteral(" select * from sale  order by sale_no ");
    c.duplicateSql = QStringLiteral(" Select sale_no from sale  where sale_no =:m_sale_no ");
    c.insertSql = QStringLiteral(" insert into sale (sale_no,sale_name,sale_add1,sale_add2,  sale_add4,sale_zip,sale_tel,"
                                 "salary,sale_com )  values  (:psale_no,:psale_name,:psale_add1,:psale_add2,"
                                 ":psale_add4,:psale_zip,  :psale_tel,:psalary,:psale_com ) ");
    c.updateSql = QStringLiteral(" update sale  set  sale_no=:psale_no,sale_name=:psale_name,sale_add1=:psale_add1,  "
                                 "sale_add2=:psale_add2,sale_add4=:psale_add4,sale_zip=:psale_zip,  "
                                 "sale_tel=:psale_tel,salary=:psalary,  sale_com=:psale_com  where sale_no =:posale_no ");
    c.deleteSql = QStringLiteral(" delete from sale  where sale_no =:psale_no ");
    return c;
}
