#pragma once
// Every message a screen shows goes through one service, so that tests can
// record the texts word for word and answer questions from a script.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

class MessageService {
public:
    virtual ~MessageService() = default;
    // Information with an OK button.
    virtual void information(const QString& text) = 0;
    // An error report of the platform (a failed statement, a port that cannot be opened).
    virtual void error(const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool question(const QString& text) = 0;
    // An input box; cancelling it gives the preset.
    virtual QString inputBox(const QString& title, const QString& prompt, const QString& preset) = 0;
};

// The process-wide service. Until one is installed it is the real one.
MessageService& messages();
// Installs a service (not owned); nullptr puts the real one back.
void setMessageService(MessageService* service);

// Modal Thai message boxes parented to the active window.
class QtMessageService : public MessageService {
public:
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text) override;
    QString inputBox(const QString& title, const QString& prompt, const QString& preset) override;
};

// The test double: records every text and answers from a script. A question
// with no scripted answer left is answered No; an input box with no scripted
// answer left is cancelled (gives its preset).
class ScriptedMessageService : public MessageService {
public:
    struct Entry {
        enum Kind { Information, Error, Question, Input } kind;
        QString text;  // for an input box: its prompt
        QString title; // input box title
    };

    ScriptedMessageService();  // installs itself
    ~ScriptedMessageService() override; // puts the real service back

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text) override;
    QString inputBox(const QString& title, const QString& prompt, const QString& preset) override;

    void answer(bool yes) { answers.append(yes); }
    void input(const QString& text) { inputs.append(text); }
    void cancelInput() { inputs.append(std::nullopt); }

    QStringList texts() const;           // every text shown, in order
    QStringList texts(Entry::Kind) const;
    void clear() { entries.clear(); }

    QList<Entry> entries;
    QList<bool> answers;
    QList<std::optional<QString>> inputs;
};
