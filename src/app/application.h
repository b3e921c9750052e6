#pragma once
// The application object: an error that escapes an event handler (a failed
// conversion, a statement a screen does not wrap) is shown to the user as
// the platform's error message, and the program goes on.

#include <QApplication>

class VelinkaApplication : public QApplication {
public:
    VelinkaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* e) override;
};

// Thai font substitutions and the form font; once per process.
void SetUpFonts();
