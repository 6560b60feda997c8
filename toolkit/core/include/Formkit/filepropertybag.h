#ifndef FORMKIT_FILEPROPERTYBAG_H
#define FORMKIT_FILEPROPERTYBAG_H

/// \class Formkit::FilePropertyBag
/// A property bag kept in a text file, one value a line after a heading line
/// (a picture is stored as PNG, in base 64):
///
/// \verbatim
/// FormkitPropertyBag 2
/// TransparentColor = Long 12500670
/// ScaleWidth = Single 1380
/// Font = Font "Sans Serif,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
/// Picture = Picture iVBORw0KGgo...
/// \endverbatim
///
/// Types: Long (32-bit integer), Single, Double, Boolean (True or False),
/// String and Font (quoted, with backslash, double quote, newline, carriage return and tab
/// escaped as in C), Picture. A value
/// of another type cannot be stored. Names match without regard to case; a write
/// of a value equal to its default removes the value, as in any bag. Pictures read
/// back as images and fonts as fonts, so a control gets back what it wrote.

#include "Formkit/formkitcore_export.h"
#include "Formkit/propertybag.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <memory>

namespace Formkit {

class FilePropertyBagPrivate;

class FORMKITCORE_EXPORT FilePropertyBag final : public QObject, public PropertyBag
{
    Q_OBJECT
    Q_INTERFACES(Formkit::PropertyBag)

public:
    /// An empty bag.
    explicit FilePropertyBag(QObject *parent = nullptr);
    ~FilePropertyBag() override;

    /// Replaces the values by those of the text, or, when the text is not a bag,
    /// keeps them and says why ("line 3: ..."). An empty answer means it was read.
    QString readText(QByteArrayView text);
    /// The values as the text of a bag file.
    QByteArray text() const;

    /// Reads the bag file at path as readText() does; the answer names the
    /// file when it cannot be read.
    QString load(const QString &path);
    /// Writes the bag to path whole or not at all (an earlier file stays on any
    /// failure); the answer names the file and the reason when it cannot be
    /// written, and is empty when it was.
    QString save(const QString &path) const;

    /// The names stored, in the order of their first write.
    QStringList names() const;
    /// The value stored under the name; QVariant() when none is.
    QVariant value(const QString &name) const;

    QVariant readProperty(
        const QString &name, const QVariant &defaultValue, ControlError *error = nullptr) override;
    ControlError writeProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue) override;

    /// Whether a value of this type can be stored.
    static bool canStore(const QVariant &value);

private:
    Q_DECLARE_PRIVATE(FilePropertyBag)
    const std::unique_ptr<FilePropertyBagPrivate> d_ptr;

    Q_DISABLE_COPY_MOVE(FilePropertyBag)
};

} // namespace Formkit

#endif
