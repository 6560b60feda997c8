#include "Lumivane/lumivane.h"
#include "membertable.h"

#include <QMetaEnum>
#include <QMetaMethod>
#include <QTest>

using namespace lumivanetypes;

class tst_MemberTable final : public QObject
{
    Q_OBJECT

private slots:
    void membersInInterfaceOrder();
    void lookups();
    void everyMemberIsReachableByName();
    void eventsAreSignalsInOrder();
    void enumsMatchTheTypeLibrary_data();
    void enumsMatchTheTypeLibrary();
    void classInfoNamesTheTypeLibrary();
};

void tst_MemberTable::membersInInterfaceOrder()
{
    // Name, identifier and access of every member of _Lumivane, in interface order.
    struct Row
    {
        const char *name;
        quint32 id;
        const char *access;
    };
    const Row expected[] = {
        { "Appearance", 0x68030026, "GL" },
        { "TransparentColor", 0x68030025, "GL" },
        { "BackStyle", 0x68030024, "GL" },
        { "BorderStyle", 0x68030023, "GL" },
        { "ClipControls", 0x68030022, "GL" },
        { "Cls", 0x60030030, "M" },
        { "DrawMode", 0x68030021, "GL" },
        { "DrawStyle", 0x68030020, "GL" },
        { "DrawWidth", 0x6803001F, "GL" },
        { "Enabled", 0x6803001E, "GL" },
        { "FillColor", 0x6803001D, "GL" },
        { "FillStyle", 0x6803001C, "GL" },
        { "Font", 0xFFFFFE00, "GS" },
        { "FontTransparent", 0x6803001B, "GL" },
        { "ForeColor", 0x6803001A, "GL" },
        { "hwnd", 0x68030019, "G" },
        { "Image", 0x68030018, "G" },
        { "MouseIcon", 0x68030017, "GS" },
        { "MousePointer", 0x68030016, "GL" },
        { "Picture", 0x68030015, "GS" },
        { "Point", 0x60030039, "M" },
        { "Refresh", 0x6003003A, "M" },
        { "Scale_", 0x6003003B, "M" },
        { "ScaleHeight", 0x68030014, "GL" },
        { "ScaleLeft", 0x68030013, "GL" },
        { "ScaleMode", 0x68030012, "GL" },
        { "ScaleTop", 0x68030011, "GL" },
        { "ScaleWidth", 0x68030010, "GL" },
        { "ScaleX", 0x6003003C, "M" },
        { "ScaleY", 0x6003003D, "M" },
        { "TextWidth", 0x6003003E, "M" },
        { "TextHeight", 0x6003003F, "M" },
        { "ToolTipText", 0x6803000F, "GL" },
        { "ReplaceColor", 0x60030042, "M" },
        { "RightToLeft", 0x6803000E, "GL" },
        { "WhatsThisHelpID", 0x6803000D, "GL" },
        { "OLEDragMode", 0x6803000C, "GL" },
        { "LinkTimeout", 0x6803000B, "GL" },
        { "LinkTopic", 0x6803000A, "GL" },
        { "LinkItem", 0x68030009, "GL" },
        { "LinkMode", 0x68030008, "GL" },
        { "hDC", 0x68030007, "G" },
        { "CurrentX", 0x68030006, "GL" },
        { "CurrentY", 0x68030005, "GL" },
        { "PaintPicture", 0x60030043, "M" },
        { "OLEDropMode", 0x68030004, "GL" },
        { "OLEDrag", 0x60030049, "M" },
        { "AutoRedraw", 0x68030003, "GL" },
        { "Canvas", 0x68030002, "G" },
        { "Moveable", 0x68030001, "GL" },
        { "MoveStyle", 0x68030000, "GL" },
    };
    const auto table = members();
    QCOMPARE(table.size(), std::size(expected));
    for (size_t i = 0; i < table.size(); ++i) {
        const Member &m = table[i];
        const QByteArray context
            = QByteArray("row ") + QByteArray::number(qulonglong(i)) + ' ' + expected[i].name;
        QVERIFY2(qstrcmp(m.name, expected[i].name) == 0, context);
        QVERIFY2(quint32(m.dispatchId) == expected[i].id, context);
        QString access;
        if (m.access & Get)
            access += QLatin1Char('G');
        if (m.access & Let)
            access += QLatin1Char('L');
        if (m.access & Set)
            access += QLatin1Char('S');
        if (m.access & Method)
            access += QLatin1Char('M');
        QVERIFY2(access == QLatin1String(expected[i].access), context);
    }
}

void tst_MemberTable::lookups()
{
    QCOMPARE(QLatin1String(memberById(0x60030043)->name), QLatin1String("PaintPicture"));
    QCOMPARE(memberByName(QStringLiteral("paintpicture"))->dispatchId, 0x60030043);
    QCOMPARE(memberByName(QStringLiteral("SCALE_"))->dispatchId, 0x6003003B);
    QVERIFY(memberById(0x12345678) == nullptr);
    QVERIFY(memberByName(QStringLiteral("Scale")) == nullptr);
}

void tst_MemberTable::everyMemberIsReachableByName()
{
    const QMetaObject &meta = Lumivane::staticMetaObject;
    for (const Member &m : members()) {
        if (m.access & Method) {
            bool found = false;
            for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
                const QMetaMethod method = meta.method(i);
                if (method.methodType() == QMetaMethod::Method && method.name() == m.name)
                    found = true;
            }
            QVERIFY2(found, m.name);
        } else {
            const int index = meta.indexOfProperty(m.name);
            QVERIFY2(index >= meta.propertyOffset(), m.name);
            const QMetaProperty property = meta.property(index);
            QCOMPARE(property.isWritable(), bool(m.access & (Let | Set)));
        }
    }
}

void tst_MemberTable::eventsAreSignalsInOrder()
{
    const QMetaObject &meta = Lumivane::staticMetaObject;
    QStringList signalNames;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            signalNames << QString::fromLatin1(meta.method(i).name());
    }
    const auto table = events();
    QCOMPARE(table.size(), size_t(19));
    for (size_t i = 0; i < table.size(); ++i) {
        QCOMPARE(table[i].dispatchId, qint32(i + 1));
        QCOMPARE(signalNames.value(qsizetype(i)), QString::fromLatin1(table[i].name));
    }
}

void tst_MemberTable::enumsMatchTheTypeLibrary_data()
{
    QTest::addColumn<QString>("enumName");
    for (const char *name : { "LVNMoveStyle", "LVNAppearence", "LVNBorderStyle", "LVNBackStyle",
             "LVNDrawMode", "LVNDrawStyle", "LVNFillStyle", "LVNLinkMode", "LVNOLEDragMode", "LVNOLEDropMode",
             "LVNScaleMode", "LVNMousePointer" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_MemberTable::enumsMatchTheTypeLibrary()
{
    QFETCH(QString, enumName);
    // Each enum lives in a namespace of its own and is reached, as Designer
    // reaches it, through the property of its type.
    const QMetaObject &meta = Lumivane::staticMetaObject;
    QMetaEnum qtEnum;
    for (int i = 0; i < meta.propertyCount() && !qtEnum.isValid(); ++i) {
        if (QLatin1String(meta.property(i).enumerator().enumName()) == enumName)
            qtEnum = meta.property(i).enumerator();
    }
    QVERIFY(qtEnum.isValid());
    QCOMPARE(QLatin1String(qtEnum.scope()), QLatin1String("Lumivane") + enumName.mid(3));
    const auto displayed = enumMembers(enumName);
    QCOMPARE(size_t(qtEnum.keyCount()), displayed.size());
    for (size_t i = 0; i < displayed.size(); ++i) {
        QCOMPARE(qtEnum.value(int(i)), displayed[i].value);
        // The C++ spelling is the display name without blanks and dashes ("3D" aside).
        QString spelled = QString::fromLatin1(displayed[i].displayName);
        spelled.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
        if (spelled == QLatin1String("3D"))
            spelled = QStringLiteral("ThreeD");
        if (spelled == QLatin1String("ArrowandHourglass"))
            spelled = QStringLiteral("ArrowHourglass");
        if (spelled == QLatin1String("ArrowandQuestion"))
            spelled = QStringLiteral("ArrowQuestion");
        QCOMPARE(QString::fromLatin1(qtEnum.key(int(i))), spelled);
    }
    QCOMPARE(enumDisplayName(QStringLiteral("LVNDrawMode"), 7), QStringLiteral("Xor Pen"));
    QCOMPARE(enumDisplayName(QStringLiteral("LVNMousePointer"), 99), QStringLiteral("Custom"));
}

void tst_MemberTable::classInfoNamesTheTypeLibrary()
{
    const QMetaObject &meta = Lumivane::staticMetaObject;
    const auto info = [&](const char *name) {
        return QString::fromLatin1(meta.classInfo(meta.indexOfClassInfo(name)).value());
    };
    QCOMPARE(info("ClassId"), QString::fromLatin1(classId));
    QCOMPARE(info("ProgId"), QString::fromLatin1(progId));
    QCOMPARE(info("TypeLibraryId"), QString::fromLatin1(typeLibId));
    QCOMPARE(info("InterfaceId"), QString::fromLatin1(defaultInterfaceId));
    QCOMPARE(info("EventsId"), QString::fromLatin1(eventInterfaceId));
    QCOMPARE(info("Version"), QStringLiteral("1.00"));
    QVERIFY(meta.indexOfClassInfo("OLESelfRegister") >= 0);
}

QTEST_APPLESS_MAIN(tst_MemberTable)
#include "tst_membertable.moc"
