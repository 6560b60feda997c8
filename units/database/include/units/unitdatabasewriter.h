#ifndef BRIMLOW_UNITDATABASEWRITER_H
#define BRIMLOW_UNITDATABASEWRITER_H

// Writes a unit database: the one table `table1` (`unit`, `value`), encrypted
// with a password. The build writes the shipped file with it from the reviewed
// unit table; tests write small files of their own with the same code.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

struct UnitRow
{
    QString unit;
    // A number as a rule; tests also store a text or nothing (an invalid
    // QVariant becomes NULL) to see how the readers cope.
    QVariant value;
};

// Replaces the file at path. An empty password writes a plain, unencrypted
// database. Returns a message when the file cannot be written.
std::optional<QString> writeUnitDatabase(
    const QString &path, const QList<UnitRow> &rows, const QByteArray &password);

#endif
