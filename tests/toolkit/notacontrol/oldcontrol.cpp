// A library that says it serves the control's class, but for another
// interface of the runtime than this one.

#include "leavemark.h"

#include <QObject>

namespace {

class OldControlMetadata final : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.formkit.Control" FILE "oldcontrol.json")
};

} // namespace

#include "oldcontrol.moc"
