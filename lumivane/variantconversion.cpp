#include "variantconversion.h"

#include <QLocale>
#include <QPixmap>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

using Formkit::OleColor;
namespace controlerror = Formkit::controlerror;

namespace variantconversion {

namespace {

// The number a variant holds, or nullopt for a value that is no number.
std::optional<double> numberOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0; // True is -1
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return -1.0;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return 0.0;
        bool ok = false;
        double number = QLocale().toDouble(text, &ok);
        if (!ok)
            number = QLocale::c().toDouble(text, &ok);
        if (ok)
            return number;
        return std::nullopt;
    }
    default:
        if (value.metaType().flags() & QMetaType::IsEnumeration)
            return double(value.toLongLong());
        return std::nullopt;
    }
}

template <class T> Converted<T> wholeOf(std::optional<double> number, double lowest, double highest)
{
    Converted<T> result;
    if (!number || std::isnan(*number)) {
        result.error = controlerror::make(controlerror::typeMismatch);
        return result;
    }
    const double rounded = std::nearbyint(*number); // the default rounding: half to even
    if (rounded < lowest || rounded > highest) {
        result.error = controlerror::make(controlerror::overflow);
        return result;
    }
    result.value = T(rounded);
    return result;
}

Converted<float> checkedSingle(std::optional<double> number)
{
    Converted<float> result;
    if (!number || std::isnan(*number)) {
        result.error = controlerror::make(controlerror::typeMismatch);
    } else if (std::abs(*number) > double(FLT_MAX)) {
        result.error = controlerror::make(controlerror::overflow);
    } else {
        result.value = float(*number);
    }
    return result;
}

} // namespace

Converted<qint16> toInteger(const QVariant &value)
{
    return wholeOf<qint16>(numberOf(value), -32768.0, 32767.0);
}

Converted<qint32> toLong(const QVariant &value)
{
    return wholeOf<qint32>(numberOf(value), -2147483648.0, 2147483647.0);
}

Converted<float> toSingle(const QVariant &value)
{
    return checkedSingle(numberOf(value));
}

Converted<qint16> integerOf(double number)
{
    return wholeOf<qint16>(number, -32768.0, 32767.0);
}

Converted<float> singleOf(double number)
{
    return checkedSingle(number);
}

Converted<bool> toBoolean(const QVariant &value)
{
    Converted<bool> result;
    const std::optional<double> number = numberOf(value);
    if (!number)
        result.error = controlerror::make(controlerror::typeMismatch);
    else
        result.value = *number != 0.0;
    return result;
}

Converted<QString> toText(const QVariant &value)
{
    Converted<QString> result;
    if (value.typeId() == QMetaType::Bool)
        result.value = value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    else if (value.canConvert<QString>())
        result.value = value.toString();
    else
        result.error = controlerror::make(controlerror::typeMismatch);
    return result;
}

Converted<OleColor> toColour(const QVariant &value)
{
    Converted<OleColor> result;
    const Converted<qint64> whole = wholeOf<qint64>(numberOf(value), -2147483648.0, 4294967295.0);
    if (!whole.ok())
        result.error = whole.error;
    else
        result.value = OleColor(quint64(whole.value) & 0xFFFFFFFFu);
    return result;
}

Converted<QImage> toPicture(const QVariant &value)
{
    Converted<QImage> result;
    if (!value.isValid() || value.isNull())
        return result;
    if (value.typeId() == QMetaType::QImage)
        result.value = value.value<QImage>();
    else if (value.typeId() == QMetaType::QPixmap)
        result.value = value.value<QPixmap>().toImage();
    else
        result.error = controlerror::make(controlerror::typeMismatch);
    return result;
}

Converted<QFont> toFont(const QVariant &value)
{
    Converted<QFont> result;
    if (value.typeId() == QMetaType::QFont)
        result.value = value.value<QFont>();
    else
        result.error = controlerror::make(controlerror::typeMismatch);
    return result;
}

} // namespace variantconversion
