// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/output_source.h"
#include "diagrams/diagram_data.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QSplitter;
class QTextBrowser;

// A beam window's diagram window: the five diagrams beside the derivation of
// the latest load. It shows what it is handed and changes nothing else. Its
// context menu prints, saves, copies and exports the diagrams, with the same
// shortcuts as a beam window.
namespace diagrams {

class DiagramView;

class DiagramWindow : public QWidget {
    Q_OBJECT
public:
    explicit DiagramWindow(QWidget* parent = nullptr);

    // Shows the curves handed over, computing only those not seen before; the
    // derivation follows the latest once the load has rested for a moment.
    void setInput(DiagramInput input);

    // What the output actions print, save, copy and export: the diagrams as
    // the view shows them, without the cursor, and their data table.
    beam::OutputSource output() const;

    DiagramView& view() const { return *view_; }
    QTextBrowser& derivation() const { return *derivation_; }

    // How long the load must rest before the derivation follows it.
    static constexpr int kDerivationDelayMs = 150;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes the derivation of the latest curve, unless it is written already.
    void derive();

    QSplitter* splitter_;
    DiagramView* view_;
    QTextBrowser* derivation_;
    std::optional<DiagramCurve> derived_; // the curve the derivation is for
    // Laying out the derivation costs more than drawing the diagrams, so while
    // the load moves on quickly only where it rests is derived.
    QTimer derive_;
    QStringList heading_; // the printed page's lines under its title
};

// The window's title for a load case: 集中負荷：載重、剪力、彎矩、斜率與撓度圖.
QString diagramWindowTitle(const QString& loadCase);

} // namespace diagrams
