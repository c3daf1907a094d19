#include "converter/main_window.h"

#include "converter/entry_bounds.h"

#include "entry/highlight.h"
#include "info/maker.h"
#include "toolkit/entrybox.h"
#include "toolkit/line.h"
#include "toolkit/services.h"
#include "toolkit/twips.h"
#include "ui_main.h"

#include <QFocusEvent>
#include <QLayout>
#include <QScreen>

using engine::AmplitudeUnit;

Main::Main(toolkit::Services& services, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Main>()), services(services) {
    ui->setupUi(this);
    ui->centralwidget->setFixedSize(toolkit::twips(10380), toolkit::twips(7560));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    amplitudeBoxes = {{ui->txtAccGrms, AmplitudeUnit::AccGrms, &converter::kLevelBounds},
                      {ui->txtAccGpk, AmplitudeUnit::AccGpk, &converter::kLevelBounds},
                      {ui->txtVelIPSrms, AmplitudeUnit::VelIPSrms, &converter::kLevelBounds},
                      {ui->txtVelIPSpk, AmplitudeUnit::VelIPSpk, &converter::kLevelBounds},
                      {ui->txtVelMMSrms, AmplitudeUnit::VelMMSrms, &converter::kLevelBounds},
                      {ui->txtVelMMSpk, AmplitudeUnit::VelMMSpk, &converter::kLevelBounds},
                      {ui->txtDispMILSpp, AmplitudeUnit::DispMILSpp, &converter::kLevelBounds},
                      {ui->txtDispMMpk, AmplitudeUnit::DispMMpk, &converter::kLevelMmBounds}};
    levelBoxes = {ui->txtAccGrms,   ui->txtAccGpk,   ui->txtVelIPSrms,  ui->txtVelIPSpk,
                  ui->txtVelMMSrms, ui->txtVelMMSpk, ui->txtDispMILSpp, ui->txtDispMMpk,
                  ui->txtAdB,       ui->txtVdB};
    entryBoxes = levelBoxes;
    entryBoxes.insert(entryBoxes.begin(), {ui->txtHZ, ui->txtCPM});

    conversions = std::make_unique<engine::Conversions>(
        engine::AmplitudeBoxes{*ui->txtAccGrms, *ui->txtAccGpk, *ui->txtAdB, *ui->txtVelIPSrms,
                               *ui->txtVelIPSpk, *ui->txtVelMMSrms, *ui->txtVelMMSpk, *ui->txtVdB,
                               *ui->txtDispMILSpp, *ui->txtDispMMpk},
        [this] { return usSelected(); });

    applyLook();
    nameForScreenReaders();
    wireEvents();
    Form_Load();
    ui->txtHZ->setFocus();
}

Main::~Main() = default;

Main* Main::load(toolkit::Services& services) {
    auto* window = new Main(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->adjustSize();
    window->move(window->screen()->availableGeometry().center() - window->rect().center());
    window->show();
    return window;
}

void Main::Form_Load() {
    ui->Label13->setText(QStringLiteral("AdB re 10E-6 m/sec") + QChar(0x00B2) +
                         QStringLiteral(", rms"));
    for (toolkit::EntryBox* box :
         {ui->txtAdB, ui->txtAccGrms, ui->txtVdB, ui->txtVelIPSrms, ui->txtVelIPSpk,
          ui->txtVelMMSrms, ui->txtDispMILSpp, ui->txtDispMMpk, ui->txtAccGpk, ui->txtVelMMSpk})
        box->SetEnabled(false);
}

void Main::wireEvents() {
    for (toolkit::EntryBox* box : entryBoxes)
        box->onGotFocus = [box] { entry::highlight(*box); };

    ui->txtHZ->onKeyPress = [this](std::int16_t& k) { TxtHz_KeyPress(k); };
    ui->txtCPM->onKeyPress = [this](std::int16_t& k) { TxtCPM_KeyPress(k); };

    using KeyDown = void (Main::*)(int, int);
    using KeyPress = void (Main::*)(std::int16_t&);
    const std::tuple<toolkit::EntryBox*, KeyDown, KeyPress> handlers[] = {
        {ui->txtAccGrms, &Main::TxtAccGrms_KeyDown, &Main::TxtAccGrms_KeyPress},
        {ui->txtAccGpk, &Main::TxtAccGpk_KeyDown, &Main::TxtAccGpk_KeyPress},
        {ui->txtVelIPSrms, &Main::TxtVelIPSrms_KeyDown, &Main::TxtVelIPSrms_KeyPress},
        {ui->txtVelIPSpk, &Main::txtVelIPSpk_KeyDown, &Main::txtVelIPSpk_KeyPress},
        {ui->txtVelMMSrms, &Main::TxtVelMMSrms_KeyDown, &Main::TxtVelMMSrms_KeyPress},
        {ui->txtVelMMSpk, &Main::TxtVelMMSpk_KeyDown, &Main::TxtVelMMSpk_KeyPress},
        {ui->txtDispMILSpp, &Main::TxTDispMilspp_KeyDown, &Main::TxTDispMilspp_KeyPress},
        {ui->txtDispMMpk, &Main::TxtDispMMpk_KeyDown, &Main::TxtDispMMpk_KeyPress},
        {ui->txtAdB, &Main::TxtAdB_KeyDown, &Main::TxtAdB_KeyPress},
        {ui->txtVdB, &Main::TxtVdB_KeyDown, &Main::TxtVdB_KeyPress}};
    for (const auto& [box, down, press] : handlers) {
        box->onKeyDown = [this, down](int key, int shift) { (this->*down)(key, shift); };
        box->onKeyPress = [this, press](std::int16_t& k) { (this->*press)(k); };
    }

    ui->OptdBUS->installEventFilter(this);
    ui->OptdBISO->installEventFilter(this);

    connect(ui->Command1, &QPushButton::clicked, this, &Main::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Main::Command2_Click);
    connect(ui->menu11, &QAction::triggered, this, &Main::menu11_Click);
    connect(ui->menu12, &QAction::triggered, this, &Main::menu12_Click);
    connect(ui->mnu4, &QAction::triggered, this, &Main::mnu4_Click);
    connect(ui->menu21, &QAction::triggered, this, &Main::menu21_Click);
    connect(ui->menu23, &QAction::triggered, this, &Main::menu23_Click);
    connect(ui->mnu81, &QAction::triggered, this, &Main::mnu81_Click);
    connect(ui->menu22, &QAction::triggered, this, &Main::menu22_Click);
    connect(ui->Picture1, &toolkit::PictureBox::clicked, this, &Main::Picture1_Click);
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Reactivating the window is not a move of the focus onto the button.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == ui->OptdBUS)
                OptdBUS_GotFocus();
            else if (watched == ui->OptdBISO)
                OptdBISO_GotFocus();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Main::applyLook() {
    using toolkit::setFontPoints;
    setFontPoints(*ui->Label1, 13.5);
    setFontPoints(*ui->Label4, 13.5);
    setFontPoints(*ui->Label21, 12, true);
    setFontPoints(*ui->Label22, 8.25);
    setFontPoints(*ui->Command1, 12);
    setFontPoints(*ui->Command2, 12);
    // The instructions filled their frame to the last line in the original font; the
    // substitute wraps into one line more: a pixel less and the frame's last free pixels keep
    // all of them in view.
    QFont smaller = ui->Label24->font();
    smaller.setPixelSize(toolkit::pointsToPixels(9.75) - 1);
    ui->Label24->setFont(smaller);
    ui->Label24->resize(ui->Label24->width(), ui->Frame3->height() - ui->Label24->y() - 1);

    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    for (QLabel* label :
         {ui->Label21, ui->Label22, ui->Label18, ui->Label19, ui->Label20, ui->Label23})
        label->setPalette(blue);
    for (QLabel* label :
         {ui->Label21, ui->Label22, ui->Label18, ui->Label19, ui->Label20, ui->Label24})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    toolkit::placeLine(*ui->Line1, 6120, 1740, 10080, 1740, 2);
    toolkit::placeLine(*ui->Line2, 6120, 4260, 10080, 4260, 2);
    toolkit::placeLine(*ui->Line3, 4320, 5640, 10080, 5640, 2);

    ui->Label23->setText(QString::fromUtf8(info::kWebAddress));
    ui->Picture1->setToolTip(QString::fromUtf8(info::kLogoTooltip));
}

void Main::nameForScreenReaders() {
    ui->txtHZ->setAccessibleName(QStringLiteral("Frequency, Hz"));
    ui->txtCPM->setAccessibleName(QStringLiteral("Frequency, CPM"));
    const std::pair<QWidget*, QLabel*> units[] = {
        {ui->txtAccGrms, ui->Label7},     {ui->txtAccGpk, ui->Label26},
        {ui->txtVelIPSrms, ui->Label9},   {ui->txtVelIPSpk, ui->Label10},
        {ui->txtVelMMSrms, ui->Label11},  {ui->txtVelMMSpk, ui->Label25},
        {ui->txtDispMILSpp, ui->Label16}, {ui->txtDispMMpk, ui->Label17}};
    for (const auto& [box, label] : units)
        box->setAccessibleName(label->text());
    ui->txtAdB->setAccessibleName(QStringLiteral("Acceleration decibels"));
    ui->txtVdB->setAccessibleName(QStringLiteral("Velocity decibels"));
    ui->Picture1->setAccessibleName(QStringLiteral("Logo"));
    ui->Picture2->setAccessibleName(QStringLiteral("Relationships"));
}

bool Main::usSelected() const {
    return ui->OptdBUS->isChecked();
}

void Main::setAllEntryBoxesEnabled(bool enabled) {
    for (toolkit::EntryBox* box : entryBoxes)
        box->SetEnabled(enabled);
}
