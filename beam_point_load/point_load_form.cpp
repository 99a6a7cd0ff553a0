// SPDX-License-Identifier: MIT
#include "beam_point_load/point_load_form.h"

#include "beam_point_load/point_load_layout.h"
#include "beam_point_load/point_load_model.h"

#include "toolkit/control_set.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/number_text.h"
#include "toolkit/palette.h"
#include "toolkit/picture_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <array>

using namespace toolkit;

namespace {

constexpr std::array<const char*, 21> kLegendColumns = {
    "Label5",  "Label6",  "Label7",  "Label8",  "Label9",  "Label10", "Label11",
    "Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18",
    "Label19", "Label20", "Label21", "Label22", "Label23", "Label24", "Label25",
};

} // namespace

PointLoadControls::PointLoadControls(const ControlSet& controls)
    : Text1(controls.get<QLineEdit>("Text1"))
    , Text2(controls.get<QLineEdit>("Text2"))
    , HScroll1(controls.get<QScrollBar>("HScroll1"))
    , Command1(controls.get<QPushButton>("Command1"))
    , Command2(controls.get<QPushButton>("Command2"))
    , Command3(controls.get<QPushButton>("Command3"))
    , OLE1(controls.get<PictureBox>("OLE1"))
    , legend(controls, kLegendColumns)
{
}

PointLoadForm::PointLoadForm(Program& program, Form& mainWindow)
    : FormWith(program, kPointLoadWindow)
    , Form1(mainWindow)
{
}

void PointLoadForm::connectEvents(PointLoadControls& c)
{
    connect(&c.Command1, &QPushButton::clicked, this, &PointLoadForm::Command1_Click);
    connect(&c.Command2, &QPushButton::clicked, this, &PointLoadForm::Command2_Click);
    connect(&c.Command3, &QPushButton::clicked, this, &PointLoadForm::Command3_Click);
    // The bar does not track its thumb: a drag is one change, on release.
    connect(&c.HScroll1, &QScrollBar::valueChanged, this, &PointLoadForm::HScroll1_Change);
}

void PointLoadForm::Form_Load()
{
    PointLoadControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
    c.Text2.setText(wholeNumberText(1500) + QStringLiteral(" kg"));
}

// Plot: the curve for the current position in light cyan. The symbol, the
// legend and ChangeCount stay as they are.
void PointLoadForm::Command1_Click()
{
    PointLoadControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
    const int a = c.HScroll1.value();
    plotCurve(surface(), point_load::pointLoadCurve(a, DeflectionTable), QBColor(11));
}

// Leave: the main window comes back in front; this window stays open behind
// it with everything on it.
void PointLoadForm::Command2_Click()
{
    Form1.Show();
}

// Clear: curves and legend go, and the numbering starts again; the position,
// the symbol and the texts stay.
void PointLoadForm::Command3_Click()
{
    surface().Cls();
    ChangeCount.reset();
    controls().legend.clear();
}

// A new position: move the symbol, plot its curve in the colour of this change
// and record the change in the next legend column.
void PointLoadForm::HScroll1_Change()
{
    PointLoadControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
    // The symbol follows the text just written, at 318.75 twips per unit (the
    // curve's scale is 318.25).
    c.OLE1.setLeftTwips(float(c.Text1.text().toInt() * 318.75 + 515));
    const int a = c.HScroll1.value();
    const ChangeStep& step = ChangeCount.select(point_load::kChangeSteps);
    plotCurve(surface(), point_load::pointLoadCurve(a, DeflectionTable), QBColor(step.colour));
    // The column shows the same three values for every point of the curve, so
    // it is written once.
    c.legend.fill(step, wholeNumberText(c.HScroll1.value()));
    ChangeCount.advance();
}
