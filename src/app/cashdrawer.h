#pragma once
// The cash drawer on a serial port opens when it receives one byte "0".

#include "data/connection.h"

#include <QWidget>

// Opens the drawer on COM<port>; a port that cannot be opened is told.
bool OpenCashDrawer(int port);

// The drawer for a port setting "0" to "8": "0" (no drawer) shows
// "ไม่ต่อลิ้นชักเก็บเงิน..." when tellWhenNone, "1" to "8" open the drawer on
// that COM port, any other value does nothing.
void OpenCashDrawerFor(const QString& comPort, bool tellWhenNone);

// The small window "เปิดลิ้นชักเก็บเงิน" with its one button.
class TCashDrawer : public QWidget {
    Q_OBJECT
public:
    explicit TCashDrawer(QWidget* parent = nullptr);
    void openDrawer();

private:
    Connection db_;
};
