// The converter window's behaviour: boxes bound to the model, buttons and menus, Clear.
#include "converter/converter_window.h"

#include "converter/reset_window.h"
#include "converter/results_text.h"
#include "converter/spoken_text.h"
#include "resources/maker.h"
#include "toolkit/accessibility.h"
#include "toolkit/desktop_services.h"
#include "toolkit/entry_box.h"
#include "toolkit/form_zoom.h"
#include "ui_converter_window.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTimer>

namespace converter {
namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ConverterWindow::ConverterWindow(toolkit::DesktopServices& services, Commands commands)
    : services_(services), commands_(std::move(commands)) {
    buildForm();
}

ConverterWindow::~ConverterWindow() = default;

void ConverterWindow::buildForm() {
    ui_ = std::make_unique<Ui::ConverterWindow>();
    ui_->setupUi(this);
    applyLook();
    bindBoxes();
    bindCommands();
    render();
    boxes_[indexOf(Box::Hz)]->setFocus();
}

// Everything the form made goes: its central widget with every control, its menus and
// actions (setupUi replaces the menu bar). The window itself stays mapped where it is.
void ConverterWindow::rebuildForm() {
    delete takeCentralWidget();
    qDeleteAll(findChildren<QAction*>(Qt::FindDirectChildrenOnly));
    referenceCaptions_.clear();
    model_ = ConverterModel();
    buildForm();
    // setupUi leaves a new form in a shown window hidden until a queued show; laid out
    // meanwhile, the window would shrink to nothing and be unmapped and mapped again.
    ui_->centralwidget->show();
    menuBar()->show();
    clearedUnsaid_ = true;
    QTimer::singleShot(0, this, &ConverterWindow::sayCleared);
}

// The reset window may hold the focus while the form is rebuilt: what is said waits for the
// focus to come back, or screen readers, elsewhere, would not say it.
void ConverterWindow::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange)
        QTimer::singleShot(0, this, &ConverterWindow::sayCleared);
}

void ConverterWindow::sayCleared() {
    QWidget* focused = QApplication::focusWidget();
    if (!clearedUnsaid_ || !isActiveWindow() || !focused || focused->window() != this)
        return;
    clearedUnsaid_ = false;
    toolkit::announce(*focused, qtext(kClearedAnnouncement));
}

void ConverterWindow::clearAll() {
    auto* reset = new ResetWindow([window = QPointer<ConverterWindow>(this)] {
        if (window)
            window->rebuildForm();
    });
    reset->showCentredOn(frameGeometry());
}

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
        box->onKeyDown = [this, id] { answer(model_.editKeyDown(id)); };
        box->onKeyPress = [this, id, box](entry::Key key) {
            const entry::KeyAnswer said = model_.keyPress(id, key, box->selection());
            const std::bitset<kBoxCount> written = answer(said.notices);
            if (const auto words = conversionAnnouncement(model_, written))
                toolkit::announce(*box, qtext(*words));
            return said.outcome == entry::KeyOutcome::Taken;
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
    connect(ui_->Command2, &QPushButton::clicked, this, &ConverterWindow::clearAll);
    connect(ui_->menu12, &QAction::triggered, this, [this] { services_.printWindow(*this); });
    connect(ui_->mnuCopyAll, &QAction::triggered, this, &ConverterWindow::copyAllResults);
    const std::pair<QAction*, SecondaryWindow> menus[] = {{ui_->mnu4, SecondaryWindow::Temperature},
                                                          {ui_->menu21, SecondaryWindow::Help},
                                                          {ui_->menu23, SecondaryWindow::Tutorial},
                                                          {ui_->menu22, SecondaryWindow::About},
                                                          {ui_->mnu81, SecondaryWindow::Contact}};
    // CTRL+= too: on many keyboards + takes SHIFT.
    ui_->mnuZoomIn->setShortcuts({ui_->mnuZoomIn->shortcut(), Qt::CTRL | Qt::Key_Equal});
    for (const auto& [action, step] :
         {std::pair{ui_->mnuZoomIn, 1}, {ui_->mnuZoomOut, -1}, {ui_->mnuActualSize, 0}})
        connect(action, &QAction::triggered, this, [step = step] { toolkit::stepZoom(step); });
    for (const auto& [action, window] : menus)
        connect(action, &QAction::triggered, this, [this, window = window] { open(window); });
    connect(ui_->Picture1, &toolkit::PictureBox::clicked, this,
            [this] { services_.openAddress(maker::kWebAddress); });
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

// A message box shows over the boxes as the model has them.
std::bitset<kBoxCount> ConverterWindow::answer(const entry::Notices& notices) {
    const std::bitset<kBoxCount> written = render();
    services_.tell(notices);
    return written;
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
    for (Box decibels : {Box::AccelerationDb, Box::VelocityDb}) {
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
    if (QWidget* focused = focusWidget())
        toolkit::announce(*focused, qtext(copiedAnnouncement(model_)));
}

void ConverterWindow::exitProgram() {
    if (commands_.exitProgram)
        commands_.exitProgram();
    else
        close();
}

void ConverterWindow::open(SecondaryWindow window) {
    if (commands_.open)
        commands_.open(window);
}

} // namespace converter
