// SPDX-License-Identifier: MIT
#include "tests/support/test_support.h"

#include "toolkit/client_area.h"
#include "toolkit/form_window.h"
#include "toolkit/standard_look.h"
#include "toolkit/units.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace test_support {

namespace {

const toolkit::Window kBlankWindow{.name = "Blank", .caption = "Blank", .clientWidth = 1500, .clientHeight = 750};

} // namespace

BlankForm::BlankForm(toolkit::Program& program)
    : Form(program, kBlankWindow)
{
}

QRect scrollBarPart(QScrollBar& bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

void installLook()
{
    toolkit::installStandardLook();
    // The offscreen platform cannot raise windows or pass size hints on, and
    // says so for every window; that is not what the tests are about.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support")))
            return;
        standard(type, context, message);
    });
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void clickRightArrow(QScrollBar& bar)
{
    QTest::mouseClick(&bar, Qt::LeftButton, {}, scrollBarPart(bar, QStyle::SC_ScrollBarAddLine).center());
}

void clickLeftArrow(QScrollBar& bar)
{
    QTest::mouseClick(&bar, Qt::LeftButton, {}, scrollBarPart(bar, QStyle::SC_ScrollBarSubLine).center());
}

void dragThumbTo(QScrollBar& bar, int value)
{
    const QRect thumb = scrollBarPart(bar, QStyle::SC_ScrollBarSlider);
    const int span = scrollBarPart(bar, QStyle::SC_ScrollBarGroove).width() - thumb.width();
    const auto offset = [&](int v) { return QStyle::sliderPositionFromValue(bar.minimum(), bar.maximum(), v, span); };
    const QPoint start = thumb.center();
    const QPoint end = start + QPoint(offset(value) - offset(bar.value()), 0);
    QTest::mousePress(&bar, Qt::LeftButton, {}, start);
    // Move in steps, as a hand would; the value follows only on release.
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        const QPoint at = start + (end - start) * i / kSteps;
        QMouseEvent move(QEvent::MouseMove, at, bar.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&bar, &move);
    }
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, end);
}

QImage grabClient(const toolkit::Form& form)
{
    return form.window()->clientArea().grab().toImage();
}

QRgb pixelAtTwips(const QImage& client, double x, double y)
{
    return client.pixel(toolkit::twipsToPoint(x, y));
}

QRgb rgb(toolkit::Bgr colour)
{
    return toolkit::toQColor(colour).rgb();
}

} // namespace test_support
