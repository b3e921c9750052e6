#pragma once
// Serial ports by their COM number. COM1 to COM8 are /dev/ttyS0 to
// /dev/ttyS7 unless mapped otherwise: by the environment variable
// VELINKA_COM<n> (for example VELINKA_COM3=/dev/ttyUSB0), or by a line
// "COM<n>=<device>" in serial_ports.txt in the working folder (a USB adapter).

#include <QString>

// The device of COM<n>.
QString SerialDeviceFor(int comNumber);

// Writes bytes to COM<n> with the cash drawer's line settings (9600 baud,
// 8 data bits, no parity, one stop bit, XON/XOFF, 100 ms write timeout,
// 4096-byte buffers) and closes the port. False with a Thai *error when the
// port cannot be opened or the write fails.
bool WriteToSerialPort(int comNumber, const QByteArray& bytes, QString* error);
