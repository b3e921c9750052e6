#include "data/schema.h"

namespace {

ColumnDef T(const char* name, int width) { return {QString::fromLatin1(name), ColumnType::Text, width}; }
ColumnDef F(const char* name) { return {QString::fromLatin1(name), ColumnType::Float, 0}; }
ColumnDef S(const char* name) { return {QString::fromLatin1(name), ColumnType::SmallInt, 0}; }
ColumnDef I(const char* name) { return {QString::fromLatin1(name), ColumnType::Integer, 0}; }
ColumnDef A(const char* name) { return {QString::fromLatin1(name), ColumnType::AutoInc, 0}; }
ColumnDef M(const char* name) { return {QString::fromLatin1(name), ColumnType::Memo, 0}; }
ColumnDef G(const char* name) { return {QString::fromLatin1(name), ColumnType::Graphic, 0}; }

IndexDef index(std::initializer_list<const char*> columns)
{
    IndexDef d;
    for (const char* c : columns) d.columns << QString::fromLatin1(c);
    return d;
}

IndexDef dateKeyIndex(const char* column)
{
    IndexDef d;
    d.dateKeyColumn = QString::fromLatin1(column);
    return d;
}

QList<TableDef> declareTables()
{
    // The four trade document kinds share one header and one line layout.
    const QList<ColumnDef> tradeHeader = {
              T("INV_NO", 11), T("OF_NO", 2), T("RET_NO", 11), T("REF_BILL", 11), T("P_BILL", 11),
              T("INV_TYPE", 1), T("INV_DATE", 10), T("WARN_DATE", 10), T("RET_DATE", 10), T("CUST_NO", 10),
              T("CUST_NAME", 100), T("CUST_CARD", 13), T("CUST_BIRTH", 10), T("SALE_NO", 13), T("SALE_NAME", 50),
              T("REF_ORDER", 20), F("TAX_RATE"), F("TOTAL"), F("DISCOUNT"), F("TAX"), F("SUM_TOTAL"),
              T("DUE_DATE", 10), T("GET_BILL", 10), S("FG_BILL"), T("GET_MONEY", 10), S("FG_MONEY"),
              T("MONEY_OK", 10), S("FG_OK"), T("CUST_CRE", 6), F("CUST_DISC"), F("EARN"), T("ID_CODE1", 20),
              T("ID_CODE2", 20), T("ID_CODE3", 20), T("ID_CODE4", 20), T("FP", 1), T("FG_END", 1),
              T("FG_BYE", 1), T("INV_TIME", 11)
    };

    const QList<ColumnDef> tradeLine = {
              A("AUTO"), T("INV_NO", 11), T("PRO_NO", 15), T("PRO_NAME", 50), T("ATTRIB", 40), T("ATTRIB2", 40),
              F("PRO_QTY"), T("PRO_UNIT", 10), F("UNIT_PRICE"), F("EARN"), T("WARN_DATE", 10), F("DISCOUNT"),
              T("V_STATUS", 1), F("PRICE"), F("S_PRICE"), S("FG_BILL"), T("P_BILL", 11), F("TAX_RATE"), F("TAX"),
              F("TOTAL"), T("CUT_STOCK", 1), F("STK_POST")
    };

    // Visit lines; the quotation visits keep the same layout.
    const QList<ColumnDef> visitLine = {
              A("AUTO"), T("SERV_NO", 11), F("QTY"), T("SPR_NO", 15), T("DESCRIP", 45), T("U_NAME", 10),
              T("GROUP", 5), T("WARN_TERM", 10), T("WARN_DATE", 10), F("P_PERU"), F("DISC"), F("SUM"),
              F("TAX_RATE"), F("TAX"), F("TOTAL"), T("CUT_STOCK", 1), F("STK_POST")
    };

    struct Decl {
        const char* name;
        const char* key;
        bool memory;
        QList<ColumnDef> columns;
        QList<IndexDef> indexes;
    };
    const QList<Decl> decls = {
        {"customer", "CUST_NO", false,
         {
          T("CUST_NO", 10), T("CUST_FLAG", 1), T("CUST_HEAD", 6), T("CUST_NAME", 100), T("CUST_CARD", 13),
          T("CUST_BIRTH", 10), T("CUST_SEX", 10), T("CUST_ATTN", 50), T("CUST_ADD1", 80), T("CUST_ADD2", 80),
          T("CUST_ADD3", 80), T("CUST_ADD4", 80), T("CUST_ADD5", 1), T("CUST_ZIP", 5), T("CUST_TEL", 25),
          T("CUST_FAX", 25), T("CUST_EMAIL", 100), T("CUST_CRE", 6), F("CUST_DISC"), T("CUST_GROUP", 1),
          T("CUST_WGHT", 7), T("CUST_TALL", 7), T("CUST_BLOOD", 15), T("CUST_HPS", 100)
         },
         {index({"CUST_CARD"}), index({"CUST_NAME"})}},
        {"supply", "CUST_NO", false,
         {
          T("CUST_NO", 10), T("CUST_FLAG", 1), T("CUST_HEAD", 6), T("CUST_NAME", 100), T("CUST_CARD", 13),
          T("CUST_BIRTH", 10), T("CUST_ATTN", 50), T("CUST_ADD1", 80), T("CUST_ADD2", 80),
          T("CUST_ADD3", 80), T("CUST_ADD4", 80), T("CUST_ADD5", 1), T("CUST_ZIP", 5), T("CUST_TEL", 25),
          T("CUST_FAX", 25), T("CUST_CRE", 6), F("CUST_DISC"), T("CUST_GROUP", 1)
         },
         {index({"CUST_NAME"})}},
        {"maker", "MAK_NO", false,
         {
          T("MAK_NO", 10), T("MAK_NAME", 50), T("MAK_ID", 20), F("MAK_COM"), T("MAK_ADD1", 80),
          T("MAK_ADD2", 80), T("MAK_ADD3", 80), T("MAK_ADD4", 80), T("MAK_ZIP", 5), T("MAK_TEL", 25),
          F("SALARY")
         },
         {}},
        {"sale", "SALE_NO", false,
         {
          T("SALE_NO", 10), T("SALE_NAME", 80), F("SALE_COM"), T("SALE_ADD1", 80), T("SALE_ADD2", 80),
          T("SALE_ADD3", 80), T("SALE_ADD4", 80), T("SALE_ZIP", 5), T("SALE_TEL", 25), F("SALARY")
         },
         {}},
        {"market", "USRNAME", false,
         {
          T("USRNAME", 16), T("PASSWD", 16), T("NAME", 40), T("POSITION", 20), S("AC1"), S("AC2"), S("AC3"),
          S("AC4"), S("AC5"), S("AC6"), S("AC7"), S("AC8"), S("AC9"), S("AC10"), S("AC11"), S("AC12"),
          S("AC13"), S("AC14"), S("AC15"), S("AC16"), S("AC17"), S("AC18"), S("AC19"), S("AC20"), S("AC21"),
          S("AC22"), S("AC23"), S("AC24"), S("AC25"), S("AC26"), S("AC27"), S("AC28"), S("AC29"), S("AC30")
         },
         {}},
        {"product", "PRO_NO", false,
         {
          T("PRO_NO", 15), T("PRO_NAME", 50), T("ATTRIB", 20), T("PRO_GROUP", 5), F("PRO_BPRICE"),
          F("PRO_SPRICE"), F("PRO_RPRICE"), F("EARN"), F("FINE"), T("F_VAT", 1), T("WARN_TERM", 10),
          F("PRO_TOTAL"), T("PRO_UNIT", 10), T("PRO_PACK", 15), F("PRO_RORDER"), T("LAST_BUY", 10),
          T("LAST_SALE", 10), T("INVEN_NO", 2), T("INV_NO", 11), T("FP", 1), F("PRO_SP2"), F("PRO_SP3"),
          F("PRO_SP4"), F("PRO_SP5"), T("CUT_STOCK", 1), F("TAX_RATE"), T("HOW_TYPE", 20),
          T("HOW_TO_1", 100), T("HOW_TO_2", 100), T("HOW_TO_3", 100), T("HOW_TO_4", 100), T("REM", 200)
         },
         {index({"PRO_NAME"})}},
        {"type", "AUTO", false,
         {
          A("AUTO"), T("TYPE", 100)
         },
         {}},
        {"how", "AUTO", false,
         {
          A("AUTO"), T("HOW_TO", 100)
         },
         {}},
        {"sickness", "AUTO", false,
         {
          A("AUTO"), T("SICK_NO", 10), T("SICKNESS", 100), T("SICK_GROUP", 2)
         },
         {}},
        {"scale", "AUTO", false,
         {
          A("AUTO"), F("SCALE1"), F("SCALE2"), F("SCALE3"), F("SCALE4"), F("SCALE5"), F("SCALE6"),
          F("SCALE7"), F("SCALE8"), T("ATTRIB", 20)
         },
         {}},
        {"suit", "SUIT_NO", false,
         {
          T("SUIT_NO", 15), T("SUIT_NAME", 80)
         },
         {}},
        {"suit1", "AUTO", false,
         {
          A("AUTO"), T("SUIT_NO", 15), F("QTY"), T("SPR_NO", 15), T("DESCRIP", 45), T("U_NAME", 10),
          T("GROUP", 5), T("WARN_TERM", 10), T("WARN_DATE", 10), F("P_PERU"), F("DISC"), F("SUM"),
          F("TAX_RATE"), F("TAX"), F("TOTAL"), T("CUT_STOCK", 1), F("STK_POST")
         },
         {index({"SUIT_NO"})}},
        {"service", "SERV_NO", false,
         {
          T("SERV_NO", 11), T("PBILL", 11), T("OF_NO", 2), T("SERV_DATE", 10), T("CUST_NO", 10),
          T("CUST_NAME", 80), T("CUST_CARD", 13), T("CUST_CRE", 10), F("DISCOUNT"), F("SDISC"), S("TAX"),
          F("STAX"), T("DAMAGE", 100), T("SICKNESS", 100), T("SICK_GROUP", 2), T("RECIEVE_NO", 4),
          T("MAKER_NO", 10), T("MAKER_NAME", 45), F("MAKER_PERC"), F("FOR_MAKER"), T("EVAL_DATE", 10),
          T("FINI_DATE", 10), T("RECV_DATE", 10), T("DUE_DATE", 10), F("SUM"), F("TOTAL"), S("PROCESS"),
          T("REM", 200), T("REM2", 150), F("EARNEST"), F("SERVICE"), F("SPART"), T("FP", 1), T("F_OK", 1),
          T("WARN_TERM", 10), T("WARN_DATE", 10), T("APP_DATE", 10), T("APP_TIME", 5), T("APP_FOR", 100),
          T("SPR_NO", 13), T("TYPE_BUSINESS", 1), S("FG_OK"), T("FG_BILL", 20)
         },
         {index({"CUST_NO"}), index({"PBILL"}), index({"MAKER_NO"}), index({"CUST_CARD", "SERV_NO"}),
          index({"CUST_NAME", "SERV_NO"}), dateKeyIndex("SERV_DATE"), dateKeyIndex("APP_DATE")}},
        {"service1", "AUTO", false,
         visitLine,
         {index({"SERV_NO"}), index({"SPR_NO", "STK_POST", "QTY"})}},
        {"lap", "SERV_NO", false,
         {
          T("SERV_NO", 11), T("LAP_NO", 10), T("LAP_DATE", 10), T("LAP_FOR", 100), M("LAP_REM"),
          T("LAP_PER_NAME", 50)
         },
         {}},
        {"quo_serv", "SERV_NO", false,
         {
          T("SERV_NO", 11), T("SERV_DATE", 10), T("CUST_NO", 10), T("CUST_NAME", 80), F("DISCOUNT"),
          F("SDISC"), S("TAX"), F("STAX"), T("DAMAGE", 100), T("RECIEVE_NO", 4), T("MAKER_NO", 10),
          T("MAKER_NAME", 45), F("MAKER_PERC"), F("FOR_MAKER"), T("EVAL_DATE", 10), T("FINI_DATE", 10),
          T("RECV_DATE", 10), F("SUM"), F("TOTAL"), S("PROCESS"), T("REM", 200), F("EARNEST"), F("SERVICE"),
          F("SPART"), T("FP", 1), T("F_OK", 1), T("WARN_TERM", 10), T("WARN_DATE", 10), T("OF_NO", 2)
         },
         {}},
        {"quo_serv1", "AUTO", false,
         visitLine,
         {index({"SERV_NO"})}},
        {"invoice", "INV_NO", false,
         tradeHeader,
         {index({"CUST_NO"}), index({"P_BILL"}), dateKeyIndex("INV_DATE")}},
        {"invoice1", "AUTO", false,
         tradeLine,
         {index({"INV_NO"}), index({"PRO_NO", "STK_POST", "PRO_QTY"})}},
        {"order0", "INV_NO", false,
         tradeHeader,
         {index({"CUST_NO"}), index({"P_BILL"}), dateKeyIndex("INV_DATE")}},
        {"order1", "AUTO", false,
         tradeLine,
         {index({"INV_NO"}), index({"PRO_NO", "STK_POST", "PRO_QTY"})}},
        {"tmpord", "INV_NO", false,
         tradeHeader,
         {index({"CUST_NO"}), index({"P_BILL"}), dateKeyIndex("INV_DATE")}},
        {"tmpord1", "AUTO", false,
         tradeLine,
         {index({"INV_NO"}), index({"PRO_NO", "STK_POST", "PRO_QTY"})}},
        {"quotation", "INV_NO", false,
         tradeHeader,
         {index({"CUST_NO"}), index({"P_BILL"}), dateKeyIndex("INV_DATE")}},
        {"quotation1", "AUTO", false,
         tradeLine,
         {index({"INV_NO"}), index({"PRO_NO", "STK_POST", "PRO_QTY"})}},
        {"que", "QUE_NO", false,
         {
          T("QUE_NO", 11), T("QUE_SRV_N", 11), T("QUE_SRV_V", 11), T("QUE_ORD_N", 11), T("QUE_ORD_V", 11),
          T("QUE_QUO_N", 11), T("QUE_QUO_V", 11), T("QUE_INV_N", 11), T("QUE_INV_V", 11),
          T("QUE_QUO2_N", 11), T("QUE_QUO2_V", 11), T("QUE_REN_N", 11), T("QUE_REN_V", 11),
          T("QUE_RET_N", 11), T("QUE_RET_V", 11), T("RENT_ORD_N", 11), T("RENT_ORD_V", 11),
          T("SERV_ORD_N", 11), T("SERV_ORD_V", 11)
         },
         {}},
        {"quorvexsys", "OF_NO", false,
         {
          T("OF_NO", 2), T("OF_NAME", 80), T("OF_ADD1", 80), T("OF_ADD2", 80), T("OF_ADD3", 80),
          T("OF_ADD4", 80), T("OF_ZIP", 5), T("OF_ADD5", 1), T("OF_TAXID", 13), T("OF_TEL", 25),
          T("OF_FAX", 25), T("OF_EMAIL", 50), G("OF_MENU"), T("OF_PHEAD", 1), T("OF_STATE", 1),
          T("PREFIX1", 4), T("PREFIX2", 4), T("PREFIX3", 4), T("PREFIX4", 4), T("PREFIX5", 4),
          T("PREFIX6", 4), T("PREFIX7", 4), T("PREFIX8", 4), T("PREFIX9", 4), T("LINE1", 1), T("LINE2", 1),
          T("LINE3", 1), T("LINE4", 1), T("LINE5", 1), T("VIEW1", 1), T("VIEW2", 1), T("VIEW3", 1),
          T("VIEW4", 1), T("HEAD1", 80), T("HEAD2", 80), T("HEAD3", 80), T("HEAD4", 80), T("FOOT1", 80),
          T("FOOT2", 80), T("FOOT3", 80), T("FOOT4", 80), G("OF_LOGO"), F("PRN_TOP"), F("PRN_LEFT"),
          T("PRN_PREVIEW", 1), T("PRN_LOGO", 1), T("COM_PORT", 1), T("SKIN_BUSINESS", 1),
          T("SKIN_SERVICE", 1), T("SKIN_RENT", 1), T("TYPE_VAT", 1), T("HAVE_VAT", 1), T("APP_PATH", 100),
          T("HIDE_DATE", 1), T("PACK", 20)
         },
         {}},
        {"sevrsys", "SERV_NO", false,
         {
          T("SERV_NO", 2), T("PREFIX1", 4), T("PREFIX2", 4), T("PREFIX3", 4), T("PREFIX4", 4),
          T("LINE1", 30), T("LINE2", 50), T("LINE3", 30), T("LINE4", 30), S("AFTER_FI"), S("BLANK"),
          T("REMARK1", 100), T("REMARK2", 100), T("REMARK3", 100), T("CATAGORY", 1), T("F_PER1", 1),
          T("F_PER2", 1), T("F_PER3", 1), T("MAKER_NO", 5), T("HEAD1", 80), T("HEAD2", 80), T("HEAD3", 80),
          T("HEAD4", 80), S("PAPER"), S("PAPER1"), S("TYPE1"), S("TYPE2"), S("LOGO"), T("PRN_PREVIEW", 1),
          T("PRN_LOGO", 1), F("PRN_TOP"), F("PRN_LEFT"), T("COM_PORT", 1), T("SKIN_SERVICE", 1),
          F("LABEL_TOP"), F("LABEL_LEFT"), T("CARD_TYPE", 1)
         },
         {}},
        {"stock", "Auto", true,
         {
          A("Auto"), T("Inv_no", 20), T("Inv_Date", 10), T("Due_Date", 10), T("Cust_no", 10),
          T("Cust_Name", 80), F("Sum_Total"), I("Fg_Ok"), T("Pro_No", 10), T("Pro_Name", 50), F("Pro_Qty"),
          T("Pro_Unit", 10), F("Price")
         },
         {}},
    };

    QList<TableDef> tables;
    for (const Decl& d : decls)
        tables.append({QString::fromLatin1(d.name), QString::fromLatin1(d.key), d.memory, d.columns, d.indexes});
    return tables;
}

QString columnListSql(const TableDef& t)
{
    QStringList cols;
    for (const ColumnDef& c : t.columns) cols << ColumnSql(c, c.name == t.key);
    return cols.join(QStringLiteral(",\n  "));
}

} // namespace

QString ColumnSql(const ColumnDef& c, bool isKey)
{
    const QString name = QLatin1Char('"') + c.name + QLatin1Char('"');
    switch (c.type) {
    case ColumnType::Text:
        return name + QStringLiteral(" VARCHAR(%1) DEFAULT ''").arg(c.width) + (isKey ? QStringLiteral(" NOT NULL") : QString());
    case ColumnType::Float: return name + QStringLiteral(" REAL DEFAULT 0");
    case ColumnType::SmallInt: return name + QStringLiteral(" SMALLINT DEFAULT 0");
    case ColumnType::Integer: return name + QStringLiteral(" INTEGER DEFAULT 0");
    case ColumnType::AutoInc: return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case ColumnType::Memo: return name + QStringLiteral(" TEXT DEFAULT ''");
    case ColumnType::Graphic: return name + QStringLiteral(" BLOB");
    }
    return name;
}

const ColumnDef* TableDef::column(const QString& name) const
{
    for (const ColumnDef& c : columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

const QList<TableDef>& Tables()
{
    static const QList<TableDef> tables = declareTables();
    return tables;
}

const TableDef* FindTable(const QString& name)
{
    for (const TableDef& t : Tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

int ColumnWidth(const QString& table, const QString& column)
{
    const TableDef* t = FindTable(table);
    const ColumnDef* c = t ? t->column(column) : nullptr;
    return c && c->type == ColumnType::Text ? c->width : 0;
}

QString DateKeySql(const QString& column)
{
    return QStringLiteral("(substr(%1,7,4)||substr(%1,4,2)||substr(%1,1,2))").arg(column);
}

QString CreateTableSql(const TableDef& t)
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (\n  %2\n)").arg(t.name, columnListSql(t));
}

QString CreateMemoryTableSql(const TableDef& t)
{
    return QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS \"%1\" (\n  %2\n)").arg(t.name, columnListSql(t));
}

QStringList CreateIndexSql(const TableDef& t)
{
    QStringList out;
    const ColumnDef* key = t.column(t.key);
    if (key && key->type != ColumnType::AutoInc) {
        // The login name is matched without regard to letter case.
        const QString collate = t.name == QLatin1String("market") ? QStringLiteral(" COLLATE NOCASE") : QString();
        out << QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS \"ux_%1_%2\" ON \"%1\" (\"%2\"%3)")
                   .arg(t.name, t.key.toLower(), collate);
    }
    for (const IndexDef& ix : t.indexes) {
        if (!ix.dateKeyColumn.isEmpty()) {
            out << QStringLiteral("CREATE INDEX IF NOT EXISTS \"dx_%1_%2\" ON \"%1\" (%3)")
                       .arg(t.name, ix.dateKeyColumn.toLower(), DateKeySql(ix.dateKeyColumn));
            continue;
        }
        QStringList quoted;
        for (const QString& c : ix.columns) quoted << QLatin1Char('"') + c + QLatin1Char('"');
        out << QStringLiteral("CREATE %1INDEX IF NOT EXISTS \"ix_%2_%3\" ON \"%2\" (%4)")
                   .arg(ix.unique ? QStringLiteral("UNIQUE ") : QString(), t.name,
                        ix.columns.join(QLatin1Char('_')).toLower(), quoted.join(QStringLiteral(", ")));
    }
    return out;
}
