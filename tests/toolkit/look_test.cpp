// SPDX-License-Identifier: MIT
// The looks the program gives its controls beyond Qt's style: the sunken
// border of a text box and the flat face of a graphical button.
#include "tests/support/test_support.h"
#include "toolkit/control_set.h"
#include "toolkit/form.h"
#include "toolkit/program.h"
#include "toolkit/standard_look.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <memory>

using namespace toolkit;
using test_support::rgb;

namespace {

constexpr Bgr kFieldColour = 0x0080FFFF;
constexpr Bgr kGraphicalFace = 0x00C0C0C0;
constexpr Bgr kStandardBackColor = 0x0080FF80; // no shade of Fusion's grey

// Client area 3000 × 1500 twips: 200 × 100 pixels.
// clang-format off
constexpr Control kControls[] = {
    {.kind = Kind::TextBox, .name = "Text1", .left = 150, .top = 150, .width = 1200, .height = 375,
     .backColor = kFieldColour, .tabIndex = 0},
    {.kind = Kind::CommandButton, .name = "Command1", .left = 1500, .top = 150, .width = 1200, .height = 495,
     .caption = "均佈負荷", .backColor = kGraphicalFace, .tabIndex = 1, .style = ButtonStyle::Graphical},
    {.kind = Kind::CommandButton, .name = "Command2", .left = 1500, .top = 750, .width = 1200, .height = 495,
     .caption = "離開", .backColor = kStandardBackColor, .tabIndex = 2},
};
// clang-format on

const Window kWindow{
    .name = "Looks",
    .caption = "Looks",
    .clientWidth = 3000,
    .clientHeight = 1500,
    .controls = kControls,
};

struct Controls {
    explicit Controls(const ControlSet& c)
        : Text1(c.get<QLineEdit>("Text1"))
        , Command1(c.get<QPushButton>("Command1"))
        , Command2(c.get<QPushButton>("Command2"))
    {
    }
    QLineEdit& Text1;
    QPushButton& Command1;
    QPushButton& Command2;
};

class LookForm : public FormWith<Controls> {
public:
    explicit LookForm(Program& program)
        : FormWith(program, kWindow)
    {
    }

private:
    void connectEvents(Controls&) override {}
};

} // namespace

class LookTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }
    void init();
    void cleanup();

    void textBoxHasASunkenBorder_data();
    void textBoxHasASunkenBorder();
    void graphicalButtonFaceIsFlatInItsBackColor();
    void standardAndPressedButtonsKeepTheStyleFace_data();
    void standardAndPressedButtonsKeepTheStyleFace();
    void toolTipsAreAsLargeAsTheWindowsText();

private:
    std::unique_ptr<Program> program_;
    std::unique_ptr<LookForm> form_;
};

void LookTest::init()
{
    program_ = std::make_unique<Program>();
    form_ = std::make_unique<LookForm>(*program_);
    form_->Show();
}

void LookTest::cleanup()
{
    form_.reset();
    program_.reset();
    test_support::settle();
}

void LookTest::textBoxHasASunkenBorder_data()
{
    QTest::addColumn<bool>("focused");
    QTest::newRow("with the focus") << true;
    QTest::newRow("without it") << false;
}

// Two pixels deep, dark above and left, light below and right, whether or
// not the box has the focus; inside it, the field in the box's BackColor.
void LookTest::textBoxHasASunkenBorder()
{
    QFETCH(bool, focused);
    QLineEdit& box = form_->controls().Text1;
    QVERIFY(QTest::qWaitForWindowActive(box.window()));
    if (focused)
        box.setFocus();
    else
        form_->controls().Command2.setFocus();
    QCOMPARE(box.hasFocus(), focused);

    const QImage image = box.grab().toImage();
    // The middle of each edge, away from the corners.
    const int x = image.width() / 2;
    const int y = image.height() / 2;
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    const struct {
        QPoint at;
        QPalette::ColorRole colour;
    } edges[] = {
        {{x, 0}, QPalette::Dark},
        {{0, y}, QPalette::Dark},
        {{x, 1}, QPalette::Shadow},
        {{1, y}, QPalette::Shadow},
        {{x, bottom}, QPalette::Light},
        {{right, y}, QPalette::Light},
        {{x, bottom - 1}, QPalette::Midlight},
        {{right - 1, y}, QPalette::Midlight},
    };
    for (const auto& edge : edges)
        QCOMPARE(image.pixel(edge.at), box.palette().color(edge.colour).rgb());
    QCOMPARE(image.pixel(2, y), rgb(kFieldColour));
    // Sunken: lit from the top left, so the lower and right edges are lighter.
    QVERIFY(QColor(image.pixel(x, bottom)).lightness() > QColor(image.pixel(x, 0)).lightness());
}

// Inside the style's outline, every pixel is the button's BackColor: no
// shading from top to bottom. (The caption is taken away to see all of it.)
void LookTest::graphicalButtonFaceIsFlatInItsBackColor()
{
    QPushButton& button = form_->controls().Command1;
    button.setText(QString());
    const QImage image = button.grab().toImage();
    const QRect face = image.rect().adjusted(2, 2, -2, -2);
    for (int y = face.top(); y <= face.bottom(); ++y) {
        for (int x = face.left(); x <= face.right(); ++x)
            QVERIFY2(image.pixel(x, y) == rgb(kGraphicalFace), qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
    }
    // The outline is the style's, not the face.
    QVERIFY(image.pixel(0, image.height() / 2) != rgb(kGraphicalFace));
}

void LookTest::standardAndPressedButtonsKeepTheStyleFace_data()
{
    QTest::addColumn<bool>("graphical");
    QTest::addColumn<bool>("pressed");
    // A standard button does not show its BackColor at all.
    QTest::newRow("standard") << false << false;
    QTest::newRow("standard, pressed") << false << true;
    // Pressed, a graphical button shows the style's pressed face.
    QTest::newRow("graphical, pressed") << true << true;
}

void LookTest::standardAndPressedButtonsKeepTheStyleFace()
{
    QFETCH(bool, graphical);
    QFETCH(bool, pressed);
    QPushButton& button = graphical ? form_->controls().Command1 : form_->controls().Command2;
    const Bgr backColor = graphical ? kGraphicalFace : kStandardBackColor;
    button.setDown(pressed);
    const QImage image = button.grab().toImage();
    QVERIFY(image.pixel(2, image.height() / 2) != rgb(backColor));
}

// A tooltip shown over a window, as the read-outs are, is written in the
// windows' face and no smaller than their 12-point text: legible on a
// projector.
void LookTest::toolTipsAreAsLargeAsTheWindowsText()
{
    QPushButton& button = form_->controls().Command1;
    QToolTip::showText(button.mapToGlobal(QPoint(2, 2)), QStringLiteral("x = 10.000"), &button);
    QTRY_VERIFY(QToolTip::isVisible());
    const auto tips = QApplication::topLevelWidgets();
    const auto tip = std::ranges::find_if(
        tips, [](const QWidget* widget) { return widget->inherits("QTipLabel") && widget->isVisible(); });
    QVERIFY(tip != tips.end());
    const QFont windowsText = toolkit::fontFor(Font{kMing, 12});
    QCOMPARE(QFontInfo((*tip)->font()).family(), QFontInfo(windowsText).family());
    QVERIFY2((*tip)->font().pixelSize() >= windowsText.pixelSize(),
             qPrintable(QStringLiteral("%1 px").arg((*tip)->font().pixelSize())));
    QToolTip::hideText();
}

QTEST_MAIN(LookTest)
#include "look_test.moc"
