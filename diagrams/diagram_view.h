// SPDX-License-Identifier: MIT
#pragma once

#include "diagrams/diagram_data.h"
#include "diagrams/diagram_painter.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

// The five diagrams on the screen, with a cursor that follows the pointer.
// Each diagram is also a child without pixels of its own, so that a screen
// reader finds it by name with a description of its extremes.
namespace diagrams {

class DiagramView : public QWidget {
    Q_OBJECT
public:
    explicit DiagramView(QWidget* parent = nullptr);

    void setInput(DiagramInput input);
    const DiagramSet& diagrams() const { return set_; }

    // Where the cursor stands along the beam, and what it reads there.
    std::optional<double> cursor() const { return cursor_; }
    QString cursorText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePanels();

    // Brings the ground up to the present curves: the earlier curves not on it
    // are painted onto it; where it holds a curve no longer shown, or the
    // layout or the ranges changed, it is painted again.
    void updateGround();

    DiagramSet set_;
    std::optional<double> cursor_;
    // The ground layer, and what it was painted for.
    QPixmap ground_;
    struct GroundCurve {
        std::shared_ptr<const CurveDiagram> diagram;
        QColor colour;
    };
    std::vector<GroundCurve> groundCurves_;
    std::array<Range, 4> groundRanges_;
    QRectF groundLegend_;
    std::array<QWidget*, kPanelCount> panels_{};
};

} // namespace diagrams
