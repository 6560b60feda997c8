#ifndef BRIMLOW_CONTROLREGISTRY_H
#define BRIMLOW_CONTROLREGISTRY_H

// The registry of installed controls: a JSON file that maps class identifiers and
// programmatic names to the library that serves the class, laid out as the
// component model's registry keys (CLSID, ProgID, TypeLib, Interface).
//
// Where it lives: the file named by BRIMLOW_CONTROL_REGISTRY when that is set
// (tests and packagers point it elsewhere); otherwise "controls.json" beside the
// running program when that exists (a build tree registers there); otherwise the
// per-user "$XDG_DATA_HOME/brimlow/controls.json". After that one a host also
// reads the registry installed with this runtime,
// "<prefix>/share/formruntime/controls.json" beside the runtime's own library
// folder, where an installed control registers itself for its prefix.
//
// Library paths are stored relative to the registry's folder (absolute ones
// written by hand are read as they stand).

#include "toolkit/classfactory.h"
#include "toolkit/controlerror.h"
#include "toolkit/formruntime_export.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

class FORMRUNTIME_EXPORT ControlRegistry final
{
public:
    struct ClassEntry
    {
        QString classId;
        QString className;
        QString progId;
        QString serverPath;
        bool isControl = false;
        QString typeLibId;
        QString typeLibVersion;
    };

    explicit ControlRegistry(QString path);

    static QString defaultPath();
    // The registry installed with this runtime library; empty when that cannot
    // be told.
    static QString installedPath();
    // The registries a host reads, in order: defaultPath(), then installedPath().
    static QStringList searchPaths();
    static QString fileName() { return QStringLiteral("controls.json"); }

    const QString &path() const { return m_path; }

    // Adds (or replaces) the class, its programmatic name, its interfaces and its
    // type library, served by the library at serverPath. An empty text on
    // success, else what went wrong.
    QString registerClass(
        const component::ComponentDescription &description, const QString &serverPath) const;
    // Removes what registerClass added. Removing what is not there succeeds.
    QString unregisterClass(const component::ComponentDescription &description) const;

    // The class registered under a programmatic name or a class identifier
    // ("{...}", letters in any case); when there is none, *error (if given) says
    // why.
    std::optional<ClassEntry> find(const QString &progIdOrClassId, QString *error = nullptr) const;

private:
    // The file's content; an empty object when there is no file. A file that is
    // there but cannot be read is an error, so that nothing overwrites it.
    std::optional<QJsonObject> load(QString *error) const;
    QString save(const QJsonObject &root) const;
    QString storedServerPath(const QString &serverPath) const;
    QString resolvedServerPath(const QString &stored) const;

    QString m_path;
};

#endif
