#ifndef LUMIVANE_LUMIVANEFACTORY_H
#define LUMIVANE_LUMIVANEFACTORY_H

/// \class LumivaneFactory
/// The class factory that the module hands out from DllGetClassObject. It counts
/// itself (references and server locks), so DllCanUnloadNow can tell whether any
/// factory or control instance is still alive.

#include "Formkit/classfactory.h"

using Formkit::ClassFactory;

class LumivaneFactory final : public ClassFactory
{
public:
    LumivaneFactory();

    QWidget *createInstance(QWidget *parent) override;
    void lockServer(bool lock) override;
    void addRef() override;
    void release() override;

    /// Factories alive plus server locks held.
    static int liveCount();

private:
    ~LumivaneFactory();

    int m_references = 1;
};

#endif
