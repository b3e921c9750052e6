#pragma once
// A text that should hold a number (a date part, an amount) and does not.
// Rules raise it to their caller, as the platform's conversion error; the
// application shows its text when it escapes an event handler.

#include <QString>
#include <stdexcept>

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
