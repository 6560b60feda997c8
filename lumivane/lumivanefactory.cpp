#include "lumivanefactory.h"

#include "Lumivane/lumivane.h"

namespace {
int g_factories = 0;
int g_locks = 0;
} // namespace

LumivaneFactory::LumivaneFactory()
{
    ++g_factories;
}

LumivaneFactory::~LumivaneFactory()
{
    --g_factories;
}

QWidget *LumivaneFactory::createInstance(QWidget *parent)
{
    return new Lumivane(parent);
}

void LumivaneFactory::lockServer(bool lock)
{
    g_locks += lock ? 1 : -1;
    if (g_locks < 0)
        g_locks = 0;
}

void LumivaneFactory::addRef()
{
    ++m_references;
}

void LumivaneFactory::release()
{
    if (--m_references == 0)
        delete this;
}

int LumivaneFactory::liveCount()
{
    return g_factories + g_locks;
}
