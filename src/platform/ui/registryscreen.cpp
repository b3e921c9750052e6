#include "platform/ui/registryscreen.h"

#include "data/numbers.h"
#include "data/schema.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QMdiSubWindow>
#include <QAbstractTableModel>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

// The list of a registry, read to its end at once: either every row, or the
// keys in the list's order with the rows read later a window of keys at a
// time. No statement stays open between reads.
class RegistryList : public QAbstractTableModel {
public:
    static constexpr int Window = 200;

    explicit RegistryList(QObject* parent) : QAbstractTableModel(parent) {}

    bool readAll(const Connection& db, const QString& sql, const QString& keyColumn, QString* error)
    {
        beginResetModel();
        clearRows();
        QSqlQuery q(db.db());
        q.setForwardOnly(true);
        const bool ok = q.exec(sql);
        if (ok) {
            header_ = q.record();
            const int n = header_.count();
            while (q.next()) {
                QVariantList values;
                values.reserve(n);
                for (int i = 0; i < n; ++i) values << q.value(i);
                rows_ << values;
            }
        } else if (error) {
            *error = q.lastError().text();
        }
        q.finish();
        keyIndex_ = header_.indexOf(keyColumn);
        endResetModel();
        return ok;
    }

    bool readKeys(const Connection& db, const QString& keysSql, const QString& rowsSql, const QString& keyColumn,
                  QString* error)
    {
        beginResetModel();
        clearRows();
        keyed_ = true;
        db_ = &db;
        rowsSql_ = rowsSql;
        QSqlQuery q(db.db());
        q.setForwardOnly(true);
        bool ok = q.exec(keysSql);
        if (ok)
            while (q.next()) keys_ << q.value(0).toString();
        else if (error)
            *error = q.lastError().text();
        q.finish();
        // The columns come with the first window (an empty one for an empty list).
        if (ok) ok = readWindow(0, &header_, error);
        keyIndex_ = header_.indexOf(keyColumn);
        endResetModel();
        return ok;
    }

    void clear()
    {
        beginResetModel();
        clearRows();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        if (parent.isValid()) return 0;
        return int(keyed_ ? keys_.size() : rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : header_.count(); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
        return value(index.row(), index.column());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return header_.fieldName(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    const QSqlRecord& record() const { return header_; }

    QSqlRecord record(int row) const
    {
        QSqlRecord r = header_;
        const QVariantList& values = rowValues(row);
        for (int i = 0; i < values.size() && i < r.count(); ++i) r.setValue(i, values.at(i));
        return r;
    }

    QVariant value(int row, int column) const
    {
        if (keyed_ && column == keyIndex_ && row >= 0 && row < keys_.size()) return keys_.at(row);
        return rowValues(row).value(column);
    }

    // The first row whose column satisfies match; the keys of a keyed list
    // are looked at without reading rows.
    int find(const QString& column, const std::function<bool(const QString&)>& match) const
    {
        const int index = header_.indexOf(column);
        // In a keyed list only the keys are at hand; the registry's statement finds other columns.
        if (index < 0 || (keyed_ && index != keyIndex_)) return -1;
        const int count = rowCount();
        for (int row = 0; row < count; ++row)
            if (match(value(row, index).toString())) return row;
        return -1;
    }

    bool isKeyed() const { return keyed_; }

private:
    void clearRows()
    {
        rows_.clear();
        keys_.clear();
        windows_.clear();
        keyed_ = false;
    }

    const QVariantList& rowValues(int row) const
    {
        static const QVariantList none;
        if (row < 0 || row >= rowCount()) return none;
        if (!keyed_) return rows_.at(row);
        const int w = row / Window;
        if (!windows_.contains(w)) {
            if (windows_.size() >= 16) windows_.clear(); // keep a few windows around what is looked at
            if (!readWindow(w, nullptr, nullptr)) return none;
        }
        return windows_[w].at(row - w * Window);
    }

    // Reads the rows of the keys of window w, placing each by its key: a row
    // added by another workstation since the keys were read is left out, a
    // row deleted since shows blank.
    bool readWindow(int w, QSqlRecord* header, QString* error) const
    {
        const qsizetype from = qsizetype(w) * Window;
        const qsizetype to = qMin(keys_.size(), from + Window); // exclusive
        QSqlQuery q(db_->db());
        q.setForwardOnly(true);
        bool ok = q.prepare(rowsSql_);
        if (ok) {
            q.bindValue(QStringLiteral(":pfirst"), from < to ? keys_.at(from) : QString());
            q.bindValue(QStringLiteral(":plast"), from < to ? keys_.at(to - 1) : QString());
            ok = q.exec();
        }
        if (!ok) {
            if (error) *error = q.lastError().text();
            qWarning("RegistryList: %s", qPrintable(q.lastError().text()));
            return false;
        }
        const QSqlRecord r = q.record();
        if (header) *header = r;
        const int keyIndex = r.indexOf(header_.isEmpty() ? r.fieldName(0) : header_.fieldName(keyIndex_));
        QHash<QString, QVariantList> found;
        while (q.next()) {
            QVariantList values;
            values.reserve(r.count());
            for (int i = 0; i < r.count(); ++i) values << q.value(i);
            found.insert(q.value(keyIndex < 0 ? 0 : keyIndex).toString(), values);
        }
        q.finish();
        QList<QVariantList> rows;
        rows.reserve(to - from);
        for (qsizetype i = from; i < to; ++i) rows << found.value(keys_.at(i));
        if (from < to) windows_.insert(w, rows);
        return true;
    }

    QSqlRecord header_;
    int keyIndex_ = -1;
    QList<QVariantList> rows_;  // every row, when the list is not keyed
    bool keyed_ = false;
    const Connection* db_ = nullptr;
    QString rowsSql_;
    QStringList keys_;          // the keys in the list's order
    mutable QHash<int, QList<QVariantList>> windows_;
};

namespace {

const QString Normal = QStringLiteral("normal");
const QString Adding = QStringLiteral("add");
const QString Editing = QStringLiteral("edit");

// The list as one grid shows it: its own column titles and alignments.
class ColumnsModel : public QIdentityProxyModel {
public:
    ColumnsModel(RegistryList* source, QList<RegistryColumn> columns, QObject* parent)
        : QIdentityProxyModel(parent), columns_(std::move(columns))
    {
        setSourceModel(source);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::TextAlignmentRole) {
            if (const RegistryColumn* c = column(index.column())) return int(c->alignment.toInt());
        }
        return QIdentityProxyModel::data(index, role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            if (const RegistryColumn* c = column(section)) return c->title;
        }
        return QIdentityProxyModel::headerData(section, orientation, role);
    }

private:
    const RegistryColumn* column(int section) const
    {
        const QString name = static_cast<RegistryList*>(sourceModel())->record().fieldName(section);
        for (const RegistryColumn& c : columns_)
            if (c.column.compare(name, Qt::CaseInsensitive) == 0) return &c;
        return nullptr;
    }

    QList<RegistryColumn> columns_;
};

QTableView* makeGrid(QWidget* parent, const char* objectName, QAbstractItemModel* model, bool rowSelection)
{
    auto* v = new QTableView(parent);
    v->setObjectName(QString::fromLatin1(objectName));
    v->setModel(model);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setSelectionBehavior(rowSelection ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    v->verticalHeader()->hide();
    v->horizontalHeader()->setStretchLastSection(true);
    return v;
}

// Shows the configured columns in their order and hides the others.
void showColumns(QTableView* v, const QSqlRecord& record, const QList<RegistryColumn>& columns)
{
    QHeaderView* h = v->horizontalHeader();
    for (int i = 0; i < record.count(); ++i) h->setSectionHidden(i, !columns.isEmpty());
    int visual = 0;
    for (const RegistryColumn& c : columns) {
        const int logical = record.indexOf(c.column);
        if (logical < 0) continue;
        h->setSectionHidden(logical, false);
        h->moveSection(h->visualIndex(logical), visual++);
    }
}

// The parameter names of a statement, as spelt there, each once.
QStringList placeholders(const QString& sql)
{
    static const QRegularExpression re(QStringLiteral("(?<![:\\w]):([A-Za-z_]\\w*)"));
    QStringList names;
    for (const QRegularExpressionMatch& m : re.globalMatch(sql)) {
        const QString name = m.captured(1);
        if (!names.contains(name, Qt::CaseInsensitive)) names << name;
    }
    return names;
}

QString numberText(const QVariant& v)
{
    if (v.isNull()) return {};
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (v.typeId() != QMetaType::QString && ok) return QString::number(d, 'g', 15);
    return v.toString();
}

} // namespace

RegistryScreen::RegistryScreen(RegistryConfig config, QWidget* parent)
    : QWidget(parent), config_(std::move(config))
{
    setObjectName(config_.objectName);
    setWindowTitle(config_.title);

    model_ = new RegistryList(this);
    auto* top = new QVBoxLayout(this);

    grid_ = makeGrid(this, "grid", new ColumnsModel(model_, config_.columns, this), config_.rowSelection);
    top->addWidget(grid_, 1);
    grid_->setVisible(config_.listGrid);
    pages_ = top;
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { if (!moving_) currentRowChanged(); });

    if (!config_.sorts.isEmpty()) {
        sortBox_ = new QGroupBox(config_.sortLabel, this);
        sortBox_->setObjectName(QStringLiteral("grpSort"));
        auto* row = new QHBoxLayout(sortBox_);
        auto* group = new QButtonGroup(sortBox_);
        for (int i = 0; i < config_.sorts.size(); ++i) {
            auto* b = new QRadioButton(config_.sorts.at(i).title, sortBox_);
            b->setObjectName(QStringLiteral("rbSort_%1").arg(i));
            group->addButton(b, i);
            row->addWidget(b);
        }
        sortIndex_ = config_.sortPreset;
        group->button(sortIndex_)->setChecked(true);
        connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
            if (!checked) return;
            sortIndex_ = id;
            if (activated_) refresh();
        });
        top->addWidget(sortBox_);
    }

    fieldsArea_ = new QWidget(this);
    fieldsArea_->setObjectName(QStringLiteral("fieldsArea"));
    top->addWidget(fieldsArea_);
    buildFields(fieldsArea_);

    if (!config_.search.isEmpty()) {
        searchPanel_ = new QWidget(this);
        searchPanel_->setObjectName(QStringLiteral("searchPanel"));
        buildSearchPanel(searchPanel_);
        addPage(searchPanel_);
    }

    auto* buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("commandRow"));
    top->addLayout(buttons);
    auto command = [&](const char* name, const QString& caption, bool whileEditing, auto run) {
        QPushButton* b = makeButton(this, name, caption);
        (whileEditing ? editingButtons_ : browseButtons_) << b;
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, run);
        return b;
    };
    command("btnAdd", QStringLiteral("เ&พิ่ม"), false, [this] { add(); });
    command("btnEdit", QStringLiteral("แ&ก้ไข"), false, [this] { edit(); });
    command("btnDelete", QStringLiteral("ล&บ"), false, [this] { remove(); });
    command("btnRefresh", QStringLiteral("Refresh"), false, [this] { refresh(); });
    command("btnFirst", QStringLiteral("|<"), false, [this] { moveTo(RegistryRow::First); });
    command("btnPrior", QStringLiteral("<"), false, [this] { if (currentRow() > 0) setCurrentRow(currentRow() - 1); });
    command("btnNext", QStringLiteral(">"), false, [this] {
        if (currentRow() + 1 < rowCount()) setCurrentRow(currentRow() + 1);
    });
    command("btnLast", QStringLiteral(">|"), false, [this] { moveTo(RegistryRow::Last); });
    command("btnCancel", QStringLiteral("&ยกเลิก"), true, [this] { cancel(); });
    saveButton_ = command("btnSave", QStringLiteral("บัน&ทึก"), true, [this] { save(); });
    saveButton_->setAutoDefault(true); // Enter on the focused button saves
    closeButton_ = command("btnClose", QStringLiteral("เ&ลิก"), false, [this] { closeWindow(this); });

    for (const QStringList& chain : config_.enterChains) {
        QList<QWidget*> widgets;
        for (const QString& name : chain) {
            QWidget* w = field(name);
            if (!w) w = findChild<QWidget*>(name);
            if (w) widgets << w;
        }
        if (widgets.size() >= 2) chainEnter(widgets.mid(0, widgets.size() - 1), widgets.last());
    }

    if (!config_.duplicateSql.isEmpty() && keyField_) keyField_->installEventFilter(this);

    applyState();
    if (config_.setup) config_.setup(*this);
}

RegistryScreen::~RegistryScreen()
{
    // The list query goes before the connection it runs on.
    model_->clear();
}

void RegistryScreen::buildFields(QWidget* area)
{
    auto* grid = new QGridLayout(area);
    fieldsGrid_ = grid;
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const RegistryField& def : config_.fields) {
        const QString name = QStringLiteral("ed_") + def.column;
        const int width = def.maxLength > 0 ? def.maxLength : ColumnWidth(config_.table, def.column);
        QWidget* w = nullptr;
        switch (def.kind) {
        case RegistryField::Kind::Line:
        case RegistryField::Kind::Number:
            w = makeLineEdit(area, name.toLatin1().constData(), width);
            break;
        case RegistryField::Kind::Combo: {
            auto* combo = new QComboBox(area);
            combo->setEditable(def.editable);
            combo->addItems(def.items);
            if (def.editable && width > 0) combo->lineEdit()->setMaxLength(width);
            combo->setInsertPolicy(QComboBox::NoInsert);
            w = combo;
            break;
        }
        case RegistryField::Kind::Custom:
            w = def.create(area);
            break;
        }
        w->setObjectName(name);
        if (!def.toolTip.isEmpty()) w->setToolTip(def.toolTip);
        auto* label = new QLabel(def.label, area);
        label->setObjectName(QStringLiteral("lbl_") + def.column);
        fieldIndex_.insert(def.column.toUpper(), int(fields_.size()));
        fields_.append({&def, w, label});
        if (def.column.compare(config_.key, Qt::CaseInsensitive) == 0) keyField_ = w;
        if (def.hidden) {
            w->hide();
            w->setEnabled(false);
            label->hide();
            continue;
        }
        grid->addWidget(label, row, 0);
        grid->addWidget(w, row, 1);
        auto* beside = new QHBoxLayout;
        if (!def.hint.isEmpty()) beside->addWidget(new QLabel(def.hint, area));
        if (!config_.search.isEmpty() && def.column.compare(config_.searchBeside, Qt::CaseInsensitive) == 0) {
            searchButton_ = makeButton(area, "btnSearch", QStringLiteral("?"));
            browseButtons_ << searchButton_;
            connect(searchButton_, &QPushButton::clicked, this, [this] { openSearch(); });
            beside->addWidget(searchButton_);
        }
        beside->addStretch();
        grid->addLayout(beside, row, 2);
        fields_.last().beside = beside;
        ++row;
        if (def.noteBelow) {
            auto* note = new QLabel(area);
            note->setObjectName(QStringLiteral("note_") + def.column);
            grid->addWidget(note, row++, 1);
        }
    }
    grid->setColumnStretch(1, 1);
}

void RegistryScreen::buildSearchPanel(QWidget* panel)
{
    auto* layout = new QVBoxLayout(panel);
    auto* choice = new QGroupBox(QStringLiteral("  ค้นหาโดย  "), panel);
    choice->setObjectName(QStringLiteral("grpSearchBy"));
    auto* choiceRow = new QHBoxLayout(choice);
    searchBy_ = new QButtonGroup(choice);
    for (int i = 0; i < config_.search.size(); ++i) {
        auto* b = new QRadioButton(config_.search.at(i).title, choice);
        b->setObjectName(QStringLiteral("rbSearch_%1").arg(i));
        searchBy_->addButton(b, i);
        choiceRow->addWidget(b);
    }
    connect(searchBy_, &QButtonGroup::idClicked, this, [this](int id) { chooseSearch(id); });
    layout->addWidget(choice);

    auto* textRow = new QHBoxLayout;
    searchLabel_ = new QLabel(panel);
    searchLabel_->setObjectName(QStringLiteral("lblSearch"));
    searchText_ = makeLineEdit(panel, "edSearch", config_.searchMaxLength);
    QPushButton* ok = makeButton(panel, "btnSearchOk", QStringLiteral("ตกลง"));
    textRow->addWidget(searchLabel_);
    textRow->addWidget(searchText_, 1);
    textRow->addWidget(ok);
    layout->addLayout(textRow);
    auto searchAndClose = [this] {
        locate(searchText_->text());
        closeSearch();
    };
    connect(ok, &QPushButton::clicked, this, searchAndClose);
    connect(searchText_, &QLineEdit::returnPressed, this, searchAndClose);
    if (config_.searchAsTyped) connect(searchText_, &QLineEdit::textEdited, this, [this] { locate(searchText_->text()); });

    searchGrid_ = makeGrid(panel, "searchGrid", new ColumnsModel(model_, config_.searchColumns, this), true);
    connect(searchGrid_, &QTableView::clicked, this, [this](const QModelIndex& index) { searchClicked(index.row()); });
    layout->addWidget(searchGrid_, 1);
}

void RegistryScreen::enableWith(QWidget* w, bool whileEditing)
{
    (whileEditing ? editingWidgets_ : browseWidgets_) << w;
    applyState();
}

QPushButton* RegistryScreen::addButton(const char* objectName, const QString& caption, bool whileEditing)
{
    QPushButton* b = makeButton(this, objectName, caption);
    (whileEditing ? editingButtons_ : browseButtons_) << b;
    auto* row = findChild<QHBoxLayout*>(QStringLiteral("commandRow"));
    row->insertWidget(row->indexOf(closeButton_), b);
    applyState();
    return b;
}

// Browse: the browse commands, the navigator, the grid and the sort choice
// enabled, cancel and save disabled, the fields read-only; adding and
// editing reverse each of these. An open search panel disables every command.
void RegistryScreen::applyState()
{
    const bool editing = mode_ != Normal;
    const bool browsing = !editing && !openPage_;
    for (QPushButton* b : browseButtons_) b->setEnabled(browsing);
    for (QPushButton* b : editingButtons_) b->setEnabled(editing && !openPage_);
    saveButton_->setEnabled(editing && !saveBlocked_ && !openPage_);
    for (QWidget* w : browseWidgets_) w->setEnabled(browsing);
    for (QWidget* w : editingWidgets_) w->setEnabled(editing && !openPage_);
    grid_->setEnabled(browsing);
    if (sortBox_) sortBox_->setEnabled(browsing);
    setFieldsReadOnly(!editing);
}

void RegistryScreen::setFieldsReadOnly(bool readOnly)
{
    for (const FieldWidgets& f : fields_) {
        if (f.def->hidden) continue;
        if (auto* line = qobject_cast<QLineEdit*>(f.widget))
            line->setReadOnly(readOnly);
        else
            f.widget->setEnabled(!readOnly);
    }
}

void RegistryScreen::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (activated_) return;
    activated_ = true;
    if (config_.placeTopLeft)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->move(0, 0);
    reread();
    moveTo(config_.atOpen);
    if (config_.onFirstShow) config_.onFirstShow(*this);
}

// --- the list -------------------------------------------------------------

void RegistryScreen::reread()
{
    QString sql = config_.listSql;
    if (!config_.sorts.isEmpty()) sql += QLatin1Char(' ') + config_.sorts.at(sortIndex_).orderBy;
    QString error;
    const bool ok = config_.listKeysSql.isEmpty()
                        ? model_->readAll(db_, sql, config_.key, &error)
                        : model_->readKeys(db_, config_.listKeysSql, config_.listRowsSql, config_.key, &error);
    if (!ok) messages().error(error);
    // The whole list is read at once: a statement left half read would hold
    // the database's read lock, and other workstations could not save.
    showColumns(grid_, model_->record(), config_.columns);
    if (searchGrid_) showColumns(searchGrid_, model_->record(), config_.searchColumns);
}

int RegistryScreen::rowCount() const
{
    return model_->rowCount();
}

int RegistryScreen::currentRow() const { return grid_->currentIndex().row(); }

void RegistryScreen::setCurrentRow(int row)
{
    moving_ = true;
    if (row < 0 || row >= rowCount()) {
        grid_->setCurrentIndex({});
    } else {
        const int column = grid_->horizontalHeader()->logicalIndex(0);
        const QModelIndex index = grid_->model()->index(row, column < 0 ? 0 : column);
        grid_->setCurrentIndex(index);
        grid_->scrollTo(index);
    }
    moving_ = false;
    currentRowChanged();
}

QSqlRecord RegistryScreen::currentRecord() const
{
    const int row = currentRow();
    return row < 0 ? QSqlRecord() : model_->record(row);
}

QVariant RegistryScreen::rowValue(const QString& column) const { return currentRecord().value(column); }

QVariant RegistryScreen::listValue(int row, const QString& column) const
{
    return model_->value(row, model_->record().indexOf(column));
}

void RegistryScreen::currentRowChanged()
{
    if (mode_ != Normal) return;
    if (config_.showRow) showCurrentRow();
    if (config_.onRowShown) config_.onRowShown(*this);
}

void RegistryScreen::showCurrentRow()
{
    const QSqlRecord r = currentRecord();
    for (const FieldWidgets& f : fields_) {
        if (r.isEmpty())
            emptyField(f);
        else
            setValue(f.def->column, r.value(f.def->column));
    }
}

void RegistryScreen::moveTo(RegistryRow where, const QVariant& key)
{
    const int count = rowCount();
    int row = currentRow();
    switch (where) {
    case RegistryRow::First: row = 0; break;
    case RegistryRow::Last: row = count - 1; break;
    case RegistryRow::Remembered: row = qMin(rememberedRow_, count - 1); break;
    case RegistryRow::Key:
        if (const int found = rowOfKey(key); found >= 0) row = found;
        break;
    case RegistryRow::Unchanged: break;
    }
    if (row < 0 && count > 0) row = 0;
    setCurrentRow(row);
}

int RegistryScreen::rowOfKey(const QVariant& key) const
{
    const QString text = key.toString();
    return model_->find(config_.key, [&](const QString& v) { return v.compare(text, Qt::CaseInsensitive) == 0; });
}

// --- the fields -----------------------------------------------------------

QWidget* RegistryScreen::field(const QString& column) const
{
    const auto it = fieldIndex_.constFind(column.toUpper());
    return it == fieldIndex_.constEnd() ? nullptr : fields_.at(*it).widget;
}

QVariant RegistryScreen::value(const QString& column) const
{
    const auto it = fieldIndex_.constFind(column.toUpper());
    if (it == fieldIndex_.constEnd()) return {};
    const FieldWidgets& f = fields_.at(*it);
    switch (f.def->kind) {
    case RegistryField::Kind::Line:
    case RegistryField::Kind::Number: return static_cast<QLineEdit*>(f.widget)->text();
    case RegistryField::Kind::Combo: return static_cast<QComboBox*>(f.widget)->currentText();
    case RegistryField::Kind::Custom: return f.def->get(f.widget);
    }
    return {};
}

void RegistryScreen::setValue(const QString& column, const QVariant& value)
{
    const auto it = fieldIndex_.constFind(column.toUpper());
    if (it == fieldIndex_.constEnd()) return;
    const FieldWidgets& f = fields_.at(*it);
    switch (f.def->kind) {
    case RegistryField::Kind::Line: static_cast<QLineEdit*>(f.widget)->setText(value.toString()); break;
    case RegistryField::Kind::Number: static_cast<QLineEdit*>(f.widget)->setText(numberText(value)); break;
    case RegistryField::Kind::Combo: {
        auto* combo = static_cast<QComboBox*>(f.widget);
        // An editable list shows a stored text even when it is not an entry.
        if (combo->isEditable())
            combo->setEditText(value.toString());
        else
            combo->setCurrentIndex(combo->findText(value.toString()));
        break;
    }
    case RegistryField::Kind::Custom: f.def->set(f.widget, value); break;
    }
}

void RegistryScreen::emptyField(const FieldWidgets& f)
{
    if (f.def->kind == RegistryField::Kind::Custom)
        f.def->set(f.widget, QVariant());
    else
        setValue(f.def->column, QString());
}

QHBoxLayout* RegistryScreen::besideField(const QString& column) const
{
    const auto it = fieldIndex_.constFind(column.toUpper());
    return it == fieldIndex_.constEnd() ? nullptr : fields_.at(*it).beside;
}

void RegistryScreen::focusField(const QString& column)
{
    if (QWidget* w = field(column)) w->setFocus(Qt::OtherFocusReason);
}

void RegistryScreen::focusFirstField()
{
    for (const FieldWidgets& f : fields_) {
        if (f.def->hidden) continue;
        f.widget->setFocus(Qt::OtherFocusReason);
        return;
    }
}

// --- the commands ---------------------------------------------------------

void RegistryScreen::add()
{
    if (mode_ != Normal || openPage_) return;
    rememberedRow_ = currentRow();
    rememberedKey_ = QVariant();
    mode_ = Adding;
    saveBlocked_ = false;
    applyState();
    for (const FieldWidgets& f : fields_) {
        if (f.def->keptOnAdd) continue;
        emptyField(f);
        if (!f.def->addValue.isEmpty()) setValue(f.def->column, f.def->addValue);
    }
    if (config_.onAdd) config_.onAdd(*this);
    focusFirstField();
}

void RegistryScreen::edit()
{
    if (mode_ != Normal || openPage_ || currentRow() < 0) return;
    rememberedRow_ = currentRow();
    rememberedKey_ = rowValue(config_.key);
    showCurrentRow();
    mode_ = Editing;
    saveBlocked_ = false;
    applyState();
    focusFirstField();
}

bool RegistryScreen::save()
{
    if (mode_ == Normal || saveBlocked_) return false;
    if (!config_.requiredColumn.isEmpty() && value(config_.requiredColumn).toString().isEmpty()) {
        messages().information(config_.requiredText);
        focusField(config_.requiredColumn);
        return false;
    }
    for (const FieldWidgets& f : fields_) {
        if (f.def->notListedText.isEmpty() || f.def->items.contains(value(f.def->column).toString())) continue;
        messages().information(f.def->notListedText);
        f.widget->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (config_.check && !config_.check(*this)) return false;

    const bool adding = mode_ == Adding;
    const QString& sql = adding ? config_.insertSql : config_.updateSql;
    QSqlQuery q = db_.query(sql);
    if (!bindAll(q, sql, false) || !q.exec()) {
        if (!config_.saveFailedText.isEmpty()) messages().information(config_.saveFailedText);
        return false;
    }
    QVariant key = rememberedKey_;
    if (adding) key = config_.key.compare(QLatin1String("AUTO"), Qt::CaseInsensitive) == 0 ? q.lastInsertId() : value(config_.key);
    q.finish();
    if (!adding && config_.onKeyChanged && value(config_.key).toString() != rememberedKey_.toString())
        config_.onKeyChanged(*this, rememberedKey_, value(config_.key));

    mode_ = Normal;
    applyState();
    if (!config_.showRow && !(!adding && config_.keepFieldsAfterEdit))
        for (const FieldWidgets& f : fields_) emptyField(f);
    reread();
    moveTo(adding ? config_.afterAdd : config_.afterEdit, key);
    if (config_.onSaved) config_.onSaved(*this);
    return true;
}

void RegistryScreen::cancel()
{
    if (mode_ == Normal) return;
    if (!config_.cancelText.isEmpty()) messages().information(config_.cancelText);
    mode_ = Normal;
    saveBlocked_ = false;
    applyState();
    if (!config_.showRow)
        for (const FieldWidgets& f : fields_)
            if (!f.def->keptOnCancel) emptyField(f);
    moveTo(config_.afterCancel); // shows the row again in the fields
}

void RegistryScreen::remove()
{
    if (mode_ != Normal || openPage_ || currentRow() < 0) return;
    if (!messages().question(QStringLiteral("ต้องการลบข้อมูลนี้ ?"))) return;
    QSqlQuery q = db_.query(config_.deleteSql);
    if (!bindAll(q, config_.deleteSql, true) || !q.exec()) {
        messages().error(q.lastError().text());
        return;
    }
    q.finish();
    reread();
    moveTo(config_.afterDelete);
}

void RegistryScreen::refresh()
{
    if (mode_ != Normal) return;
    reread();
    moveTo(RegistryRow::Unchanged);
}

// --- parameters -----------------------------------------------------------

bool RegistryScreen::bindAll(QSqlQuery& q, const QString& sql, bool fromRow) const
{
    for (const QString& name : placeholders(sql)) {
        bool ok = true;
        const QVariant v = parameter(name.toLower(), fromRow, &ok);
        if (!ok) return false;
        q.bindValue(QLatin1Char(':') + name, v);
    }
    return true;
}

QVariant RegistryScreen::parameter(const QString& name, bool fromRow, bool* ok) const
{
    const QString key = config_.key.toLower();
    if (name == QLatin1String("pid") && key == QLatin1String("auto"))
        return fromRow ? rowValue(config_.key) : rememberedKey_;
    if (name == QStringLiteral("po") + key) return fromRow ? rowValue(config_.key) : rememberedKey_;
    if (name.startsWith(QLatin1Char('p'))) {
        const QString column = name.mid(1);
        if (fromRow) return rowValue(column);
        const auto it = fieldIndex_.constFind(column.toUpper());
        if (it != fieldIndex_.constEnd()) {
            const FieldWidgets& f = fields_.at(*it);
            const QVariant v = value(column);
            if (f.def->kind == RegistryField::Kind::Number) {
                const std::optional<double> d = ReadNumber(v.toString());
                if (!d) *ok = false;
                return d ? QVariant(*d) : QVariant();
            }
            if (v.typeId() == QMetaType::QString && v.toString().isNull()) return QStringLiteral("");
            return v;
        }
    }
    qWarning("RegistryScreen %s: no value for the parameter :%s", qPrintable(config_.objectName), qPrintable(name));
    return {};
}

// --- the key field --------------------------------------------------------

bool RegistryScreen::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == keyField_ && e->type() == QEvent::FocusOut) {
        // Not when a message box or a popup takes the focus away.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) checkDuplicate();
    }
    return QWidget::eventFilter(watched, e);
}

void RegistryScreen::checkDuplicate()
{
    const QString typed = value(config_.key).toString();
    const bool adding = mode_ == Adding;
    if (!adding && !(mode_ == Editing && !config_.duplicateEditText.isEmpty() && typed != rememberedKey_.toString()))
        return;
    QSqlQuery q = db_.query(config_.duplicateSql);
    for (const QString& name : placeholders(config_.duplicateSql)) q.bindValue(QLatin1Char(':') + name, typed);
    const bool taken = q.exec() && q.next();
    q.finish();
    if (adding) {
        saveBlocked_ = taken;
        applyState();
    }
    if (!taken) return;
    messages().information(adding ? config_.duplicateText : config_.duplicateEditText);
    QTimer::singleShot(0, keyField_, [w = keyField_] { w->setFocus(Qt::OtherFocusReason); });
}

// --- the search panel -----------------------------------------------------

void RegistryScreen::openSearch()
{
    if (!searchPanel_ || mode_ != Normal || openPage_) return;
    openPage(searchPanel_);
    searchBy_->button(config_.searchPreset)->setChecked(true);
    searchText_->clear();
    chooseSearch(config_.searchPreset);
}

void RegistryScreen::chooseSearch(int index)
{
    searchLabel_->setText(config_.search.at(index).label);
    searchText_->setFocus(Qt::OtherFocusReason);
}

void RegistryScreen::locate(const QString& text)
{
    const RegistrySearch& by = config_.search.at(qMax(0, searchBy_->checkedId()));
    int row = -1;
    if (!by.sql.isEmpty()) {
        QSqlQuery q = db_.query(by.sql);
        for (const QString& name : placeholders(by.sql)) q.bindValue(QLatin1Char(':') + name, text);
        QVariant key;
        if (q.exec() && q.next()) key = q.value(0);
        else if (q.lastError().isValid()) messages().error(q.lastError().text());
        q.finish();
        if (key.isValid()) row = rowOfKey(key);
    } else {
        row = model_->find(by.column, [&](const QString& v) {
            return by.match == RegistrySearch::Match::WholeIgnoringCase ? v.compare(text, Qt::CaseInsensitive) == 0
                                                                        : v.startsWith(text, Qt::CaseSensitive);
        });
    }
    if (row >= 0) setCurrentRow(row);
}

void RegistryScreen::searchClicked(int row)
{
    setCurrentRow(row);
    const RegistrySearch& by = config_.search.at(qMax(0, searchBy_->checkedId()));
    searchText_->setText(listValue(row, by.column).toString());
    if (config_.searchClickCloses) closeSearch();
}

void RegistryScreen::closeSearch()
{
    if (openPage_ == searchPanel_) closePage();
}

// --- pages ----------------------------------------------------------------

void RegistryScreen::addPage(QWidget* page)
{
    page->setParent(this);
    page->hide();
    pages_->insertWidget(pages_->indexOf(fieldsArea_) + 1, page, 1);
}

void RegistryScreen::openPage(QWidget* page)
{
    if (openPage_) openPage_->hide();
    openPage_ = page;
    fieldsArea_->hide();
    page->show();
    applyState();
}

void RegistryScreen::closePage()
{
    if (!openPage_) return;
    openPage_->hide();
    openPage_ = nullptr;
    fieldsArea_->show();
    applyState();
}

void RegistryScreen::addBesideFields(QWidget* w)
{
    w->setParent(fieldsArea_);
    fieldsGrid_->addWidget(w, 0, 3, qMax(1, fieldsGrid_->rowCount()), 1, Qt::AlignTop);
}
