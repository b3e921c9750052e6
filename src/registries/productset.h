#pragma once
// The product-set editor (Tfsuit_product): the sets of table suit, each with
// its lines in suit1, and the printed set. A set has a code and a name;
// a line an item of the registry with a quantity and a unit price.
//
// Modes: the set mode ("normal", "add", "edit") and the line mode of the line
// panel ("normal", "add", "edit"). While a set is added or edited only its
// save and cancel work and the lines page gives way to an empty page; while
// the line panel is open only the panel's save and cancel work.
//
// Widgets (tests find them by name): edSuitNo, edSuitName, edLineCode and
// edLineName (the line selected), btnAdd, btnEdit, btnDelete, btnSave,
// btnCancel, btnPrint, btnClose, btnFirst, btnPrior, btnNext, btnLast;
// pages with linesPage (grid lines, btnLineAdd, btnLineEdit, btnLineDelete),
// emptyPage and linePanel (rbByCode, rbByName, edSearch, grid items,
// edItemCode, edItemName, edUnit, edGroup, edTaxRate, edCutStock, edQty,
// edPrice, btnLineSave, btnLineCancel).

#include "data/connection.h"

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QWidget>

#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

class Tfsuit_product : public QWidget {
    Q_OBJECT
public:
    explicit Tfsuit_product(QWidget* parent = nullptr);

    QString setMode() const { return setMode_; }
    QString lineMode() const { return lineMode_; }
    int setCount() const { return int(sets_.size()); }
    int currentSet() const { return current_; } // -1: none
    QString currentSetCode() const;
    int lineCount() const { return int(lines_.size()); }
    int currentLine() const;                    // -1: none
    void setCurrentSet(int index);
    void setCurrentLine(int index);

    // The commands the buttons run.
    void addSet();
    void editSet();
    bool saveSet();
    void cancelSet();
    void deleteSet();
    void printSet();
    void addLine();
    void editLine();
    bool saveLine();
    void cancelLine();
    void deleteLine();
    void pickItem(int row); // a click on the item list

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct SetRow {
        QString code;
        QString name;
    };
    // An item as the line panel shows it.
    struct PanelItem {
        QString code, name, unit, group, taxRate, cutStock;
        QVariant salePrice;
    };

    void buildPanel(QWidget* page);
    void applyState();
    void readSets();
    void readLines();
    void showSet();
    void showLineSelection();
    void readItemList();
    std::optional<PanelItem> readItem(const QString& code);
    void showPanelItem(const std::optional<PanelItem>& item);
    void showPanelAmounts();
    void checkDuplicateCode();

    Connection db_;
    bool activated_ = false;
    QString setMode_ = QStringLiteral("normal");
    QString lineMode_ = QStringLiteral("normal");
    QList<SetRow> sets_;
    int current_ = -1;
    int rememberedSet_ = -1;
    QList<QSqlRecord> lines_;
    QSqlRecord editedLine_;              // the line being changed
    std::optional<PanelItem> lastItem_;  // the item last read in this window
    std::optional<PanelItem> shownItem_; // the item the panel shows

    QLineEdit* code_;
    QLineEdit* name_;
    QLineEdit* lineCode_;
    QLineEdit* lineName_;
    QList<QPushButton*> setCommands_; // add, edit, delete, print, close, navigator
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* delete_;
    QPushButton* print_;
    QPushButton* save_;
    QPushButton* cancel_;
    QStackedWidget* pages_;
    QWidget* linesPage_;
    QWidget* emptyPage_;
    QWidget* panel_;
    QTableWidget* linesGrid_;
    QPushButton* lineAdd_;
    QPushButton* lineEdit_;
    QPushButton* lineDelete_;

    QRadioButton* byCode_;
    QRadioButton* byName_;
    QLineEdit* search_;
    QTableWidget* itemsGrid_;
    QLineEdit* itemCode_;
    QLineEdit* itemName_;
    QLineEdit* unit_;
    QLineEdit* group_;
    QLineEdit* taxRate_;
    QLineEdit* cutStock_;
    QLineEdit* qty_;
    QLineEdit* price_;
    QPushButton* lineSave_;
    QPushButton* lineCancel_;
};
