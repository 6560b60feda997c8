#include "dragdata.h"

DragData::DragData(Supplier supplier)
    : m_supplier(std::move(supplier))
{ }

int DragData::formatNumber(const QString &mimeType)
{
    if (mimeType == QLatin1String("text/plain"))
        return 1;
    if (mimeType.startsWith(QLatin1String("image/")) || mimeType == QLatin1String("application/x-qt-image"))
        return 2;
    if (mimeType == QLatin1String("text/uri-list"))
        return 15;
    return 0;
}

QVariant DragData::retrieveData(const QString &mimeType, QMetaType type) const
{
    QVariant stored = QMimeData::retrieveData(mimeType, type);
    const bool promised = formats().contains(mimeType) && stored.toByteArray().isEmpty();
    if (m_supplier && promised && !m_supplying) {
        int format = formatNumber(mimeType);
        m_supplying = true;
        // The host fills in the data it promised; the object itself is not const to it.
        m_supplier(const_cast<DragData *>(this), format);
        m_supplying = false;
        stored = QMimeData::retrieveData(mimeType, type);
    }
    return stored;
}
