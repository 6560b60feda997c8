// Fuzzes the reader of the property bag kept in a text file: any bytes give
// either a bag or a message naming the line, never a crash. A text that reads
// as a bag is written out again, and that text reads back to the same bag.

#include "Formkit/filepropertybag.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using Formkit::FilePropertyBag;

namespace {

[[noreturn]] void fail(const char *what, const QByteArray &text)
{
    std::fprintf(stderr, "%s\n%s\n", what, text.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Fonts need a GUI application; pictures decode without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));
    FilePropertyBag bag;
    const QString error = bag.readText(text);
    if (!error.isEmpty()) {
        if (!error.startsWith(QLatin1String("line ")))
            fail("a message that does not name its line", error.toUtf8());
        if (!bag.names().isEmpty())
            fail("a text with an error left values behind", text.toByteArray());
        return 0;
    }
    const QByteArray written = bag.text();
    FilePropertyBag again;
    const QString againError = again.readText(written);
    if (!againError.isEmpty())
        fail(qPrintable(QStringLiteral("what the bag wrote does not read back: ") + againError), written);
    if (again.text() != written)
        fail("what the bag wrote reads back differently", written);
    return 0;
}
