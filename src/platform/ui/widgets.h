#pragma once
// Small pieces every screen uses: named widgets (tests find them by
// objectName), Enter moving to the next field, closing a child window.

#include <QList>
#include <QString>

#include <functional>

class QAbstractItemModel;
class QLineEdit;
class QTableView;
class QPushButton;
class QWidget;

QLineEdit* makeLineEdit(QWidget* parent, const char* objectName, int maxLength = 0);
QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption);

// A read-only list of whole rows over a model.
QTableView* makeListView(QWidget* parent, const char* objectName, QAbstractItemModel* model);
// The current row of a list, or -1; moving it to a row (ignored when out of range).
int currentRowOf(const QTableView* list);
void goToRow(QTableView* list, int row);

// Shows typed characters as "x".
void setMaskedWithX(QLineEdit* edit);

// Enter in each field moves the focus to the next one, and from the last to
// `last`; fields disabled at that moment are passed over.
void chainEnter(const QList<QWidget*>& fields, QWidget* last);

// Enter or Return in the widget runs the action (instead of its own use of the key).
void onEnter(QWidget* w, std::function<void()> action);

// Closes the window a screen widget lives in (its child window inside the
// frame, or the widget itself when it stands alone).
void closeWindow(QWidget* screen);

// Opens a further window beside a screen: as another child window of the
// frame the screen lives in, or on its own. The window frees itself when closed.
void openBeside(QWidget* screen, QWidget* window);
