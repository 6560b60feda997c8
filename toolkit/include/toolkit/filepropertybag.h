#ifndef BRIMLOW_FILEPROPERTYBAG_H
#define BRIMLOW_FILEPROPERTYBAG_H

// A property bag kept in a text file, one value a line after a heading line:
//
//   BrimlowPropertyBag 1
//   TransparentColor = Long 12500670
//   ScaleWidth = Single 1380
//   Font = Font "Sans Serif,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
//   Picture = Picture iVBORw0KGgo...        (the image as PNG, in base 64)
//
// Types: Long (32-bit integer), Single, Double, Boolean (True or False),
// String and Font (quoted, with \\, \", \n, \r and \t escaped), Picture. A value
// of another type cannot be stored. Names match without regard to case; a write
// of a value equal to its default removes the value, as in any bag. Pictures read
// back as images and fonts as fonts, so a control gets back what it wrote.

#include "toolkit/formruntime_export.h"
#include "toolkit/memorypropertybag.h"

#include <QByteArray>
#include <QByteArrayView>

class FORMRUNTIME_EXPORT FilePropertyBag final : public QObject, public PropertyBag
{
    Q_OBJECT
    Q_INTERFACES(PropertyBag)

public:
    explicit FilePropertyBag(QObject *parent = nullptr);

    // Replaces the values by those of the text, or, when the text is not a bag,
    // keeps them and says why ("line 3: ..."). An empty answer means it was read.
    QString readText(QByteArrayView text);
    QByteArray text() const;

    // The same with a file; the answer names the file when it cannot be read or written.
    QString load(const QString &path);
    QString save(const QString &path) const;

    QStringList names() const { return m_values.names(); }
    QVariant value(const QString &name) const { return m_values.value(name); }

    QVariant readProperty(
        const QString &name, const QVariant &defaultValue, ControlError *error = nullptr) override;
    ControlError writeProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue) override;

    // Whether a value of this type can be stored.
    static bool canStore(const QVariant &value);

private:
    MemoryPropertyBag m_values;

    Q_DISABLE_COPY_MOVE(FilePropertyBag)
};

#endif
