#pragma once
// The login window: checks a user against the users table, sets the user's
// level, and lets the administrator keep the list of users.

#include "data/connection.h"

#include <QList>
#include <QVariantMap>
#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct LoginResult {
    bool found = false;      // a user of that name exists
    bool passwordOk = false; // and the password matched exactly
    int level = 0;           // the resulting user level
    QString name;            // the user's NAME
};

// Looks the user up without regard to letter case and compares the password
// exactly. A level outside 1..5 logs in as 0; a name that is not found
// leaves the level as it was (currentLevel).
LoginResult CheckLogin(const Connection& c, const QString& user, const QString& password, int currentLevel);

class Tpasswd : public QWidget {
    Q_OBJECT
public:
    explicit Tpasswd(QWidget* parent = nullptr);

Q_SIGNALS:
    // After each login attempt: the menu of this level applies.
    void loginApplied(int level);
    void loggedOut();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void firstActivation();
    void login();
    void logout();
    void startAdd();
    void startEdit();
    void save();
    void cancel();
    void move(int delta);
    void loadUsers();
    void showUser();
    void setBrowse(bool browse);

    Connection db_;
    bool activated_ = false;
    QString mode_ = QStringLiteral("normal");
    QList<QVariantMap> users_; // in the table's stored order, with its rowid
    int current_ = -1;

    QLineEdit* user_;
    QLineEdit* password_;
    QPushButton* loginButton_;
    QLabel* greeting_;
    QPushButton* enterButton_;
    QPushButton* logoutButton_;
    QGroupBox* panel_;
    QLineEdit* name_;
    QLineEdit* userName_;
    QLineEdit* pass1_;
    QLineEdit* pass2_;
    QButtonGroup* level_;
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* saveButton_;
    QPushButton* cancelButton_;
    QPushButton* prev_;
    QPushButton* next_;
};
