// SPDX-License-Identifier: MIT
#include "beam_common/beam_form.h"

#include "beam_common/readout.h"
#include "beam_common/window_output.h"
#include "diagrams/beam_diagrams.h"
#include "diagrams/diagram_window.h"
#include "toolkit/client_area.h"
#include "toolkit/control_set.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/number_text.h"
#include "toolkit/palette.h"
#include "toolkit/picture_box.h"
#include "toolkit/units.h"

#include <QAccessible>
#include <QAction>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace beam {

using toolkit::wholeNumberText;

namespace {

// How near the pointer a curve must pass to be read out: a few pixels.
constexpr double kReadoutReach = 4 * toolkit::kTwipsPerPixel;

// Every beam window plots a curve the same way: pen width 2 before each point,
// then the point, in the curve's colour. The dots ask for one repaint.
void plotCurve(toolkit::DrawingSurface& surface, const Curve& curve, toolkit::Bgr colour)
{
    const toolkit::DrawingSurface::RepaintBatch batch(surface);
    for (const CurveSample& sample : curve) {
        surface.setDrawWidth(kCurveDotWidth);
        surface.PSet(sample.point.x, sample.point.y, colour);
    }
}

// A label's caption as a name: without the colon or equals sign that leads
// to the control.
QString captionName(const QString& caption)
{
    QString name = caption.trimmed();
    while (name.endsWith(u':') || name.endsWith(u'=') || name.endsWith(u'：'))
        name = name.chopped(1).trimmed();
    return name;
}

// Names the scroll bar and the text boxes for a screen reader by the labels
// the window shows beside them, and gives those labels.
std::vector<const QWidget*> nameByCaptions(const toolkit::ControlSet& controls,
                                           std::span<const ControlCaption> captions)
{
    std::vector<const QWidget*> labels;
    for (const ControlCaption& caption : captions) {
        const auto& label = controls.get<toolkit::Label>(caption.label, caption.labelIndex);
        QString name = captionName(label.caption());
        labels.push_back(&label);
        if (caption.unit != nullptr) {
            const auto& unit = controls.get<toolkit::Label>(caption.unit);
            name += QStringLiteral("（%1）").arg(unit.caption().trimmed());
            labels.push_back(&unit);
        }
        controls.get<QWidget>(caption.control).setAccessibleName(name);
    }
    return labels;
}

// Tells a screen reader what the scroll bar did: it has the keyboard while
// a user changes the load, and a reader speaks the focused control's
// description when it changes.
void announce(QScrollBar& bar, const QString& text)
{
    bar.setAccessibleDescription(text);
    QAccessibleEvent event(&bar, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace

BeamControls::BeamControls(const toolkit::ControlSet& controls, const BeamWindow& window)
    : Text1(controls.get<QLineEdit>("Text1"))
    , Text2(window.magnitude != nullptr ? &controls.get<QLineEdit>("Text2") : nullptr)
    , HScroll1(controls.get<QScrollBar>("HScroll1"))
    , Command1(controls.get<QPushButton>("Command1"))
    , Command2(controls.get<QPushButton>("Command2"))
    , Command3(controls.get<QPushButton>("Command3"))
    , OLE1(window.mapping.symbolLeft != nullptr ? &controls.get<toolkit::PictureBox>("OLE1") : nullptr)
    , legend(controls, window.legendLines)
    , controlsAndCaptions(nameByCaptions(controls, window.captions))
{
    controlsAndCaptions.insert(controlsAndCaptions.end(), {&Text1, &HScroll1, &Command1, &Command2, &Command3});
    if (Text2 != nullptr)
        controlsAndCaptions.push_back(Text2);
}

BeamForm::BeamForm(toolkit::Program& program, toolkit::Form& mainWindow, const BeamWindow& window)
    : FormWith(program, window.layout, window)
    , window_(window)
    , Form1(mainWindow)
{
    if (window.keepsDeflectionTable)
        DeflectionTable.emplace();
}

const DeflectionTable* BeamForm::deflectionTable() const
{
    return DeflectionTable ? &*DeflectionTable : nullptr;
}

OutputSource BeamForm::output() const
{
    return beamOutput({window()->clientArea(), window_, curves_, controls().controlsAndCaptions});
}

void BeamForm::connectEvents(BeamControls& c)
{
    connect(&c.Command1, &QPushButton::clicked, this, &BeamForm::Command1_Click);
    connect(&c.Command2, &QPushButton::clicked, this, &BeamForm::Command2_Click);
    connect(&c.Command3, &QPushButton::clicked, this, &BeamForm::Command3_Click);
    // The bar does not track its thumb: a drag is one change, on release.
    connect(&c.HScroll1, &QScrollBar::valueChanged, this, &BeamForm::HScroll1_Change);

    // Print, save, copy and export: the client area's context menu and shortcuts.
    for (const OutputAction& action : kOutputActions)
        connect(&addContextAction(window()->clientArea(), action), &QAction::triggered, this,
                [this, &action] { action.run(output()); });
    connect(&addContextAction(window()->clientArea(), QString::fromUtf8(kDiagramsCaption),
                              {QKeySequence(QString::fromLatin1(kDiagramsShortcut))}),
            &QAction::triggered, this, &BeamForm::showDiagrams);

    toolkit::ClientArea& drawing = window()->clientArea();
    drawing.installEventFilter(this);
    drawing.setAccessibleName(QStringLiteral("%1的撓度曲線").arg(QString::fromUtf8(window_.loadCase)));
    describeCurves();
}

bool BeamForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return Form::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = readoutAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, &window()->clientArea());
    }
    return true;
}

QString BeamForm::readoutAt(QPoint pixel) const
{
    // Only the drawing itself: a control's tooltip events come here too when
    // it has none of its own.
    const toolkit::ClientArea& drawing = window()->clientArea();
    const QList<QWidget*> children = drawing.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (std::ranges::any_of(children, [&](const QWidget* child) {
            return child != &drawing.surface() && child->isVisible() && child->geometry().contains(pixel);
        }))
        return {};
    const QPointF pointer(toolkit::pixelsToTwips(pixel.x()), toolkit::pixelsToTwips(pixel.y()));
    return pointReadout(window_, curves_, pointer, kReadoutReach);
}

void BeamForm::describeCurves()
{
    window()->clientArea().setAccessibleDescription(curvesDescription(window_, curves_));
}

diagrams::DiagramWindow* BeamForm::diagramWindow() const
{
    return diagrams_;
}

void BeamForm::showDiagrams()
{
    if (!diagrams_) {
        // A window of its own that stays above this one and goes with it.
        diagrams_ = new diagrams::DiagramWindow(window());
        diagrams_->setAttribute(Qt::WA_DeleteOnClose);
        updateDiagrams();
    }
    diagrams_->show();
    diagrams_->raise();
    diagrams_->activateWindow();
}

void BeamForm::updateDiagrams()
{
    if (diagrams_)
        diagrams_->setInput(diagrams::diagramInput(window_, curves_, controls().HScroll1.value()));
}

void BeamForm::closeDiagrams()
{
    delete diagrams_;
}

void BeamForm::releaseControls(BeamControls& /*c*/)
{
    closeDiagrams();
    window()->clientArea().removeEventFilter(this);
    curves_.clear();
}

void BeamForm::Form_Load()
{
    BeamControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
    if (c.Text2 != nullptr)
        c.Text2->setText(QString::fromUtf8(window_.magnitude));
}

// Leave: the main window comes back in front; this window stays open behind
// it with everything on it.
void BeamForm::Command2_Click()
{
    closeDiagrams();
    Form1.Show();
}

// Clear: curves and legend go, and the numbering starts again; the load value,
// the symbol and the texts stay.
void BeamForm::Command3_Click()
{
    surface().Cls();
    curves_.clear();
    ChangeCount.reset();
    controls().legend.clear();
    describeCurves();
    announce(controls().HScroll1, QStringLiteral("已清除圖形"));
    updateDiagrams();
}

// A new load value: show it, move the symbol there, plot its curve in the
// colour of this change and record the change in the next legend line.
void BeamForm::HScroll1_Change()
{
    showLoadValue();
    recordChange(controls().HScroll1.value());
}

void BeamForm::showLoadValue()
{
    BeamControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
    if (window_.mapping.symbolLeft != nullptr)
        c.OLE1->setLeftTwips(window_.mapping.symbolLeft(c.Text1.text().toInt()));
}

void BeamForm::plot(double load)
{
    drawCurve({kPlotButton, window_.plotColour, load});
}

void BeamForm::recordChange(double load)
{
    BeamControls& c = controls();
    const ChangeStep step = ChangeCount.select(window_.changeColours);
    ChangeCount.advance();
    // The curve keeps the change's own number, which goes on past the legend.
    const DrawnCurve drawn{step.line, step.colour, load, ChangeCount.value()};
    drawCurve(drawn);
    // The line shows the same three values for every point of the curve, so
    // it is written once.
    const QString note = legendNote(window_, drawn);
    c.legend.fill(step, wholeNumberText(c.HScroll1.value()), note);
    announce(c.HScroll1, note);
}

// Plots one curve dot by dot and keeps it in the list of curves. A load too
// large to plot, which only typing can give, draws nothing and says so.
void BeamForm::drawCurve(const DrawnCurve& drawn)
{
    const Curve curve = window_.curve(drawn.load);
    if (curve.empty()) {
        QMessageBox box(QMessageBox::Warning, QString::fromUtf8(window_.loadCase),
                        QString::fromUtf8("負荷大小太大，無法繪出變形曲線。\n請輸入較小的負荷大小。"), QMessageBox::Ok,
                        window());
        box.button(QMessageBox::Ok)->setText(QString::fromUtf8("確定"));
        box.exec();
        return;
    }
    if (DeflectionTable) {
        for (const CurveSample& sample : curve)
            DeflectionTable->store(sample.x, sample.deflection);
    }
    plotCurve(surface(), curve, toolkit::QBColor(drawn.colour));
    curves_.add(drawn);
    describeCurves();
    updateDiagrams();
}

} // namespace beam
