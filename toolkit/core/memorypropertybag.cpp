#include "Formkit/memorypropertybag.h"

namespace Formkit {

MemoryPropertyBag::MemoryPropertyBag(QObject *parent)
    : QObject(parent)
{ }

MemoryPropertyBag::~MemoryPropertyBag() = default;

qsizetype MemoryPropertyBag::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        if (m_values.at(i).first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void MemoryPropertyBag::setValue(const QString &name, const QVariant &value)
{
    const qsizetype index = indexOf(name);
    if (index >= 0)
        m_values[index].second = value;
    else
        m_values.append({ name, value });
}

bool MemoryPropertyBag::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}

QVariant MemoryPropertyBag::value(const QString &name) const
{
    const qsizetype index = indexOf(name);
    return index >= 0 ? m_values.at(index).second : QVariant();
}

QStringList MemoryPropertyBag::names() const
{
    QStringList result;
    for (const auto &entry : m_values)
        result << entry.first;
    return result;
}

QVariant MemoryPropertyBag::readProperty(
    const QString &name, const QVariant &defaultValue, ControlError *error)
{
    if (error)
        *error = {};
    const qsizetype index = indexOf(name);
    return index >= 0 ? m_values.at(index).second : defaultValue;
}

ControlError MemoryPropertyBag::writeProperty(
    const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    const qsizetype index = indexOf(name);
    if (value == defaultValue) {
        if (index >= 0)
            m_values.removeAt(index);
        return {};
    }
    setValue(name, value);
    return {};
}

} // namespace Formkit
