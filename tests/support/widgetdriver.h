#pragma once
// Finding a screen's widgets by objectName, for tests that drive screens.

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

// The child of that name; a missing one ends the test program with its name.
QObject* requireChild(const QWidget* screen, const QString& name, const QMetaObject& type);

template <typename T> T* child(const QWidget* screen, const QString& name)
{
    return static_cast<T*>(requireChild(screen, name, T::staticMetaObject));
}
template <typename T> T* child(const QWidget* screen, const char* name) { return child<T>(screen, QString::fromLatin1(name)); }
template <typename T> T* child(const QWidget& screen, const char* name) { return child<T>(&screen, name); }

inline QLineEdit* lineEdit(const QWidget* screen, const char* name) { return child<QLineEdit>(screen, name); }
inline QPushButton* pushButton(const QWidget* screen, const char* name) { return child<QPushButton>(screen, name); }
inline void click(const QWidget* screen, const char* name) { pushButton(screen, name)->click(); }
inline QPushButton* pushButton(const QWidget& screen, const char* name) { return pushButton(&screen, name); }
inline void click(const QWidget& screen, const char* name) { click(&screen, name); }
