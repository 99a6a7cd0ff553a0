// SPDX-License-Identifier: MIT
#include "beam_uniform_load/uniform_load_form.h"

#include "beam_uniform_load/uniform_load_layout.h"
#include "beam_uniform_load/uniform_load_model.h"

#include "toolkit/control_set.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form_window.h"
#include "toolkit/number_reader.h"
#include "toolkit/number_text.h"
#include "toolkit/palette.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

#include <array>

using namespace toolkit;

namespace {

constexpr std::array<const char*, 10> kLegendRows = {
    "Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label12", "Label13", "Label14", "Label15",
};

} // namespace

UniformLoadControls::UniformLoadControls(const ControlSet& controls)
    : Text1(controls.get<QLineEdit>("Text1"))
    , HScroll1(controls.get<QScrollBar>("HScroll1"))
    , Command1(controls.get<QPushButton>("Command1"))
    , Command2(controls.get<QPushButton>("Command2"))
    , Command3(controls.get<QPushButton>("Command3"))
    , legend(controls, kLegendRows)
{
}

UniformLoadForm::UniformLoadForm(Program& program, Form& mainWindow)
    : FormWith(program, kUniformLoadWindow)
    , Form1(mainWindow)
{
}

void UniformLoadForm::connectEvents(UniformLoadControls& c)
{
    connect(&c.Command1, &QPushButton::clicked, this, &UniformLoadForm::Command1_Click);
    connect(&c.Command2, &QPushButton::clicked, this, &UniformLoadForm::Command2_Click);
    connect(&c.Command3, &QPushButton::clicked, this, &UniformLoadForm::Command3_Click);
    // The bar does not track its thumb: a drag is one change, on release.
    connect(&c.HScroll1, &QScrollBar::valueChanged, this, &UniformLoadForm::HScroll1_Change);
}

void UniformLoadForm::Form_Load()
{
    UniformLoadControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
}

// Plot: the curve for the load typed in Text1, in light green. The legend,
// ChangeCount and the scroll bar stay as they are.
void UniformLoadForm::Command1_Click()
{
    plotLoad(10);
}

// Leave: the main window comes back in front; this window stays open behind
// it with everything on it.
void UniformLoadForm::Command2_Click()
{
    Form1.Show();
}

// Clear: curves and legend go, and the numbering starts again; the load size
// and the scroll bar stay.
void UniformLoadForm::Command3_Click()
{
    surface().Cls();
    ChangeCount.reset();
    controls().legend.clear();
}

// A new load size: show it in Text1, from where draw reads it.
void UniformLoadForm::HScroll1_Change()
{
    UniformLoadControls& c = controls();
    c.Text1.setText(wholeNumberText(c.HScroll1.value()));
    draw();
}

// The curve of this change in its colour, recorded in the next legend row.
void UniformLoadForm::draw()
{
    UniformLoadControls& c = controls();
    const ChangeStep& step = ChangeCount.select(uniform_load::kChangeSteps);
    plotLoad(step.colour);
    // The row shows the same three values for every point of the curve, so it
    // is written once.
    c.legend.fill(step, wholeNumberText(c.HScroll1.value()));
    ChangeCount.advance();
}

// The curve for the load in Text1, read as leniently as the user may type it.
// Only a typed number can be too large to plot; the scroll bar's are 0 to 10.
void UniformLoadForm::plotLoad(int colour)
{
    const double w = readLeadingNumber(controls().Text1.text());
    if (const auto curve = uniform_load::uniformLoadCurve(w)) {
        plotCurve(surface(), *curve, QBColor(colour));
        return;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8("均佈負荷"),
                    QString::fromUtf8("負荷大小太大，無法繪出變形曲線。\n請輸入較小的負荷大小。"), QMessageBox::Ok,
                    window());
    box.button(QMessageBox::Ok)->setText(QString::fromUtf8("確定"));
    box.exec();
}
