// SPDX-License-Identifier: MIT
// Every text of the windows' layout tables and of their load cases is
// Traditional Chinese that the Big5 character set can hold, every font is one
// of the program's two faces, and every picture they name is in the program.
#include "beam_common/beam_form.h"
#include "shell/main_form.h"
#include "shell/window_list.h"
#include "toolkit/layout.h"

#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTest>

#include <iconv.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace toolkit;

namespace {

// True when iconv converts the whole UTF-8 text into Big5.
bool encodableInBig5(std::string_view utf8)
{
    iconv_t converter = iconv_open("BIG5", "UTF-8");
    if (converter == iconv_t(-1)) // NOLINT(performance-no-int-to-ptr): iconv's documented error value
        qFatal("iconv cannot convert to Big5 here");
    std::string input(utf8);
    std::string output(input.size() * 2 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    return result != std::size_t(-1) && inLeft == 0;
}

// The main window's layout, then each beam window's.
std::vector<const Window*> allLayouts()
{
    std::vector<const Window*> layouts = {&shell::kMainWindow};
    for (const shell::BeamWindowEntry& entry : shell::kBeamWindows)
        layouts.push_back(&entry.window.layout);
    return layouts;
}

} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void big5CheckRejectsOtherScripts();
    void textsAreBig5_data();
    void textsAreBig5();
    void controlNamesAreUnique_data();
    void controlNamesAreUnique();
    void picturesAreInTheProgram_data();
    void picturesAreInTheProgram();
};

void CaptionsTest::big5CheckRejectsOtherScripts()
{
    QVERIFY(encodableInBig5("集中負荷 1500 kg"));
    QVERIFY(!encodableInBig5("简体字")); // simplified characters
    QVERIFY(!encodableInBig5("ありがとう"));
}

void CaptionsTest::textsAreBig5_data()
{
    QTest::addColumn<QString>("text");
    for (const shell::BeamWindowEntry& entry : shell::kBeamWindows) {
        QTest::addRow("%s load case", entry.window.layout.name) << QString::fromUtf8(entry.window.loadCase);
        if (entry.window.magnitude != nullptr)
            QTest::addRow("%s magnitude", entry.window.layout.name) << QString::fromUtf8(entry.window.magnitude);
    }
    for (const Window* window : allLayouts()) {
        QTest::addRow("%s caption", window->name) << QString::fromUtf8(window->caption);
        for (const Control& row : window->controls) {
            const QByteArray tag = QByteArray(window->name) + ' ' + row.name
                                   + (row.index == kNoIndex ? QByteArray() : '(' + QByteArray::number(row.index) + ')');
            QTest::addRow("%s", tag.constData()) << QString::fromUtf8(row.caption);
            if (row.font)
                QTest::addRow("%s font", tag.constData()) << QString::fromUtf8(row.font->face);
        }
    }
}

void CaptionsTest::textsAreBig5()
{
    QFETCH(QString, text);
    QVERIFY2(encodableInBig5(text.toStdString()), qPrintable(text));
    const bool isFontFace = QByteArray(QTest::currentDataTag()).endsWith(" font");
    if (isFontFace)
        QVERIFY(text == QString::fromUtf8(kMing) || text == QString::fromUtf8(kKai));
}

// Handlers find a control by its name and index: two rows of one window with
// the same ones (a new menu entry named like 結束's mnu4) would leave one of
// them unreachable.
void CaptionsTest::controlNamesAreUnique_data()
{
    QTest::addColumn<const Window*>("layout");
    for (const Window* window : allLayouts())
        QTest::addRow("%s", window->name) << window;
}

void CaptionsTest::controlNamesAreUnique()
{
    QFETCH(const Window*, layout);
    std::set<std::pair<std::string, int>> seen;
    for (const Control& row : layout->controls)
        QVERIFY2(seen.insert({row.name, row.index}).second, row.name);
}

// A picture missing from the program's resources would leave its window
// without it and only warn: here it fails.
void CaptionsTest::picturesAreInTheProgram_data()
{
    QTest::addColumn<QString>("path");
    for (const Window* window : allLayouts()) {
        if (window->picture != nullptr)
            QTest::addRow("%s", window->name) << QString::fromUtf8(window->picture);
        for (const Control& row : window->controls) {
            if (row.picture != nullptr)
                QTest::addRow("%s %s", window->name, row.name) << QString::fromUtf8(row.picture);
        }
    }
}

void CaptionsTest::picturesAreInTheProgram()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    if (path.endsWith(QLatin1String(".svg")))
        QVERIFY(QSvgRenderer(path).isValid());
    else
        QVERIFY(!QImage(path).isNull());
}

QTEST_GUILESS_MAIN(CaptionsTest)
#include "captions_test.moc"
