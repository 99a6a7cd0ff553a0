// SPDX-License-Identifier: MIT
#include "beam_common/window_output.h"

#include "beam_common/beam_form.h"
#include "beam_common/curve_table.h"
#include "beam_common/window_picture.h"
#include "toolkit/client_area.h"
#include "toolkit/form_window.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>

namespace beam {

namespace {

// Writes the file in a temporary file beside it and puts it in place only once
// all of it is written: a failure leaves the old file, or none.
std::optional<QString> writeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    // Unbuffered, so that a write that fills the disk comes back short and
    // the next one fails with the reason.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qsizetype written = 0;
        while (written < content.size()) {
            const qint64 count = file.write(content.constData() + written, content.size() - written);
            if (count <= 0)
                break;
            written += count;
        }
        if (written == content.size() && file.commit())
            return std::nullopt;
    }
    return QString::fromUtf8("無法寫入檔案「%1」：\n%2").arg(QDir::toNativeSeparators(path), file.errorString());
}

void tell(const BeamForm& form, const char* title, const std::optional<QString>& problem)
{
    if (problem)
        QMessageBox::warning(form.window(), QString::fromUtf8(title), *problem);
}

// A kind of file the save dialog offers: its name filter and its extension.
struct FileType {
    const char* filter;
    const char* extension;
};

constexpr FileType kPictureTypes[] = {{"PNG 圖片 (*.png)", "png"}, {"SVG 向量圖 (*.svg)", "svg"}};
constexpr FileType kDataTypes[] = {{"CSV 表格 (*.csv)", "csv"}};

// Asks where to write, in Qt's own file dialog: it is the same on every
// desktop, and tests can drive it. It proposes the load case and today's date
// in the home folder. A name without an extension takes the chosen type's.
// Empty when cancelled.
QString askForFile(const BeamForm& form, const char* title, std::span<const FileType> types)
{
    QStringList filters;
    for (const FileType& type : types)
        filters.append(QString::fromUtf8(type.filter));
    const auto extensionOf = [&](const QString& filter) {
        return QString::fromLatin1(types[std::size_t(std::max<qsizetype>(0, filters.indexOf(filter)))].extension);
    };
    QFileDialog dialog(form.window(), QString::fromUtf8(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(extensionOf(filters.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(extensionOf(filter)); });
    dialog.setDirectory(QDir::home());
    dialog.selectFile(QStringLiteral("%1 %2.%3")
                          .arg(QString::fromUtf8(form.description().loadCase),
                               QDate::currentDate().toString(Qt::ISODate), extensionOf(filters.front())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

// A page of the window's shape, named after its load case.
void preparePrinter(QPrinter& printer, const BeamForm& form)
{
    const QSize client = form.window()->clientArea().size();
    printer.setPageOrientation(client.width() >= client.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(QString::fromUtf8(form.description().loadCase));
}

void print(const BeamForm& form)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, form);
    QPrintDialog dialog(&printer, form.window());
    if (dialog.exec() == QDialog::Accepted)
        tell(form, "列印", printWindow(printer, form));
}

void previewPrint(const BeamForm& form)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, form);
    QPrintPreviewDialog dialog(&printer, form.window());
    // As large as the window it shows; its own size leaves the page a thumbnail.
    dialog.resize(form.window()->size());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&form](QPrinter* target) { tell(form, "列印", printWindow(*target, form)); });
    dialog.exec();
}

void savePicture(const BeamForm& form)
{
    const QString path = askForFile(form, "另存圖片", kPictureTypes);
    if (!path.isEmpty())
        tell(form, "另存圖片", writePicture(form, path));
}

void copyPicture(const BeamForm& form)
{
    QGuiApplication::clipboard()->setImage(windowImage(form));
}

void exportData(const BeamForm& form)
{
    const QString path = askForFile(form, "匯出資料", kDataTypes);
    if (!path.isEmpty())
        tell(form, "匯出資料", writeData(form, path));
}

constexpr OutputAction kActions[] = {
    {"列印…", QKeySequence::Print, print},
    {"預覽列印…", QKeySequence::UnknownKey, previewPrint},
    {"另存圖片…", QKeySequence::Save, savePicture},
    {"複製圖片", QKeySequence::Copy, copyPicture},
    {"匯出資料…", QKeySequence::UnknownKey, exportData},
};

} // namespace

constinit const std::span<const OutputAction> kOutputActions = kActions;

QAction& addOutputAction(QWidget& clientArea, const OutputAction& output)
{
    auto* action = new QAction(QString::fromUtf8(output.caption), &clientArea);
    if (output.shortcut != QKeySequence::UnknownKey)
        action->setShortcuts(output.shortcut);
    // A right click on the client area, or on a control that has no menu of
    // its own, lists the client area's actions.
    clientArea.setContextMenuPolicy(Qt::ActionsContextMenu);
    clientArea.addAction(action);
    return *action;
}

std::optional<QString> writePicture(const BeamForm& form, const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return writeFile(path, windowSvg(form));
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    windowImage(form).save(&png, "PNG");
    return writeFile(path, png.data());
}

std::optional<QString> writeData(const BeamForm& form, const QString& path)
{
    return writeFile(path, curveTable(form.description(), form.curves()));
}

std::optional<QString> printWindow(QPrinter& printer, const BeamForm& form)
{
    // Printing into a file goes through QSaveFile like every file the window
    // writes: all of it or nothing, and a reason when it fails.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QBuffer document;
        document.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&document);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setTitle(printer.docName());
        pdf.setCreator(QCoreApplication::applicationName());
        QPainter painter(&pdf);
        paintPage(painter, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()), form);
        painter.end();
        return writeFile(printer.outputFileName(), document.data());
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return QString::fromUtf8("無法在印表機「%1」上列印。").arg(printer.printerName());
    paintPage(painter, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()), form);
    return std::nullopt;
}

} // namespace beam
