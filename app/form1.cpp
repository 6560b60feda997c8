#include "app/form1.h"

#include "Formkit/application.h"
#include "Formkit/commandbutton.h"
#include "Formkit/componentruntime.h"
#include "Formkit/dispatch.h"
#include "Formkit/frame.h"
#include "Formkit/listbox.h"
#include "Formkit/memorypropertybag.h"
#include "Formkit/olecolor.h"
#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "Formkit/timer.h"
#include "Formkit/twips.h"
#include "Lumivane/dispatchids.h"
#include "app/captionlabel.h"
#include "app/enterpresses.h"
#include "app/flaskaccess.h"
#include "app/form1layout.h"
#include "app/skinner.h"
#include "conversion/conversion.h"
#include "conversion/graduations.h"
#include "conversion/resultbox.h"
#include "conversion/volumeentry.h"
#include "flask/flaskdrag.h"
#include "flask/flaskview.h"
#include "formstate/controlregistries.h"
#include "formstate/programfolder.h"
#include "resources/fonts.h"
#include "resources/resourcepicture.h"
#include "results/resultsgrid.h"
#include "results/resultslog.h"
#include "units/unitlists.h"

#include <QEvent>
#include <QLabel>
#include <QToolButton>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

using Formkit::CommandButton;
using Formkit::Dispatchable;
using Formkit::DispatchKind;
using Formkit::DispatchResult;
using Formkit::Frame;
using Formkit::ListBox;
using Formkit::MemoryPropertyBag;
using Formkit::OleColor;
using Formkit::OptionButton;
using Formkit::PictureBox;
using Formkit::TextBox;
using Formkit::Timer;
namespace componentruntime = Formkit::componentruntime;
namespace olecolor = Formkit::olecolor;
namespace twips = Formkit::twips;

namespace {

namespace layout = form1layout;
using layout::windowBack;

QColor colour(OleColor c)
{
    return olecolor::toQColor(c);
}

// The window's font, not bold even inside a frame whose caption is bold.
QFont plainFont()
{
    QFont font = windowFont();
    font.setBold(false);
    return font;
}

void place(QWidget *widget, const layout::Widget &row)
{
    widget->setGeometry(twips::rect(row.left, row.top, row.width, row.height));
}

// Only the back colour: text boxes, option circles and scroll bars inside keep
// the system's colours unless the layout gives them their own.
void paintBackground(QWidget *widget, OleColor back)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour(back));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

// Boxes and lists with colours of their own (the unit boxes: light yellow, blue text).
void boxColours(QWidget *widget, const layout::Widget &row)
{
    if (row.back == layout::noColour)
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, colour(row.back));
    pal.setColor(QPalette::Text, colour(row.fore));
    widget->setPalette(pal);
}

void setFont(QWidget *widget, layout::FontRole role)
{
    switch (role) {
    case layout::FontRole::Inherit:
        break;
    case layout::FontRole::Plain:
        widget->setFont(plainFont());
        break;
    case layout::FontRole::FrameCaption:
        widget->setFont(frameCaptionFont());
        break;
    case layout::FontRole::FlaskLabel:
        widget->setFont(flaskLabelFont());
        break;
    }
}

// One widget of the layout, with its kind's look; nullptr for the logo, which
// the component runtime makes.
QWidget *make(const layout::Widget &row, QWidget *container)
{
    const QString caption = QString::fromUtf8(row.caption);
    QWidget *widget = nullptr;
    switch (row.kind) {
    case layout::Kind::TextBox:
    case layout::Kind::ResultBox: {
        auto *box = row.kind == layout::Kind::ResultBox ? new ResultBox(container) : new TextBox(container);
        if (row.kind == layout::Kind::ResultBox)
            box->setReadOnly(true);
        boxColours(box, row);
        widget = box;
        break;
    }
    case layout::Kind::ListBox:
        widget = new ListBox(container);
        boxColours(widget, row);
        break;
    case layout::Kind::Frame:
        widget = new Frame(caption, container);
        paintBackground(widget, row.back);
        break;
    case layout::Kind::OptionButton:
        widget = new OptionButton(caption, container);
        paintBackground(widget, row.back);
        break;
    case layout::Kind::Label: {
        widget = new CaptionLabel(caption, container);
        QPalette pal = widget->palette();
        pal.setColor(QPalette::WindowText, colour(row.fore));
        widget->setPalette(pal);
        break;
    }
    case layout::Kind::CommandButton: {
        auto *button = new CommandButton(caption, container);
        button->setBackColor(colour(row.back));
        widget = button;
        break;
    }
    case layout::Kind::PictureBox: {
        auto *box = new PictureBox(container);
        box->setBackColor(colour(row.back));
        box->setFocusPolicy(Qt::NoFocus);
        widget = box;
        break;
    }
    case layout::Kind::ResultsGrid:
        widget = new ResultsGrid(container);
        break;
    case layout::Kind::Logo:
        return nullptr;
    }
    widget->setObjectName(QLatin1String(row.name));
    if (row.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
    place(widget, row);
    setFont(widget, row.font);
    if (!row.visible)
        widget->hide();
    return widget;
}

} // namespace

Form1::Form1(UnitDatabase &database, QWidget *parent)
    : Form1(database, program::ProgramLayout::Portable, program::programFolder(), parent)
{ }

Form1::Form1(UnitDatabase &database, program::ProgramLayout layout, QString resultsFolder, QWidget *parent)
    : QWidget(parent)
    , m_database(database)
    , m_layout(layout)
    , m_resultsFolder(std::move(resultsFolder))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brimlow"));
    setAccessibleName(QStringLiteral("Brimlow"));
    setFont(windowFont());
    paintBackground(this, windowBack);

    Skinner1 = new Skinner(this);
    const QMargins frame = Skinner1->frameMargins();
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(frame.left(), frame.top(), twips::toPixels(layout::clientWidthTwips),
        twips::toPixels(layout::clientHeightTwips));
    setFixedSize(
        m_client->width() + frame.left() + frame.right(), m_client->height() + frame.top() + frame.bottom());

    createWidgets();
    createLogoControl();
    setTabOrder();
    createSubsystems();
    wireEvents();
}

Form1::~Form1() = default;

void Form1::createWidgets()
{
    for (const layout::Widget &row : layout::widgets()) {
        QWidget *container
            = row.container ? m_client->findChild<QWidget *>(QLatin1String(row.container)) : m_client;
        Q_ASSERT(container);
        make(row, container);
    }
    for (const layout::Widget &row : layout::widgets())
        if (row.buddy)
            widget<QLabel>(row.name)->setBuddy(widget<QWidget>(row.buddy));

    Text1 = widget<TextBox>("Text1");
    Text2 = widget<TextBox>("Text2");
    Text3 = widget<TextBox>("Text3");
    Text4 = widget<TextBox>("Text4");
    List1 = widget<ListBox>("List1");
    List2 = widget<ListBox>("List2");
    Frame1 = widget<QGroupBox>("Frame1");
    Frame2 = widget<QGroupBox>("Frame2");
    Frame3 = widget<QGroupBox>("Frame3");
    Option1 = widget<OptionButton>("Option1");
    Option2 = widget<OptionButton>("Option2");
    Option3 = widget<OptionButton>("Option3");
    Option4 = widget<OptionButton>("Option4");
    Label1 = widget<QLabel>("Label1");
    Label2 = widget<QLabel>("Label2");
    Label3 = widget<QLabel>("Label3");
    Label4 = widget<QLabel>("Label4");
    Label5 = widget<QLabel>("Label5");
    Command2 = widget<CommandButton>("Command2");
    SaveCmnd = widget<CommandButton>("SaveCmnd");
    MakeFileCmnd = widget<CommandButton>("MakeFileCmnd");
    optionwhite = widget<OptionButton>("optionwhite");
    optionblue = widget<OptionButton>("optionblue");
    OptionLevel = widget<OptionButton>("OptionLevel");
    optionred = widget<OptionButton>("optionred");
    optionsparkle = widget<OptionButton>("optionsparkle");
    PicFlask = widget<PictureBox>("PicFlask");
    picflaskbuffer = widget<PictureBox>("picflaskbuffer");
    ResultsGrid = widget<::ResultsGrid>("ResultsGrid");

    Timer1 = new Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60);
}

template <typename T> T *Form1::widget(const char *name) const
{
    T *found = m_client->findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(found, "Form1", name);
    return found;
}

void Form1::setTabOrder()
{
    // By the layout's tab indexes; frames, labels, pictures and hidden widgets
    // take no focus, nor the logo when it could not be made. The logo, then the
    // title bar's buttons come last.
    std::vector<QWidget *> order;
    std::vector<const layout::Widget *> rows;
    for (const layout::Widget &row : layout::widgets())
        if (row.visible && layout::takesTabStop(row.kind))
            rows.push_back(&row);
    std::ranges::sort(rows, {}, &layout::Widget::tabIndex);
    for (const layout::Widget *row : rows)
        if (auto *widget = m_client->findChild<QWidget *>(QLatin1String(row->name)))
            order.push_back(widget);
    if (Lumivane1)
        order.push_back(Lumivane1);
    for (QToolButton *button : Skinner1->titleButtons())
        order.push_back(button);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::createLogoControl()
{
    // The logo is a Lumivane control, made by the component runtime from its
    // programmatic name, in the registries the program reads (beside it in a
    // build folder, then the user's and the installed one). Without it the
    // window still works, only without a logo.
    const componentruntime::Creation made
        = componentruntime::createControl(QStringLiteral("LumivaneBox.Lumivane"), m_client,
            program::controlRegistries(program::programFolder()));
    if (!made.control) {
        std::fprintf(stderr, "Brimlow: the logo control LumivaneBox.Lumivane cannot be created: %s\n",
            qPrintable(made.error));
        return;
    }
    Lumivane1 = made.control;
    const layout::Widget &row = layout::widget("Lumivane1");
    Lumivane1->setObjectName(QLatin1String(row.name));
    Lumivane1->setAccessibleName(QString::fromUtf8(row.accessibleName));
    place(Lumivane1, row);

    // Its saved settings: grey 190 see-through, the window text colour, a scale
    // of 1380 x 735 (its size in twips); not moveable, which is the default.
    MemoryPropertyBag settings;
    settings.setValue(QStringLiteral("TransparentColor"), olecolor::fromRgb(190, 190, 190));
    settings.setValue(QStringLiteral("Font"), plainFont());
    settings.setValue(QStringLiteral("ForeColor"), olecolor::windowText);
    settings.setValue(QStringLiteral("ScaleWidth"), 1380.0f);
    settings.setValue(QStringLiteral("ScaleHeight"), 735.0f);
    QMetaObject::invokeMethod(Lumivane1, "readProperties", Q_ARG(QObject *, &settings));
}

void Form1::paintLogo()
{
    auto *logo = qobject_cast<Dispatchable *>(Lumivane1);
    if (!logo)
        return;
    // PaintPicture by its dispatch identifier, the picture at 0, 0.
    constexpr qint32 paintPictureId = lumivaneid::PaintPicture;
    QVariantList arguments {
        QPixmap::fromImage(loadResourcePicture(logoResourceId, QStringLiteral("Custom"))), 0.0f, 0.0f
    };
    const DispatchResult painted = logo->invoke(paintPictureId, DispatchKind::Call, arguments);
    if (!painted.ok())
        std::fprintf(
            stderr, "Brimlow: the logo cannot be painted: %s\n", qPrintable(painted.error.description));
}

void Form1::createSubsystems()
{
    m_unitLists = new UnitLists(m_state, *this, m_database,
        UnitListWidgets { List1, List2, Text3, Text4, Text1, SaveCmnd, MakeFileCmnd, Option1, Option2,
            Option3, Option4, Command2, Text2 },
        this);
    m_volumeEntry = std::make_unique<VolumeEntry>(
        m_state, *this, VolumeEntryWidgets { Text1, Text2, SaveCmnd, MakeFileCmnd });
    m_conversion = std::make_unique<Conversion>(m_state, *this, ConversionWidgets { Text1, Text2, PicFlask });
    m_graduations = std::make_unique<Graduations>(m_state, GraduationWidgets { optionred, optionsparkle });
    const FlaskWidgets flask { PicFlask, picflaskbuffer, optionblue, optionred, optionsparkle, optionwhite,
        OptionLevel, SaveCmnd, MakeFileCmnd };
    m_flaskView = new FlaskView(m_state, *this, flask, this);
    m_flaskDrag = new FlaskDrag(m_state, *this, flask, this);
    // For screen readers: the flask's level and scale, and no hidden widgets.
    m_flaskAccess = new FlaskAccess(m_state, *m_flaskDrag, PicFlask, Text1, List1, List2);
    FlaskAccess::hidesHiddenChildren(m_client);
    FlaskAccess::hidesHiddenChildren(Frame3);
    m_resultsLog = std::make_unique<ResultsLog>(
        m_state, ResultsGrid, List1, List2, Text1, Text2, SaveCmnd, MakeFileCmnd, m_resultsFolder, m_layout);
}

void Form1::wireEvents()
{
    connect(Timer1, &Timer::timer, this, &Form1::onTimer);
    connect(Text1, &TextBox::keyPress, this, [this](int &keyAscii) { m_volumeEntry->keyPress(keyAscii); });
    connect(Text1, &TextBox::change, this, [this] { m_volumeEntry->change(); });
    connect(Text1, &TextBox::gotFocus, this, [this] { m_volumeEntry->gotFocus(); });
    for (CommandButton *button : { Command2, SaveCmnd, MakeFileCmnd })
        pressOnEnter(button);
    connect(SaveCmnd, &QAbstractButton::clicked, this, [this] { m_resultsLog->save(); });
    connect(MakeFileCmnd, &QAbstractButton::clicked, this, [this] { m_resultsLog->makeFile(); });
}

// Load ----------------------------------------------------------------------------

void Form1::load()
{
    paintLogo();
    PicFlask->setPicture(QPixmap::fromImage(loadResourcePicture(flaskResourceId, QStringLiteral("Custom"))));
    picflaskbuffer->setPicture(
        QPixmap::fromImage(loadResourcePicture(flaskResourceId, QStringLiteral("Custom"))));
    setWindowIcon(loadResourceIcon(QStringLiteral("FLASKICON")));
    Option1->setValue(true);
    Text1->setText(QStringLiteral("1"));
    List1->setListIndex(0);
    List2->setListIndex(0);
    Text3->setText(List1->text());
    picflaskbuffer->scale(0, 0, PicFlask->scaleWidth(), PicFlask->scaleHeight());
    picflaskbuffer->hide();
    m_state.skipColourClick = true;
    optionwhite->setValue(true);
    m_resultsLog->layoutGrid();
    // The frame's eight settings, by dispatch identifier, in this order.
    Skinner1->setProperty(Skinner::FrameStyle, 1); // 0x68030039
    Skinner1->setProperty(Skinner::CaptionColor, 0x00FFFFFF); // 0x68030037
    Skinner1->setProperty(Skinner::BorderWidth, 4); // 0x68030038
    Skinner1->setProperty(Skinner::FrameColor, 0x00FFFFFF); // 0x68030036
    Skinner1->setProperty(Skinner::ShowMaximizeButton, false); // 0x68030031
    Skinner1->setProperty(Skinner::ShowMinimizeButton, 1); // 0x68030034
    Skinner1->setProperty(Skinner::CaptionAlignment, 0); // 0x68030033
    Skinner1->setProperty(Skinner::SkinActive, true); // 0x6803003A
    SaveCmnd->setEnabled(false);
    MakeFileCmnd->setEnabled(false);
    m_state.firstShowPending = true;
    Timer1->setEnabled(true);
    m_state.gridHasRows = false;
    centreOnScreen();
}

void Form1::centreOnScreen()
{
    // Outer window size in twips, single-precision arithmetic as the layout stores it.
    const QSize screen = Formkit::screenSizeTwips();
    const float left = float(screen.width()) / 2 - float(twips::fromPixels(width())) / 2;
    const float top = float(screen.height()) / 2 - float(twips::fromPixels(height())) / 2;
    move(twips::toPixels(int(left)), twips::toPixels(int(top)));
}

// Timer and Resize -----------------------------------------------------------------

void Form1::onTimer()
{
    m_state.volumeEditLive = true;
    if (m_state.firstShowPending) {
        Text1->setText(QString());
        Text1->setText(QStringLiteral("1"));
    } else {
        Text1->setText(QString());
        Text1->setText(m_state.savedVolumeText);
        Text2->setText(m_state.savedResultText);
    }
    Timer1->setEnabled(false);
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        onResize();
}

void Form1::onResize()
{
    if (isMinimized()) {
        m_state.firstShowPending = false;
        m_state.savedVolumeText = Text1->text();
        m_state.savedResultText = Text2->text();
    }
    // The window state is read again: a restore after at least one minimise.
    if (!isMinimized() && !m_state.firstShowPending) {
        m_state.keepSaveDisabled = SaveCmnd->isEnabled() ? 0 : 1;
        m_state.keepMakeFileDisabled = MakeFileCmnd->isEnabled() ? 0 : 1;
        Timer1->setEnabled(true);
    }
}

// Window procedures ----------------------------------------------------------------

void Form1::lookupFromFactor()
{
    m_unitLists->lookupFromFactor();
}

void Form1::lookupToFactor()
{
    m_unitLists->lookupToFactor();
}
void Form1::updateConversion()
{
    m_conversion->updateConversion();
}
void Form1::update_framestatic(int topRow, int sparkleSpan)
{
    m_flaskView->update_framestatic(topRow, sparkleSpan);
}

void Form1::showFlask()
{
    m_flaskView->showFlask();
}
void Form1::drawGraduations(PictureBox *target, ScaleVariant variant)
{
    m_graduations->drawGraduations(target, variant);
    if (m_flaskAccess)
        m_flaskAccess->scaleDrawn(target == picflaskbuffer);
}

void Form1::setVolumeFromLevel(float y)
{
    m_volumeEntry->setVolumeFromLevel(y);
}
