// SPDX-License-Identifier: MIT
#include "diagrams/diagram_window.h"

#include "diagrams/derivation.h"
#include "diagrams/diagram_view.h"

#include <QHBoxLayout>
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
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    // Room for the derivation's formulas on one line each.
    splitter_->setSizes({760, 420});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    resize(1180, 820);
}

void DiagramWindow::setInput(DiagramInput input)
{
    Q_ASSERT(!input.curves.empty());
    setWindowTitle(diagramWindowTitle(input.loadCase));
    const DiagramCurve& latest = input.curves.back();
    if (!derived_ || !sameLoadCase(derived_->beam, latest.beam) || derived_->title != latest.title) {
        derivation_->setHtml(derivationHtml(input));
        derived_ = latest;
    }
    view_->setInput(std::move(input));
}

} // namespace diagrams
