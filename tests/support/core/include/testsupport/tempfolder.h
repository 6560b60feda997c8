#ifndef BRIMLOW_TESTS_TEMPFOLDER_H
#define BRIMLOW_TESTS_TEMPFOLDER_H

// Files for tests that write and read them: a fresh folder that goes away with
// everything in it, and whole files written and read back in one call.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempFolder final
{
public:
    TempFolder() = default;

    // False when the system gave no folder; a test checks it in its set-up.
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Writes bytes as the whole file name in the folder and gives its path; an
    // empty text when it could not be written.
    QString write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;

    Q_DISABLE_COPY_MOVE(TempFolder)
};

// Replaces the file at path by bytes; false when it could not be written whole.
bool writeFile(const QString &path, const QByteArray &bytes);

// The whole content of the file at path, or "<missing>" when it cannot be read,
// so a comparison with the expected bytes names the fault.
QByteArray readFile(const QString &path);

#endif
