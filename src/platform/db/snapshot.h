#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The full result of one query, taken at the moment it ran. Later changes to
// the database show only in a new snapshot.
struct Snapshot {
    QStringList columns;
    // The declared type of each column ("DATETIME", "REAL", ...); empty for
    // computed columns.
    QList<QByteArray> declaredTypes;
    QList<QList<QVariant>> rows; // NULL is an invalid QVariant

    // Field names compare without regard to letter case; -1 when absent.
    int columnIndex(const QString &name) const
    {
        for (int i = 0; i < columns.size(); ++i)
            if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
};
