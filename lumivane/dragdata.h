#ifndef LUMIVANE_DRAGDATA_H
#define LUMIVANE_DRAGDATA_H

// The data object of a drag that the control starts. A host that promises a
// format without its data (setData(format, {})) is asked for the data only when
// a drop target wants it: the supplier runs with the format's clipboard number
// (1 text, 2 bitmap, 15 files, 0 for others) and fills the data in.

#include <QMimeData>

#include <functional>

class DragData final : public QMimeData
{
    Q_OBJECT

public:
    using Supplier = std::function<void(DragData *data, int &dataFormat)>;

    explicit DragData(Supplier supplier = {});

    // The clipboard number of a MIME type.
    static int formatNumber(const QString &mimeType);

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override;

private:
    Supplier m_supplier;
    mutable bool m_supplying = false; // a supplier reading the data asks nothing again

    Q_DISABLE_COPY_MOVE(DragData)
};

#endif
