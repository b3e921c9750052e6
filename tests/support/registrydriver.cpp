#include "support/registrydriver.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

std::unique_ptr<RegistryScreen> openRegistry(const RegistryConfig& config)
{
    auto s = std::make_unique<RegistryScreen>(config);
    s->show();
    s->activateWindow();
    if (!QTest::qWaitForWindowActive(s.get())) qWarning("the registry window did not become active");
    return s;
}

QLineEdit* fieldEdit(RegistryScreen& s, const QString& column)
{
    QWidget* w = s.field(column);
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(w);
}

void keyText(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

void typeInto(RegistryScreen& s, const QString& column, const QString& text)
{
    if (auto* rem = qobject_cast<QPlainTextEdit*>(s.field(column))) {
        rem->setPlainText(text);
        return;
    }
    QLineEdit* e = fieldEdit(s, column);
    if (!e) qFatal("no line edit for %s", qPrintable(column));
    e->clear();
    keyText(e, text);
}

QWidget* pressEnter()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    return QApplication::focusWidget();
}

QStringList listed(RegistryScreen& s, const QString& column)
{
    QStringList values;
    for (int row = 0; row < s.rowCount(); ++row) values << s.listValue(row, column).toString();
    return values;
}

QStringList stored(const DataFolderFixture& f, const QString& sql)
{
    QSqlQuery q = f.db().query(sql);
    QStringList values;
    if (!exec(q)) return {QStringLiteral("query failed")};
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < q.record().count(); ++i) row << q.value(i).toString();
        values << row.join(QLatin1Char('|'));
    }
    return values;
}

QString enabledOf(RegistryScreen& s, const QStringList& names)
{
    QStringList on;
    for (const QString& name : names) {
        auto* w = s.findChild<QWidget*>(name);
        if (!w) qFatal("no widget %s", qPrintable(name));
        if (w->isEnabled()) on << name;
    }
    return on.join(QLatin1Char(' '));
}
