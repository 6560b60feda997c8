#ifndef FORMKIT_CONTROLREGISTRY_H
#define FORMKIT_CONTROLREGISTRY_H

/// \class Formkit::ControlRegistry
/// The registry of installed controls: a JSON file that maps class identifiers and
/// programmatic names to the library that serves the class, laid out as the
/// component model's registry keys (CLSID, ProgID, TypeLib, Interface).
///
/// Where it lives is the host's choice: a registry is a file the host names.
/// The runtime knows two places of its own, which createControl() without a
/// list of places reads in this order: the user's registry
/// "$XDG_DATA_HOME/formkit/controls.json" (userPath()), then the registry
/// installed with this runtime, "\<prefix\>/share/formkit/controls.json" beside
/// the runtime's own library folder (installedPath()), where an installed
/// control registers itself for its prefix. A host that keeps controls
/// elsewhere (a build folder, say) puts its own places in front.
///
/// Library paths are stored relative to the registry's folder (absolute ones
/// written by hand are read as they stand).

#include "Formkit/classfactory.h"
#include "Formkit/controlerror.h"
#include "Formkit/formkitcore_export.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace Formkit {

class ControlRegistryPrivate;

class FORMKITCORE_EXPORT ControlRegistry final
{
public:
    /// One registered class.
    struct ClassEntry
    {
        ///@{
        /// What the registry holds for one class: its names, the library that serves it
        /// (serverPath), and its type library.
        QString classId;
        QString className;
        QString progId;
        QString serverPath;
        bool isControl = false;
        QString typeLibId;
        QString typeLibVersion;
        ///@}
    };

    /// The registry kept in the file at path (created on the first registration).
    explicit ControlRegistry(QString path);
    ///@{
    /// Copies name the same file.
    ControlRegistry(const ControlRegistry &other);
    ControlRegistry &operator=(const ControlRegistry &other);
    ///@}
    ~ControlRegistry();

    /// The user's own registry: "controls.json" in the folder "formkit" of the
    /// user's data folder ($XDG_DATA_HOME, by default ~/.local/share).
    static QString userPath();
    /// The registry installed with this runtime library; empty when that cannot
    /// be told.
    static QString installedPath();
    /// The runtime's own places, in the order a host reads them: userPath(),
    /// then installedPath().
    static QStringList defaultSearchPaths();
    /// The registry a control module writes when it registers or unregisters
    /// itself: the one handed to componentruntime::registerServer() for the
    /// call in progress, else userPath().
    static QString registrationPath();
    /// The registry's file name, "controls.json".
    static QString fileName();

    /// The registry's file.
    QString path() const;

    /// Adds (or replaces) the class, its programmatic name, its interfaces and its
    /// type library, served by the library at serverPath. An empty text on
    /// success, else what went wrong.
    QString registerClass(
        const component::ComponentDescription &description, const QString &serverPath) const;
    /// Removes what registerClass added. Removing what is not there succeeds.
    QString unregisterClass(const component::ComponentDescription &description) const;

    /// The class registered under a programmatic name or a class identifier
    /// ("{...}", letters in any case); when there is none, *error (if given) says
    /// why.
    std::optional<ClassEntry> find(const QString &progIdOrClassId, QString *error = nullptr) const;

private:
    Q_DECLARE_PRIVATE(ControlRegistry)
    std::unique_ptr<ControlRegistryPrivate> d_ptr;
};

} // namespace Formkit

#endif
