#include "app/application.h"

#include "platform/print/fonts.h"
#include "platform/ui/messageservice.h"

#include <QFont>

#include <exception>

VelinkaApplication::VelinkaApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Velinka 5.0"));
    setOrganizationName(QStringLiteral("Velinka"));
}

bool VelinkaApplication::notify(QObject* receiver, QEvent* e)
{
    try {
        return QApplication::notify(receiver, e);
    } catch (const std::exception& ex) {
        messages().error(QString::fromUtf8(ex.what()));
    } catch (...) {
        messages().error(QStringLiteral("เกิดข้อผิดพลาดที่ไม่ทราบสาเหตุ"));
    }
    return false;
}

void SetUpFonts()
{
    // The layouts' Thai faces print with the installed Thai fonts.
    registerFontSubstitutions();
}
