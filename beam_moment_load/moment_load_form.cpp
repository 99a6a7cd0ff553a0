// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_form.h"

#include "beam_moment_load/moment_load_layout.h"
#include "beam_moment_load/moment_load_model.h"

#include "toolkit/control_set.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/number_text.h"
#include "toolkit/palette.h"
#include "toolkit/picture_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace toolkit;

namespace {

constexpr const char* kLegendRows[] = {"Label5", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11"};

} // namespace

MomentLoadControls::MomentLoadControls(const ControlSet& controls)
    : Text1(controls.get<QLineEdit>("Text1"))
    , Text2(controls.get<QLineEdit>("Text2"))
    , HScroll1(controls.get<QScrollBar>("HScroll1"))
    , OLE1(controls.get<PictureBox>("OLE1"))
    , Command1(controls.get<QPushButton>("Command1"))
    , Command2(controls.get<QPushButton>("Command2"))
    , Command3(controls.get<QPushButton>("Command3"))
    , legend(controls, kLegendRows)
{
}

MomentLoadForm::MomentLoadForm(Program& program, Form& mainWindow)
    : FormWith(program, kMomentLoadWindow)
    , Form1(mainWindow)
{
}

void MomentLoadForm::connectEvents(MomentLoadControls& c)
{
    connect(&c.Command1, &QPushButton::clicked, this, &MomentLoadForm::Command1_Click);
    connect(&c.Command2, &QPushButton::clicked, this, &MomentLoadForm::Command2_Click);
    connect(&c.Command3, &QPushButton::clicked, this, &MomentLoadForm::Command3_Click);
    // The bar does not track its thumb: a drag reports one change, on release.
    connect(&c.HScroll1, &QScrollBar::valueChanged, this, &MomentLoadForm::HScroll1_Change);
}

void MomentLoadForm::Form_Load()
{
    MomentLoadControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
    c.Text2.setText(wholeNumberText(3000) + QStringLiteral(" KN-m"));
}

// Writes the position into Text1 and moves the symbol to the number read back
// from it; returns the position for the curve.
std::int16_t MomentLoadForm::showPosition()
{
    MomentLoadControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
    const auto a = std::int16_t(c.HScroll1.value());
    const int n = c.Text1.text().toInt();
    c.OLE1.setLeftTwips(float(960 + 900.0 * n));
    return a;
}

// Plot: the curve of the current position in light green; the legend and
// the change count stay as they are.
void MomentLoadForm::Command1_Click()
{
    const std::int16_t a = showPosition();
    plotCurve(surface(), moment_load::momentCurve(a, DeflectionTable), QBColor(10));
}

// Leave: the main window comes back in front; this window stays open behind
// it with everything on it.
void MomentLoadForm::Command2_Click()
{
    Form1.Show();
}

// Clear: the curves go, the numbering starts again and the legend empties,
// its swatches turning light grey.
void MomentLoadForm::Command3_Click()
{
    surface().Cls();
    ChangeCount.reset();
    controls().legend.clear();
}

// A new position: the symbol moves there, the curve is drawn in the colour of
// this change and the change is recorded in the next legend row. The row's
// cells would get the same values at every sample, so they are written once.
void MomentLoadForm::HScroll1_Change()
{
    MomentLoadControls& c = controls();
    const std::int16_t a = showPosition();
    const ChangeStep& row = ChangeCount.select(moment_load::kChangeSteps);
    plotCurve(surface(), moment_load::momentCurve(a, DeflectionTable), QBColor(row.colour));
    c.legend.fill(row, wholeNumberText(c.HScroll1.value()));
    ChangeCount.advance();
}
