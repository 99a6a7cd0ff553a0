// SPDX-License-Identifier: MIT
#pragma once

#include "diagrams/diagram_data.h"

#include <QWidget>

#include <optional>

class QSplitter;
class QTextBrowser;

// A beam window's diagram window: the five diagrams beside the derivation of
// the latest load. It shows what it is handed and changes nothing else.
namespace diagrams {

class DiagramView;

class DiagramWindow : public QWidget {
    Q_OBJECT
public:
    explicit DiagramWindow(QWidget* parent = nullptr);

    // Shows the curves handed over, computing only those not seen before; the
    // derivation follows the latest.
    void setInput(DiagramInput input);

    DiagramView& view() const { return *view_; }
    QTextBrowser& derivation() const { return *derivation_; }

private:
    QSplitter* splitter_;
    DiagramView* view_;
    QTextBrowser* derivation_;
    std::optional<DiagramCurve> derived_; // the curve the derivation is for
};

// The window's title for a load case: 集中負荷：載重、剪力、彎矩、斜率與撓度圖.
QString diagramWindowTitle(const QString& loadCase);

} // namespace diagrams
