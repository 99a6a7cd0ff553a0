// SPDX-License-Identifier: MIT
// The output path on its own, for any kind of window: a plain widget with a
// picture and a table of its own goes through the same files, pages and
// context menu as a beam window, and a window adds an entry of its own beside
// them.
#include "beam_common/output_pictures.h"
#include "beam_common/output_source.h"
#include "beam_common/window_output.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

// A window of 120 × 80 pixels whose picture is a red square on white; the
// strokes it was asked for are counted.
struct SquareWindow {
    SquareWindow() { clientArea.resize(120, 80); }

    beam::OutputSource source()
    {
        return {
            .clientArea = clientArea,
            .title = QStringLiteral("方塊"),
            .draw =
                [this](QPainter& painter, beam::CurveStroke stroke) {
                    ++(stroke == beam::CurveStroke::Dots ? dots : lines);
                    painter.fillRect(QRect(0, 0, 120, 80), Qt::white);
                    painter.fillRect(QRect(10, 10, 20, 20), Qt::red);
                },
            .table = [] { return QByteArray("a,b\r\n1,2\r\n"); },
        };
    }

    QWidget clientArea;
    int dots = 0;
    int lines = 0;
};

} // namespace

class OutputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesAndPagesComeFromTheSourcesDrawing();
    void filesHoldTheSourcesPictureAndTable();
    void windowAddsAnEntryOfItsOwn();
    void previewShowsAWholePage_data();
    void previewShowsAWholePage();
    void figurePageFallsBackToThePicture();
};

// The image at twice the size, dot for dot; the SVG and the page in lines.
void OutputTest::picturesAndPagesComeFromTheSourcesDrawing()
{
    SquareWindow window;
    const QImage image = beam::windowImage(window.source());
    QCOMPARE(image.size(), QSize(240, 160));
    QCOMPARE(image.pixelColor(40, 40), QColor(Qt::red));
    QCOMPARE(image.pixelColor(100, 100), QColor(Qt::white));
    QCOMPARE(window.dots, 1);

    const QByteArray svg = beam::windowSvg(window.source());
    QVERIFY(svg.contains("<title>" + QStringLiteral("方塊").toUtf8() + "</title>"));
    QCOMPARE(window.lines, 1);

    QImage page(600, 400, QImage::Format_RGB32);
    page.fill(Qt::blue);
    QPainter painter(&page);
    beam::paintPage(painter, QRectF(0, 0, 600, 400), window.source());
    painter.end();
    QCOMPARE(window.lines, 2);
    QCOMPARE(page.pixelColor(300, 390), QColor(Qt::white)); // the picture fills the page's height
}

void OutputTest::filesHoldTheSourcesPictureAndTable()
{
    SquareWindow window;
    const QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("data.csv"));
    QVERIFY(!beam::writeData(window.source(), csv));
    QFile data(csv);
    QVERIFY(data.open(QIODevice::ReadOnly));
    QCOMPARE(data.readAll(), QByteArray("a,b\r\n1,2\r\n"));

    const QString png = folder.filePath(QStringLiteral("picture.png"));
    QVERIFY(!beam::writePicture(window.source(), png));
    QCOMPARE(QImage(png).size(), QSize(240, 160));

    QPrinter printer;
    printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
    QVERIFY(!beam::printWindow(printer, window.source()));
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));

    const std::optional<QString> problem = beam::writeData(window.source(),
                                                           folder.filePath(QStringLiteral("missing/data.csv")));
    QVERIFY(problem && problem->contains(QStringLiteral("missing")));
}

// An entry of the window's own, with its shortcut, joins the output actions
// on the context menu.
void OutputTest::windowAddsAnEntryOfItsOwn()
{
    QWidget clientArea;
    for (const beam::OutputAction& output : beam::kOutputActions)
        beam::addContextAction(clientArea, output);
    QAction& own = beam::addContextAction(clientArea, QStringLiteral("圖表…"),
                                          {QKeySequence(QStringLiteral("Ctrl+D"))});
    QCOMPARE(clientArea.contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(clientArea.actions().size(), qsizetype(beam::kOutputActions.size() + 1));
    QCOMPARE(clientArea.actions().back(), &own);
    QCOMPARE(own.shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    QCOMPARE(clientArea.actions().front()->shortcuts(), QKeySequence::keyBindings(QKeySequence::Print));
}

void OutputTest::previewShowsAWholePage_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("preview");
    QTest::newRow("1280 × 1024") << QRect(0, 0, 1280, 1024) << QRect(160, 128, 960, 768);
    QTest::newRow("second screen, under a panel") << QRect(1920, 32, 1920, 1048) << QRect(2160, 163, 1440, 786);
}

// Three quarters of the screen each way, centred on it: room for a whole
// page and the preview's toolbar.
void OutputTest::previewShowsAWholePage()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, preview);
    QCOMPARE(beam::previewGeometry(screen), preview);
}

// The figure alone where the source has one, the whole picture where it has
// none; the heading's lines under the title either way.
void OutputTest::figurePageFallsBackToThePicture()
{
    SquareWindow window;
    beam::OutputSource source = window.source();
    source.heading = {QStringLiteral("第一行"), QStringLiteral("第二行")};
    QImage page(600, 400, QImage::Format_RGB32);
    QPainter painter(&page);
    beam::paintPage(painter, QRectF(0, 0, 600, 400), source, beam::PageContent::Figure);
    QCOMPARE(window.lines, 1);
    source.drawFigure = [](QPainter& figure, beam::CurveStroke) { figure.fillRect(QRect(0, 0, 120, 80), Qt::green); };
    page.fill(Qt::blue);
    beam::paintPage(painter, QRectF(0, 0, 600, 400), source, beam::PageContent::Figure);
    painter.end();
    QCOMPARE(window.lines, 1);
    QCOMPARE(page.pixelColor(300, 390), QColor(Qt::green));
}

QTEST_MAIN(OutputTest)
#include "output_test.moc"
