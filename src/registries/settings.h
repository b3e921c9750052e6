#pragma once
// The two one-row settings screens: the business details (quorvexsys) and
// the document and print settings (sevrsys, part of it copied into
// quorvexsys). Neither adds nor deletes a row.

#include "data/connection.h"

#include <QHash>
#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

// Edit / Refresh / Cancel / Save / Close over one stored row: in browse edit,
// refresh and close are enabled and the fields read-only; while editing each
// of these is reversed. Closing tells that the values count from the next
// start of the program.
class SingleRecordScreen : public QWidget {
    Q_OBJECT
public:
    bool isEditing() const { return editing_; }

protected:
    SingleRecordScreen(const char* objectName, const QString& title, const QString& saveCaption,
                       const QString& closeCaption, QWidget* parent);
    // Adds the command row under the screen's own fields.
    void addCommands(class QBoxLayout* layout);
    // Widgets that are writable only while editing.
    void addEditable(QWidget* w) { editable_ << w; }
    void setEditing(bool editing);

    virtual void load() = 0;         // fills the fields from the stored rows
    virtual void beginEdit() { setEditing(true); }
    virtual bool store() = 0;        // checks and writes; false keeps editing
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

    Connection db_;
    QPushButton* edit_;
    QPushButton* refresh_;
    QPushButton* cancel_;
    QPushButton* save_;
    QPushButton* close_;

private:
    QList<QWidget*> editable_;
    bool editing_ = false;
    bool loaded_ = false;
};

class TRef_Business : public SingleRecordScreen {
    Q_OBJECT
public:
    explicit TRef_Business(QWidget* parent = nullptr);

protected:
    void load() override;
    bool store() override;

private:
    QHash<QString, QLineEdit*> fields_; // by column
    QString oldOfNo_;
    class QLabel* logo_;
};

class TRef_Sys_Sql : public SingleRecordScreen {
    Q_OBJECT
public:
    explicit TRef_Sys_Sql(QWidget* parent = nullptr);

protected:
    void load() override;
    void beginEdit() override;
    bool store() override;

private:
    QButtonGroup* addChoice(class QGridLayout* grid, int row, const QString& title, const char* column,
                            const QStringList& entries);

    QHash<QString, QLineEdit*> fields_;     // by column
    QHash<QString, QButtonGroup*> choices_; // by column
    QComboBox* comPort_;
    QVariantMap kept_; // read and written back unchanged
};
