#include "converter/converter_window.h"

#include "converter/results_text.h"
#include "converter/spoken_text.h"
#include "info/about_dialog.h"
#include "info/help_window.h"
#include "info/maker.h"
#include "info/tutorial_window.h"
#include "temperature/temperature_window.h"
#include "toolkit/accessibility.h"
#include "toolkit/desktop_services.h"
#include "toolkit/entry_box.h"
#include "ui_converter_window.h"

#include <QClipboard>
#include <QGuiApplication>

namespace converter {
namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Modal: the converter waits until the window is closed.
template <class Window> void showModal(toolkit::DesktopServices& services, QWidget* owner) {
    Window window(services, owner);
    window.exec();
}

} // namespace

ConverterWindow::ConverterWindow(toolkit::DesktopServices& services, Commands commands)
    : ui_(std::make_unique<Ui::ConverterWindow>()), services_(services),
      commands_(std::move(commands)),
      model_([this](const entry::Notice& notice) { tell(notice); }) {
    ui_->setupUi(this);
    applyLook();
    bindBoxes();
    bindCommands();
    render();
    boxes_[indexOf(Box::Hz)]->setFocus();
}

ConverterWindow::~ConverterWindow() = default;

void ConverterWindow::bindBoxes() {
    for (const BoxDescription& d : kBoxes) {
        auto* box = findChild<toolkit::EntryBox*>(qtext(d.objectName));
        auto* caption = findChild<QLabel*>(qtext(d.captionLabel));
        boxes_[indexOf(d.box)] = box;
        box->setAccessibleName(qtext(d.accessibleName));
        caption->setText(qtext(d.caption));
        if (!d.isoCaptionLabel.empty()) {
            auto* isoCaption = findChild<QLabel*>(qtext(d.isoCaptionLabel));
            isoCaption->setText(qtext(d.isoCaption));
            referenceCaptions_.push_back({caption, isoCaption});
        }

        const Box id = d.box;
        box->onKeyDown = [this, id] {
            model_.keyDown(id);
            render();
        };
        box->onKeyPress = [this, id, box](std::int16_t& keyAscii) {
            model_.keyPress(id, keyAscii, box->selection());
            if (const auto said = conversionAnnouncement(model_, render()))
                toolkit::announce(*box, qtext(*said));
        };
        box->onEdited = [this, id](const std::string& text) { model_.edited(id, text); };
        box->onGotFocus = [box] { box->select(entry::highlight(box->text().toStdString())); };
    }
    connect(ui_->OptdBUS, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            model_.selectReference(engine::Reference::US);
        showReference();
    });
    connect(ui_->OptdBISO, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            model_.selectReference(engine::Reference::ISO);
        showReference();
    });
}

void ConverterWindow::bindCommands() {
    connect(ui_->Command1, &QPushButton::clicked, this, &ConverterWindow::exitProgram);
    connect(ui_->menu11, &QAction::triggered, this, &ConverterWindow::exitProgram);
    connect(ui_->Command2, &QPushButton::clicked, this, [this] {
        if (commands_.clearAll)
            commands_.clearAll(*this);
    });
    connect(ui_->menu12, &QAction::triggered, this, &ConverterWindow::printWindow);
    connect(ui_->mnuCopyAll, &QAction::triggered, this, &ConverterWindow::copyAllResults);
    connect(ui_->mnu4, &QAction::triggered, this,
            [this] { showModal<temperature::TemperatureWindow>(services_, this); });
    connect(ui_->menu21, &QAction::triggered, this,
            [this] { showModal<info::HelpWindow>(services_, this); });
    connect(ui_->menu23, &QAction::triggered, this,
            [this] { showModal<info::TutorialWindow>(services_, this); });
    connect(ui_->menu22, &QAction::triggered, this,
            [this] { showModal<info::AboutDialog>(services_, this); });
    connect(ui_->mnu81, &QAction::triggered, this, [this] {
        if (commands_.openContactWindow)
            commands_.openContactWindow(*this);
    });
    connect(ui_->Picture1, &toolkit::PictureBox::clicked, this, &ConverterWindow::openWebSite);
}

// The model's state into the widgets: the texts it wrote (returned), every enabled state, the
// reference.
std::bitset<kBoxCount> ConverterWindow::render() {
    const std::bitset<kBoxCount> written = model_.takeWritten();
    for (const BoxDescription& d : kBoxes) {
        toolkit::EntryBox* box = boxes_[indexOf(d.box)];
        if (written.test(indexOf(d.box)))
            box->showText(model_.text(d.box));
        box->setEnabled(model_.enabled(d.box));
    }
    ui_->Frame1->setEnabled(!model_.referenceLocked());
    const auto quantity = model_.enteredQuantity();
    ui_->optACC->setChecked(quantity == engine::Quantity::Acceleration);
    ui_->optVel->setChecked(quantity == engine::Quantity::Velocity);
    ui_->optDisp->setChecked(quantity == engine::Quantity::Displacement);
    showReference();
    return written;
}

// A message box shows the window as the model has it at that moment.
void ConverterWindow::tell(const entry::Notice& notice) {
    render();
    services_.tell(notice);
}

// The captions always name the reference in use. Like any exclusive group of option buttons,
// the reference group is entered by TAB at its selected button only; the arrow keys move the
// selection within it.
void ConverterWindow::showReference() {
    const bool iso = model_.reference() == engine::Reference::ISO;
    for (const auto& [us, isoCaption] : referenceCaptions_) {
        us->setVisible(!iso);
        isoCaption->setVisible(iso);
    }
    ui_->OptdBUS->setChecked(!iso);
    ui_->OptdBISO->setChecked(iso);
    // The decibel boxes' names say the reference; renamed only when it changes, as a screen
    // reader speaks every new name of the box it is on.
    const QString referenceName = (iso ? ui_->OptdBISO : ui_->OptdBUS)->text();
    for (Box decibels : {Box::AdB, Box::VdB}) {
        const QString name =
            qtext(spokenName(decibels, model_.reference(), referenceName.toStdString()));
        if (boxes_[indexOf(decibels)]->accessibleName() != name)
            boxes_[indexOf(decibels)]->setAccessibleName(name);
    }
    ui_->OptdBUS->setFocusPolicy(iso ? Qt::ClickFocus : Qt::StrongFocus);
    ui_->OptdBISO->setFocusPolicy(iso ? Qt::StrongFocus : Qt::ClickFocus);
}

void ConverterWindow::copyAllResults() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(resultsText(model_)));
}

void ConverterWindow::exitProgram() {
    if (commands_.exitProgram)
        commands_.exitProgram();
    else
        close();
}

void ConverterWindow::printWindow() {
    services_.printWindow(*this);
}

void ConverterWindow::openWebSite() {
    services_.openAddress(info::kWebAddress);
}

} // namespace converter
