#include "app/cashdrawer.h"

#include "platform/serial/serialport.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"

#include <QPushButton>
#include <QVBoxLayout>

bool OpenCashDrawer(int port)
{
    QString error;
    if (WriteToSerialPort(port, QByteArray(1, '\x30'), &error)) return true;
    messages().error(error);
    return false;
}

void OpenCashDrawerFor(const QString& comPort, bool tellWhenNone)
{
    if (comPort == QLatin1String("0")) {
        if (tellWhenNone) messages().information(QStringLiteral("ไม่ต่อลิ้นชักเก็บเงิน..."));
        return;
    }
    if (comPort.size() == 1 && comPort.at(0) >= QLatin1Char('1') && comPort.at(0) <= QLatin1Char('8'))
        OpenCashDrawer(comPort.toInt());
}

TCashDrawer::TCashDrawer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TCashDrawer"));
    setWindowTitle(QStringLiteral("เปิดลิ้นชักเก็บเงิน"));
    auto* layout = new QVBoxLayout(this);
    QPushButton* open = makeButton(this, "btnOpenDrawer", QStringLiteral("เปิดลิ้นชัก"));
    open->setMinimumSize(180, 48);
    layout->addWidget(open);
    connect(open, &QPushButton::clicked, this, &TCashDrawer::openDrawer);
}

void TCashDrawer::openDrawer()
{
    // Read at every press: a changed setting counts without reopening.
    const QString port = scalar(db_, QStringLiteral("select COM_PORT from sevrsys")).toString();
    OpenCashDrawerFor(port, true);
}
