// SPDX-License-Identifier: MIT
#include "diagrams/diagram_window.h"

#include "beam_common/window_output.h"
#include "diagrams/derivation.h"
#include "diagrams/diagram_painter.h"
#include "diagrams/diagram_view.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSplitter>
#include <QTextBrowser>

namespace diagrams {

QString diagramWindowTitle(const QString& loadCase)
{
    return QStringLiteral("%1：載重、剪力、彎矩、斜率與撓度圖").arg(loadCase);
}

DiagramWindow::DiagramWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , splitter_(new QSplitter(Qt::Horizontal, this))
    , view_(new DiagramView(splitter_))
    , derivation_(new QTextBrowser(splitter_))
{
    derivation_->setAccessibleName(QStringLiteral("撓度的推導"));
    derivation_->setOpenLinks(false);
    derivation_->setMinimumWidth(260);
    // A scroll bar that is always there spares a second layout of the text
    // each time it changes.
    derivation_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    derivation_->installEventFilter(this);
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    // Room for the derivation's formulas on one line each.
    splitter_->setSizes({760, 420});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    resize(1180, 820);

    derive_.setSingleShot(true);
    derive_.setInterval(kDerivationDelayMs);
    connect(&derive_, &QTimer::timeout, this, &DiagramWindow::derive);

    for (const beam::OutputAction& action : beam::kOutputActions)
        connect(&beam::addContextAction(*view_, action), &QAction::triggered, this,
                [this, &action] { action.run(output()); });
}

bool DiagramWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A read-only text pane leaves its copy key to the window's shortcut,
    // which copies the picture; with text selected, the pane copies the text.
    if (watched == derivation_ && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && derivation_->textCursor().hasSelection()) {
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DiagramWindow::setInput(DiagramInput input)
{
    Q_ASSERT(!input.curves.empty());
    setWindowTitle(diagramWindowTitle(input.loadCase));
    heading_ = input.heading;
    view_->setInput(std::move(input));
    // The first derivation at once, so that the window opens complete.
    if (!derived_)
        derive();
    else
        derive_.start();
}

void DiagramWindow::derive()
{
    const DiagramInput& input = view_->diagrams().input();
    const DiagramCurve& latest = input.curves.back();
    if (derived_ && sameLoadCase(derived_->beam, latest.beam) && derived_->title == latest.title)
        return;
    derivation_->setHtml(derivationHtml(input));
    derived_ = latest;
}

beam::OutputSource DiagramWindow::output() const
{
    const DiagramView& view = *view_;
    return {view, windowTitle(),
            [&view](QPainter& painter, beam::CurveStroke) {
                paintDiagrams(painter, view.rect(), view.diagrams(), std::nullopt);
            },
            [&view] { return diagramTable(view.diagrams()); }, heading_};
}

} // namespace diagrams
