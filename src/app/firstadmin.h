#pragma once
// The first start of a new data folder: the users table is empty, so the
// first administrator (level 1) is asked for, instead of a fixed password.

#include <QDialog>

class Connection;
class QLineEdit;
class QLabel;

class TFirstAdmin : public QDialog {
    Q_OBJECT
public:
    explicit TFirstAdmin(const Connection& c, QWidget* parent = nullptr);

    void accept() override;

private:
    const Connection& c_;
    QLineEdit* name_;
    QLineEdit* user_;
    QLineEdit* pass1_;
    QLineEdit* pass2_;
    QLabel* problem_;
};

// Saves a level-1 user; false with a Thai reason when a field is missing or
// the two passwords differ, or with the save-failure text.
bool CreateFirstAdministrator(const Connection& c, const QString& name, const QString& user,
                              const QString& password, const QString& again, QString* reason);
