// SPDX-License-Identifier: MIT
// Form3's own behaviour, driven as a user would: its layout and figures, and
// the loads typed into Text1 for the plot button. What all beam windows do
// alike is tested over the window list.
#include "beam_uniform_load/uniform_load_form.h"
#include "beam_uniform_load/uniform_load_layout.h"

#include "tests/support/test_support.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/palette.h"
#include "toolkit/program.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

using namespace toolkit;
using test_support::grabClient;
using test_support::pixelAtTwips;
using test_support::rgb;

namespace {

constexpr double kMidspanX = 3367.5;
constexpr Bgr kBackColor = 0x00FFFFC0;
constexpr int kRows = 10;

QColor colourOf(const Label& label)
{
    return label.palette().color(QPalette::Window);
}

// One legend row as the user reads it.
struct Row {
    QString number;
    QString load;
    QColor swatch;
};

Row rowOf(const uniform_load::Form& form, int row)
{
    const beam::LegendGrid& legend = form.controls().legend;
    return {legend.cell(row, 0).caption(), legend.cell(row, 1).caption(), colourOf(legend.cell(row, 2))};
}

} // namespace

class UniformLoadFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }
    void init();
    void cleanup();

    void opensWithTextZeroAndAnEmptyLegend();
    void figuresAreDrawnInTheirColours_data();
    void figuresAreDrawnInTheirColours();
    void onlyThePlotButtonShowsItsGreyFace();
    void typedLoadIsPlottedAsRead_data();
    void typedLoadIsPlottedAsRead();
    void loadTooLargeToPlotIsReportedAndChangesNothing_data();
    void loadTooLargeToPlotIsReportedAndChangesNothing();

private:
    uniform_load::Form& form() { return *form_; }
    beam::BeamControls& c() { return form_->controls(); }
    void type(const QString& text);

    std::unique_ptr<Program> program_;
    std::unique_ptr<test_support::BlankForm> mainWindow_;
    std::unique_ptr<uniform_load::Form> form_;
};

void UniformLoadFormTest::init()
{
    program_ = std::make_unique<Program>();
    mainWindow_ = std::make_unique<test_support::BlankForm>(*program_);
    form_ = std::make_unique<uniform_load::Form>(*program_, *mainWindow_, uniform_load::kWindow);
    form().Show();
    QVERIFY(QTest::qWaitForWindowExposed(form().window()));
}

void UniformLoadFormTest::cleanup()
{
    form_.reset();
    mainWindow_.reset();
    program_.reset();
    test_support::settle();
}

void UniformLoadFormTest::type(const QString& text)
{
    c().Text1.selectAll();
    QTest::keyClick(&c().Text1, Qt::Key_Delete);
    const bool onTheKeyboard = std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() < 0x80; });
    if (onTheKeyboard) {
        QTest::keyClicks(&c().Text1, text);
    } else {
        // An input method hands over what it composed as one commit.
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(&c().Text1, &commit);
        QCOMPARE(c().Text1.text(), text);
    }
}

void UniformLoadFormTest::opensWithTextZeroAndAnEmptyLegend()
{
    QCOMPARE(c().Text1.text(), QStringLiteral("0"));
    QCOMPARE(c().HScroll1.value(), 0);
    QCOMPARE(c().HScroll1.maximum(), 10);
    QCOMPARE(form().changeCount().value(), 0);
    for (int row = 0; row < kRows; ++row) {
        const Row shown = rowOf(form(), row);
        QCOMPARE(shown.number, QString());
        QCOMPARE(shown.load, QString());
        QCOMPARE(colourOf(form().controls().legend.cell(row, 0)), toQColor(0x00C0FFC0));
        QCOMPARE(colourOf(form().controls().legend.cell(row, 1)), toQColor(0x00FFC0FF));
        QCOMPARE(shown.swatch, toQColor(0x00FFC0C0));
    }
}

void UniformLoadFormTest::figuresAreDrawnInTheirColours_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<Bgr>("colour");
    QTest::newRow("background") << 3000.0 << 3000.0 << kBackColor;
    QTest::newRow("beam") << 3000.0 << 1920.0 << Bgr(0x0080C0FF);
    QTest::newRow("roller") << 6067.5 << 2287.5 << Bgr(0x00FFFF80);
    QTest::newRow("pin support ground line") << 600.0 << 2520.0 << Bgr(0x00FF0000);
    QTest::newRow("first arrow shaft") << 480.0 << 1400.0 << Bgr(0x00008000);
    QTest::newRow("middle arrow shaft") << 3360.0 << 1400.0 << Bgr(0x00008000);
    QTest::newRow("last arrow shaft") << 6240.0 << 1400.0 << Bgr(0x00008000);
    QTest::newRow("bar over the arrows") << 3000.0 << 1200.0 << Bgr(0x00008000);
}

void UniformLoadFormTest::figuresAreDrawnInTheirColours()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(Bgr, colour);
    QCOMPARE(pixelAtTwips(grabClient(form()), x, y), rgb(colour));
}

// The style shades a button face from top to bottom, so the faces are compared
// by their mean along a line down the left of the face.
void UniformLoadFormTest::onlyThePlotButtonShowsItsGreyFace()
{
    const auto faceMean = [](QPushButton& button) {
        const QImage face = button.grab().toImage();
        int red = 0;
        int green = 0;
        int blue = 0;
        const int rows = face.height() - 8;
        for (int y = 4; y < face.height() - 4; ++y) {
            const QColor pixel = face.pixelColor(6, y);
            red += pixel.red();
            green += pixel.green();
            blue += pixel.blue();
        }
        return QColor(red / rows, green / rows, blue / rows);
    };
    const QColor plot = faceMean(c().Command1);
    const QColor clear = faceMean(c().Command3);
    QVERIFY2(plot.red() == plot.green() && plot.green() == plot.blue(), qPrintable(plot.name()));
    QVERIFY2(std::abs(plot.red() - 0xC0) <= 24, qPrintable(plot.name()));
    QVERIFY2(clear.red() - plot.red() >= 16, qPrintable(clear.name() + " beside " + plot.name()));
    QCOMPARE(faceMean(c().Command2), clear);
}

void UniformLoadFormTest::typedLoadIsPlottedAsRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("y");
    QTest::newRow("leading blank and unit") << " 2.5kg" << 2543.28125;
    QTest::newRow("letters") << "abc" << 2055.0;
    QTest::newRow("empty") << "" << 2055.0;
    QTest::newRow("comma") << "1,5" << 2250.3125;
    QTest::newRow("negative bends upward") << "-5" << 1078.4375;
    QTest::newRow("hexadecimal") << "&HA" << 4008.125;
    // As a Chinese input method types in full-width mode.
    QTest::newRow("full-width digit") << QString::fromUtf8("５") << 3031.5625;
    QTest::newRow("full-width minus and digit") << QString::fromUtf8("－５") << 1078.4375;
    QTest::newRow("full-width point") << QString::fromUtf8("２．５") << 2543.28125;
}

void UniformLoadFormTest::typedLoadIsPlottedAsRead()
{
    QFETCH(QString, text);
    QFETCH(double, y);
    type(text);
    QTest::mouseClick(&c().Command1, Qt::LeftButton);
    const QImage client = grabClient(form());
    QCOMPARE(pixelAtTwips(client, kMidspanX, y), rgb(QBColor(10)));
    // Both ends stay on the supports.
    QCOMPARE(pixelAtTwips(client, 480, 2055), rgb(QBColor(10)));
    QCOMPARE(pixelAtTwips(client, 6255, 2055), rgb(QBColor(10)));
}

void UniformLoadFormTest::loadTooLargeToPlotIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("beyond the double range") << "1e400";
    QTest::newRow("w + w overflows") << "1.5e308";
    QTest::newRow("beyond single precision") << "2e36";
    QTest::newRow("negative beyond single precision") << "-2e36";
}

void UniformLoadFormTest::loadTooLargeToPlotIsReportedAndChangesNothing()
{
    QFETCH(QString, text);
    test_support::clickRightArrow(c().HScroll1);
    test_support::clickRightArrow(c().HScroll1);
    type(text);
    const QImage before = form().surface().layer().image();
    const Row row = rowOf(form(), 1);

    // The message box is modal: read it and close it from inside its loop.
    QString message;
    std::function<void()> closeBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QTimer::singleShot(10, this, closeBox);
            return;
        }
        message = box->text();
        box->accept();
    };
    QTimer::singleShot(0, this, closeBox);
    QTest::mouseClick(&c().Command1, Qt::LeftButton);

    QVERIFY2(message.contains(QString::fromUtf8("太大")), qPrintable(message));
    QVERIFY(form().isLoaded());
    QVERIFY(!program_->hasEnded());
    QVERIFY(form().surface().layer().image() == before);
    QCOMPARE(form().changeCount().value(), 2);
    QCOMPARE(c().Text1.text(), text);
    QCOMPARE(c().HScroll1.value(), 2);
    const Row after = rowOf(form(), 1);
    QCOMPARE(after.number, row.number);
    QCOMPARE(after.load, row.load);
    QCOMPARE(after.swatch, row.swatch);
    QCOMPARE(rowOf(form(), 2).number, QString());

    // The window goes on working.
    test_support::clickRightArrow(c().HScroll1);
    QCOMPARE(rowOf(form(), 2).load, QStringLiteral("3"));
}

QTEST_MAIN(UniformLoadFormTest)
#include "uniform_load_form_test.moc"
