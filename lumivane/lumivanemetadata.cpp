// The module's plug-in metadata, which the component runtime reads from the
// file before it loads the module: the classes it serves and the runtime
// interface it was built for (lumivane.json). The class is never made; only
// its metadata matters.

#include <QObject>

namespace {

class LumivaneMetadata final : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.formkit.Control" FILE "lumivane.json")
};

} // namespace

#include "lumivanemetadata.moc"
