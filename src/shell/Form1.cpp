// The main window as designed: its controls, menus, tab order, the resizing
// rule and the window events that start-up and shutdown hang on.
#include "shell/Form1.h"

#include "platform/Artwork.h"
#include "play/Painting.h"
#include "solution/Form2.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <utility>

// The icon and the pointers sit in a static library, whose resources the
// linker leaves out unless something names them.
static void InitAssets() { Q_INIT_RESOURCE(assets); }

namespace grizzet {

namespace {

// A control placed by its design position and size in twips.
template <typename Widget>
Widget* Place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
    return widget;
}

QPushButton* Button(QWidget* parent, const char* caption, int top)
{
    return Place(new QPushButton(QString::fromUtf8(caption), parent), 240, top, 1575, 375);
}

constexpr int SizerWidthTwips = 2055;

}  // namespace

Form1::Form1(PuzzleState& puzzle, const std::string& programFolder)
    : QMainWindow(nullptr), state(puzzle), programFolder_(programFolder)
{
    ::InitAssets();
    setWindowTitle(QStringLiteral("Vindro Grizzet"));
    setWindowIcon(WindowIcon());
    BuildControls();
    BuildMenus();
    NameControls();
    const QSize inner(TwipsToPixels(9720), TwipsToPixels(9360));
    resize(inner.width(), inner.height() + menuBar()->sizeHint().height());
    Form_Resize();
    Form_Load();
}

Form1::~Form1() = default;

BoardSurfaces Form1::Board() { return {*Picture1, *HetVeld, *KiezerL}; }

ChooserParts Form1::Chooser() { return {*KiezerL, *LijnL, *LijnR, *MuisL, *MuisR}; }

Form2& Form1::SolutionWindow()
{
    if (form2 == nullptr)
        form2 = new Form2(*this, state, *HetVeld, *KiezerL, [this] { return Closing(); });
    return *form2;
}

void Form1::BuildControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    SizerBottom = Place(new QWidget(client), 0, 9360, 9720, 0);

    Sizer = Place(new QFrame(client), 7665, 0, SizerWidthTwips, 9360);
    Sizer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Sizer->setLineWidth(2);
    Sizer->setAutoFillBackground(true);
    Sizer->setBackgroundRole(QPalette::Button);

    // The panel's controls are placed inside its sunken frame.
    panelInside_ = new QWidget(Sizer);
    cmdErrors = Button(panelInside_, "Show errors", 4560);
    cmdOplossing = Button(panelInside_, "Oplossing geven", 5160);
    cmdOplossing->setEnabled(false);

    KiezerL = Place(new Surface(panelInside_), 840, 240, 375, 3375);
    KiezerL->SetScaleUnit(ScaleUnit::Pixel);
    KiezerL->SetBackColor(qRgb(255, 255, 255));
    KiezerL->Cls();

    cmdClear = Button(panelInside_, "Alles leegmaken", 3960);
    cmdClear->setEnabled(false);

    Positie = Place(new QLabel(QStringLiteral("0,0"), Sizer), 1680, 9000, 225, 195);
    Positie->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    MuisR = Place(new QLabel(panelInside_), 1320, 120, 555, 540);
    MuisL = Place(new QLabel(panelInside_), 120, 120, 555, 540);
    for (QLabel* mouse : {MuisL, MuisR})
        mouse->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The pointer lines end inside the chosen swatch, so they stand above the chooser.
    LijnL = new LineControl(panelInside_);
    LijnL->SetEnds(360, 480, 1080, 480);
    LijnR = new LineControl(panelInside_);
    LijnR->SetEnds(1680, 480, 960, 480);

    Picture1 = Place(new Surface(client), 0, 0, 3255, 2655);
    Picture1->hide();
    Picture1->SetScaleUnit(ScaleUnit::Point);
    Picture1->SetBackColor(qRgb(224, 224, 224));
    Picture1->SetForeColor(qRgb(255, 255, 255));
    Picture1->SetFontName(QStringLiteral("Arial"));
    Picture1->SetFontSize(8.25f);
    Picture1->Cls();

    HetVeld = Place(new Surface(Picture1), 1920, 600, 735, 1455);
    HetVeld->SetScaleUnit(ScaleUnit::Point);
    HetVeld->SetBackColor(GridGrey);
    HetVeld->SetForeColor(qRgb(0, 0, 0));
    HetVeld->Cls();
    HetVeld->UseCustomPointer(true);

    Image1 = Place(new QWidget(Picture1), 120, 480, 1575, 1335);
    Image1->hide();

    // The board keeps the size it was laid out for while maximised; in a
    // restored window it runs under the side panel, whose commands stay in reach.
    Sizer->raise();

    KiezerL->onMouseDown = [this](const MouseArgs& a) { KiezerL_MouseDown(a); };
    KiezerL->onMouseMove = [this](const MouseArgs& a) { KiezerL_MouseMove(a); };
    HetVeld->onMouseDown = [this](const MouseArgs& a) { HetVeld_MouseDown(a); };
    HetVeld->onMouseMove = [this](const MouseArgs& a) { HetVeld_MouseMove(a); };
    Picture1->onMouseDown = [this](const MouseArgs& a) { Picture1_MouseDown(a); };
    Picture1->onMouseMove = [this](const MouseArgs& a) { Picture1_MouseMove(a); };
    // The palette and the artwork are made again at the pixels of a new
    // screen; the choice stays, and so do the board and the field as drawn.
    KiezerL->onScreenChange = [this] {
        PaintChooser(*KiezerL, state.AppFolder);
        ShowArtwork();
    };
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdErrors, &QPushButton::clicked, this, [this] { cmdErrors_Click(); });
    connect(cmdOplossing, &QPushButton::clicked, this, [this] { cmdOplossing_Click(); });

    for (QWidget* widget : {static_cast<QWidget*>(Sizer), static_cast<QWidget*>(KiezerL), SizerBottom,
                            static_cast<QWidget*>(Picture1), static_cast<QWidget*>(HetVeld)})
        widget->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Sizer, cmdClear);
    setTabOrder(cmdClear, cmdErrors);
    setTabOrder(cmdErrors, cmdOplossing);
    setTabOrder(cmdOplossing, KiezerL);
    setTabOrder(KiezerL, SizerBottom);
    setTabOrder(SizerBottom, Picture1);
    setTabOrder(Picture1, HetVeld);
}

// Tests and tools find the controls by their design names.
void Form1::NameControls()
{
    setObjectName(QStringLiteral("Form1"));
    const std::pair<QObject*, const char*> named[] = {
        {SizerBottom, "SizerBottom"}, {Sizer, "Sizer"}, {cmdErrors, "cmdErrors"},
        {cmdOplossing, "cmdOplossing"}, {KiezerL, "KiezerL"}, {cmdClear, "cmdClear"},
        {Positie, "Positie"}, {MuisR, "MuisR"}, {MuisL, "MuisL"}, {LijnL, "LijnL"}, {LijnR, "LijnR"},
        {Picture1, "Picture1"}, {HetVeld, "HetVeld"}, {Image1, "Image1"}, {MMbestand, "MMbestand"},
        {MMopen, "MMopen"}, {MMlijn1, "MMlijn1"}, {MMlijn2, "MMlijn2"}, {MMclose, "MMclose"},
        {MMtaal, "MMtaal"}, {MMenglish, "MMenglish"}, {MMnederlands, "MMnederlands"},
        {MMitaliano, "MMitaliano"}};
    for (const auto& [control, name] : named)
        control->setObjectName(QLatin1String(name));
    // The five instances of one menu item, told apart by their index.
    for (int i = 0; i < RecentCount; ++i)
        MMrecent[i]->setObjectName(QStringLiteral("MMrecent%1").arg(i));
}

void Form1::BuildMenus()
{
    MMbestand = menuBar()->addMenu(QStringLiteral("Bestand"));
    MMopen = MMbestand->addAction(QStringLiteral("Open"));
    MMopen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MMlijn1 = MMbestand->addSeparator();
    for (int i = 0; i < RecentCount; ++i) {
        MMrecent[i] = MMbestand->addAction(QString());
        MMrecent[i]->setVisible(false);
        connect(MMrecent[i], &QAction::triggered, this, [this, i] { MMrecent_Click(i); });
    }
    MMlijn2 = MMbestand->addSeparator();
    MMclose = MMbestand->addAction(QStringLiteral("Afsluiten"));

    MMtaal = menuBar()->addMenu(QStringLiteral("Taal"));
    MMenglish = MMtaal->addAction(QStringLiteral("&English"));
    MMnederlands = MMtaal->addAction(QStringLiteral("&Nederlands"));
    MMitaliano = MMtaal->addAction(QStringLiteral("&Italiano"));
    for (QAction* item : {MMenglish, MMnederlands, MMitaliano})
        item->setCheckable(true);

    connect(MMopen, &QAction::triggered, this, [this] { MMopen_Click(); });
    connect(MMclose, &QAction::triggered, this, [this] { close(); });
    connect(MMenglish, &QAction::triggered, this, [this] { MMenglish_Click(); });
    connect(MMnederlands, &QAction::triggered, this, [this] { MMnederlands_Click(); });
    connect(MMitaliano, &QAction::triggered, this, [this] { MMitaliano_Click(); });
}

void Form1::Form_Resize()
{
    QWidget* client = centralWidget();
    SizerBottom->setGeometry(0, client->height(), client->width(), 0);
    const int sizerWidth = TwipsToPixels(SizerWidthTwips);
    Sizer->setGeometry(client->width() - sizerWidth, 0, sizerWidth, SizerBottom->y());
    panelInside_->setGeometry(Sizer->contentsRect());
    PlaceReadOut(*Positie);
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
    // A window manager may maximise after the first activation.
    if (isMaximized())
        NoteFreeArea();
}

void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Form1::Form_Activate()
{
    if (isMaximized())
        NoteFreeArea();
}

void Form1::NoteFreeArea()
{
    state.MaxSizerLeft = static_cast<float>(Sizer->x() / PixelsPerUnit(ScaleUnit::Point));
    state.MaxSizerBottomTop = static_cast<float>(SizerBottom->y() / PixelsPerUnit(ScaleUnit::Point));
}

float Form1::FreeWidth() const
{
    if (state.MaxSizerLeft > 0)
        return state.MaxSizerLeft;
    return static_cast<float>(Sizer->x() / PixelsPerUnit(ScaleUnit::Point));
}

float Form1::FreeHeight() const
{
    if (state.MaxSizerBottomTop > 0)
        return state.MaxSizerBottomTop;
    return static_cast<float>(SizerBottom->y() / PixelsPerUnit(ScaleUnit::Point));
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
}

}  // namespace grizzet
