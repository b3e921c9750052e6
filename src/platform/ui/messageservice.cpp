#include "platform/ui/messageservice.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
MessageService* installed = nullptr;

QWidget* parentWindow()
{
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    return w;
}
} // namespace

MessageService& messages()
{
    static QtMessageService real;
    return installed ? *installed : real;
}

void setMessageService(MessageService* service) { installed = service; }

void QtMessageService::information(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Velinka"), text, QMessageBox::Ok, parentWindow());
    box.setButtonText(QMessageBox::Ok, QStringLiteral("ตกลง"));
    box.exec();
}

void QtMessageService::error(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velinka"), text, QMessageBox::Ok, parentWindow());
    box.setButtonText(QMessageBox::Ok, QStringLiteral("ตกลง"));
    box.exec();
}

bool QtMessageService::question(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Velinka"), text,
                    QMessageBox::Yes | QMessageBox::No, parentWindow());
    box.setButtonText(QMessageBox::Yes, QStringLiteral("ใช่"));
    box.setButtonText(QMessageBox::No, QStringLiteral("ไม่ใช่"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtMessageService::inputBox(const QString& title, const QString& prompt, const QString& preset)
{
    QInputDialog dialog(parentWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    dialog.setOkButtonText(QStringLiteral("ตกลง"));
    dialog.setCancelButtonText(QStringLiteral("ยกเลิก"));
    if (dialog.exec() != QDialog::Accepted) return preset;
    return dialog.textValue();
}

ScriptedMessageService::ScriptedMessageService() { setMessageService(this); }

ScriptedMessageService::~ScriptedMessageService()
{
    if (&messages() == this) setMessageService(nullptr);
}

void ScriptedMessageService::information(const QString& text) { entries.append({Entry::Information, text, {}}); }

void ScriptedMessageService::error(const QString& text) { entries.append({Entry::Error, text, {}}); }

bool ScriptedMessageService::question(const QString& text)
{
    entries.append({Entry::Question, text, {}});
    return answers.isEmpty() ? false : answers.takeFirst();
}

QString ScriptedMessageService::inputBox(const QString& title, const QString& prompt, const QString& preset)
{
    entries.append({Entry::Input, prompt, title});
    if (inputs.isEmpty()) return preset;
    return inputs.takeFirst().value_or(preset);
}

QStringList ScriptedMessageService::texts() const
{
    QStringList out;
    for (const Entry& e : entries) out << e.text;
    return out;
}

QStringList ScriptedMessageService::texts(Entry::Kind kind) const
{
    QStringList out;
    for (const Entry& e : entries)
        if (e.kind == kind) out << e.text;
    return out;
}
