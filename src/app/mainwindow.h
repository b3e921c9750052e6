#pragma once
// The frame of the program: the menu, and every screen as a child window.

#include "app/menupolicy.h"

#include <QHash>
#include <QMainWindow>

#include <functional>

class QMdiArea;
class QMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using ScreenFactory = std::function<QWidget*()>;

    explicit MainWindow(QWidget* parent = nullptr);

    // A menu entry (action objectName) opens a new window of a screen each
    // time it is chosen. Entries without a screen yet say so.
    enum class Placement { Cascade, Centred };
    void registerScreen(const QString& entry, ScreenFactory factory, Placement placement = Placement::Cascade);
    // Shows a window inside the frame (at topLeft when given); returns it.
    QWidget* openChild(QWidget* w, const QPoint* topLeft = nullptr);

    QMdiArea* area() const { return area_; }
    QAction* entry(const QString& objectName) const;
    QMenu* menu(const QString& objectName) const;
    void applyMenuState(MenuState state, int level = 0);
    // Whether a menu entry or menu can be chosen now.
    bool isEntryEnabled(const QString& objectName) const;

    void openLogin();
    void logoutFromMenu();

    // Exit without the two questions (the program ends after a test, or
    // after a failed start); the next close asks again.
    void setAskOnClose(bool ask) { askOnClose_ = ask; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenu();
    QAction* add(QMenu* m, const char* name, const QString& caption);
    void choose(const QString& entry);
    void openManual();

    QMdiArea* area_ = nullptr;
    struct Screen {
        ScreenFactory factory;
        Placement placement;
    };
    QHash<QString, Screen> screens_;
    bool askOnClose_ = true;
};

// The questions of the exit sequence, and the backup it makes.
QString ExitQuestionText();
QString BackupQuestionText();
