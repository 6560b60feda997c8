#include "app/form1.h"

#include "app/captionlabel.h"
#include "app/skinner.h"
#include "conversion/conversion.h"
#include "conversion/graduations.h"
#include "conversion/resultbox.h"
#include "conversion/volumeentry.h"
#include "flask/flaskdrag.h"
#include "flask/flaskview.h"
#include "lumivane/dispatchids.h"
#include "resources/fonts.h"
#include "resources/resourcepicture.h"
#include "results/resultsgrid.h"
#include "results/resultslog.h"
#include "toolkit/application.h"
#include "toolkit/commandbutton.h"
#include "toolkit/componentruntime.h"
#include "toolkit/dispatch.h"
#include "toolkit/frame.h"
#include "toolkit/listbox.h"
#include "toolkit/memorypropertybag.h"
#include "toolkit/olecolor.h"
#include "toolkit/optionbutton.h"
#include "toolkit/picturebox.h"
#include "toolkit/textbox.h"
#include "toolkit/timer.h"
#include "toolkit/twips.h"
#include "units/unitlists.h"

#include <QEvent>
#include <QLabel>
#include <QWindowStateChangeEvent>

#include <cstdio>
#include <utility>

namespace {

// Colours of the saved layout, 0x00BBGGRR.
constexpr OleColor windowBack = 0x00FFFF80;
constexpr OleColor unitBack = 0x00C0FFFF;
constexpr OleColor unitText = 0x00FF0000;
constexpr OleColor labelText = 0x00FFFFFF;

// Client area of the window: 6105 x 4485 twips.
constexpr int clientWidthTwips = 6105;
constexpr int clientHeightTwips = 4485;

QColor colour(OleColor c) { return olecolor::toQColor(c); }

// The window's font, not bold even inside a frame whose caption is bold.
QFont plainFont()
{
    QFont font = windowFont();
    font.setBold(false);
    return font;
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips::rect(left, top, width, height));
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

// The unit boxes and lists: light yellow with blue text.
void unitColours(QWidget *widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, colour(unitBack));
    pal.setColor(QPalette::Text, colour(unitText));
    widget->setPalette(pal);
}

} // namespace

Form1::Form1(UnitDatabase &database, QWidget *parent)
    : Form1(database, toolkit::ProgramLayout::Portable, toolkit::programFolder(), parent)
{ }

Form1::Form1(UnitDatabase &database, toolkit::ProgramLayout layout, QString resultsFolder, QWidget *parent)
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
    m_client->setGeometry(frame.left(), frame.top(), twips::toPixels(clientWidthTwips),
                          twips::toPixels(clientHeightTwips));
    setFixedSize(m_client->width() + frame.left() + frame.right(),
                 m_client->height() + frame.top() + frame.bottom());

    createWidgets();
    setTabOrder();
    createLogoControl();
    createSubsystems();
    wireEvents();
}

Form1::~Form1() = default;

void Form1::createWidgets()
{
    QWidget *client = m_client;
    auto named = [](QWidget *widget, const char *name, const QString &accessibleName) {
        widget->setObjectName(QLatin1String(name));
        widget->setAccessibleName(accessibleName);
    };

    Text3 = new TextBox(client);
    named(Text3, "Text3", QStringLiteral("Find From unit"));
    place(Text3, 120, 120, 2175, 285);
    Text4 = new TextBox(client);
    named(Text4, "Text4", QStringLiteral("Find To unit"));
    place(Text4, 2400, 120, 2175, 285);
    List1 = new ListBox(client);
    named(List1, "List1", QStringLiteral("From unit"));
    place(List1, 120, 360, 2175, 1815);
    List2 = new ListBox(client);
    named(List2, "List2", QStringLiteral("To unit"));
    place(List2, 2400, 360, 2175, 1815);
    for (QWidget *w : {static_cast<QWidget *>(Text3), static_cast<QWidget *>(Text4),
                       static_cast<QWidget *>(List1), static_cast<QWidget *>(List2)})
        unitColours(w);

    auto frame = [&](const char *name, const QString &caption, int l, int t, int w, int h) {
        auto *box = new Frame(caption, client);
        named(box, name, caption);
        place(box, l, t, w, h);
        box->setFont(frameCaptionFont());
        paintBackground(box, windowBack);
        return box;
    };
    Frame1 = frame("Frame1", QStringLiteral("Order units lists by"), 120, 2280, 2175, 1650);
    Frame2 = frame("Frame2", QStringLiteral("Report"), 2400, 2280, 2175, 735);
    Frame3 = frame("Frame3", QStringLiteral("Fluid Display"), 2400, 3080, 2175, 850);

    // Children of the frames use the window's font, not the frames' bold one.
    auto option = [&](QWidget *parent, const char *name, const QString &caption, const QString &accessibleName,
                      int l, int t, int w, int h) {
        auto *button = new OptionButton(caption, parent);
        named(button, name, accessibleName);
        place(button, l, t, w, h);
        button->setFont(plainFont());
        paintBackground(button, windowBack);
        return button;
    };
    auto label = [&](QWidget *parent, const char *name, const QString &caption, int l, int t, int w, int h) {
        auto *text = new CaptionLabel(caption, parent);
        text->setObjectName(QLatin1String(name));
        place(text, l, t, w, h);
        text->setFont(plainFont());
        QPalette pal = text->palette();
        pal.setColor(QPalette::WindowText, colour(labelText));
        text->setPalette(pal);
        return text;
    };
    const QString allAscending = QStringLiteral("All Ascending");
    const QString metricFirst = QStringLiteral("Metric units first");
    const QString ukUsFirst = QStringLiteral("UK, US units first");
    const QString aussieFirst = QStringLiteral("Aussie units first");
    Option1 = option(Frame1, "Option1", QString(), allAscending, 120, 240, 255, 255);
    Label1 = label(Frame1, "Label1", allAscending, 480, 240, 1095, 255);
    Option3 = option(Frame1, "Option3", QString(), metricFirst, 120, 480, 255, 255);
    Label2 = label(Frame1, "Label2", metricFirst, 480, 480, 1455, 255);
    Option2 = option(Frame1, "Option2", QString(), ukUsFirst, 120, 720, 255, 255);
    Label3 = label(Frame1, "Label3", ukUsFirst, 480, 720, 1455, 255);
    Option4 = option(Frame1, "Option4", QString(), aussieFirst, 120, 960, 255, 255);
    Label5 = label(Frame1, "Label5", aussieFirst, 480, 960, 1455, 255);
    Label1->setBuddy(Option1);
    Label2->setBuddy(Option3);
    Label3->setBuddy(Option2);
    Label5->setBuddy(Option4);

    auto button = [&](QWidget *parent, const char *name, const QString &caption, int l, int t, int w, int h) {
        auto *command = new CommandButton(caption, parent);
        named(command, name, caption);
        place(command, l, t, w, h);
        command->setFont(plainFont());
        command->setBackColor(colour(unitBack));
        return command;
    };
    Command2 = button(Frame1, "Command2", QStringLiteral("Swap Units"), 600, 1200, 950, 375);
    SaveCmnd = button(Frame2, "SaveCmnd", QStringLiteral("Save"), 100, 260, 950, 375);
    MakeFileCmnd = button(Frame2, "MakeFileCmnd", QStringLiteral("Make File"), 1140, 260, 950, 375);

    const QString yellow = QStringLiteral("Yellow");
    const QString aqua = QStringLiteral("Aqua");
    const QString levelOnly = QStringLiteral("Level Marker Only");
    optionwhite = option(Frame3, "optionwhite", yellow, yellow, 120, 240, 780, 255);
    optionblue = option(Frame3, "optionblue", aqua, aqua, 960, 240, 735, 255);
    OptionLevel = option(Frame3, "OptionLevel", levelOnly, levelOnly, 120, 490, 1815, 255);
    optionred = option(Frame3, "optionred", QStringLiteral("Red"), QStringLiteral("Red"), 960, 480, 735, 255);
    optionsparkle = option(Frame3, "optionsparkle", QStringLiteral("Sparkle"), QStringLiteral("Sparkle"), 1280,
                           480, 855, 255);
    optionred->hide();
    optionsparkle->hide();

    Text1 = new TextBox(client);
    named(Text1, "Text1", QStringLiteral("Volume"));
    place(Text1, 120, 4080, 2175, 300);
    Text2 = new ResultBox(client);
    named(Text2, "Text2", QStringLiteral("Converted volume"));
    place(Text2, 2400, 4080, 2175, 300);
    Text2->setReadOnly(true);

    auto flaskBox = [&](const char *name, int l, int t) {
        auto *box = new PictureBox(client);
        box->setObjectName(QLatin1String(name));
        place(box, l, t, 1455, 3615);
        box->setBackColor(colour(windowBack));
        box->setFont(flaskLabelFont());
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    };
    picflaskbuffer = flaskBox("picflaskbuffer", 840, 120);
    PicFlask = flaskBox("PicFlask", 4660, 90);
    PicFlask->setAccessibleName(QStringLiteral("Flask"));

    Label4 = label(client, "Label4", QString(), 4820, 4200, 1335, 255);

    ResultsGrid = new ::ResultsGrid(client);
    ResultsGrid->setObjectName(QStringLiteral("ResultsGrid"));
    place(ResultsGrid, 3720, 0, 975, 735);
    ResultsGrid->hide();

    Timer1 = new Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60);
}

void Form1::setTabOrder()
{
    // Tab indexes of the saved layout; hidden widgets and labels take no focus.
    const QList<QWidget *> order = {List1,   List2,    Text1,        Text2,      Text3,
                                    Text4,   Option1,  Option3,      Option2,    Option4,
                                    Command2, SaveCmnd, MakeFileCmnd, optionblue, optionwhite,
                                    OptionLevel};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void Form1::createLogoControl()
{
    // The logo is a Lumivane control, made by the component runtime from its
    // programmatic name. Without it the window still works, only without a logo.
    const componentruntime::Creation made =
        componentruntime::createControl(QStringLiteral("LumivaneBox.Lumivane"), m_client);
    if (!made.control) {
        std::fprintf(stderr, "Brimlow: the logo control LumivaneBox.Lumivane cannot be created: %s\n",
                     qPrintable(made.error));
        return;
    }
    Lumivane1 = made.control;
    Lumivane1->setObjectName(QStringLiteral("Lumivane1"));
    Lumivane1->setAccessibleName(QStringLiteral("Brimlow logo"));
    place(Lumivane1, 4660, 3570, 1385, 735);

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
    QVariantList arguments{
        QPixmap::fromImage(loadResourcePicture(logoResourceId, QStringLiteral("Custom"))), 0.0f, 0.0f};
    const DispatchResult painted = logo->invoke(paintPictureId, DispatchKind::Call, arguments);
    if (!painted.ok())
        std::fprintf(stderr, "Brimlow: the logo cannot be painted: %s\n", qPrintable(painted.error.description));
}

void Form1::createSubsystems()
{
    m_unitLists = new UnitLists(m_state, *this, m_database,
                                UnitListWidgets{List1, List2, Text3, Text4, Text1, SaveCmnd, MakeFileCmnd, Option1,
                                                Option2, Option3, Option4, Command2, Text2},
                                this);
    m_volumeEntry = std::make_unique<VolumeEntry>(m_state, *this,
                                                  VolumeEntryWidgets{Text1, Text2, SaveCmnd, MakeFileCmnd});
    m_conversion = std::make_unique<Conversion>(m_state, *this, ConversionWidgets{Text1, Text2, PicFlask});
    m_graduations = std::make_unique<Graduations>(m_state, GraduationWidgets{optionred, optionsparkle});
    const FlaskWidgets flask{PicFlask,    picflaskbuffer, optionblue, optionred, optionsparkle,
                             optionwhite, OptionLevel,    SaveCmnd,   MakeFileCmnd};
    m_flaskView = new FlaskView(m_state, *this, flask, this);
    m_flaskDrag = new FlaskDrag(m_state, *this, flask, this);
    m_resultsLog = std::make_unique<ResultsLog>(m_state, ResultsGrid, List1, List2, Text1, Text2, SaveCmnd,
                                                MakeFileCmnd, m_resultsFolder, m_layout);
}

void Form1::wireEvents()
{
    connect(Timer1, &Timer::timer, this, &Form1::onTimer);
    connect(Text1, &TextBox::keyPress, this, [this](int &keyAscii) { m_volumeEntry->keyPress(keyAscii); });
    connect(Text1, &TextBox::change, this, [this] { m_volumeEntry->change(); });
    connect(Text1, &TextBox::gotFocus, this, [this] { m_volumeEntry->gotFocus(); });
    connect(SaveCmnd, &QAbstractButton::clicked, this, [this] { m_resultsLog->save(); });
    connect(MakeFileCmnd, &QAbstractButton::clicked, this, [this] { m_resultsLog->makeFile(); });
}

// Load ----------------------------------------------------------------------------

void Form1::load()
{
    paintLogo();
    PicFlask->setPicture(QPixmap::fromImage(loadResourcePicture(flaskResourceId, QStringLiteral("Custom"))));
    picflaskbuffer->setPicture(QPixmap::fromImage(loadResourcePicture(flaskResourceId, QStringLiteral("Custom"))));
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
    Skinner1->setProperty(Skinner::FrameStyle, 1);            // 0x68030039
    Skinner1->setProperty(Skinner::CaptionColor, 0x00FFFFFF); // 0x68030037
    Skinner1->setProperty(Skinner::BorderWidth, 4);           // 0x68030038
    Skinner1->setProperty(Skinner::FrameColor, 0x00FFFFFF);   // 0x68030036
    Skinner1->setProperty(Skinner::ShowMaximizeButton, false); // 0x68030031
    Skinner1->setProperty(Skinner::ShowMinimizeButton, 1);    // 0x68030034
    Skinner1->setProperty(Skinner::CaptionAlignment, 0);      // 0x68030033
    Skinner1->setProperty(Skinner::SkinActive, true);         // 0x6803003A
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
    const QSize screen = toolkit::screenSizeTwips();
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
}

void Form1::setVolumeFromLevel(float y)
{
    m_volumeEntry->setVolumeFromLevel(y);
}
