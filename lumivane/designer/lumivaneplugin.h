#ifndef LUMIVANE_DESIGNER_LUMIVANEPLUGIN_H
#define LUMIVANE_DESIGNER_LUMIVANEPLUGIN_H

// Offers the Lumivane control in Qt Designer's widget box, under its toolbox
// picture; a control placed on a form starts as a new control does, initialised
// with the form's font.

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QObject>

class LumivanePlugin final : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit LumivanePlugin(QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QString domXml() const override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QWidget *createWidget(QWidget *parent) override;

private:
    bool m_initialized = false;

    Q_DISABLE_COPY_MOVE(LumivanePlugin)
};

#endif
