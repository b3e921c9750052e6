#pragma once
// A pseudo-terminal standing in for a COM port in tests: VELINKA_COM<n>
// points at its slave side while it lives.

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

// The master side of a pseudo-terminal; its slave plays COM<n>.
class FakePort {
public:
    explicit FakePort(int com) : com_(com)
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            qputenv(QStringLiteral("VELINKA_COM%1").arg(com).toLatin1().constData(), ptsname(master_));
    }
    ~FakePort()
    {
        qunsetenv(QStringLiteral("VELINKA_COM%1").arg(com_).toLatin1().constData());
        if (master_ >= 0) ::close(master_);
    }
    bool ok() const { return master_ >= 0; }

    // Everything written to the port within the time.
    QByteArray received(int ms = 300) const
    {
        QByteArray got;
        pollfd p{master_, POLLIN, 0};
        while (::poll(&p, 1, ms) > 0 && (p.revents & POLLIN)) {
            char buf[64];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0) break;
            got.append(buf, int(n));
            ms = 50;
        }
        return got;
    }

private:
    int com_;
    int master_ = -1;
};
