// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/palette.h"
#include "toolkit/point_layer.h"

#include <QPointer>
#include <QWidget>

#include <vector>

namespace toolkit {

// A window's canvas for plotted points. It lies over the client area's
// background, figures and free-standing labels and under every separate widget
// (text boxes, buttons, the scroll bar, frames, picture objects): points under
// such a widget stay hidden while it is there and show again when it moves
// away. Points stay until Cls or until the window is unloaded.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* clientArea);

    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);
    // One round dot of the pen width at (x, y) twips; outside the client area
    // it draws nothing.
    void PSet(float x, float y, Bgr colour);
    void Cls();

    // While a RepaintBatch lives, PSet only collects the dots it draws; the
    // batch asks for one repaint when it ends, so a curve of 2000 dots is one
    // request, not 2000. The request covers the dots and little more: runs of
    // neighbouring dots, a few dozen rectangles at most, not the curve's
    // bounding rectangle.
    class RepaintBatch {
    public:
        explicit RepaintBatch(DrawingSurface& surface);
        ~RepaintBatch();
        RepaintBatch(const RepaintBatch&) = delete;
        RepaintBatch& operator=(const RepaintBatch&) = delete;

    private:
        DrawingSurface& surface_;
    };

    // The separate widgets that points never show through.
    void setCoveringWidgets(std::vector<QPointer<QWidget>> widgets);
    // Where points show: the surface but for the covering widgets in view.
    QRegion shownRegion() const;

    const PointLayer& layer() const { return layer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void addUnrequested(const QRect& touched);
    void requestRepaint();

    PointLayer layer_;
    int drawWidth_ = 1;
    std::vector<QPointer<QWidget>> covering_;
    // Dots drawn and not yet asked to be repainted, as runs of neighbouring
    // dots in the order drawn.
    std::vector<QRect> unrequested_;
    int batches_ = 0;
};

} // namespace toolkit
