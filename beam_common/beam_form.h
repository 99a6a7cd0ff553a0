// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"
#include "beam_common/change_count.h"
#include "beam_common/curve_list.h"
#include "beam_common/deflection_table.h"
#include "beam_common/legend_grid.h"
#include "beam_common/window_picture.h"
#include "toolkit/form.h"

#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace diagrams {
class DiagramWindow;
} // namespace diagrams

namespace toolkit {
class ControlSet;
class PictureBox;
} // namespace toolkit

namespace beam {

// The controls every beam window has, looked up once per load.
struct BeamControls {
    BeamControls(const toolkit::ControlSet& controls, const BeamWindow& window);

    QLineEdit& Text1; // the load value
    QLineEdit* Text2; // the load's magnitude, where the window shows one
    QScrollBar& HScroll1; // the load value
    QPushButton& Command1; // plot
    QPushButton& Command2; // leave
    QPushButton& Command3; // clear
    toolkit::PictureBox* OLE1; // the load symbol, where the window has one
    LegendGrid legend;
    // The buttons, text boxes and scroll bar, and the labels that name them.
    std::vector<const QWidget*> controlsAndCaptions;
};

// A window that shows a simply supported beam under one load case: every change
// of its scroll bar plots the deflection curve for the new load value in the
// next colour and records it in the legend; the plot button draws the current
// curve in a fixed colour, the clear button erases curves and legend, and the
// leave button brings back the main window. A window's own class supplies its
// plot button, the one handler in which the beam windows differ.
class BeamForm : public toolkit::FormWith<BeamControls, BeamWindow> {
    Q_OBJECT
public:
    BeamForm(toolkit::Program& program, toolkit::Form& mainWindow, const BeamWindow& window);

    const BeamWindow& description() const { return window_; }

    const beam::ChangeCount& changeCount() const { return ChangeCount; }
    // Only in windows that keep one.
    const beam::DeflectionTable* deflectionTable() const;
    // The curves drawn since the last clear; empty while unloaded.
    const CurveList& curves() const { return curves_; }
    // What the output actions print, save, copy and export; only while loaded.
    OutputSource output() const;
    // The window's diagram window, while it is open.
    diagrams::DiagramWindow* diagramWindow() const;
    // Opens the diagram window, or raises the one already open.
    void showDiagrams();

    // Handlers, public so that tests can run them as the event loop would.
    void Form_Load() override;
    virtual void Command1_Click() = 0;
    void Command2_Click();
    void Command3_Click();
    void HScroll1_Change();

protected:
    // The read-out of the drawing area: a tooltip with the numbers of the
    // curve under the pointer.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Writes the scroll value into Text1 and moves the symbol, where there is
    // one, to the number read back from it.
    void showLoadValue();
    // The plot button's curve for `load`, in the window's plot colour.
    void plot(double load);

private:
    void connectEvents(BeamControls& c) final;
    void releaseControls(BeamControls& c) final;
    void recordChange(double load);
    void drawCurve(const DrawnCurve& drawn);
    // The drawing area's tooltip for the pointer at `pixel`, or none.
    QString readoutAt(QPoint pixel) const;
    // Tells a screen reader which curves the drawing area shows.
    void describeCurves();
    // Hands the diagram window, where it is open, the curves as they now are.
    void updateDiagrams();
    void closeDiagrams();

    const BeamWindow& window_;
    toolkit::Form& Form1;
    // Window state: kept while the window is closed and loaded again.
    beam::ChangeCount ChangeCount;
    std::optional<beam::DeflectionTable> DeflectionTable;
    // The curves on the window, beside its drawing surface: both are emptied by
    // the clear button and by unloading.
    CurveList curves_;
    // Opened on request; it closes when this window is left or unloaded.
    QPointer<diagrams::DiagramWindow> diagrams_;
};

// The context menu's entry that opens the diagram window, and its shortcut,
// which no text box takes for itself.
inline constexpr const char* kDiagramsCaption = "剪力、彎矩與撓度圖…";
inline constexpr const char* kDiagramsShortcut = "Ctrl+G";

// How the window list makes a beam window of class F.
template<class F>
std::unique_ptr<BeamForm> makeBeamForm(toolkit::Program& program, toolkit::Form& mainWindow, const BeamWindow& window)
{
    return std::make_unique<F>(program, mainWindow, window);
}

} // namespace beam
