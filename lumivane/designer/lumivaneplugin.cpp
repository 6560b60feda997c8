#include "lumivaneplugin.h"

#include "Lumivane/Lumivane"

#include <QIcon>
#include <QPixmap>

LumivanePlugin::LumivanePlugin(QObject *parent)
    : QObject(parent)
{ }

QString LumivanePlugin::name() const
{
    return QStringLiteral("Lumivane");
}

QString LumivanePlugin::group() const
{
    return QStringLiteral("LumivaneBox");
}

QString LumivanePlugin::toolTip() const
{
    return QStringLiteral("Lumivane");
}

QString LumivanePlugin::whatsThis() const
{
    return QStringLiteral("A picture with one colour see-through, which the user can move by dragging.");
}

QString LumivanePlugin::includeFile() const
{
    return QStringLiteral("Lumivane/Lumivane");
}

QIcon LumivanePlugin::icon() const
{
    // The 16 x 15 toolbox picture the control module carries.
    return QIcon(QPixmap(QStringLiteral(":/lumivane/bitmap/30000")));
}

bool LumivanePlugin::isContainer() const
{
    return false;
}

QString LumivanePlugin::domXml() const
{
    // Placed at the logo's size on a form: 1380 x 735 twips.
    return QStringLiteral(R"(<ui language="c++">
 <widget class="Lumivane" name="Lumivane1">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>92</width><height>49</height></rect>
  </property>
 </widget>
</ui>
)");
}

bool LumivanePlugin::isInitialized() const
{
    return m_initialized;
}

void LumivanePlugin::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

QWidget *LumivanePlugin::createWidget(QWidget *parent)
{
    auto *control = new Lumivane(parent);
    control->initProperties();
    control->setDesignMode(true);
    return control;
}
