#pragma once
// Driving a registry window in tests: opening it active, typing into its
// fields with key presses, reading its list and the stored rows.

#include "platform/ui/registryscreen.h"
#include "support/fixture.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <memory>

// A shown and active registry window (its list read on that first activation).
std::unique_ptr<RegistryScreen> openRegistry(const RegistryConfig& config);

// The line edit of a field (the edit of an editable drop-down).
QLineEdit* fieldEdit(RegistryScreen& s, const QString& column);
// Key presses carrying the text, one character each (Thai included).
void keyText(QWidget* w, const QString& text);
// Empties the field and types the text into it (a text area takes it whole).
void typeInto(RegistryScreen& s, const QString& column, const QString& text);
// Presses Enter in the widget that has the focus; returns the widget that has it then.
QWidget* pressEnter();

// A column of the list in its order.
QStringList listed(RegistryScreen& s, const QString& column);
// The rows of a query, each row's values joined by '|'.
QStringList stored(const DataFolderFixture& f, const QString& sql);
// The command buttons enabled now, by objectName, in the order given.
QString enabledOf(RegistryScreen& s, const QStringList& names);
