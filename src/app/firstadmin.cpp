#include "app/firstadmin.h"

#include "data/connection.h"
#include "data/schema.h"
#include "platform/ui/widgets.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

bool CreateFirstAdministrator(const Connection& c, const QString& name, const QString& user,
                              const QString& password, const QString& again, QString* reason)
{
    if (name.trimmed().isEmpty() || user.trimmed().isEmpty() || password.isEmpty()) {
        *reason = QStringLiteral("กรุณากรอก ชื่อ, User Name และ Password ให้ครบ");
        return false;
    }
    if (password != again) {
        *reason = QStringLiteral("Password ทั้งสองช่องไม่ตรงกัน");
        return false;
    }
    if (!execSql(c,
                 QStringLiteral("insert into market (NAME, USRNAME, PASSWD, AC1) values (:pname, :pusrname, :ppasswd, 1)"),
                 {{"pname", name.trimmed()}, {"pusrname", user.trimmed()}, {"ppasswd", password}})) {
        *reason = SaveFailedText();
        return false;
    }
    return true;
}

TFirstAdmin::TFirstAdmin(const Connection& c, QWidget* parent) : QDialog(parent), c_(c)
{
    setObjectName(QStringLiteral("TFirstAdmin"));
    setWindowTitle(QStringLiteral("กำหนดผู้ดูแลระบบคนแรก"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(new QLabel(QStringLiteral("ยังไม่มีผู้ใช้งานในระบบ กรุณากำหนดผู้ดูแลระบบ (ระดับ 1  Admin) คนแรก"), this));
    auto* form = new QFormLayout;
    name_ = makeLineEdit(this, "edName", ColumnWidth(QStringLiteral("market"), QStringLiteral("NAME")));
    user_ = makeLineEdit(this, "edUserName", ColumnWidth(QStringLiteral("market"), QStringLiteral("USRNAME")));
    pass1_ = makeLineEdit(this, "edPass1", ColumnWidth(QStringLiteral("market"), QStringLiteral("PASSWD")));
    pass2_ = makeLineEdit(this, "edPass2", ColumnWidth(QStringLiteral("market"), QStringLiteral("PASSWD")));
    setMaskedWithX(pass1_);
    setMaskedWithX(pass2_);
    form->addRow(QStringLiteral("ชื่อ"), name_);
    form->addRow(QStringLiteral("User Name"), user_);
    form->addRow(QStringLiteral("Password"), pass1_);
    form->addRow(QStringLiteral("Password (อีกครั้ง)"), pass2_);
    top->addLayout(form);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblProblem"));
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    top->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("บันทึก"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnSave"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ภายหลัง"));
    top->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFirstAdmin::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFirstAdmin::reject);
    chainEnter({name_, user_, pass1_, pass2_}, buttons->button(QDialogButtonBox::Ok));
}

void TFirstAdmin::accept()
{
    QString reason;
    if (!CreateFirstAdministrator(c_, name_->text(), user_->text(), pass1_->text(), pass2_->text(), &reason)) {
        problem_->setText(reason);
        return;
    }
    QDialog::accept();
}
