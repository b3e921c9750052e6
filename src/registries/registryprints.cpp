#include "registries/registryprints.h"

#include "data/texts.h"
#include "platform/print/printcommand.h"
#include "platform/print/reportengine.h"
#include "registries/customerpictures.h"

#include <QSqlQuery>

namespace {

// --- the envelope ---------------------------------------------------------

struct AddresseeTable {
    const char* sql;    // the row of the key :mCust_No
    const char* prefix; // of the name and address columns
    const char* option; // of the print command
    const char* what;
};

const AddresseeTable& tableOf(Addressee who)
{
    static const AddresseeTable tables[] = {
        {"Select * from Customer where Cust_No =:mCust_No", "CUST_", "customer", "customer"},
        {"Select * from supply where Cust_No =:mCust_No", "CUST_", "supplier", "supplier"},
        {"Select * from maker where mak_no =:mCust_No", "MAK_", "doctor", "doctor"},
        {"Select * from sale where sale_no =:mCust_No", "SALE_", "employee", "employee"},
    };
    return tables[int(who)];
}

QString text(const QSqlRecord& r, const QString& column) { return r.value(column).toString(); }

// --- the member card ------------------------------------------------------

enum class CardLine { BusinessName, Address, Place, Phone, Mail, Rule, Number, IdCard, Name };

struct CardLayout {
    QList<CardLine> front;    // top to bottom; the birth and blood boxes follow at the foot
    bool photo;               // picture 1 at the right of the front
    QList<CardLine> backHead; // above the appointment table
    int appointmentLines;
    bool signatures;
    const char* mailPrefix;
};

const CardLayout& cardLayout(int type)
{
    using L = CardLine;
    static const CardLayout layouts[] = {
        {{L::BusinessName, L::Address, L::Place, L::Rule, L::Number, L::Name}, false, {}, 4, true, "อีเมล์. "},
        {{L::BusinessName, L::Phone, L::Mail, L::Rule, L::Number, L::IdCard, L::Name}, false, {}, 4, true,
         "อีเมล์. "},
        {{L::BusinessName, L::Number, L::IdCard, L::Name}, true, {L::BusinessName, L::Phone, L::Mail}, 3, false,
         "  อีเมล์. "},
        {{L::BusinessName, L::Number, L::IdCard, L::Name}, true, {L::BusinessName, L::Phone, L::Mail}, 2, true,
         "อีเมล์. "},
    };
    return layouts[type];
}

// Card geometry, mm from the band's top-left corner.
constexpr double FrontX = 10.1;
constexpr double BackX = 90.0;
constexpr double CardY = 10.3;
constexpr double CardW = 80.0;
constexpr double CardH = 50.0;
constexpr double PhotoX = 63.0;
constexpr double PhotoY = 19.6;
constexpr double PhotoW = 19.8;
constexpr double PhotoH = 21.4;
constexpr double Inset = 3.0;     // of texts from the card's edge
constexpr double NameStep = 6.4;  // the business name line, 16 pt
constexpr double LineStep = 4.8;  // a 13 pt line
constexpr double RuleStep = 1.6;
constexpr double ValueX = 11.5;   // of the values after "เลขที่", "ID ", "ชื่อ"
constexpr double BoxesTop = 37.5; // of the birth and blood boxes, from the card's top
constexpr double BoxH = 10.5;
constexpr double FooterTop = 44.2;
constexpr double TableHead = 5.0;
constexpr double TableStep = 4.6;
constexpr double TableDivider = 45.0;

constexpr double DetailPt = 13;
constexpr double BusinessPt = 16;

QString cardColumn(CardLine line)
{
    switch (line) {
    case CardLine::BusinessName: return QStringLiteral("BUSINESS");
    case CardLine::Address: return QStringLiteral("ADDRESS_LINE");
    case CardLine::Place: return QStringLiteral("PLACE_LINE");
    case CardLine::Phone: return QStringLiteral("PHONE_LINE");
    case CardLine::Mail: return QStringLiteral("MAIL_LINE");
    case CardLine::Number: return QStringLiteral("CUST_NO");
    case CardLine::IdCard: return QStringLiteral("CUST_CARD");
    case CardLine::Name: return QStringLiteral("CUST_NAME");
    case CardLine::Rule: break;
    }
    return {};
}

// Lays the lines out from the top of a card; returns the height they take.
double cardLines(ReportBand& band, double x, double top, const QList<CardLine>& lines, double valueWidth)
{
    double y = top;
    for (const CardLine line : lines) {
        switch (line) {
        case CardLine::BusinessName:
            band.field(x + 1, y, CardW - 2, cardColumn(line)).named(QStringLiteral("businessName")).centre().bold().size(BusinessPt);
            y += NameStep;
            break;
        case CardLine::Address:
        case CardLine::Place:
        case CardLine::Phone:
        case CardLine::Mail:
            band.field(x + 1, y, CardW - 2, cardColumn(line)).named(cardColumn(line).toLower()).centre().size(DetailPt);
            y += LineStep;
            break;
        case CardLine::Rule:
            band.hline(x + Inset, y + RuleStep / 2, CardW - 2 * Inset, 0.3).named(QStringLiteral("rule"));
            y += RuleStep;
            break;
        case CardLine::Number:
        case CardLine::IdCard:
        case CardLine::Name: {
            const QString label = line == CardLine::Number ? QStringLiteral("เลขที่")
                                  : line == CardLine::IdCard ? QStringLiteral("ID ")
                                                             : QStringLiteral("ชื่อ");
            band.label(x + Inset, y, label).size(DetailPt);
            band.field(x + ValueX, y, valueWidth, cardColumn(line)).named(cardColumn(line)).size(DetailPt);
            y += LineStep;
            break;
        }
        }
    }
    return y - top;
}

void birthAndBloodBoxes(ReportBand& band)
{
    const double y = CardY + BoxesTop;
    const double w = (CardW - 2 * Inset - 2) / 2;
    struct Box { const char* name; const char* label; const char* column; double x; };
    for (const Box& b : {Box{"birthBox", "ว.ด.ป.เกิด", "CUST_BIRTH", FrontX + Inset},
                         Box{"bloodBox", "หมู่โลหิต", "CUST_BLOOD", FrontX + Inset + w + 2}}) {
        band.frame(b.x, y, w, BoxH, 0.25).named(QString::fromLatin1(b.name));
        band.label(b.x, y + 0.2, QString::fromUtf8(b.label), w).centre().size(DetailPt);
        band.field(b.x, y + LineStep + 0.2, w, QString::fromLatin1(b.column)).centre().size(DetailPt);
    }
}

void appointmentTable(ReportBand& band, double top, int lines)
{
    const double x = BackX + Inset;
    const double w = CardW - 2 * Inset;
    const double h = TableHead + lines * TableStep;
    band.frame(x, top, w, h, 0.25).named(QStringLiteral("appointmentTable"));
    band.label(x, top + 0.1, QStringLiteral("วันที่ /  เวลานัด"), TableDivider).centre().size(DetailPt);
    band.label(x + TableDivider, top + 0.1, QStringLiteral("แพทย์"), w - TableDivider).centre().size(DetailPt);
    band.vline(x + TableDivider, top, h, 0.25);
    band.hline(x, top + TableHead, w, 0.25).named(QStringLiteral("appointmentHead"));
    for (int i = 1; i <= lines; ++i)
        band.hline(x, top + TableHead + i * TableStep, w, 0.15).named(QStringLiteral("appointmentLine"));
}

void signatures(ReportBand& band, double y)
{
    const double half = (CardW - 2 * Inset) / 2;
    band.label(BackX + Inset, y, QStringLiteral("ผู้อนุมัติ ..................."), half).named(QStringLiteral("signature")).size(DetailPt);
    band.label(BackX + Inset + half, y, QStringLiteral("เจ้าของบัตร ..................."), half).named(QStringLiteral("signature")).size(DetailPt);
}

ReportDefinition cardDefinition(int type, const QImage& photo)
{
    const CardLayout& l = cardLayout(type);
    ReportDefinition def;
    def.caption = QStringLiteral("บัตรสมาชิก");
    def.paper = ReportPaper::a4();
    def.margins = {10, 10, 10, 10};
    def.font = {QStringLiteral("EucrosiaUPC"), DetailPt};
    ReportBand& band = def.detail;
    band.height = CardY + CardH + 2;

    // The front.
    band.frame(FrontX, CardY, CardW, CardH, 0.3).rounded(3).named(QStringLiteral("frontCard"));
    const double valueWidth = (l.photo ? PhotoX - FrontX - 1 : CardW - Inset) - ValueX;
    cardLines(band, FrontX, CardY + 1, l.front, valueWidth);
    if (l.photo) band.picture(PhotoX, PhotoY, PhotoW, PhotoH, photo).named(QStringLiteral("photo"));
    birthAndBloodBoxes(band);

    // The back.
    band.frame(BackX, CardY, CardW, CardH, 0.3).rounded(3).named(QStringLiteral("backCard"));
    const double head = cardLines(band, BackX, CardY + 1, l.backHead, CardW);
    const double tableTop = CardY + 1 + head + 1;
    appointmentTable(band, tableTop, l.appointmentLines);
    if (l.signatures) signatures(band, tableTop + TableHead + l.appointmentLines * TableStep + 2.5);
    band.label(BackX, CardY + FooterTop, QStringLiteral("โปรดนำบัตรนี้มาแสดงทุกครั้งที่ใช้บริการ"), CardW)
        .named(QStringLiteral("footer")).centre().size(DetailPt);
    return def;
}

ReportRow cardRow(int type, const QSqlRecord& customer, const BusinessDetails& b)
{
    auto t = [](const QString& s) { return s.trimmed(); };
    QString phone;
    if (!t(b.tel).isEmpty()) phone = QStringLiteral("โทร. ") + t(b.tel);
    if (!t(b.fax).isEmpty()) phone += QStringLiteral("  แฟกซ์. ") + t(b.fax);
    const QString mail = t(b.email).isEmpty() ? QString() : QString::fromUtf8(cardLayout(type).mailPrefix) + t(b.email);
    QVariantMap m{
        {QStringLiteral("BUSINESS"), t(b.name)},
        {QStringLiteral("ADDRESS_LINE"), JoinNonBlank({t(b.add1), t(b.add2)})},
        {QStringLiteral("PLACE_LINE"), JoinNonBlank({t(b.province), t(b.zip), t(b.tel)})},
        {QStringLiteral("PHONE_LINE"), phone},
        {QStringLiteral("MAIL_LINE"), mail},
    };
    for (const char* c : {"CUST_NO", "CUST_CARD", "CUST_NAME", "CUST_BIRTH", "CUST_BLOOD"})
        m.insert(QString::fromLatin1(c), t(text(customer, QString::fromLatin1(c))));
    return ReportRow(m);
}

// --- the print command ----------------------------------------------------

std::optional<PageDocument> envelopeFromOptions(const PrintOptions& options, QString* error)
{
    std::optional<Addressee> who;
    QString key;
    for (Addressee a : {Addressee::Customer, Addressee::Supplier, Addressee::Doctor, Addressee::Employee}) {
        const QString option = QString::fromLatin1(tableOf(a).option);
        if (!options.contains(option)) continue;
        if (who) {
            *error = QStringLiteral("give one of --customer, --supplier, --doctor, --employee");
            return std::nullopt;
        }
        who = a;
        key = options.value(option);
    }
    if (!who) {
        *error = QStringLiteral("give one of --customer, --supplier, --doctor, --employee");
        return std::nullopt;
    }
    Connection db;
    return EnvelopeDocument(db, *who, key, error);
}

std::optional<PageDocument> cardFromOptions(const PrintOptions& options, QString* error)
{
    if (!options.contains(QStringLiteral("customer"))) {
        *error = QStringLiteral("missing --customer NO");
        return std::nullopt;
    }
    Connection db;
    const QString type = options.contains(QStringLiteral("type")) ? options.value(QStringLiteral("type"))
                                                                  : StoredCardType(db);
    if (!IsCardType(type)) {
        *error = QStringLiteral("card type \"%1\" prints no card (0 to 3 do)").arg(type);
        return std::nullopt;
    }
    QSqlQuery q = db.query(QString::fromLatin1(tableOf(Addressee::Customer).sql));
    if (!exec(q, {{"mCust_No", options.value(QStringLiteral("customer"))}}, error)) return std::nullopt;
    if (!q.next()) {
        *error = QStringLiteral("no customer %1").arg(options.value(QStringLiteral("customer")));
        return std::nullopt;
    }
    const QSqlRecord customer = q.record();
    q.finish();
    const SharedState& s = shared();
    std::optional<MemberCard> card = MemberCardDocument(type, customer, s.Business, PictureFolder(s.DataFolder));
    return card ? std::optional<PageDocument>(card->document) : std::nullopt;
}

} // namespace

ReportDefinition EnvelopeDefinition()
{
    ReportDefinition def;
    def.caption = QStringLiteral("ซอง จม.");
    def.paper = ReportPaper::a4();
    def.margins = {10, 10, 10, 10};
    def.font = {QStringLiteral("EucrosiaUPC"), 12};
    ReportBand& band = def.detail;
    band.height = 75;
    // The sender's two lines take their text's width and do not wrap.
    band.field(6.9, 4.2, 0, QStringLiteral("SENDER_NAME")).named(QStringLiteral("senderName")).size(10).noClip();
    band.field(6.9, 9.5, 0, QStringLiteral("SENDER_ADDRESS")).named(QStringLiteral("senderAddress")).size(8).noClip();
    band.label(33.9, 18.8, QStringLiteral("กรุณาส่ง")).named(QStringLiteral("deliverTo")).size(14).bold().italic();
    // The addressee's lines are 142 mm wide and wrap within their line space.
    struct Line { const char* column; double x; double y; };
    for (const Line& l : {Line{"NAME", 48.7, 32.3}, Line{"ADD1", 48.7, 42.1}, Line{"ADD2", 48.7, 52.1},
                          Line{"PLACE", 48.4, 62.2}})
        band.field(l.x, l.y, 142, QString::fromLatin1(l.column)).named(QString::fromLatin1(l.column).toLower()).size(12).wrap().height(9.8);
    return def;
}

ReportRow EnvelopeRow(Addressee who, const QSqlRecord& addressee, const QSqlRecord& settings)
{
    const QString p = QString::fromLatin1(tableOf(who).prefix);
    auto a = [&](const char* column) { return text(addressee, p + QString::fromLatin1(column)); };
    auto o = [&](const char* column) { return text(settings, QString::fromLatin1(column)); };
    return ReportRow(QVariantMap{
        {QStringLiteral("SENDER_NAME"), o("OF_NAME").trimmed()},
        {QStringLiteral("SENDER_ADDRESS"), JoinNonBlank({o("OF_ADD1"), o("OF_ADD2"), o("OF_ADD4"), o("OF_ZIP")})},
        {QStringLiteral("NAME"), a("NAME")},
        {QStringLiteral("ADD1"), a("ADD1")},
        {QStringLiteral("ADD2"), a("ADD2")},
        {QStringLiteral("PLACE"), a("ADD4") + QLatin1Char(' ') + a("ZIP")},
    });
}

std::optional<PageDocument> EnvelopeDocument(const Connection& db, Addressee who, const QString& key, QString* error)
{
    QString e;
    QSqlQuery settings = db.query(QStringLiteral("Select * from quorvexsys"));
    if (!exec(settings, {}, &e)) {
        if (error) *error = e;
        return std::nullopt;
    }
    const QSqlRecord sender = settings.next() ? settings.record() : QSqlRecord();
    settings.finish();

    QSqlQuery q = db.query(QString::fromLatin1(tableOf(who).sql));
    if (!exec(q, {{"mCust_No", key}}, &e)) {
        if (error) *error = e;
        return std::nullopt;
    }
    ReportRows rows;
    while (q.next()) rows << EnvelopeRow(who, q.record(), sender);
    q.finish();
    if (rows.isEmpty()) {
        if (error) *error = QStringLiteral("no %1 %2").arg(QString::fromLatin1(tableOf(who).what), key);
        return std::nullopt;
    }
    return layoutReport(EnvelopeDefinition(), rows);
}

bool IsCardType(const QString& cardType)
{
    return cardType.size() == 1 && cardType.at(0) >= QLatin1Char('0') && cardType.at(0) <= QLatin1Char('3');
}

std::optional<MemberCard> MemberCardDocument(const QString& cardType, const QSqlRecord& customer,
                                             const BusinessDetails& business, const QString& pictureFolder)
{
    if (!IsCardType(cardType)) return std::nullopt;
    const int type = cardType.toInt();
    MemberCard card;
    card.photoUsed = cardLayout(type).photo;
    QImage photo;
    if (card.photoUsed) {
        const LoadedPicture p = LoadCustomerPicture(pictureFolder, text(customer, QStringLiteral("CUST_NO")).trimmed(), 1);
        photo = p.image;
        card.photoFound = p.found;
    }
    card.document = layoutReport(cardDefinition(type, photo), {cardRow(type, customer, business)});
    return card;
}

QString StoredCardType(const Connection& db)
{
    return scalar(db, QStringLiteral(" select card_type from sevrsys ")).toString();
}

void RegisterRegistryPrintables()
{
    registerPrintableDocument(QStringLiteral("envelope"),
                              QStringLiteral("--customer NO | --supplier NO | --doctor NO | --employee NO"),
                              QStringLiteral("the envelope (ซอง จม.) addressed to a customer, supplier, doctor or employee"),
                              envelopeFromOptions);
    registerPrintableDocument(QStringLiteral("member-card"), QStringLiteral("--customer NO [--type 0..3]"),
                              QStringLiteral("the member card of a customer, in the layout of sevrsys.CARD_TYPE or --type"),
                              cardFromOptions);
}
