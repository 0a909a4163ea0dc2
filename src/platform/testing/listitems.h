#pragma once

#include <QListWidget>
#include <QStringList>

// The texts a list shows, top to bottom.
inline QStringList items(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}
