#include "app/login.h"

#include "app/sharedstate.h"
#include "data/schema.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

LoginResult CheckLogin(const Connection& c, const QString& user, const QString& password, int currentLevel)
{
    LoginResult r;
    r.level = currentLevel;
    QSqlQuery q = c.query(QStringLiteral("select NAME, PASSWD, AC1 from market"
                                         " where usrname = :pusrname collate nocase order by rowid limit 1"));
    if (!exec(q, {{"pusrname", user}}) || !q.next()) return r;
    r.found = true;
    r.passwordOk = q.value(1).toString() == password;
    if (r.passwordOk) {
        const int ac1 = q.value(2).toInt();
        r.level = ac1 >= 1 && ac1 <= 5 ? ac1 : 0;
        r.name = q.value(0).toString();
    } else {
        r.level = 0;
    }
    return r;
}

Tpasswd::Tpasswd(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tpasswd"));
    setWindowTitle(QStringLiteral("Login"));

    auto* top = new QVBoxLayout(this);
    auto* loginBox = new QGridLayout;
    user_ = makeLineEdit(this, "edUser", 16);
    password_ = makeLineEdit(this, "edPassword", 16);
    setMaskedWithX(password_);
    loginButton_ = makeButton(this, "btnLogin", QStringLiteral("Login"));
    greeting_ = new QLabel(this);
    greeting_->setObjectName(QStringLiteral("lblGreeting"));
    enterButton_ = makeButton(this, "btnEnter", QStringLiteral("เข้าที่ทำงาน"));
    logoutButton_ = makeButton(this, "btnLogout", QStringLiteral("Logout"));
    loginBox->addWidget(new QLabel(QStringLiteral("User Name"), this), 0, 0);
    loginBox->addWidget(user_, 0, 1);
    loginBox->addWidget(new QLabel(QStringLiteral("Password"), this), 1, 0);
    loginBox->addWidget(password_, 1, 1);
    loginBox->addWidget(loginButton_, 0, 2, 2, 1);
    loginBox->addWidget(greeting_, 2, 0, 1, 2);
    loginBox->addWidget(enterButton_, 2, 2);
    loginBox->addWidget(logoutButton_, 3, 2);
    top->addLayout(loginBox);

    panel_ = new QGroupBox(QStringLiteral(" เพิ่ม - แก้ไข ข้อมูลผู้ใช้งาน "), this);
    panel_->setObjectName(QStringLiteral("grpUsers"));
    auto* grid = new QGridLayout(panel_);
    name_ = makeLineEdit(panel_, "edName", ColumnWidth(QStringLiteral("market"), QStringLiteral("NAME")));
    userName_ = makeLineEdit(panel_, "edUserName", ColumnWidth(QStringLiteral("market"), QStringLiteral("USRNAME")));
    pass1_ = makeLineEdit(panel_, "edPass1", ColumnWidth(QStringLiteral("market"), QStringLiteral("PASSWD")));
    pass2_ = makeLineEdit(panel_, "edPass2", ColumnWidth(QStringLiteral("market"), QStringLiteral("PASSWD")));
    grid->addWidget(new QLabel(QStringLiteral("ชื่อตำแหน่ง"), panel_), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("User Name"), panel_), 1, 0);
    grid->addWidget(userName_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password"), panel_), 2, 0);
    grid->addWidget(pass1_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password (อีกครั้ง)"), panel_), 3, 0);
    grid->addWidget(pass2_, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("ระดับ"), panel_), 4, 0);
    auto* levels = new QHBoxLayout;
    level_ = new QButtonGroup(panel_);
    for (int i = 1; i <= 5; ++i) {
        auto* r = new QRadioButton(QString::number(i), panel_);
        r->setObjectName(QStringLiteral("rbLevel%1").arg(i));
        level_->addButton(r, i);
        levels->addWidget(r);
    }
    grid->addLayout(levels, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("1  Admin    2 หัวหน้างาน ..3...4.... 5 พนักงานหน้า Counter "), panel_), 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    add_ = makeButton(panel_, "btnAdd", QStringLiteral("เพิ่ม"));
    edit_ = makeButton(panel_, "btnEdit", QStringLiteral("แก้ไข"));
    saveButton_ = makeButton(panel_, "btnSave", QStringLiteral("บันทึก"));
    cancelButton_ = makeButton(panel_, "btnCancel", QStringLiteral("ยกเลิก"));
    prev_ = makeButton(panel_, "btnPrior", QStringLiteral("<"));
    next_ = makeButton(panel_, "btnNext", QStringLiteral(">"));
    for (QPushButton* b : {add_, edit_, saveButton_, cancelButton_, prev_, next_}) buttons->addWidget(b);
    grid->addLayout(buttons, 6, 0, 1, 2);
    top->addWidget(panel_);

    chainEnter({user_, password_}, loginButton_);
    chainEnter({name_, userName_, pass1_, pass2_}, level_->button(1));

    connect(loginButton_, &QPushButton::clicked, this, &Tpasswd::login);
    connect(enterButton_, &QPushButton::clicked, this, [this] { closeWindow(this); });
    connect(logoutButton_, &QPushButton::clicked, this, &Tpasswd::logout);
    connect(add_, &QPushButton::clicked, this, &Tpasswd::startAdd);
    connect(edit_, &QPushButton::clicked, this, &Tpasswd::startEdit);
    connect(saveButton_, &QPushButton::clicked, this, &Tpasswd::save);
    connect(cancelButton_, &QPushButton::clicked, this, &Tpasswd::cancel);
    connect(prev_, &QPushButton::clicked, this, [this] { move(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { move(1); });
}

void Tpasswd::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!activated_) {
        activated_ = true;
        firstActivation();
    }
}

void Tpasswd::firstActivation()
{
    loadUsers();
    shared().UserLevel = 0;
    loginButton_->setEnabled(true);
    panel_->setVisible(false);
    enterButton_->setVisible(false);
    greeting_->clear();
    user_->setFocus();
    setBrowse(true);
}

void Tpasswd::loadUsers()
{
    users_.clear();
    QSqlQuery q = db_.query(QStringLiteral("select rowid, NAME, USRNAME, PASSWD, AC1 from market order by rowid"));
    if (!exec(q)) return;
    while (q.next()) users_.append(rowMap(q));
    if (current_ < 0 || current_ >= users_.size()) current_ = users_.isEmpty() ? -1 : 0;
    showUser();
}

void Tpasswd::login()
{
    SharedState& s = shared();
    const LoginResult r = CheckLogin(db_, user_->text(), password_->text(), s.UserLevel);
    s.UserLevel = r.level;
    if (r.found && r.passwordOk) {
        logoutButton_->setEnabled(true);
        enterButton_->setVisible(true);
        greeting_->setText(QStringLiteral("Hello ") + r.name);
        user_->clear();
        password_->clear();
        enterButton_->setFocus();
    } else if (r.found) {
        greeting_->clear();
        user_->setFocus();
    }
    panel_->setVisible(s.UserLevel == 1);
    Q_EMIT loginApplied(s.UserLevel);
}

void Tpasswd::logout()
{
    shared().UserLevel = 0;
    Q_EMIT loggedOut();
    closeWindow(this);
}

void Tpasswd::setBrowse(bool browse)
{
    add_->setEnabled(browse);
    edit_->setEnabled(browse && current_ >= 0);
    prev_->setEnabled(browse);
    next_->setEnabled(browse);
    saveButton_->setEnabled(!browse);
    cancelButton_->setEnabled(!browse);
    for (QLineEdit* e : {name_, userName_, pass1_, pass2_}) e->setReadOnly(browse);
}

void Tpasswd::showUser()
{
    const QVariantMap u = current_ >= 0 ? users_.at(current_) : QVariantMap();
    name_->setText(u.value(QStringLiteral("NAME")).toString());
    userName_->setText(u.value(QStringLiteral("USRNAME")).toString());
    pass1_->setText(u.value(QStringLiteral("PASSWD")).toString());
    pass2_->clear();
    if (QAbstractButton* b = level_->button(u.value(QStringLiteral("AC1")).toInt())) b->setChecked(true);
}

void Tpasswd::move(int delta)
{
    if (users_.isEmpty()) return;
    current_ = qBound(0, current_ + delta, int(users_.size()) - 1);
    showUser();
}

void Tpasswd::startAdd()
{
    mode_ = QStringLiteral("add");
    for (QLineEdit* e : {name_, userName_, pass1_, pass2_}) e->clear();
    setBrowse(false);
    name_->setFocus();
}

void Tpasswd::startEdit()
{
    if (current_ < 0) return;
    mode_ = QStringLiteral("edit");
    showUser();
    setBrowse(false);
    name_->setFocus();
}

void Tpasswd::save()
{
    if (pass1_->text() != pass2_->text()) {
        pass1_->setFocus();
        return;
    }
    const int level = level_->checkedId() > 0 ? level_->checkedId() : 5;
    QString error;
    bool ok;
    if (mode_ == QLatin1String("add")) {
        ok = execSql(db_,
                     QStringLiteral("insert into market (NAME, USRNAME, PASSWD, AC1) values (:pname, :pusrname, :ppasswd, :pac1)"),
                     {{"pname", name_->text()}, {"pusrname", userName_->text()}, {"ppasswd", pass1_->text()}, {"pac1", level}},
                     &error);
    } else {
        ok = execSql(db_,
                     QStringLiteral("update market set NAME=:pname, USRNAME=:pusrname, PASSWD=:ppasswd, AC1=:pac1 where rowid=:pid"),
                     {{"pname", name_->text()}, {"pusrname", userName_->text()}, {"ppasswd", pass1_->text()},
                      {"pac1", level}, {"pid", users_.at(current_).value(QStringLiteral("ROWID"))}},
                     &error);
    }
    if (!ok) {
        // A user name already taken, or the file locked by another computer.
        messages().information(SaveFailedText());
        return;
    }
    const bool added = mode_ == QLatin1String("add");
    mode_ = QStringLiteral("normal");
    loadUsers();
    if (added) current_ = int(users_.size()) - 1;
    showUser();
    setBrowse(true);
}

void Tpasswd::cancel()
{
    mode_ = QStringLiteral("normal");
    showUser();
    setBrowse(true);
}
