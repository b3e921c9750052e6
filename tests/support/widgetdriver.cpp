#include "support/widgetdriver.h"

QObject* requireChild(const QWidget* screen, const QString& name, const QMetaObject& type)
{
    for (QObject* o : screen->findChildren<QObject*>(name))
        if (type.cast(o)) return o;
    qFatal("no %s named %s", type.className(), qPrintable(name));
    return nullptr;
}
