#include "platform/ui/widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>

namespace {

class XPasswordStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter) return 'x';
        if (hint == SH_LineEdit_PasswordMaskDelay) return 0;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

// Moves the focus on Enter / Return from any field kind to the next field
// of a chain that can take it: a disabled field (a choice locked while
// browsing) is passed over.
class EnterMovesFocus : public QObject {
public:
    EnterMovesFocus(QObject* parent, QList<QPointer<QWidget>> following)
        : QObject(parent), following_(std::move(following)) {}
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
                if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->view()->isVisible()) return false;
                for (QWidget* next : following_) {
                    if (next && next->isEnabled()) {
                        next->setFocus(Qt::TabFocusReason);
                        break;
                    }
                }
                return true;
            }
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> following_;
};

class EnterRuns : public QObject {
public:
    EnterRuns(QWidget* w, std::function<void()> action) : QObject(w), action_(std::move(action)) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        action_();
        return true;
    }

private:
    std::function<void()> action_;
};

} // namespace

void onEnter(QWidget* w, std::function<void()> action) { new EnterRuns(w, std::move(action)); }

QLineEdit* makeLineEdit(QWidget* parent, const char* objectName, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(objectName));
    if (maxLength > 0) e->setMaxLength(maxLength);
    return e;
}

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

void setMaskedWithX(QLineEdit* edit)
{
    auto* style = new XPasswordStyle;
    style->setParent(edit);
    edit->setStyle(style);
    edit->setEchoMode(QLineEdit::Password);
}

void chainEnter(const QList<QWidget*>& fields, QWidget* last)
{
    for (int i = 0; i < fields.size(); ++i) {
        QList<QPointer<QWidget>> following;
        for (int j = i + 1; j < fields.size(); ++j) following << fields.at(j);
        if (last) following << last;
        fields.at(i)->installEventFilter(new EnterMovesFocus(fields.at(i), following));
    }
}

void closeWindow(QWidget* screen)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget())) {
        sub->close();
        return;
    }
    screen->close();
}

void openBeside(QWidget* screen, QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
    if (sub && sub->mdiArea()) {
        QMdiSubWindow* child = sub->mdiArea()->addSubWindow(window);
        child->setAttribute(Qt::WA_DeleteOnClose);
        child->show();
        return;
    }
    window->setParent(screen->window(), Qt::Window);
    window->show();
}

QTableView* makeListView(QWidget* parent, const char* objectName, QAbstractItemModel* model)
{
    auto* g = new QTableView(parent);
    g->setObjectName(QString::fromLatin1(objectName));
    g->setModel(model);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->horizontalHeader()->setStretchLastSection(true);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(22);
    return g;
}

int currentRowOf(const QTableView* list) { return list->currentIndex().isValid() ? list->currentIndex().row() : -1; }

void goToRow(QTableView* list, int row)
{
    if (row < 0 || row >= list->model()->rowCount()) return;
    list->setCurrentIndex(list->model()->index(row, 0));
    list->scrollTo(list->currentIndex());
}
