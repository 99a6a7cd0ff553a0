// SPDX-License-Identifier: MIT
// What every beam window gives out, one row per window of the window list:
// the PNG that equals the window, the SVG that shows it with one path per
// curve, the CSV whose numbers are the model's, the printed page, the copy
// that leaves a text box's Ctrl+C alone, and the context menu; then what a
// cancelled dialog and a file that cannot be written do, which is nothing but
// say so. No action changes the window. The test runs at a device pixel ratio
// of 2, where the saved picture and the screen have the same pixels.
#include "beam_common/beam_form.h"
#include "beam_common/output_pictures.h"
#include "beam_common/output_source.h"
#include "beam_common/window_output.h"
#include "shell/windows.h"
#include "tests/support/beam_window_rows.h"
#include "tests/support/test_support.h"
#include "toolkit/client_area.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/palette.h"
#include "toolkit/program.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

using beam::BeamForm;
using beam::DrawnCurve;

namespace {

// How long a dialog may take to close once answered, or an action to end
// after its last dialog: far longer than either takes even under a sanitizer,
// short enough that a dialog that does not close fails the test at once.
constexpr qint64 kDialogPatienceMs = 10000;

// What the actions must leave as it is: the dots, the list of curves, the
// count, the legend and the deflection table.
struct WindowState {
    QImage layer;
    std::vector<DrawnCurve> curves;
    int changes;
    QStringList legend;
    std::vector<double> deflections;
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

WindowState stateOf(const BeamForm& form)
{
    WindowState state{form.surface().layer().image(),
                      {form.curves().begin(), form.curves().end()},
                      form.changeCount().value(),
                      {},
                      {}};
    const beam::LegendGrid& legend = form.controls().legend;
    for (int line = 0; line < legend.lineCount(); ++line) {
        for (int index = 0; index < 3; ++index) {
            const toolkit::Label& cell = legend.cell(line, index);
            state.legend << cell.caption() << cell.palette().color(QPalette::Window).name();
        }
    }
    if (const beam::DeflectionTable* table = form.deflectionTable()) {
        for (std::size_t i = 0; i < beam::DeflectionTable::kSize; ++i)
            state.deflections.push_back(table->at(i));
    }
    return state;
}

// How many pixels differ by more than `tolerance` in some channel.
int pixelsApart(const QImage& a, const QImage& b, int tolerance)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int apart = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance
                || std::abs(qBlue(p) - qBlue(q)) > tolerance)
                ++apart;
        }
    }
    return apart;
}

QString colourName(int qbIndex)
{
    return toolkit::toQColor(toolkit::QBColor(qbIndex)).name();
}

// The stroke colours of the SVG's paths drawn as wide as the curves: the
// generator writes a path's pen on the group around it.
QStringList curvePathColours(const QByteArray& svg)
{
    QXmlStreamReader reader(svg);
    std::vector<std::pair<QString, QString>> pens{{QString(), QString()}}; // stroke and its width, by depth
    QStringList colours;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QXmlStreamAttributes attributes = reader.attributes();
            auto pen = pens.back();
            if (attributes.hasAttribute(QLatin1String("stroke")))
                pen.first = attributes.value(QLatin1String("stroke")).toString();
            if (attributes.hasAttribute(QLatin1String("stroke-width")))
                pen.second = attributes.value(QLatin1String("stroke-width")).toString();
            if (reader.name() == QLatin1String("path") && pen.second == QString::number(beam::kCurveDotWidth))
                colours << pen.first;
            pens.push_back(pen);
        } else if (reader.isEndElement()) {
            pens.pop_back();
        }
    }
    return reader.hasError() ? QStringList{QStringLiteral("unreadable: ") + reader.errorString()} : colours;
}

// The page content streams of a PDF, uncompressed.
QByteArray pageContent(const QByteArray& pdf)
{
    QByteArray content;
    static const QRegularExpression contents(QStringLiteral("/Contents (\\d+) 0 R"));
    for (const QRegularExpressionMatch& page : contents.globalMatch(QString::fromLatin1(pdf))) {
        const QByteArray object = page.captured(1).toLatin1() + " 0 obj";
        const qsizetype start = pdf.indexOf("stream\n", pdf.indexOf("\n" + object)) + 7;
        const qsizetype end = pdf.indexOf("endstream", start);
        // FlateDecode is zlib; qUncompress wants the size first, and grows
        // its buffer when the size is too small.
        content += qUncompress(QByteArray("\0\0\x10\0", 4) + pdf.mid(start, end - start));
    }
    return content;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class WindowOutputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pngEqualsTheWindow_data() { test_support::beamWindowRows(); }
    void pngEqualsTheWindow();
    void svgShowsTheWindowWithOnePathPerCurve_data() { test_support::beamWindowRows(); }
    void svgShowsTheWindowWithOnePathPerCurve();
    void csvHasOneColumnPerCurveInTheOrderDrawn_data() { test_support::beamWindowRows(); }
    void csvHasOneColumnPerCurveInTheOrderDrawn();
    void printsOnePageOfThePrintersSize_data();
    void printsOnePageOfThePrintersSize();
    void ctrlCCopiesThePictureUnlessATextBoxHasTheFocus_data();
    void ctrlCCopiesThePictureUnlessATextBoxHasTheFocus();
    void pageHeadingGivesTheNumbers_data();
    void pageHeadingGivesTheNumbers();
    void figurePageLeavesOutTheControls_data() { test_support::beamWindowRows(); }
    void figurePageLeavesOutTheControls();
    void rightClickOffersTheOutput_data() { test_support::beamWindowRows(); }
    void rightClickOffersTheOutput();
    void unwritableFileIsNamedAndNothingIsLeft_data();
    void unwritableFileIsNamedAndNothingIsLeft();
    void fileNamedInTheDialogIsWritten_data();
    void fileNamedInTheDialogIsWritten();
    void typedNameWinsOverAnExistingFileOfTheProposedName();
    void dialogsStartInTheFolderLastUsed();
    void cancelledOrRefusedDialogWritesNothing_data();
    void cancelledOrRefusedDialogWritesNothing();

private:
    // The window of the row, with three changes and two curves of the plot
    // button, one before them and one after.
    BeamForm& openWithCurves();
    // Runs `action` while answering the dialogs it opens: a file dialog with
    // its type `type` chosen and `path` typed in (empty: cancelled), any other
    // dialog closed, a message box read and closed.
    void answeringDialogs(const QString& path, int type, const std::function<void()>& action);
    // Answers one dialog, as above.
    void answer(QWidget* dialog, const QString& path, int type);
    // Triggers the client area's action of that caption.
    static void choose(const BeamForm& form, const QString& caption);

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<shell::Windows> windows_;
    std::unique_ptr<QTemporaryDir> folder_;
    QStringList dialogs_; // class names of the dialogs answered, in turn
    QString message_; // the last message box's text
    QStringList folders_; // the folder each file dialog opened in, in turn
};

void WindowOutputTest::initTestCase()
{
    test_support::installLook();
    QVERIFY2(qApp->devicePixelRatio() == 2, "run with QT_SCALE_FACTOR=2");
}

void WindowOutputTest::init()
{
    program_ = std::make_unique<toolkit::Program>();
    windows_ = std::make_unique<shell::Windows>(*program_);
    folder_ = std::make_unique<QTemporaryDir>();
    dialogs_.clear();
    message_.clear();
    folders_.clear();
}

void WindowOutputTest::cleanup()
{
    windows_.reset();
    program_.reset();
    folder_.reset();
    test_support::settle();
}

BeamForm& WindowOutputTest::openWithCurves()
{
    QFETCH(int, index);
    BeamForm& form = windows_->beamWindow(std::size_t(index));
    form.Show();
    test_support::settle();
    if (!QTest::qWaitForWindowActive(form.window()))
        qWarning("the window did not become active");
    beam::BeamControls& c = form.controls();
    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    for (int k = 0; k < 3; ++k)
        test_support::clickRightArrow(c.HScroll1);
    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    test_support::settle();
    return form;
}

void WindowOutputTest::answeringDialogs(const QString& path, int type, const std::function<void()>& action)
{
    // Each dialog is answered once, from the event loop rather than from the
    // timer's tick: a dialog that an answer opens in turn (the question
    // whether to replace a file) is then answered by a later tick. When no
    // new dialog has come for a long while and the action still runs, a
    // dialog has stayed open after its answer: every dialog is rejected and
    // the test fails, rather than wait for ever.
    QList<QPointer<QWidget>> answered;
    QElapsedTimer sinceAnswer;
    sinceAnswer.start();
    QStringList stuck;
    QTimer answerer;
    answerer.setInterval(10);
    connect(&answerer, &QTimer::timeout, this, [&] {
        if (sinceAnswer.hasExpired(kDialogPatienceMs)) {
            answerer.stop();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QDialog*>(window)) {
                    stuck << QString::fromLatin1(dialog->metaObject()->className());
                    dialog->done(QDialog::Rejected);
                }
            }
            if (stuck.isEmpty())
                stuck << QStringLiteral("no dialog, yet the action went on");
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || answered.contains(modal))
            return;
        answered << modal;
        sinceAnswer.restart();
        dialogs_ << QString::fromLatin1(modal->metaObject()->className());
        QMetaObject::invokeMethod(
            this, [this, dialog = QPointer<QWidget>(modal), path, type] { answer(dialog, path, type); },
            Qt::QueuedConnection);
    });
    answerer.start();
    action();
    answerer.stop();
    QVERIFY2(stuck.isEmpty(),
             qPrintable(QStringLiteral("still open after their answers: %1 (answered: %2)")
                            .arg(stuck.join(QStringLiteral(", ")), dialogs_.join(QStringLiteral(", ")))));
}

void WindowOutputTest::answer(QWidget* dialog, const QString& path, int type)
{
    if (dialog == nullptr)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        message_ = box->text();
        box->accept();
    } else if (auto* files = qobject_cast<QFileDialog*>(dialog); files != nullptr && !path.isEmpty()) {
        folders_ << files->directory().absolutePath();
        // As a user goes: in the active dialog, the type first, then a whole
        // path typed into the name box, which has the keyboard. (Without it,
        // a file already selected in the list, such as an existing one of
        // the proposed name, would stay selected and be taken instead.)
        auto* types = files->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        files->activateWindow();
        if (types == nullptr || name == nullptr || !QTest::qWaitForWindowActive(files)) {
            files->reject();
            QFAIL("the file dialog has no list of types or no name box, or it is not active");
        }
        for (int step = 0; step < type; ++step)
            QTest::keyClick(types, Qt::Key_Down);
        name->setFocus();
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    } else {
        qobject_cast<QDialog*>(dialog)->reject();
    }
}

// Saved as PNG, the window has the pixels of the screen at the screen's ratio.
void WindowOutputTest::pngEqualsTheWindow()
{
    BeamForm& form = openWithCurves();
    const WindowState before = stateOf(form);
    const QString path = folder_->filePath(QStringLiteral("window.png"));
    const std::optional<QString> problem = beam::writePicture(form.output(), path);
    QVERIFY2(!problem, qPrintable(problem.value_or(QString())));

    const QImage saved(path);
    const QImage shown = test_support::grabClient(form);
    QCOMPARE(saved.size(), form.window()->clientArea().size() * 2);
    QCOMPARE(saved.size(), shown.size());
    QCOMPARE(pixelsApart(saved, shown, 0), 0);
    QVERIFY(stateOf(form) == before);
}

// The SVG reads back and, drawn at the window's size, looks like the window:
// fewer than 3 in 100 pixels differ by more than a quarter of a channel's
// range. Those lie along the curves, which are lines where the window has
// dots, and along texts and outlines, which the renderer smooths (1 to 2 in
// 100 here). Each curve is one path.
void WindowOutputTest::svgShowsTheWindowWithOnePathPerCurve()
{
    BeamForm& form = openWithCurves();
    const WindowState before = stateOf(form);
    const QString path = folder_->filePath(QStringLiteral("window.svg"));
    QVERIFY(!beam::writePicture(form.output(), path));

    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    const QImage shown = test_support::grabClient(form);
    QImage rendered(shown.size(), QImage::Format_RGB32);
    rendered.setDevicePixelRatio(shown.devicePixelRatio());
    rendered.fill(Qt::white);
    QPainter painter(&rendered);
    renderer.render(&painter, QRectF(QPointF(0, 0), form.window()->clientArea().size()));
    painter.end();
    const int apart = pixelsApart(rendered, shown, 64);
    QVERIFY2(apart < shown.width() * shown.height() * 3 / 100,
             qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(apart).arg(shown.width() * shown.height())));

    QStringList curveColours;
    for (const DrawnCurve& drawn : form.curves())
        curveColours << colourName(drawn.colour);
    QStringList pathColours = curvePathColours(readAll(path));
    curveColours.sort();
    pathColours.sort();
    QCOMPARE(pathColours, curveColours);
    QVERIFY(stateOf(form) == before);
}

// Read back, the table gives one x column, rounded to the sampling step, and
// one column per curve in the order drawn, the plot button's among the
// changes', each headed with who drew it and its load value, and every
// deflection exactly as the window computes it, never as -0.
void WindowOutputTest::csvHasOneColumnPerCurveInTheOrderDrawn()
{
    BeamForm& form = openWithCurves();
    const beam::BeamWindow& window = form.description();
    const WindowState before = stateOf(form);
    const QString path = folder_->filePath(QStringLiteral("curves.csv"));
    QVERIFY(!beam::writeData(form.output(), path));

    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString());

    const QString plotButton = QString::fromUtf8("「%1」按鈕").arg(QString::fromUtf8(window.loadCase));
    const QString valueName = QString::fromUtf8(window.loadValueName);
    const struct {
        QString heading;
        double load;
    } expected[] = {
        {plotButton + QStringLiteral("：%1 0").arg(valueName), 0},
        {QStringLiteral("變換次數 1：%1 1").arg(valueName), 1},
        {QStringLiteral("變換次數 2：%1 2").arg(valueName), 2},
        {QStringLiteral("變換次數 3：%1 3").arg(valueName), 3},
        {plotButton + QStringLiteral("：%1 3").arg(valueName), 3},
    };
    QStringList headings{QString::fromUtf8("x（各曲線欄為該處的撓度，向下為正）")};
    std::vector<beam::Curve> curves;
    for (const auto& curve : expected) {
        headings << curve.heading;
        curves.push_back(window.curve(curve.load));
    }
    QCOMPARE(lines.takeFirst().split(u','), headings);

    QCOMPARE(std::size_t(lines.size()), curves.front().size());
    const QRegularExpression stepDecimals(QStringLiteral("^\\d+(\\.\\d{1,2})?$"));
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const QStringList fields = lines[row].split(u',');
        QCOMPARE(fields.size(), qsizetype(1 + curves.size()));
        const double x = curves.front()[std::size_t(row)].x;
        QVERIFY2(stepDecimals.match(fields[0]).hasMatch() && std::fabs(fields[0].toDouble() - x) < 1e-9,
                 qPrintable(lines[row]));
        for (std::size_t column = 0; column < curves.size(); ++column) {
            const QString& field = fields[qsizetype(column) + 1];
            // Exactly, not within QCOMPARE's tolerance for doubles.
            QVERIFY2(field.toDouble() == curves[column][std::size_t(row)].deflection && field != QLatin1String("-0"),
                     qPrintable(lines[row]));
        }
    }
    QCOMPARE(lines[6].section(u',', 0, 0), QStringLiteral("0.06"));
    QVERIFY(stateOf(form) == before);
}

void WindowOutputTest::printsOnePageOfThePrintersSize_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QPageSize::PageSizeId>("size");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        const char* name = shell::kBeamWindows[i].window.layout.name;
        QTest::addRow("%s on A4 landscape", name) << int(i) << QPageSize::A4 << QPageLayout::Landscape;
        QTest::addRow("%s on Letter portrait", name) << int(i) << QPageSize::Letter << QPageLayout::Portrait;
    }
}

// Printed to a PDF file: one page of the printer's size, with the title and
// the window's texts as text, its controls as images, and its curves as lines.
void WindowOutputTest::printsOnePageOfThePrintersSize()
{
    QFETCH(QPageSize::PageSizeId, size);
    QFETCH(QPageLayout::Orientation, orientation);
    BeamForm& form = openWithCurves();
    const WindowState before = stateOf(form);
    const QString path = folder_->filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(size));
    printer.setPageOrientation(orientation);
    QVERIFY(!beam::printWindow(printer, form.output()));

    const QByteArray pdf = readAll(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    static const QRegularExpression page(QStringLiteral("/Type /Page\\b(?!s)"));
    QCOMPARE(QString::fromLatin1(pdf).count(page), 1);
    static const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    QSizeF points = QPageSize(size).sizePoints();
    if (orientation == QPageLayout::Landscape)
        points.transpose();
    QCOMPARE(qRound(box.captured(1).toDouble()), qRound(points.width()));
    QCOMPARE(qRound(box.captured(2).toDouble()), qRound(points.height()));

    const QByteArray content = pageContent(pdf);
    QVERIFY(content.contains(" Tj"));
    QVERIFY(content.contains(" Do"));
    qsizetype samples = 0;
    for (const DrawnCurve& drawn : form.curves())
        samples += qsizetype(form.description().curve(drawn.load).size());
    // A few samples lie under the load symbol.
    QVERIFY2(content.count(" l\n") > samples * 9 / 10,
             qPrintable(QStringLiteral("%1 line segments for %2 samples").arg(content.count(" l\n")).arg(samples)));
    QVERIFY(stateOf(form) == before);
}

void WindowOutputTest::pageHeadingGivesTheNumbers_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("beam");
    QTest::addColumn<QString>("curves");
    const struct {
        const char* window;
        const char* beam;
        const char* curves;
    } rows[] = {
        {"Form2", "簡支梁：跨度 L = 20，集中力 P = 1500，EI = 100000（本程式所用的值）",
         "各曲線的力量作用位置：0、1、2、3、3"},
        {"Form3", "簡支梁：跨度 L = 10，均佈負荷，EI = 100000（本程式所用的值）",
         "各曲線的均佈負荷大小：0、1、2、3、3"},
        {"Form4", "簡支梁：跨度 L = 7，逆時針集中彎矩 M = 3000，EI = 100000（本程式所用的值）",
         "各曲線的彎矩作用位置：0、1、2、3、3"},
    };
    for (const auto& row : rows) {
        const auto found = std::ranges::find_if(shell::kBeamWindows, [&](const shell::BeamWindowEntry& entry) {
            return qstrcmp(entry.window.layout.name, row.window) == 0;
        });
        QVERIFY(found != shell::kBeamWindows.end());
        QTest::addRow("%s", row.window) << int(found - shell::kBeamWindows.begin()) << QString::fromUtf8(row.beam)
                                        << QString::fromUtf8(row.curves);
    }
}

// The printed page's heading names the beam with its numbers, from the
// physics, and the load value of every curve in the order drawn.
void WindowOutputTest::pageHeadingGivesTheNumbers()
{
    QFETCH(QString, beam);
    QFETCH(QString, curves);
    BeamForm& form = openWithCurves();
    QCOMPARE(form.output().heading, (QStringList{beam, curves}));
    QTest::mouseClick(&form.controls().Command3, Qt::LeftButton);
    QCOMPARE(form.output().heading, (QStringList{beam, QStringLiteral("尚無曲線")}));
}

// The figure alone, for a handout: on white, without the buttons, text
// boxes, scroll bar and their labels. Where those are, the page is white
// but for the figures that pass there; everywhere else it shows what the
// whole picture shows, the window's colour turned white (and smoothed edges
// blended with white instead).
void WindowOutputTest::figurePageLeavesOutTheControls()
{
    BeamForm& form = openWithCurves();
    const WindowState before = stateOf(form);
    const beam::OutputSource source = form.output();
    const QSize size = form.window()->clientArea().size();
    const auto picture = [&](const auto& draw) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        draw(painter, beam::CurveStroke::Dots);
        return image;
    };
    const QImage whole = picture(source.draw);
    const QImage figure = picture(source.drawFigure);
    const QRgb windowColour = whole.pixel(2, 2);
    const QRgb white = qRgb(255, 255, 255);
    // A smoothed edge blends with the colour beside it.
    const auto besideWindowColour = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                if (whole.valid(x + dx, y + dy) && whole.pixel(x + dx, y + dy) == windowColour)
                    return true;
            }
        }
        return false;
    };
    QRegion controls;
    for (const QWidget* control : form.controls().controlsAndCaptions)
        controls += control->geometry();
    int whiteInControls = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb shown = figure.pixel(x, y);
            if (controls.contains(QPoint(x, y))) {
                whiteInControls += shown == white;
            } else if (shown != whole.pixel(x, y) && !(shown == white && whole.pixel(x, y) == windowColour)
                       && !besideWindowColour(x, y)) {
                QFAIL(qPrintable(QStringLiteral("(%1, %2) differs").arg(x).arg(y)));
            }
        }
    }
    int controlArea = 0;
    for (const QRect& rect : controls)
        controlArea += rect.width() * rect.height();
    QVERIFY2(whiteInControls > controlArea * 9 / 10,
             qPrintable(QStringLiteral("%1 of %2 white").arg(whiteInControls).arg(controlArea)));
    QVERIFY(figure.pixel(2, 2) == white);
    QVERIFY(stateOf(form) == before);
}

void WindowOutputTest::ctrlCCopiesThePictureUnlessATextBoxHasTheFocus_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("inTextBox");
    const char* name = shell::kBeamWindows.front().window.layout.name;
    QTest::addRow("%s, focus on the plot button", name) << 0 << false;
    QTest::addRow("%s, focus in the load's text box", name) << 0 << true;
}

void WindowOutputTest::ctrlCCopiesThePictureUnlessATextBoxHasTheFocus()
{
    QFETCH(bool, inTextBox);
    BeamForm& form = openWithCurves();
    const WindowState before = stateOf(form);
    beam::BeamControls& c = form.controls();
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.setText(QStringLiteral("before"));
    QWidget* focus = &c.Command1;
    if (inTextBox) {
        c.Text1.setFocus();
        c.Text1.selectAll();
        focus = &c.Text1;
    }
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    QTRY_VERIFY(focus->hasFocus());

    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    if (inTextBox) {
        QCOMPARE(clipboard.text(), c.Text1.text());
        QVERIFY(clipboard.image().isNull());
    } else {
        const QImage copied = clipboard.image();
        QCOMPARE(copied.size(), test_support::grabClient(form).size());
        QCOMPARE(pixelsApart(copied, test_support::grabClient(form), 0), 0);
    }
    QVERIFY(stateOf(form) == before);
}

// A right click on the client area outside the controls opens the menu of
// the output and the diagrams, with the shortcuts beside its entries.
void WindowOutputTest::rightClickOffersTheOutput()
{
    BeamForm& form = openWithCurves();
    toolkit::ClientArea& client = form.window()->clientArea();
    const QPoint empty(2, 2);
    QCOMPARE(client.childAt(empty), nullptr);

    QStringList entries;
    QTimer::singleShot(0, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        for (const QAction* action : menu->actions())
            entries << action->text() + u' ' + action->shortcut().toString();
        menu->close();
    });
    // Through the window, as the window system delivers a click: it makes the
    // context menu event of a right click.
    QTest::mouseClick(form.window()->windowHandle(), Qt::RightButton, {}, client.mapTo(form.window(), empty));
    QCOMPARE(entries, (QStringList{QString::fromUtf8("列印… Ctrl+P"), QString::fromUtf8("預覽列印… "),
                                   QString::fromUtf8("列印圖形與圖例… "), QString::fromUtf8("另存圖片… Ctrl+S"),
                                   QString::fromUtf8("複製圖片 Ctrl+C"), QString::fromUtf8("匯出資料… "),
                                   QString::fromUtf8("剪力、彎矩與撓度圖… Ctrl+G")}));
}

void WindowOutputTest::unwritableFileIsNamedAndNothingIsLeft_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kind"); // png, svg, csv or pdf
    QTest::addColumn<QString>("target"); // in the test's folder
    for (const char* kind : {"png", "svg", "csv", "pdf"}) {
        QTest::addRow("%s into a missing folder", kind) << 0 << kind << QStringLiteral("missing/output.%1").arg(kind);
        QTest::addRow("%s onto a folder", kind) << 0 << kind << QStringLiteral("folder.%1").arg(kind);
        QTest::addRow("%s into a read-only folder", kind)
            << 0 << kind << QStringLiteral("read-only/output.%1").arg(kind);
    }
}

// The message names the file and gives a reason, and the folder holds what it
// held before.
void WindowOutputTest::unwritableFileIsNamedAndNothingIsLeft()
{
    QFETCH(QString, kind);
    QFETCH(QString, target);
    BeamForm& form = openWithCurves();
    const WindowState before = stateOf(form);
    const QDir folder(folder_->path());
    const QString readOnly = folder.filePath(QStringLiteral("read-only"));
    QVERIFY(folder.mkdir(QStringLiteral("folder.") + kind));
    QVERIFY(folder.mkdir(readOnly));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    if (target.startsWith(QLatin1String("read-only")) && QFileInfo(readOnly).isWritable())
        QSKIP("this user may write into read-only folders");
    const auto everything = [](const QDir& dir) {
        return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    };
    const QStringList held = everything(folder);

    const QString path = folder.filePath(target);
    std::optional<QString> problem;
    if (kind == QLatin1String("csv")) {
        problem = beam::writeData(form.output(), path);
    } else if (kind == QLatin1String("pdf")) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        problem = beam::printWindow(printer, form.output());
    } else {
        problem = beam::writePicture(form.output(), path);
    }
    QVERIFY(problem.has_value());
    QVERIFY2(problem->contains(QDir::toNativeSeparators(path)), qPrintable(*problem));
    QVERIFY2(!problem->section(u'\n', 1).trimmed().isEmpty(), qPrintable(*problem));
    QCOMPARE(everything(folder), held);
    QCOMPARE(everything(QDir(folder.filePath(QStringLiteral("folder.") + kind))), QStringList());
    QCOMPARE(everything(QDir(readOnly)), QStringList());
    QVERIFY(stateOf(form) == before);
}

void WindowOutputTest::choose(const BeamForm& form, const QString& caption)
{
    const QList<QAction*> actions = form.window()->clientArea().actions();
    const auto action = std::ranges::find(actions, caption, &QAction::text);
    QVERIFY(action != actions.end());
    (*action)->trigger();
}

void WindowOutputTest::fileNamedInTheDialogIsWritten_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("type"); // the file type chosen, 0 the first
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    const QString picture = QString::fromUtf8("另存圖片…");
    const QByteArray png("\x89PNG");
    const QByteArray svg("<?xml");
    QTest::newRow("picture.png") << 0 << picture << 0 << "picture.png"
                                 << "picture.png" << png;
    QTest::newRow("picture.svg, PNG chosen") << 0 << picture << 0 << "picture.svg"
                                             << "picture.svg" << svg;
    QTest::newRow("picture, PNG chosen") << 0 << picture << 0 << "picture"
                                         << "picture.png" << png;
    QTest::newRow("picture, SVG chosen") << 0 << picture << 1 << "picture"
                                         << "picture.svg" << svg;
    QTest::newRow("picture.png, SVG chosen") << 0 << picture << 1 << "picture.png"
                                             << "picture.png" << png;
    QTest::newRow("curves") << 0 << QString::fromUtf8("匯出資料…") << 0 << "curves"
                            << "curves.csv" << QByteArray("\xEF\xBB\xBF");
}

// The file's type follows the name typed into the dialog, or the type chosen
// where the name has no extension.
void WindowOutputTest::fileNamedInTheDialogIsWritten()
{
    QFETCH(QString, caption);
    QFETCH(int, type);
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    BeamForm& form = openWithCurves();
    answeringDialogs(folder_->filePath(answer), type, [&] { choose(form, caption); });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(dialogs_, QStringList{QStringLiteral("QFileDialog")});
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{written});
    QVERIFY(readAll(folder_->filePath(written)).startsWith(start));
}

// The dialog opens in the home folder on a proposed name; where a file of
// that name is there already, it is selected in the list, and the name typed
// instead is still the one written.
void WindowOutputTest::typedNameWinsOverAnExistingFileOfTheProposedName()
{
    BeamForm& form = windows_->beamWindow(0);
    const QDir folder(folder_->path());
    QVERIFY(folder.mkdir(QStringLiteral("home")));
    const QString home = folder.filePath(QStringLiteral("home"));
    const QString proposed = QStringLiteral("%1/%2 %3.png")
                                 .arg(home, QString::fromUtf8(form.description().loadCase),
                                      QDate::currentDate().toString(Qt::ISODate));
    QFile existing(proposed);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    const QByteArray homeBefore = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home));
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", homeBefore); });

    form.Show();
    test_support::settle();
    answeringDialogs(folder.filePath(QStringLiteral("typed.png")), 0,
                     [&] { choose(form, QString::fromUtf8("另存圖片…")); });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(dialogs_, QStringList{QStringLiteral("QFileDialog")});
    QVERIFY(readAll(folder.filePath(QStringLiteral("typed.png"))).startsWith("\x89PNG"));
    QCOMPARE(QFileInfo(proposed).size(), 0);
}

// The save and export dialogs of every window start in the folder of the
// last file written through one of them, in any window; the first opens in
// the home folder, and so does the next once that folder is gone.
void WindowOutputTest::dialogsStartInTheFolderLastUsed()
{
    const QDir folder(folder_->path());
    for (const char* name : {"home", "pictures", "tables"})
        QVERIFY(folder.mkdir(QString::fromLatin1(name)));
    const QByteArray homeBefore = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(folder.filePath(QStringLiteral("home"))));
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", homeBefore); });
    const QString picture = QString::fromUtf8("另存圖片…");
    const QString data = QString::fromUtf8("匯出資料…");
    // In turn: the window, the action, where the file goes.
    const struct {
        std::size_t window;
        const QString& caption;
        QString path;
    } steps[] = {
        {0, picture, folder.filePath(QStringLiteral("pictures/a.png"))},
        {0, data, folder.filePath(QStringLiteral("tables/a.csv"))},
        {shell::kBeamWindows.size() - 1, picture, folder.filePath(QStringLiteral("pictures/b.png"))},
    };
    for (const auto& step : steps) {
        BeamForm& form = windows_->beamWindow(step.window);
        form.Show();
        test_support::settle();
        answeringDialogs(step.path, 0, [&] { choose(form, step.caption); });
        if (QTest::currentTestFailed())
            return;
        QVERIFY(QFileInfo::exists(step.path));
    }
    // Once the last folder has gone, in the home folder again.
    QVERIFY(QDir(folder.filePath(QStringLiteral("pictures"))).removeRecursively());
    answeringDialogs(folder.filePath(QStringLiteral("d.png")), 0, [&] { choose(windows_->beamWindow(0), picture); });
    QCOMPARE(folders_,
             (QStringList{folder.filePath(QStringLiteral("home")), folder.filePath(QStringLiteral("pictures")),
                          folder.filePath(QStringLiteral("tables")), folder.filePath(QStringLiteral("home"))}));
}

void WindowOutputTest::cancelledOrRefusedDialogWritesNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("keys"); // the action's shortcut, pressed instead of choosing it
    QTest::addColumn<QString>("answer"); // typed into the file dialog; empty: cancel
    QTest::addColumn<QStringList>("dialogs");
    const QString files = QStringLiteral("QFileDialog");
    const QString message = QStringLiteral("QMessageBox");
    QTest::newRow("Ctrl+P, print cancelled") << 0 << QString::fromUtf8("列印…") << QKeySequence(QKeySequence::Print)
                                             << QString() << QStringList{QStringLiteral("QPrintDialog")};
    QTest::newRow("print preview closed") << 0 << QString::fromUtf8("預覽列印…") << QKeySequence() << QString()
                                          << QStringList{QStringLiteral("QPrintPreviewDialog")};
    QTest::newRow("Ctrl+S, save picture cancelled")
        << 0 << QString::fromUtf8("另存圖片…") << QKeySequence(QKeySequence::Save) << QString() << QStringList{files};
    QTest::newRow("save picture into a missing folder")
        << 0 << QString::fromUtf8("另存圖片…") << QKeySequence() << QStringLiteral("missing/window.png")
        << QStringList{files, message};
    QTest::newRow("export data cancelled")
        << 0 << QString::fromUtf8("匯出資料…") << QKeySequence() << QString() << QStringList{files};
    QTest::newRow("export data into a missing folder")
        << 0 << QString::fromUtf8("匯出資料…") << QKeySequence() << QStringLiteral("missing/curves.csv")
        << QStringList{files, message};
}

// As a user goes, through the context menu's actions or their shortcuts: a
// cancelled dialog writes nothing and says nothing; a file that cannot be
// written is named in a message, and nothing is written.
void WindowOutputTest::cancelledOrRefusedDialogWritesNothing()
{
    QFETCH(QString, caption);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, answer);
    QFETCH(QStringList, dialogs);
    BeamForm& form = openWithCurves();
    const WindowState before = stateOf(form);
    const QString path = answer.isEmpty() ? QString() : folder_->filePath(answer);
    answeringDialogs(path, 0, [&] {
        if (keys.isEmpty())
            choose(form, caption);
        else
            QTest::keySequence(form.window(), keys);
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(dialogs_, dialogs);
    if (!path.isEmpty())
        QVERIFY2(message_.contains(QDir::toNativeSeparators(path)), qPrintable(message_));
    QVERIFY(QDir(folder_->path()).isEmpty());
    QVERIFY(stateOf(form) == before);
}

QTEST_MAIN(WindowOutputTest)
#include "window_output_test.moc"
