#include "Formkit/filepropertybag.h"

#include "Formkit/memorypropertybag.h"
#include "Formkit/savefile.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPixmap>

#include <cmath>
#include <optional>

namespace Formkit {

namespace {

// The heading a bag is written with, and the one of the first version of this
// runtime, whose bags read the same way.
constexpr QByteArrayView heading = "FormkitPropertyBag 2";
constexpr QByteArrayView firstHeading = "BrimlowPropertyBag 1";

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9');
}

bool isValidName(QByteArrayView name)
{
    if (name.isEmpty() || !isNameStart(name.front()))
        return false;
    for (char c : name) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

QByteArray quoted(const QString &text)
{
    QByteArray out = "\"";
    for (char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

// The text of a quoted value, or nothing when it is not one.
std::optional<QString> unquoted(QByteArrayView text)
{
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return std::nullopt;
    QByteArray out;
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        const char c = text.at(i);
        if (c == '"')
            return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= text.size() - 1)
            return std::nullopt;
        switch (text.at(i)) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

QImage imageOf(const QVariant &value)
{
    return value.typeId() == QMetaType::QPixmap ? value.value<QPixmap>().toImage() : value.value<QImage>();
}

// One value as "Type text".
QByteArray encoded(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        return "Long " + QByteArray::number(value.toInt());
    case QMetaType::UInt:
        // Colours given as unsigned OLE colours keep their bits.
        return "Long " + QByteArray::number(qint32(value.toUInt()));
    case QMetaType::Short:
    case QMetaType::UShort:
        return "Long " + QByteArray::number(value.toInt());
    case QMetaType::Float:
        return "Single " + QByteArray::number(double(value.toFloat()), 'g', 9);
    case QMetaType::Double:
        return "Double " + QByteArray::number(value.toDouble(), 'g', 17);
    case QMetaType::Bool:
        return value.toBool() ? "Boolean True" : "Boolean False";
    case QMetaType::QString:
        return "String " + quoted(value.toString());
    case QMetaType::QFont:
        return "Font " + quoted(value.value<QFont>().toString());
    case QMetaType::QImage:
    case QMetaType::QPixmap: {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!imageOf(value).save(&buffer, "PNG"))
            return {}; // a null picture has nothing to store
        return "Picture " + png.toBase64();
    }
    default:
        return {};
    }
}

struct Decoded
{
    QVariant value;
    QString error;
};

Decoded decoded(QByteArrayView type, QByteArrayView text)
{
    const QByteArray data = text.toByteArray();
    bool ok = false;
    if (type == "Long") {
        const int v = data.toInt(&ok);
        return ok ? Decoded { v, {} } : Decoded { {}, QStringLiteral("not a whole number of 32 bits") };
    }
    if (type == "Single") {
        const float v = data.toFloat(&ok);
        if (!ok || !std::isfinite(v))
            return { {}, QStringLiteral("not a single-precision number") };
        return { v, {} };
    }
    if (type == "Double") {
        const double v = data.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return { {}, QStringLiteral("not a number") };
        return { v, {} };
    }
    if (type == "Boolean") {
        if (data == "True")
            return { true, {} };
        if (data == "False")
            return { false, {} };
        return { {}, QStringLiteral("a Boolean is True or False") };
    }
    if (type == "String" || type == "Font") {
        const std::optional<QString> s = unquoted(text);
        if (!s)
            return { {}, QStringLiteral("a text in double quotes was expected") };
        if (type == "String")
            return { *s, {} };
        QFont font;
        if (s->isEmpty() || !font.fromString(*s))
            return { {}, QStringLiteral("not a font description") };
        return { font, {} };
    }
    if (type == "Picture") {
        const auto bytes = QByteArray::fromBase64Encoding(data, QByteArray::AbortOnBase64DecodingErrors);
        QImage image;
        if (!bytes || bytes.decoded.isEmpty() || !image.loadFromData(bytes.decoded, "PNG"))
            return { {}, QStringLiteral("not a PNG picture in base 64") };
        return { image, {} };
    }
    return { {}, QStringLiteral("unknown type \"%1\"").arg(QString::fromUtf8(type.toByteArray())) };
}

QByteArrayView trimmed(QByteArrayView text)
{
    return text.trimmed();
}

} // namespace

class FilePropertyBagPrivate
{
public:
    MemoryPropertyBag values;
};

FilePropertyBag::FilePropertyBag(QObject *parent)
    : QObject(parent)
    , d_ptr(std::make_unique<FilePropertyBagPrivate>())
{ }

FilePropertyBag::~FilePropertyBag() = default;

QStringList FilePropertyBag::names() const
{
    Q_D(const FilePropertyBag);
    return d->values.names();
}

QVariant FilePropertyBag::value(const QString &name) const
{
    Q_D(const FilePropertyBag);
    return d->values.value(name);
}

bool FilePropertyBag::canStore(const QVariant &value)
{
    return !encoded(value).isEmpty();
}

QString FilePropertyBag::readText(QByteArrayView text)
{
    Q_D(FilePropertyBag);
    QList<QPair<QString, QVariant>> read;
    qsizetype lineNumber = 0;
    qsizetype start = 0;
    bool headed = false;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        const QString where = QStringLiteral("line %1: ").arg(lineNumber);
        if (!headed) {
            if (line != heading && line != firstHeading)
                return where
                    + QStringLiteral("not a property bag (the first line is not \"%1\")")
                          .arg(QString::fromLatin1(heading));
            headed = true;
            continue;
        }
        if (trimmed(line).isEmpty())
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return where + QStringLiteral("\"name = type value\" was expected");
        const QByteArrayView name = trimmed(line.first(equals));
        if (!isValidName(name))
            return where + QStringLiteral("a name is letters, digits and underscores");
        const QByteArrayView rest = trimmed(line.sliced(equals + 1));
        const qsizetype blank = rest.indexOf(' ');
        const QByteArrayView type = blank < 0 ? rest : rest.first(blank);
        const QByteArrayView value = blank < 0 ? QByteArrayView() : trimmed(rest.sliced(blank + 1));
        if (value.isEmpty())
            return where + QStringLiteral("\"%1\" has no value").arg(QString::fromLatin1(name));
        const Decoded found = decoded(type, value);
        if (!found.error.isEmpty())
            return where + QStringLiteral("\"%1\": ").arg(QString::fromLatin1(name)) + found.error;
        read.append({ QString::fromLatin1(name), found.value });
    }
    if (!headed)
        return QStringLiteral("line 1: not a property bag (the file is empty)");

    MemoryPropertyBag fresh;
    for (const auto &[name, value] : read)
        fresh.setValue(name, value);
    // Swap in only now, so a text with an error leaves the bag as it was.
    for (const QString &name : d->values.names())
        d->values.writeProperty(name, QVariant(), QVariant());
    for (const QString &name : fresh.names())
        d->values.setValue(name, fresh.value(name));
    return {};
}

QByteArray FilePropertyBag::text() const
{
    Q_D(const FilePropertyBag);
    QByteArray out = heading.toByteArray() + '\n';
    for (const QString &name : d->values.names())
        out += name.toLatin1() + " = " + encoded(d->values.value(name)) + '\n';
    return out;
}

QString FilePropertyBag::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
    const QString error = readText(content);
    return error.isEmpty() ? QString() : QStringLiteral("%1, %2").arg(path, error);
}

QString FilePropertyBag::save(const QString &path) const
{
    const QString reason = saveFile(path, text());
    return reason.isEmpty() ? QString() : QStringLiteral("%1 cannot be written: %2").arg(path, reason);
}

QVariant FilePropertyBag::readProperty(const QString &name, const QVariant &defaultValue, ControlError *error)
{
    Q_D(FilePropertyBag);
    return d->values.readProperty(name, defaultValue, error);
}

ControlError FilePropertyBag::writeProperty(
    const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    Q_D(FilePropertyBag);
    if (value == defaultValue)
        return d->values.writeProperty(name, value, defaultValue);
    QByteArray latin = name.toLatin1();
    if (!isValidName(latin) || QString::fromLatin1(latin) != name)
        return controlerror::make(controlerror::invalidProcedureCall);
    if (!canStore(value))
        return controlerror::make(controlerror::typeMismatch);
    return d->values.writeProperty(name, value, defaultValue);
}

} // namespace Formkit
