#pragma once
// The registry window: a read-only grid over the list query, the commands
// add, edit, delete, refresh, cancel, save and close, a record navigator and
// edit fields that are not bound to the grid. The mode is "normal" (browse),
// "add" or "edit"; it decides what is enabled and what Save does. Every
// registry is the same window with its own RegistryConfig.

#include "data/connection.h"
#include "platform/ui/registryconfig.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSqlRecord;
class QTableView;
class RegistryList;

class RegistryScreen : public QWidget {
    Q_OBJECT
public:
    explicit RegistryScreen(RegistryConfig config, QWidget* parent = nullptr);
    ~RegistryScreen() override;

    const RegistryConfig& config() const { return config_; }
    const Connection& connection() const { return db_; }
    QString mode() const { return mode_; }

    // The list. Row numbers count from 0; -1 is no row.
    QTableView* grid() const { return grid_; }
    int rowCount() const;
    int currentRow() const;
    void setCurrentRow(int row);
    QSqlRecord currentRecord() const;
    QVariant rowValue(const QString& column) const; // of the current row
    QVariant listValue(int row, const QString& column) const;
    int rowOfKey(const QVariant& key) const;        // the key column equals key, letter case aside; -1 none

    // The edit fields, by column.
    QWidget* field(const QString& column) const;
    QVariant value(const QString& column) const;
    void setValue(const QString& column, const QVariant& value);
    QWidget* fieldsArea() const { return fieldsArea_; }
    // A widget of the registry's own to the right of the fields.
    void addBesideFields(QWidget* w);

    // Further pages of the window (pictures, a zoom). An open page takes the
    // place of the fields and disables every command until it is closed;
    // the search panel is such a page.
    void addPage(QWidget* page);
    void openPage(QWidget* page);
    void closePage();
    QWidget* openedPage() const { return openPage_; }
    // The row beside a shown field (its hint, the "?" button), where a
    // registry may put widgets of its own; nullptr for a hidden field.
    QHBoxLayout* besideField(const QString& column) const;

    // A further command button. It is enabled while browsing, or, with
    // whileEditing, while adding or editing.
    QPushButton* addButton(const char* objectName, const QString& caption, bool whileEditing = false);
    // A widget of the registry's own enabled as the commands are: while
    // browsing, or, with whileEditing, while adding or editing.
    void enableWith(QWidget* w, bool whileEditing);

    // The commands the buttons run.
    void add();
    void edit();
    bool save();
    void cancel();
    void remove();
    void refresh();
    void openSearch();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct FieldWidgets {
        const RegistryField* def;
        QWidget* widget;
        QLabel* label;
        QHBoxLayout* beside = nullptr;
    };

    void buildFields(QWidget* area);
    void buildSearchPanel(QWidget* panel);
    void applyState();
    void setFieldsReadOnly(bool readOnly);
    void emptyField(const FieldWidgets& f);
    void showCurrentRow();
    void currentRowChanged();
    void reread();
    void moveTo(RegistryRow where, const QVariant& key = {});
    bool bindAll(QSqlQuery& q, const QString& sql, bool fromRow) const;
    QVariant parameter(const QString& name, bool fromRow, bool* ok) const;
    void checkDuplicate();
    void focusField(const QString& column);
    void focusFirstField();
    void chooseSearch(int index);
    void locate(const QString& text);
    void searchClicked(int row);
    void closeSearch();

    const RegistryConfig config_; // fields_ point into its field list
    Connection db_;
    QString mode_ = QStringLiteral("normal");
    bool activated_ = false;
    bool saveBlocked_ = false; // a duplicate key was left while adding
    QWidget* openPage_ = nullptr;
    bool moving_ = false;
    int rememberedRow_ = -1;
    QVariant rememberedKey_;
    int sortIndex_ = 0;

    RegistryList* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QWidget* fieldsArea_ = nullptr;
    class QGridLayout* fieldsGrid_ = nullptr;
    class QVBoxLayout* pages_ = nullptr;
    QList<FieldWidgets> fields_;
    QHash<QString, int> fieldIndex_; // upper-case column -> fields_
    QWidget* keyField_ = nullptr;

    QList<QPushButton*> browseButtons_;  // enabled while browsing
    QList<QPushButton*> editingButtons_; // enabled while adding or editing
    QList<QWidget*> browseWidgets_;
    QList<QWidget*> editingWidgets_;
    QPushButton* saveButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QGroupBox* sortBox_ = nullptr;

    QPushButton* searchButton_ = nullptr;
    QWidget* searchPanel_ = nullptr;
    QButtonGroup* searchBy_ = nullptr;
    QLabel* searchLabel_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QTableView* searchGrid_ = nullptr;
};
