#include "app/menupolicy.h"

#include <QHash>

namespace {

// The levels (digits) at which an entry is enabled after a login; level 0
// is a failed login.
const QHash<QString, QString>& loginLevels()
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("menuList"), QStringLiteral("012345")},
        {QStringLiteral("actCustomer"), QStringLiteral("12345")},
        {QStringLiteral("actVisit"), QStringLiteral("1235")},
        {QStringLiteral("actStockIn"), QStringLiteral("1234")},
        {QStringLiteral("actTradeStockIn"), QStringLiteral("1234")},
        {QStringLiteral("actTradeSale"), QStringLiteral("1234")},
        {QStringLiteral("actTradeQuotation"), QStringLiteral("123")},
        {QStringLiteral("actDebtors"), QStringLiteral("123")},
        {QStringLiteral("actCreditors"), QStringLiteral("123")},
        {QStringLiteral("actCashDrawer"), QStringLiteral("1235")},
        {QStringLiteral("menuRef"), QStringLiteral("123")},
        {QStringLiteral("actSets"), QStringLiteral("0123")},
        {QStringLiteral("menuSearch"), QStringLiteral("12345")},
        {QStringLiteral("menuReports"), QStringLiteral("12")},
        {QStringLiteral("actDoctorWork"), QStringLiteral("0123")},
        {QStringLiteral("actStockCard"), QStringLiteral("0123")},
        {QStringLiteral("actSelectDb"), QStringLiteral("1")},
        {QStringLiteral("actDocCheck"), QStringLiteral("012345")},
        {QStringLiteral("actExit"), QStringLiteral("012345")},
        {QStringLiteral("menuHelp"), QStringLiteral("012345")},
    };
    return table;
}

bool isOneOf(const QString& entry, std::initializer_list<const char*> names)
{
    for (const char* n : names)
        if (entry == QLatin1String(n)) return true;
    return false;
}

} // namespace

MenuRule MenuRuleFor(MenuState state, int level, const QString& entry)
{
    switch (state) {
    case MenuState::StartedUp:
        if (isOneOf(entry, {"menuStart", "actLogin", "actLogout", "actRepair", "actDocCheck", "actExit", "menuHelp"}))
            return MenuRule::Enable;
        if (isOneOf(entry, {"menuList", "menuRef", "menuSearch", "menuReports", "actVisit", "actStockIn",
                            "actDebtors", "actCreditors", "actCashDrawer"}))
            return MenuRule::Disable;
        return MenuRule::Keep;
    case MenuState::LoggedOutInMenu:
        if (entry == QLatin1String("menuHelp")) return MenuRule::Enable;
        if (isOneOf(entry, {"menuList", "menuRef", "menuSearch", "menuReports"})) return MenuRule::Disable;
        return MenuRule::Keep;
    case MenuState::LoggedIn: {
        const auto it = loginLevels().constFind(entry);
        if (it == loginLevels().constEnd()) return MenuRule::Keep;
        return it->contains(QString::number(level)) ? MenuRule::Enable : MenuRule::Disable;
    }
    case MenuState::LoggedOutInWindow:
        if (isOneOf(entry, {"menuList", "actDocCheck", "actExit", "menuHelp"})) return MenuRule::Enable;
        if (isOneOf(entry, {"actCustomer", "actVisit", "actStockIn", "actTradeStockIn", "actTradeSale",
                            "actTradeQuotation", "actDebtors", "actCreditors", "actCashDrawer", "menuRef",
                            "menuSearch", "menuReports"}))
            return MenuRule::Disable;
        return MenuRule::Keep;
    }
    return MenuRule::Keep;
}
