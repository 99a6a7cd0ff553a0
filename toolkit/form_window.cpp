// SPDX-License-Identifier: MIT
#include "toolkit/form_window.h"

#include "toolkit/client_area.h"
#include "toolkit/control_set.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/frame.h"
#include "toolkit/label.h"
#include "toolkit/picture_box.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/standard_look.h"
#include "toolkit/units.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <map>
#include <string>

namespace toolkit {

namespace {

void setBox(QWidget& widget, const Control& row)
{
    widget.setGeometry(twipsToRect(row.left, row.top, row.width, row.height));
}

QWidget* makeTextBox(const Control& row, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setFont(fontFor(row.font));
    if (row.backColor) {
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, toQColor(*row.backColor));
        edit->setPalette(colours);
    }
    const Qt::Alignment horizontal = row.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    edit->setAlignment(horizontal | Qt::AlignVCenter);
    setBox(*edit, row);
    return edit;
}

QWidget* makeButton(const Control& row, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(row.caption), parent);
    button->setFont(fontFor(row.font));
    button->setAutoDefault(false);
    // Only a graphical button shows its BackColor; a standard one keeps the
    // style's face.
    if (row.style == ButtonStyle::Graphical)
        setFlatFace(*button, colourOr(row.backColor, standardFace()));
    setBox(*button, row);
    return button;
}

} // namespace

FormWindow::FormWindow(const Window& layout)
    : layout_(layout)
    , client_(new ClientArea(layout, this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QString::fromUtf8(layout.caption));
    setCentralWidget(client_);
}

ControlSet FormWindow::buildControls()
{
    ControlSet controls;
    std::map<std::string, QWidget*> frames;
    std::vector<std::pair<int, QWidget*>> focusable;
    std::vector<QPointer<QWidget>> separate;

    // Frames first: they contain other rows.
    for (const Control& row : layout_.controls) {
        if (row.kind == Kind::Frame) {
            QWidget* frame = new Frame(row, client_);
            frames[row.name] = frame;
            separate.emplace_back(frame);
            controls.add(row, frame);
        }
    }

    for (const Control& row : layout_.controls) {
        QWidget* parent = row.container == nullptr ? client_ : frames.at(row.container);
        QObject* control = nullptr;
        switch (row.kind) {
        case Kind::Frame:
            continue;
        case Kind::Label:
            control = new Label(row, parent);
            break;
        case Kind::TextBox:
        case Kind::CommandButton:
        case Kind::HScrollBar: {
            QWidget* widget = row.kind == Kind::TextBox         ? makeTextBox(row, parent)
                              : row.kind == Kind::CommandButton ? makeButton(row, parent)
                                                                : new ScrollBar(row, parent);
            focusable.emplace_back(row.tabIndex, widget);
            separate.emplace_back(widget);
            control = widget;
            break;
        }
        case Kind::Picture: {
            auto* picture = new PictureBox(row, parent);
            separate.emplace_back(picture);
            control = picture;
            break;
        }
        case Kind::Timer: {
            auto* timer = new QTimer(this);
            timer->setInterval(row.interval);
            timer->start();
            control = timer;
            break;
        }
        case Kind::Menu:
            control = menuBar()->addAction(QString::fromUtf8(row.caption));
            break;
        case Kind::Line:
        case Kind::Shape:
            client_->addFigure(row);
            continue;
        }
        controls.add(row, control);
    }

    // Points lie over the figures and free-standing labels, under everything
    // else.
    DrawingSurface& surface = client_->surface();
    surface.raise();
    for (const QPointer<QWidget>& widget : separate)
        widget->raise();
    surface.setCoveringWidgets(std::move(separate));

    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    if (!focusable.empty())
        focusable.front().second->setFocus();
    return controls;
}

void FormWindow::place()
{
    const TwipSize size = openingClientSize(layout_);
    // Fix the client area to its size just long enough for the window to take
    // its own size from it; the user can resize it afterwards.
    client_->setFixedSize(twipsToPixels(size.width), twipsToPixels(size.height));
    adjustSize();
    client_->setMinimumSize(0, 0);
    client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (layout_.placement) {
        const QPoint clientOrigin = twipsToPoint(layout_.placement->clientLeft, layout_.placement->clientTop);
        setGeometry(QRect(clientOrigin - client_->pos(), this->size()));
    }
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT closeRequested();
}

} // namespace toolkit
