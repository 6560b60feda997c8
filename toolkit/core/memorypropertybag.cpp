#include "Formkit/memorypropertybag.h"

#include <QList>
#include <QPair>

namespace Formkit {

class MemoryPropertyBagPrivate
{
public:
    qsizetype indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> values;
};

MemoryPropertyBag::MemoryPropertyBag(QObject *parent)
    : QObject(parent)
    , d_ptr(std::make_unique<MemoryPropertyBagPrivate>())
{ }

MemoryPropertyBag::~MemoryPropertyBag() = default;

qsizetype MemoryPropertyBagPrivate::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (values.at(i).first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void MemoryPropertyBag::setValue(const QString &name, const QVariant &value)
{
    Q_D(MemoryPropertyBag);
    const qsizetype index = d->indexOf(name);
    if (index >= 0)
        d->values[index].second = value;
    else
        d->values.append({ name, value });
}

bool MemoryPropertyBag::contains(const QString &name) const
{
    Q_D(const MemoryPropertyBag);
    return d->indexOf(name) >= 0;
}

QVariant MemoryPropertyBag::value(const QString &name) const
{
    Q_D(const MemoryPropertyBag);
    const qsizetype index = d->indexOf(name);
    return index >= 0 ? d->values.at(index).second : QVariant();
}

QStringList MemoryPropertyBag::names() const
{
    Q_D(const MemoryPropertyBag);
    QStringList result;
    for (const auto &entry : d->values)
        result << entry.first;
    return result;
}

QVariant MemoryPropertyBag::readProperty(
    const QString &name, const QVariant &defaultValue, ControlError *error)
{
    Q_D(MemoryPropertyBag);
    if (error)
        *error = {};
    const qsizetype index = d->indexOf(name);
    return index >= 0 ? d->values.at(index).second : defaultValue;
}

ControlError MemoryPropertyBag::writeProperty(
    const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    Q_D(MemoryPropertyBag);
    const qsizetype index = d->indexOf(name);
    if (value == defaultValue) {
        if (index >= 0)
            d->values.removeAt(index);
        return {};
    }
    setValue(name, value);
    return {};
}

} // namespace Formkit
