#pragma once
// The medical certificates of a visit: a sickness certificate (form 1) and
// a fitness certificate (form 2).

#include "data/connection.h"
#include "platform/print/pagemodel.h"

#include <QWidget>

#include <optional>

// The certificate of the visit; nothing (with *error) when the visit is unknown.
std::optional<PageDocument> CertificateDocument(const Connection& c, const QString& visitNumber, int form, QString* error);

class TCertificate : public QWidget {
    Q_OBJECT
public:
    explicit TCertificate(const QString& visitNumber, QWidget* parent = nullptr);
    void print(int form);

private:
    Connection db_;
    QString visit_;
};
