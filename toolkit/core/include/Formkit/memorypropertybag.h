#ifndef FORMKIT_MEMORYPROPERTYBAG_H
#define FORMKIT_MEMORYPROPERTYBAG_H

/// \class Formkit::MemoryPropertyBag
/// A property bag held in memory: what a window's saved layout keeps for one
/// control. Names match without regard to case and keep the spelling and order of
/// their first write; a write of a value equal to its default removes the value.

#include "Formkit/formkitcore_export.h"
#include "Formkit/propertybag.h"

#include <QStringList>

#include <memory>

namespace Formkit {

class MemoryPropertyBagPrivate;

class FORMKITCORE_EXPORT MemoryPropertyBag final : public QObject, public PropertyBag
{
    Q_OBJECT
    Q_INTERFACES(Formkit::PropertyBag)

public:
    /// An empty bag.
    explicit MemoryPropertyBag(QObject *parent = nullptr);
    ~MemoryPropertyBag() override;

    /// Stores a value as the host's saved layout gives it.
    void setValue(const QString &name, const QVariant &value);
    /// Whether a value is stored under the name.
    bool contains(const QString &name) const;
    /// The value stored under the name; QVariant() when none is.
    QVariant value(const QString &name) const;
    /// The names stored, in the order of their first write.
    QStringList names() const;

    /// The stored value, or defaultValue when none is stored; never an error.
    QVariant readProperty(
        const QString &name, const QVariant &defaultValue, ControlError *error = nullptr) override;
    /// Stores the value, or removes it when it equals defaultValue.
    ControlError writeProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue) override;

private:
    Q_DECLARE_PRIVATE(MemoryPropertyBag)
    const std::unique_ptr<MemoryPropertyBagPrivate> d_ptr;

    Q_DISABLE_COPY_MOVE(MemoryPropertyBag)
};

} // namespace Formkit

#endif
