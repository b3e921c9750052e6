#include "platform/serial/serialport.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QTextStream>

QString SerialDeviceFor(int comNumber)
{
    const QByteArray env = qgetenv(QStringLiteral("VELINKA_COM%1").arg(comNumber).toLatin1().constData());
    if (!env.isEmpty()) return QString::fromLocal8Bit(env);
    QFile map(QDir::current().filePath(QStringLiteral("serial_ports.txt")));
    if (map.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&map);
        const QString key = QStringLiteral("COM%1").arg(comNumber);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            const int eq = line.indexOf(QLatin1Char('='));
            if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) return line.mid(eq + 1).trimmed();
        }
    }
    return QStringLiteral("/dev/ttyS%1").arg(comNumber - 1);
}

bool WriteToSerialPort(int comNumber, const QByteArray& bytes, QString* error)
{
    const QString device = SerialDeviceFor(comNumber);
    QSerialPort port;
    port.setPortName(device);
    port.setReadBufferSize(4096);
    if (!port.open(QIODevice::ReadWrite)) {
        *error = QStringLiteral("ไม่สามารถเปิดพอร์ต COM%1 (%2) ได้ : %3").arg(comNumber).arg(device, port.errorString());
        return false;
    }
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::SoftwareControl);
    const bool ok = port.write(bytes) == bytes.size() && port.waitForBytesWritten(100);
    if (!ok) *error = QStringLiteral("ส่งข้อมูลไปที่พอร์ต COM%1 (%2) ไม่สำเร็จ : %3").arg(comNumber).arg(device, port.errorString());
    port.close();
    return ok;
}
