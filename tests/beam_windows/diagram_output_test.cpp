// SPDX-License-Identifier: MIT
// What a beam window's diagram window gives out, one row per window of the
// window list, through the beam windows' own output path: the PNG that equals
// the diagrams on the screen, an SVG that reads back, the CSV whose every
// value is the model's, one printed page, and a context menu with the beam
// window's entries and shortcuts. The test runs at a device pixel ratio of 2,
// where the saved picture and the screen have the same pixels.
#include "beam_common/beam_form.h"
#include "beam_common/output_source.h"
#include "beam_common/readout.h"
#include "beam_common/window_output.h"
#include "diagrams/diagram_view.h"
#include "diagrams/diagram_window.h"
#include "shell/windows.h"
#include "tests/support/beam_window_rows.h"
#include "tests/support/test_support.h"
#include "toolkit/client_area.h"
#include "toolkit/form_window.h"
#include "toolkit/program.h"

#include <QAction>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

using beam::BeamForm;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QWidget& widget)
{
    QStringList texts;
    for (const QAction* action : widget.actions())
        texts << action->text() + u' ' + action->shortcut().toString();
    return texts;
}

} // namespace

class DiagramOutputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pngEqualsTheDiagrams_data() { test_support::beamWindowRows(); }
    void pngEqualsTheDiagrams();
    void svgReadsBack_data() { test_support::beamWindowRows(); }
    void svgReadsBack();
    void csvValuesAreTheModels_data();
    void csvValuesAreTheModels();
    void printsOnePage_data() { test_support::beamWindowRows(); }
    void printsOnePage();
    void contextMenuIsTheBeamWindows_data() { test_support::beamWindowRows(); }
    void contextMenuIsTheBeamWindows();

private:
    // The window of the row with a curve of the plot button, three changes
    // and another of the plot button, and its diagram window open.
    diagrams::DiagramWindow& openWithCurves();

    std::unique_ptr<toolkit::Program> program_;
    std::unique_ptr<shell::Windows> windows_;
    std::unique_ptr<QTemporaryDir> folder_;
    BeamForm* form_ = nullptr;
};

void DiagramOutputTest::initTestCase()
{
    test_support::installLook();
    QVERIFY2(qApp->devicePixelRatio() == 2, "run with QT_SCALE_FACTOR=2");
}

void DiagramOutputTest::init()
{
    program_ = std::make_unique<toolkit::Program>();
    windows_ = std::make_unique<shell::Windows>(*program_);
    folder_ = std::make_unique<QTemporaryDir>();
}

void DiagramOutputTest::cleanup()
{
    windows_.reset();
    program_.reset();
    folder_.reset();
    test_support::settle();
}

diagrams::DiagramWindow& DiagramOutputTest::openWithCurves()
{
    QFETCH(int, index);
    form_ = &windows_->beamWindow(std::size_t(index));
    form_->Show();
    beam::BeamControls& c = form_->controls();
    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    for (int k = 0; k < 3; ++k)
        test_support::clickRightArrow(c.HScroll1);
    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    form_->showDiagrams();
    diagrams::DiagramWindow& window = *form_->diagramWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("the diagram window was not shown");
    return window;
}

void DiagramOutputTest::pngEqualsTheDiagrams()
{
    diagrams::DiagramWindow& window = openWithCurves();
    const QString path = folder_->filePath(QStringLiteral("diagrams.png"));
    const std::optional<QString> problem = beam::writePicture(window.output(), path);
    QVERIFY2(!problem, qPrintable(problem.value_or(QString())));
    const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
    const QImage shown = window.view().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), window.view().size() * 2);
    QCOMPARE(saved.size(), shown.size());
    QVERIFY(saved == shown);
}

// The SVG reads back, as XML and as a drawing of the diagrams' size, and
// keeps its texts as text.
void DiagramOutputTest::svgReadsBack()
{
    diagrams::DiagramWindow& window = openWithCurves();
    const QString path = folder_->filePath(QStringLiteral("diagrams.svg"));
    QVERIFY(!beam::writePicture(window.output(), path));
    const QByteArray svg = readAll(path);
    QXmlStreamReader reader(svg);
    while (!reader.atEnd())
        reader.readNext();
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBoxF().size().toSize(), window.view().size());
    QVERIFY(QString::fromUtf8(svg).contains(QStringLiteral("彎矩")));
}

void DiagramOutputTest::csvValuesAreTheModels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("cleared"); // then only the grey present load
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        const char* name = shell::kBeamWindows[i].window.layout.name;
        QTest::addRow("%s, curves", name) << int(i) << false;
        QTest::addRow("%s, present load", name) << int(i) << true;
    }
}

// One line per sample of each curve, in the order drawn: who drew it (a
// number, or words), its load value, x from 0 to the span, and V, M, θ and y
// exactly as the model gives them (at a concentrated load, just left of it,
// then at it).
void DiagramOutputTest::csvValuesAreTheModels()
{
    QFETCH(bool, cleared);
    diagrams::DiagramWindow& window = openWithCurves();
    const beam::BeamWindow& description = form_->description();
    const QString plotButton = QStringLiteral("「%1」按鈕").arg(QString::fromUtf8(description.loadCase));
    const int value = form_->controls().HScroll1.value();
    struct Curve {
        QString who;
        double load;
    };
    std::vector<Curve> expected{{plotButton, double(value - 3)},
                                {QStringLiteral("1"), double(value - 2)},
                                {QStringLiteral("2"), double(value - 1)},
                                {QStringLiteral("3"), double(value)},
                                {plotButton, double(value)}};
    if (cleared) {
        QTest::mouseClick(&form_->controls().Command3, Qt::LeftButton);
        expected = {{QStringLiteral("目前的負荷（尚未繪圖）"), double(value)}};
    }
    const QString path = folder_->filePath(QStringLiteral("diagrams.csv"));
    QVERIFY(!beam::writeData(window.output(), path));
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString());
    const QString heading = lines.takeFirst();
    QVERIFY2(heading.startsWith(QStringLiteral("變換次數,%1,x,剪力 V,彎矩 M,斜率 θ,撓度 y")
                                    .arg(QString::fromUtf8(description.loadValueName))),
             qPrintable(heading));

    const double span = description.span();
    qsizetype line = 0;
    for (const Curve& curve : expected) {
        const physics::LoadCase beam = description.beamUnder(curve.load);
        const qsizetype first = line;
        for (; line < lines.size() && lines[line].section(u',', 0, 0) == curve.who
               && lines[line].section(u',', 1, 1).toDouble() == curve.load;
             ++line) {
            const QStringList fields = lines[line].split(u',');
            QCOMPARE(fields.size(), 7);
            const double x = fields[2].toDouble();
            const auto isModels = [&](int field, double (*function)(const physics::LoadCase&, double)) {
                const double shown = fields[field].toDouble();
                return shown == function(beam, x) || shown == function(beam, std::nextafter(x, 0.0));
            };
            QVERIFY2(isModels(3, physics::shear) && isModels(4, physics::moment) && isModels(5, physics::slope)
                         && isModels(6, physics::deflection),
                     qPrintable(lines[line]));
        }
        QVERIFY2(line - first > 200, qPrintable(curve.who));
        QCOMPARE(lines[first].section(u',', 2, 2).toDouble(), 0.0);
        QCOMPARE(lines[line - 1].section(u',', 2, 2).toDouble(), span);
    }
    QCOMPARE(line, lines.size());
}

void DiagramOutputTest::printsOnePage()
{
    diagrams::DiagramWindow& window = openWithCurves();
    // The page names the beam's numbers, as the beam window's page does.
    QCOMPARE(window.output().heading, beam::pageHeading(form_->description(), form_->curves()));
    const QString path = folder_->filePath(QStringLiteral("diagrams.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(!beam::printWindow(printer, window.output()));
    const QByteArray pdf = readAll(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    static const QRegularExpression page(QStringLiteral("/Type /Page\\b(?!s)"));
    QCOMPARE(QString::fromLatin1(pdf).count(page), 1);
}

// The diagrams' context menu offers the beam window's output, entry for entry
// and shortcut for shortcut; it opens no further diagram window.
void DiagramOutputTest::contextMenuIsTheBeamWindows()
{
    diagrams::DiagramWindow& window = openWithCurves();
    QCOMPARE(window.view().contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList beamEntries = entries(form_->window()->clientArea());
    QCOMPARE(beamEntries.takeLast(), QStringLiteral("剪力、彎矩與撓度圖… Ctrl+G"));
    QCOMPARE(entries(window.view()), beamEntries);
}

QTEST_MAIN(DiagramOutputTest)
#include "diagram_output_test.moc"
