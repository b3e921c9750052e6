#pragma once
// What a registry window is made of: its table and key, its fields, its list
// and statements, its checks and messages. One RegistryScreen shows any of
// them; each registry is a RegistryConfig plus, where it needs them, a few
// small hooks.
//
// Statements are SQL texts with named parameters. The screen binds each
// parameter it finds in a text by its name, ignoring letter case:
//   :pid          the AUTO key (of the row being edited, or of the current row on delete)
//   :po<key>      the key the row had when Edit was pressed (a code that may change)
//   :p<column>    the field of that column (on delete: the current row's value)
// Every parameter of the duplicate check is the key field's text as typed.
//
// A list that can grow big (the patients) is read by key: first the keys of
// the list in its order (listKeysSql), then the rows of the part that is
// looked at, a window of keys at a time (listRowsSql, with :pfirst and :plast
// the first and last key of the window). Each statement is read to its end at
// once, so no read lock is left with other workstations while the user works.

#include "data/connection.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <Qt>

#include <functional>

class QWidget;
class RegistryScreen;

struct RegistryField {
    enum class Kind {
        Line,   // a line edit; the value is its text as typed
        Number, // a line edit whose text is saved as a floating-point number
        Combo,  // a drop-down list of `items`
        Custom, // a widget of the registry's own (create / get / set)
    };

    QString column{}; // upper case, as declared; the widget is named "ed_" + column
    QString label{};
    Kind kind = Kind::Line;
    int maxLength = 0; // 0: the declared width of the column
    QString hint{};    // a note beside the field, such as "( 1 หลัก )"
    QString toolTip{};
    bool noteBelow = false; // a read-only label under the field (objectName "note_" + column) for a hook to fill
    bool hidden = false; // not shown and not editable, still read and written

    QStringList items{};    // Combo: the entries
    bool editable = false;  // Combo: a text off the list can be typed
    QString notListedText{}; // Combo: Save refuses a text that is not exactly one of `items`

    QString addValue{};       // what Add puts in (empty by default)
    bool keptOnAdd = false;   // Add leaves the value shown
    bool keptOnCancel = false; // Cancel leaves the text (lists whose fields stay empty while browsing)

    std::function<QWidget*(QWidget* parent)> create{};
    std::function<QVariant(QWidget*)> get{};
    std::function<void(QWidget*, const QVariant&)> set{};
};

struct RegistryColumn {
    QString column{}; // of the list query
    QString title{};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

struct RegistrySort {
    QString title{};   // the entry of the choice
    QString orderBy{}; // appended to the list query, e.g. "order by Sickness"
};

struct RegistrySearch {
    enum class Match {
        WholeIgnoringCase, // the row whose value equals the text, letter case aside
        Prefix,            // the first row whose value begins with the text (case counts)
    };
    QString title{}; // the entry of the choice, e.g. "ชื่อ"
    QString label{}; // the label of the search text for this entry
    QString column{};
    Match match = Match::Prefix;
    // A list read by key finds the row of a column other than the key with
    // this statement: :ptext is the search text, the first column of the
    // first row the key found.
    QString sql{};
};

// Where the cursor goes after a command.
enum class RegistryRow {
    First,
    Last,
    Remembered, // the position remembered when Add or Edit was pressed
    Key,        // the row of the remembered key (the new key after an add), ignoring case
    Unchanged,  // where it is (after a re-read: the first row)
};

struct RegistryConfig {
    QString objectName{}; // the window's class name
    QString title{};
    QString table{};
    QString key = QStringLiteral("AUTO"); // AUTO, or the column of a code field

    QList<RegistryField> fields{};
    QList<RegistryColumn> columns{}; // grid columns; empty: every column of the list
    bool rowSelection = false;
    bool listGrid = true;      // false: the list is seen in the search panel only
    bool placeTopLeft = false; // the window moves to the top left of the frame when it first shows

    QString listSql{}; // with a sort choice: without its order
    QString listKeysSql{}; // set: the list is read by key (see above); listSql is not used
    QString listRowsSql{};
    QString sortLabel{};
    QList<RegistrySort> sorts{};
    int sortPreset = 0;
    QString insertSql{};
    QString updateSql{};
    QString deleteSql{};

    bool showRow = false; // the fields show the current row while browsing; otherwise they stay empty
    bool keepFieldsAfterEdit = false; // a saved edit leaves its text in the fields
    // Enter in each entry moves the focus to the entry after it; the last entry
    // of a list is only a target. Entries are field columns or widget names
    // ("btnSave"). Enter in a field of no list does nothing.
    QList<QStringList> enterChains{};

    QString requiredColumn{}; // Save refuses an empty field of this column
    QString requiredText = QStringLiteral("ยังไม่มีข้อมูล...");
    QString saveFailedText = SaveFailedText(); // a failed statement or number; empty: no message
    QString cancelText{};                      // shown by Cancel; empty: no message

    RegistryRow atOpen = RegistryRow::First;
    RegistryRow afterAdd = RegistryRow::Last;
    RegistryRow afterEdit = RegistryRow::Remembered;
    RegistryRow afterDelete = RegistryRow::Last;
    RegistryRow afterCancel = RegistryRow::Unchanged;

    // Leaving the key field while adding runs this query; a row found shows
    // duplicateText, returns the focus and disables Save until a free key is left.
    QString duplicateSql{};
    QString duplicateText{};
    // When set, leaving the key field while editing with a key that differs
    // from the one at Edit runs the same query and shows this text (Save stays).
    QString duplicateEditText{};

    // The search panel, opened by "?" beside the field of `searchBeside`.
    QList<RegistrySearch> search{};
    int searchPreset = 0;
    QList<RegistryColumn> searchColumns{};
    QString searchBeside{};
    int searchMaxLength = 0;
    bool searchClickCloses = false; // a click on a row also closes the panel
    bool searchAsTyped = false;     // every change of the text moves the list

    // Hooks.
    std::function<void(RegistryScreen&)> setup{};      // at the end of construction
    std::function<void(RegistryScreen&)> onFirstShow{}; // the list has been read for the first time
    std::function<void(RegistryScreen&)> onRowShown{}; // the current row changed while browsing
    std::function<void(RegistryScreen&)> onAdd{};      // Add has emptied the fields and put the defaults in
    std::function<bool(RegistryScreen&)> check{};      // the registry's own save checks; false stays
    std::function<void(RegistryScreen&)> onSaved{};    // after a successful save and the re-read
    // An edit saved the row under another key (before the re-read).
    std::function<void(RegistryScreen&, const QVariant& former, const QVariant& now)> onKeyChanged{};
};
