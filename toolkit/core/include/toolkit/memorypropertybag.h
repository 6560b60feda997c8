#ifndef BRIMLOW_MEMORYPROPERTYBAG_H
#define BRIMLOW_MEMORYPROPERTYBAG_H

// A property bag held in memory: what a window's saved layout keeps for one
// control. Names match without regard to case and keep the spelling and order of
// their first write; a write of a value equal to its default removes the value.

#include "toolkit/formruntime_export.h"
#include "toolkit/propertybag.h"

#include <QList>
#include <QPair>

class FORMRUNTIME_EXPORT MemoryPropertyBag final : public QObject, public PropertyBag
{
    Q_OBJECT
    Q_INTERFACES(PropertyBag)

public:
    explicit MemoryPropertyBag(QObject *parent = nullptr);
    ~MemoryPropertyBag() override;

    // Stores a value as the host's saved layout gives it.
    void setValue(const QString &name, const QVariant &value);
    bool contains(const QString &name) const;
    QVariant value(const QString &name) const;
    QStringList names() const;

    QVariant readProperty(
        const QString &name, const QVariant &defaultValue, ControlError *error = nullptr) override;
    ControlError writeProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue) override;

private:
    qsizetype indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> m_values;

    Q_DISABLE_COPY_MOVE(MemoryPropertyBag)
};

#endif
