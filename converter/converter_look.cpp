// How the converter window looks beyond its form: fonts, colours, lines.
#include "converter/converter_window.h"

#include "resources/maker.h"
#include "toolkit/accessibility.h"
#include "toolkit/layout_line.h"
#include "toolkit/layout_metrics.h"
#include "toolkit/theme_colours.h"
#include "ui_converter_window.h"

#include <QLayout>

namespace converter {

void ConverterWindow::applyLook() {
    ui_->centralwidget->setFixedSize(toolkit::twips(10380), toolkit::twips(7560));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    using toolkit::setFontPoints;
    setFontPoints(*ui_->Label1, 13.5);
    setFontPoints(*ui_->Label4, 13.5);
    setFontPoints(*ui_->Label21, 12, true);
    setFontPoints(*ui_->Label22, 8.25);
    setFontPoints(*ui_->Command1, 12);
    setFontPoints(*ui_->Command2, 12);
    // The instructions filled their frame to the last line in the original font; the
    // substitute wraps into one line more: a pixel less and the frame's last free pixels keep
    // all of them in view.
    QFont smaller = ui_->Label24->font();
    smaller.setPixelSize(toolkit::pointsToPixels(9.75) - 1);
    ui_->Label24->setFont(smaller);
    ui_->Label24->resize(ui_->Label24->width(), ui_->Frame3->height() - ui_->Label24->y() - 1);

    for (QLabel* label :
         {ui_->Label21, ui_->Label22, ui_->Label18, ui_->Label19, ui_->Label20, ui_->Label24})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The pictures keep the light ground they were drawn on; the blue texts on them, and the
    // web address and the lines on the window, take the palette's colours, for as long as this
    // form lives (Clear builds another).
    toolkit::followPalette(
        *this,
        [this] {
            toolkit::keepOnLightGround(*ui_->Picture1);
            toolkit::keepOnLightGround(*ui_->Picture2);
            for (QLabel* label : {ui_->Label21, ui_->Label22, ui_->Label18, ui_->Label19,
                                  ui_->Label20, ui_->Label23})
                toolkit::setTextColour(*label, Qt::blue);
            toolkit::placeLine(*ui_->Line1, 6120, 1740, 10080, 1740, 2);
            toolkit::placeLine(*ui_->Line2, 6120, 4260, 10080, 4260, 2);
            toolkit::placeLine(*ui_->Line3, 4320, 5640, 10080, 5640, 2);
        },
        ui_->centralwidget);

    ui_->Label23->setText(QString::fromUtf8(maker::kWebAddress));
    ui_->Picture1->setToolTip(QString::fromUtf8(maker::kLogoTooltip));
    ui_->Picture1->setAccessibleName(QStringLiteral("Logo"));
    ui_->Picture2->setAccessibleName(QStringLiteral("Relationships"));
    ui_->Picture1->setLink(true);
    ui_->Frame1->setAccessibleName(QStringLiteral("Decibel reference"));
    toolkit::hideFromAssistiveTechnology(*ui_->Frame2); // never shown
}

} // namespace converter
