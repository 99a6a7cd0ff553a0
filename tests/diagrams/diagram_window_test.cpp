// SPDX-License-Identifier: MIT
// The diagram window as a user and a screen reader meet it: its title, the
// cursor's values under the pointer, each diagram's name and description, the
// grey present load before any curve, the derivation following the latest
// curve, and a smallest size at which the diagrams stay legible.
#include "diagrams/diagram_painter.h"
#include "diagrams/diagram_view.h"
#include "diagrams/diagram_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace diagrams;

Q_DECLARE_METATYPE(physics::LoadCase)

namespace {

DiagramInput pointLoadInput(std::vector<DiagramCurve> curves)
{
    return {QStringLiteral("集中負荷"), QStringLiteral("力量作用位置"), std::move(curves)};
}

// Forces of 1500 on a span of 20: at 3, then at midspan, the latest.
DiagramInput twoForces()
{
    return pointLoadInput({changeCurve(physics::PointLoad{20, 1500, 3}, 3, Qt::darkBlue, 1),
                           changeCurve(physics::PointLoad{20, 1500, 10}, 10, Qt::darkGreen, 2)});
}

QWidget* panel(const DiagramView& view, Panel which)
{
    for (QWidget* child : view.findChildren<QWidget*>())
        if (child->accessibleName() == panelName(which))
            return child;
    return nullptr;
}

} // namespace

class DiagramWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { window_.reset(); }
    void title();
    void cursorFollowsThePointer_data();
    void cursorFollowsThePointer();
    void diagramsAreNamedAndDescribed_data();
    void diagramsAreNamedAndDescribed();
    void presentLoadIsGrey();
    void derivationFollowsTheLatestCurve();
    void smallestSize();
    void beamsThatDoNotBend_data();
    void beamsThatDoNotBend();

private:
    std::unique_ptr<DiagramWindow> window_;
};

void DiagramWindowTest::init()
{
    window_ = std::make_unique<DiagramWindow>();
    window_->setInput(twoForces());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void DiagramWindowTest::title()
{
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("集中負荷")));
    QVERIFY(window_->windowTitle().contains(QStringLiteral("剪力")));
    QVERIFY(window_->isWindow());
    QVERIFY(!window_->isModal());
}

void DiagramWindowTest::cursorFollowsThePointer_data()
{
    QTest::addColumn<double>("fraction"); // of the way from the left support to the right
    QTest::addColumn<QString>("shear"); // of the latest curve there; empty: no cursor
    QTest::newRow("left of the force") << 0.25 << QStringLiteral("V = 750.0");
    QTest::newRow("right of the force") << 0.75 << QStringLiteral("V = −750.0");
    QTest::newRow("left support") << 0.0 << QStringLiteral("V = 750.0");
    QTest::newRow("before the beam") << -0.05 << QString();
    QTest::newRow("past the beam") << 1.05 << QString();
}

void DiagramWindowTest::cursorFollowsThePointer()
{
    QFETCH(double, fraction);
    QFETCH(QString, shear);
    DiagramView& view = window_->view();
    const DiagramLayout layout = layoutDiagrams(view.rect(), view.diagrams());
    const int pixel = int(std::ceil(layout.left + fraction * (layout.right - layout.left)));
    // Sent straight to the view: at a scale of 2 the offscreen platform does
    // not deliver QTest's simulated moves to it.
    const QPointF at(pixel, view.height() / 2);
    QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QCOMPARE(view.cursor().has_value(), !shear.isEmpty());
    if (shear.isEmpty()) {
        QVERIFY(view.cursorText().isEmpty());
        return;
    }
    // The x under the pointer, to within a pixel, and the latest curve's
    // values there.
    const double x = *view.cursor();
    QVERIFY(std::fabs(x - fraction * 20) <= 20 / (layout.right - layout.left));
    const QString text = view.cursorText();
    QVERIFY2(text.startsWith(QStringLiteral("x = %1：").arg(xText(x))), qPrintable(text));
    QVERIFY2(text.contains(shear), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("M = %1").arg(valueText(x < 10 ? 750 * x : 750 * (20 - x)))),
             qPrintable(text));
}

void DiagramWindowTest::diagramsAreNamedAndDescribed_data()
{
    QTest::addColumn<Panel>("which");
    QTest::addColumn<QString>("extreme");
    // P = 1500 at midspan of 20: reactions P/2, V through zero and M = PL/4
    // under the force, where θ = 0 and y = PL³/(48EI) = 2.5.
    QTest::newRow("load") << Panel::Load << QStringLiteral("RA = 750.0，RB = 750.0");
    QTest::newRow("shear") << Panel::Shear << QStringLiteral("最大 750.0，最小 −750.0；V = 0 在 x = 10.000");
    QTest::newRow("moment") << Panel::Moment << QStringLiteral("最大 |M|：M = 7500，在 x = 10.000");
    QTest::newRow("slope") << Panel::Slope << QStringLiteral("θ = 0 在 x = 10.000");
    QTest::newRow("deflection") << Panel::Deflection << QStringLiteral("最大撓度 向下 2.500，在 x = 10.000");
}

void DiagramWindowTest::diagramsAreNamedAndDescribed()
{
    QFETCH(Panel, which);
    QFETCH(QString, extreme);
    const DiagramView& view = window_->view();
    QWidget* diagram = panel(view, which);
    QVERIFY(diagram);
    QVERIFY2(diagram->accessibleDescription().contains(extreme), qPrintable(diagram->accessibleDescription()));
    QVERIFY(diagram->accessibleDescription().startsWith(QStringLiteral("變換次數 2")));
    // Where the diagram is drawn, in the order drawn, each under the one before.
    QVERIFY(view.rect().contains(diagram->geometry()));
    if (which != Panel::Load)
        QVERIFY(diagram->geometry().top() >= panel(view, Panel(int(which) - 1))->geometry().bottom());
}

void DiagramWindowTest::presentLoadIsGrey()
{
    window_->setInput(pointLoadInput({presentLoadCurve(physics::PointLoad{20, 1500, 5}, 5)}));
    DiagramView& view = window_->view();
    QVERIFY(panel(view, Panel::Load)->accessibleDescription().startsWith(QStringLiteral("目前的負荷（尚未繪圖）")));
    // The shear diagram's curve is grey and the only colour on it.
    const QImage picture = view.grab(panel(view, Panel::Shear)->geometry()).toImage();
    const QColor grey = presentLoadCurve(physics::PointLoad{20, 1500, 5}, 5).colour;
    int greyPixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            greyPixels += picture.pixelColor(x, y) == grey;
    QVERIFY2(greyPixels > picture.width() / 2, qPrintable(QString::number(greyPixels)));
    QTRY_VERIFY(window_->derivation().toPlainText().contains(QStringLiteral("目前的負荷（尚未繪圖）")));
}

void DiagramWindowTest::derivationFollowsTheLatestCurve()
{
    QTextBrowser& derivation = window_->derivation();
    QVERIFY(derivation.textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(derivation.toPlainText().contains(QStringLiteral("變換次數 2")));

    DiagramInput input = twoForces();
    input.curves.push_back(changeCurve(physics::PointLoad{20, 1500, 16}, 16, Qt::darkRed, 3));
    window_->setInput(std::move(input));
    // The diagrams follow at once; the derivation once the load rests.
    QVERIFY(panel(window_->view(), Panel::Load)->accessibleDescription().contains(QStringLiteral("RA = 300.0")));
    QVERIFY(derivation.toPlainText().contains(QStringLiteral("變換次數 2")));
    QTRY_VERIFY(derivation.toPlainText().contains(QStringLiteral("變換次數 3")));
    // P at 16: R_A = P·4/20 = 300, R_B = 1200.
    const QString text = derivation.toPlainText();
    QVERIFY(text.contains(QStringLiteral("變換次數 3，力量作用位置 16")));
    QVERIFY(text.contains(QStringLiteral("= 300.0")));
    QVERIFY(text.contains(QStringLiteral("= 1200")));
}

void DiagramWindowTest::smallestSize()
{
    window_->resize(100, 100);
    QVERIFY(window_->width() >= kMinimumWidth + window_->derivation().minimumWidth());
    QVERIFY(window_->height() >= kMinimumHeight);
    // At that size every diagram keeps room for its name and a plot.
    const DiagramLayout layout = layoutDiagrams(window_->view().rect(), window_->view().diagrams());
    for (const QRectF& rect : layout.panels)
        QVERIFY2(rect.height() >= 70, qPrintable(QString::number(rect.height())));
    QVERIFY(layout.right - layout.left >= 300);
}

void DiagramWindowTest::beamsThatDoNotBend_data()
{
    QTest::addColumn<physics::LoadCase>("beam");
    QTest::newRow("force on the left support") << physics::LoadCase(physics::PointLoad{20, 1500, 0});
    QTest::newRow("force on the right support") << physics::LoadCase(physics::PointLoad{20, 1500, 20});
    QTest::newRow("no uniform load") << physics::LoadCase(physics::UniformLoad{10, 0});
}

// Flat diagrams get an axis of their own, no markers, and say so.
void DiagramWindowTest::beamsThatDoNotBend()
{
    QFETCH(physics::LoadCase, beam);
    window_->setInput(pointLoadInput({changeCurve(beam, 0, Qt::darkBlue, 1)}));
    DiagramView& view = window_->view();
    QVERIFY(!view.grab().isNull());
    QVERIFY(panel(view, Panel::Deflection)->accessibleDescription().endsWith(QStringLiteral("梁沒有彎曲")));
    QVERIFY(!panel(view, Panel::Moment)->accessibleDescription().contains(QStringLiteral("最大 |M|")));
    QVERIFY(!panel(view, Panel::Slope)->accessibleDescription().contains(QStringLiteral("θ = 0")));
}

QTEST_MAIN(DiagramWindowTest)
#include "diagram_window_test.moc"
