// SPDX-License-Identifier: MIT
#include "beam_common/window_output.h"

#include "beam_common/output_pictures.h"
#include "beam_common/output_source.h"

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
#include <QScreen>
#include <QWidget>

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

// The window that dialogs and messages stand over.
QWidget* windowOf(const OutputSource& source)
{
    return source.clientArea.window();
}

void tell(const OutputSource& source, const char* title, const std::optional<QString>& problem)
{
    if (problem)
        QMessageBox::warning(windowOf(source), QString::fromUtf8(title), *problem);
}

// A kind of file the save dialog offers: its name filter and its extension.
struct FileType {
    const char* filter;
    const char* extension;
};

constexpr FileType kPictureTypes[] = {{"PNG 圖片 (*.png)", "png"}, {"SVG 向量圖 (*.svg)", "svg"}};
constexpr FileType kDataTypes[] = {{"CSV 表格 (*.csv)", "csv"}};

// The folder of the last file written through a dialog, for the run of the
// program: every window's next dialog starts there.
QString& lastFolder()
{
    static QString folder;
    return folder;
}

// Asks where to write, in Qt's own file dialog: it is the same on every
// desktop, and tests can drive it. It proposes the title and today's date
// in the folder last used, or the home folder the first time or when that
// folder is gone. A name without an extension takes the chosen type's.
// Empty when cancelled.
QString askForFile(const OutputSource& source, const char* title, std::span<const FileType> types)
{
    QStringList filters;
    for (const FileType& type : types)
        filters.append(QString::fromUtf8(type.filter));
    const auto extensionOf = [&](const QString& filter) {
        return QString::fromLatin1(types[std::size_t(std::max<qsizetype>(0, filters.indexOf(filter)))].extension);
    };
    QFileDialog dialog(windowOf(source), QString::fromUtf8(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(extensionOf(filters.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(extensionOf(filter)); });
    const QDir last(lastFolder());
    dialog.setDirectory(!lastFolder().isEmpty() && last.exists() ? last : QDir::home());
    dialog.selectFile(QStringLiteral("%1 %2.%3")
                          .arg(source.title, QDate::currentDate().toString(Qt::ISODate), extensionOf(filters.front())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().front();
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

// A page of the window's shape, named after its title.
void preparePrinter(QPrinter& printer, const OutputSource& source)
{
    const QSize client = source.clientArea.size();
    printer.setPageOrientation(client.width() >= client.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(source.title);
}

void printPage(const OutputSource& source, PageContent content)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, source);
    QPrintDialog dialog(&printer, windowOf(source));
    if (dialog.exec() == QDialog::Accepted)
        tell(source, "列印", printWindow(printer, source, content));
}

void print(const OutputSource& source)
{
    printPage(source, PageContent::Window);
}

void printFigure(const OutputSource& source)
{
    printPage(source, PageContent::Figure);
}

void previewPrint(const OutputSource& source)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, source);
    QPrintPreviewDialog dialog(&printer, windowOf(source));
    // Its own size leaves the page a thumbnail and hides the print button
    // behind the toolbar's overflow.
    if (const QScreen* screen = windowOf(source)->screen())
        dialog.setGeometry(previewGeometry(screen->availableGeometry()));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&source](QPrinter* target) { tell(source, "列印", printWindow(*target, source)); });
    dialog.exec();
}

void savePicture(const OutputSource& source)
{
    const QString path = askForFile(source, "另存圖片", kPictureTypes);
    if (!path.isEmpty())
        tell(source, "另存圖片", writePicture(source, path));
}

void copyPicture(const OutputSource& source)
{
    QGuiApplication::clipboard()->setImage(windowImage(source));
}

void exportData(const OutputSource& source)
{
    const QString path = askForFile(source, "匯出資料", kDataTypes);
    if (!path.isEmpty())
        tell(source, "匯出資料", writeData(source, path));
}

constexpr OutputAction kActions[] = {
    {"列印…", QKeySequence::Print, print},
    {"預覽列印…", QKeySequence::UnknownKey, previewPrint},
    {"列印圖形與圖例…", QKeySequence::UnknownKey, printFigure},
    {"另存圖片…", QKeySequence::Save, savePicture},
    {"複製圖片", QKeySequence::Copy, copyPicture},
    {"匯出資料…", QKeySequence::UnknownKey, exportData},
};

} // namespace

constinit const std::span<const OutputAction> kOutputActions = kActions;

QAction& addContextAction(QWidget& clientArea, const QString& caption, const QList<QKeySequence>& shortcuts)
{
    auto* action = new QAction(caption, &clientArea);
    action->setShortcuts(shortcuts);
    // A right click on the client area, or on a control that has no menu of
    // its own, lists the client area's actions.
    clientArea.setContextMenuPolicy(Qt::ActionsContextMenu);
    clientArea.addAction(action);
    return *action;
}

QAction& addContextAction(QWidget& clientArea, const OutputAction& output)
{
    return addContextAction(clientArea, QString::fromUtf8(output.caption), QKeySequence::keyBindings(output.shortcut));
}

std::optional<QString> writePicture(const OutputSource& source, const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return writeFile(path, windowSvg(source));
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    windowImage(source).save(&png, "PNG");
    return writeFile(path, png.data());
}

std::optional<QString> writeData(const OutputSource& source, const QString& path)
{
    return writeFile(path, source.table());
}

std::optional<QString> printWindow(QPrinter& printer, const OutputSource& source, PageContent content)
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
        paintPage(painter, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()), source,
                  content);
        painter.end();
        return writeFile(printer.outputFileName(), document.data());
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return QString::fromUtf8("無法在印表機「%1」上列印。").arg(printer.printerName());
    paintPage(painter, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()), source,
              content);
    return std::nullopt;
}

QRect previewGeometry(const QRect& screen)
{
    const QSize size = screen.size() * 3 / 4;
    return {screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 2,
            size.width(), size.height()};
}

} // namespace beam
