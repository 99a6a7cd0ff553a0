// SPDX-License-Identifier: MIT
// The whole program driven by random user actions, started as main() starts
// it, with its invariants checked after every action.
//
// RANDOM_USE_SEED and RANDOM_USE_ACTIONS choose the run. A failure names the
// seed and the action number; RANDOM_USE_TRACE=1 prints every action before it
// is made, which finds the last one before a crash.
#include "beam_common/beam_form.h"
#include "beam_moment_load/moment_load_case.h"
#include "beam_moment_load/moment_load_form.h"
#include "beam_moment_load/moment_load_layout.h"
#include "beam_point_load/point_load_case.h"
#include "beam_point_load/point_load_form.h"
#include "beam_point_load/point_load_layout.h"
#include "beam_uniform_load/uniform_load_case.h"
#include "beam_uniform_load/uniform_load_form.h"
#include "beam_uniform_load/uniform_load_layout.h"
#include "shell/main_form.h"
#include "shell/windows.h"
#include "tests/support/test_support.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/form.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/program.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

using namespace toolkit;
using shell::Windows;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
// Enough for every action kind on every window many times over, and quick
// enough for every CI run.
constexpr long kDefaultActions = 100'000;
constexpr long kEventLoopEvery = 32;

// Small and reproducible: the same seed gives the same actions with any
// standard library.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : engine_(seed)
    {
    }
    int below(int n) { return int(engine_() % std::uint64_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template<class T, std::size_t N>
    const T& pick(const std::array<T, N>& items)
    {
        return items[std::size_t(below(int(N)))];
    }

private:
    std::mt19937_64 engine_;
};

// Text as a user may type or paste it into any text box.
QString codePoint(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

// Outside the basic plane: a surrogate pair in the text.
char32_t emoji(Random& random)
{
    for (;;) {
        const auto c = char32_t(random.between(0x1F300, 0x1FAFF));
        if (QChar::isPrint(c))
            return c;
    }
}

char32_t anyCharacter(Random& random)
{
    static constexpr std::array<char32_t, 16> kAscii = {U'0', U'1', U'5', U'9', U'.', U'-', U'+', U'e',
                                                        U'E', U'D', U'&', U'H', U' ', U',', U'x', U'%'};
    switch (random.below(6)) {
    case 0:
        return random.pick(kAscii);
    case 1:
        return char32_t(random.between(0x20, 0x7E));
    case 2:
        return char32_t(random.between(0x4E00, 0x9FA5)); // CJK ideographs
    case 3:
        return char32_t(random.between(0xFF10, 0xFF5A)); // full-width digits and letters
    case 4:
        return emoji(random);
    default:
        return char32_t(random.between(0xA0, 0x2FFF));
    }
}

// Only what a keyboard or an input method can enter: printable characters.
char32_t randomCharacter(Random& random)
{
    for (;;) {
        const char32_t c = anyCharacter(random);
        if (QChar::isPrint(c))
            return c;
    }
}

QString randomText(Random& random)
{
    static const std::array<const char*, 32> kNumbers = {
        "1e400", "1e38",       "-1e38", "3.4e38", "3.5e38",    "1e39",  "1e-400", "1.7976931348623157e308",
        "0",     "-0",         "10",    "11",     "1E+37",     ".",     "-",      "+",
        "e5",    " 5",         "5 ",    "1 2 3",  "1,5",       "&H",    "&HFF",   "&hFFFF",
        "&O777", "&H7FFFFFFF", "NaN",   "inf",    "-Infinity", "0x1p3", "1D300",  "2.5d-3",
    };
    QString text;
    // Very long text is rare, as pasting a page into a small box is.
    switch (random.chance(2) ? 8 : random.below(8)) {
    case 0: // digits
        for (int n = random.between(1, 6); n > 0; --n)
            text += QChar(u'0' + random.below(10));
        return text;
    case 1: { // a decimal number, perhaps signed, perhaps with an exponent
        if (random.chance(30))
            text += random.chance(50) ? u'-' : u'+';
        text += QString::number(random.below(100000));
        if (random.chance(50))
            text += u'.' + QString::number(random.below(1000));
        if (random.chance(50)) {
            text += QChar(random.pick(std::array<char16_t, 4>{u'e', u'E', u'd', u'D'}));
            if (random.chance(50))
                text += random.chance(50) ? u'-' : u'+';
            text += QString::number(random.below(500));
        }
        return text;
    }
    case 2:
        return QString::fromUtf8(random.pick(kNumbers));
    case 3: // a hexadecimal constant
        text = random.chance(50) ? QStringLiteral("&H") : QStringLiteral("&h");
        for (int n = random.between(1, 10); n > 0; --n)
            text += QChar(QLatin1Char("0123456789ABCDEFabcdef"[random.below(22)]));
        return text;
    case 4: // CJK
        for (int n = random.between(1, 8); n > 0; --n)
            text += codePoint(char32_t(random.between(0x4E00, 0x9FA5)));
        return text;
    case 5: // emoji
        for (int n = random.between(1, 5); n > 0; --n)
            text += codePoint(emoji(random));
        return text;
    case 6: // a bit of everything
        for (int n = random.between(1, 20); n > 0; --n)
            text += codePoint(randomCharacter(random));
        return text;
    case 8: { // very long, perhaps starting with a number: a few long runs, as pasted text has
        if (random.chance(50))
            text += QString::number(random.below(20));
        for (int runs = random.between(1, 4); runs > 0; --runs) {
            const int kind = random.below(4);
            // Ideographs from one block, as in real text: every new glyph costs
            // the font engine far more than the program.
            const auto block = char32_t(0x4E00 + 0x100 * random.below(0x51));
            for (int n = kind == 3 ? random.between(20, 200) : random.between(300, 1500); n > 0; --n) {
                switch (kind) {
                case 0:
                    text += QChar(u'0' + random.below(10));
                    break;
                case 1:
                    text += codePoint(block + char32_t(random.below(0x100)));
                    break;
                case 2:
                    text += codePoint(emoji(random));
                    break;
                default:
                    text += codePoint(randomCharacter(random));
                    break;
                }
            }
        }
        return text;
    }
    default: // nothing: the box is just emptied
        return text;
    }
}

// Types text key by key, as a keyboard would send it: one key event per
// character, a surrogate pair being one character.
void typeKeys(QLineEdit& edit, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(&edit, char(c.unicode()));
            continue;
        }
        QString character(c);
        if (c.isHighSurrogate() && i + 1 < text.size())
            character += text.at(++i);
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

// Puts text in at once, as an input method or a paste does.
void commitText(QLineEdit& edit, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(&edit, &event);
}

void emptyBox(QLineEdit& edit)
{
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Delete);
}

// The test's own account of one beam window's changes.
struct ChangeRecord {
    int count = 0; // what ChangeCount should be
    struct Last {
        int line;
        int value;
        QString number;
    };
    std::optional<Last> last; // the latest change whose legend line is on screen
    QPointer<QScrollBar> watched; // the bar whose changes are being recorded
    int changesThisAction = 0;
};

// A window of the program: Form1, or a beam window by its place in the
// window list.
using Which = int;
constexpr Which kMain = -1;

std::vector<Which> allWindows()
{
    std::vector<Which> all = {kMain};
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i)
        all.push_back(Which(i));
    return all;
}

const char* nameOf(Which w)
{
    return w == kMain ? shell::kMainWindow.name : shell::kBeamWindows[std::size_t(w)].window.layout.name;
}

QString titleOf(Which w)
{
    return QString::fromUtf8(w == kMain ? shell::kMainWindow.caption
                                        : shell::kBeamWindows[std::size_t(w)].window.layout.caption);
}

// The text boxes a user can type into.
std::vector<QLineEdit*> textBoxes(beam::BeamControls& c)
{
    std::vector<QLineEdit*> boxes = {&c.Text1};
    if (c.Text2 != nullptr)
        boxes.push_back(c.Text2);
    return boxes;
}

long actionsToRun()
{
    bool ok = false;
    const long actions = qEnvironmentVariable("RANDOM_USE_ACTIONS").toLong(&ok);
    return ok && actions > 0 ? actions : kDefaultActions;
}

// What a user does in a beam window, and how often. Keys on the bar are the
// cheapest change, so they carry most of the changes; the mouse-driven ones
// make every click in the bar synchronously repaint what the changes drew,
// and leaving builds the main window again.
enum class BeamAction { Arrow, Track, Drag, Key, Plot, Clear, Leave, Type };
struct Weighted {
    BeamAction action;
    int weight;
};
constexpr std::array<Weighted, 8> kBeamActions = {{
    {BeamAction::Arrow, 8},
    {BeamAction::Track, 5},
    {BeamAction::Drag, 4},
    {BeamAction::Key, 150},
    {BeamAction::Plot, 6},
    {BeamAction::Clear, 5},
    {BeamAction::Leave, 1},
    {BeamAction::Type, 12},
}};

template<class Rng>
BeamAction pickBeamAction(Rng& random)
{
    int total = 0;
    for (const Weighted& w : kBeamActions)
        total += w.weight;
    int at = random.below(total);
    for (const Weighted& w : kBeamActions) {
        if (at < w.weight)
            return w.action;
        at -= w.weight;
    }
    return BeamAction::Key;
}

QString show(const QString& text)
{
    return text.size() <= 40 ? text : text.left(40) + QStringLiteral("…(%1 characters)").arg(text.size());
}

} // namespace

class RandomUseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void randomActionsKeepTheInvariants();

private:
    void start();
    Form& form(Which w);
    beam::BeamForm& beamWindow(Which w);
    void watchScrollBars();

    // One random action; returns what it was. `problem` is set when the action
    // itself finds something wrong.
    QString act(Random& random, QString& problem);
    QString actOnMainWindow(Random& random);
    QString actOnBeamWindow(Which w, Random& random, QString& problem);
    QString typeInto(Which w, Random& random, QString& problem);
    QString plot(Which w, QString& problem);
    void closeModalBox();

    QString checkInvariants();

    std::unique_ptr<Program> program_;
    std::unique_ptr<Windows> windows_;
    std::map<Which, ChangeRecord> records_;
    bool expectEnd_ = false;
    bool closerArmed_ = false;
    QString boxText_;
    int boxes_ = 0;
    const char* kind_ = "";
    bool windowsChanged_ = false;
    struct Tally {
        long count = 0;
        qint64 nanoseconds = 0;
    };
    std::map<std::string, Tally> tally_;
};

void RandomUseTest::initTestCase()
{
    test_support::installLook();
    // Random text in rare scripts makes the font engine say, for each font it
    // tries, that it cannot shape them; that is the system's fonts, not the
    // program.
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.contains(QLatin1String("OpenType support missing")))
            return;
        previous(type, context, message);
    });
}

void RandomUseTest::cleanup()
{
    windows_.reset();
    program_.reset();
    test_support::settle();
}

// As main() starts the program: the window objects, then Form1 shown.
void RandomUseTest::start()
{
    windows_.reset();
    program_.reset();
    test_support::settle();
    records_.clear();
    program_ = std::make_unique<Program>();
    windows_ = std::make_unique<Windows>(*program_);
    windows_->Form1().Show();
    test_support::settle();
}

Form& RandomUseTest::form(Which w)
{
    if (w == kMain)
        return windows_->Form1();
    return beamWindow(w);
}

beam::BeamForm& RandomUseTest::beamWindow(Which w)
{
    return windows_->beamWindow(std::size_t(w));
}

// Every change of a loaded beam window's bar is recorded here, after the
// window's own handler has run: its line comes from the window's change table
// at the count before the change.
void RandomUseTest::watchScrollBars()
{
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        const Which w = Which(i);
        if (!form(w).isLoaded())
            continue;
        QScrollBar* bar = &beamWindow(w).controls().HScroll1;
        ChangeRecord& record = records_[w];
        if (record.watched == bar)
            continue;
        record.watched = bar;
        connect(bar, &QScrollBar::valueChanged, this, [this, w](int value) {
            ChangeRecord& r = records_[w];
            const std::span<const int> colours = shell::kBeamWindows[std::size_t(w)].window.changeColours;
            const int line = std::min(r.count, int(colours.size()) - 1);
            r.last = ChangeRecord::Last{line, value, QString::number(line + 1)};
            if (r.count < std::numeric_limits<std::int16_t>::max())
                ++r.count;
            ++r.changesThisAction;
        });
    }
}

QString RandomUseTest::act(Random& random, QString& problem)
{
    std::vector<Which> loaded;
    for (Which w : allWindows()) {
        if (form(w).isLoaded())
            loaded.push_back(w);
    }
    const Which w = loaded[std::size_t(random.below(int(loaded.size())))];
    // A close box: the program ends when it closes the last window.
    if (random.below(w == kMain ? 12 : 300) == 0) {
        expectEnd_ = program_->loadedWindows() == 1;
        form(w).window()->close();
        kind_ = "close box";
        windowsChanged_ = true;
        if (!expectEnd_)
            records_[w].last.reset();
        return QStringLiteral("close box of %1").arg(QLatin1String(nameOf(w)));
    }
    return w == kMain ? actOnMainWindow(random) : actOnBeamWindow(w, random, problem);
}

QString RandomUseTest::actOnMainWindow(Random& random)
{
    // The end entry is rarer: it ends the program, and a run should spend its
    // actions in the windows.
    const shell::MainFormControls& c = windows_->Form1().controls();
    windowsChanged_ = true;
    if (random.below(20) == 0) {
        expectEnd_ = true;
        c.mnu4.trigger();
        kind_ = "menu entry 結束";
        return QStringLiteral("menu entry 結束");
    }
    const int entry = random.below(int(c.beamEntries.size()));
    c.beamEntries[std::size_t(entry)]->trigger();
    kind_ = "menu entry of a beam window";
    return QStringLiteral("menu entry %1").arg(QLatin1String(shell::kBeamWindows[std::size_t(entry)].menu));
}

QString RandomUseTest::actOnBeamWindow(Which w, Random& random, QString& problem)
{
    beam::BeamControls& c = beamWindow(w).controls();
    const QString name = QLatin1String(nameOf(w));
    QScrollBar& bar = c.HScroll1;
    switch (pickBeamAction(random)) {
    case BeamAction::Arrow:
        kind_ = "arrow click";
        if (random.chance(50)) {
            test_support::clickRightArrow(bar);
            return name + QStringLiteral(": right arrow, now at %1").arg(bar.value());
        }
        test_support::clickLeftArrow(bar);
        return name + QStringLiteral(": left arrow, now at %1").arg(bar.value());
    case BeamAction::Track: {
        // A click in the track beside the thumb; nothing to click where the
        // thumb is at that end.
        const bool right = random.chance(50);
        const QRect track = test_support::scrollBarPart(bar, right ? QStyle::SC_ScrollBarAddPage
                                                                   : QStyle::SC_ScrollBarSubPage);
        kind_ = "track click at the end";
        if (!track.isEmpty()) {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, track.center());
            kind_ = "track click";
        }
        return name
               + QStringLiteral(": track click %1 of the thumb, now at %2")
                     .arg(right ? "right" : "left")
                     .arg(bar.value());
    }
    case BeamAction::Drag: {
        const int to = random.between(bar.minimum(), bar.maximum());
        const int from = bar.value();
        test_support::dragThumbTo(bar, to);
        kind_ = "thumb drag";
        return name + QStringLiteral(": thumb dragged from %1 to %2").arg(from).arg(to);
    }
    case BeamAction::Key: {
        static constexpr std::array<Qt::Key, 8> kKeys = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                                         Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = random.pick(kKeys);
        QTest::keyClick(&bar, key);
        kind_ = "key on the bar";
        return name + QStringLiteral(": key %1 on the bar").arg(QKeySequence(key).toString());
    }
    case BeamAction::Plot:
        return name + QStringLiteral(": plot with \"%1\" in Text1").arg(show(c.Text1.text())) + plot(w, problem);
    case BeamAction::Clear:
        QTest::mouseClick(&c.Command3, Qt::LeftButton);
        kind_ = "clear";
        records_[w].count = 0;
        records_[w].last.reset();
        return name + QStringLiteral(": clear");
    case BeamAction::Leave:
        QTest::mouseClick(&c.Command2, Qt::LeftButton);
        kind_ = "leave";
        windowsChanged_ = true;
        return name + QStringLiteral(": leave");
    case BeamAction::Type:
        break;
    }
    return typeInto(w, random, problem);
}

QString RandomUseTest::typeInto(Which w, Random& random, QString& problem)
{
    const std::vector<QLineEdit*> boxes = textBoxes(beamWindow(w).controls());
    const int box = random.below(int(boxes.size()));
    QLineEdit& edit = *boxes[std::size_t(box)];
    const QString text = randomText(random);
    const bool replace = text.isEmpty() || random.chance(60);
    if (replace)
        emptyBox(edit);
    // Long text arrives at once, as a paste would bring it.
    if (text.size() > 200 || random.chance(20))
        commitText(edit, text);
    else
        typeKeys(edit, text);
    kind_ = text.isEmpty() ? "box emptied" : text.size() > 200 ? "long text" : "text typed";
    // One pass of arg(): the typed text may hold "%1" itself.
    QString what = QStringLiteral("%1: %2 \"%3\" into Text%4")
                       .arg(QLatin1String(nameOf(w)), replace ? QStringLiteral("replaced by") : QStringLiteral("typed"),
                            show(text), QString::number(box + 1));
    // Any text at all is taken as typed.
    if (replace && edit.text() != text.left(edit.maxLength()))
        problem = QStringLiteral("the box holds \"%1\"").arg(show(edit.text()));

    if (!random.chance(30))
        return what;

    return what + QStringLiteral(", then") + plot(w, problem);
}

// The plot button. A window that reads the load from the text box (Form3)
// plots what was typed; a load too large to plot is reported in a message box,
// which the user closes, and nothing else changes.
QString RandomUseTest::plot(Which w, QString& problem)
{
    beam::BeamForm& window = beamWindow(w);
    beam::BeamControls& c = window.controls();
    // Any write to the layer changes its key; holding a copy instead would
    // make every plot copy the whole layer.
    const qint64 before = window.surface().layer().image().cacheKey();
    const std::size_t curvesBefore = window.curves().size();
    const int countBefore = window.changeCount().value();
    const QString typed = c.Text1.text();
    const int boxesBefore = boxes_;
    QTest::mouseClick(&c.Command1, Qt::LeftButton);
    kind_ = "plot";
    if (boxes_ == boxesBefore) {
        if (window.curves().empty() || (window.curves().end() - 1)->legendLine != beam::kPlotButton)
            problem = QStringLiteral("the plot button's curve is not the last in the list of curves");
        return QStringLiteral(" plot");
    }
    kind_ = "load too large to plot";
    if (!window.isLoaded())
        problem = QStringLiteral("the window went with the message box");
    else if (window.surface().layer().image().cacheKey() != before || window.curves().size() != curvesBefore)
        problem = QStringLiteral("a load too large to plot drew on the window");
    else if (window.changeCount().value() != countBefore || c.Text1.text() != typed)
        problem = QStringLiteral("a load too large to plot changed the count or the text");
    else if (!boxText_.contains(QString::fromUtf8("太大")))
        problem = QStringLiteral("the message box says \"%1\"").arg(boxText_);
    return QStringLiteral(" plot (message box)");
}

void RandomUseTest::closeModalBox()
{
    if (!closerArmed_)
        return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        QTimer::singleShot(1, this, &RandomUseTest::closeModalBox);
        return;
    }
    ++boxes_;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxText_ = box->text();
        box->accept();
    } else {
        boxText_ = modal->metaObject()->className();
        modal->close();
    }
}

QString RandomUseTest::checkInvariants()
{
    if (program_->hasEnded()) {
        if (!expectEnd_)
            return QStringLiteral("the program ended");
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<FormWindow*>(widget) != nullptr)
                return QStringLiteral("a window outlived the end: %1").arg(widget->windowTitle());
        }
        return {};
    }
    if (expectEnd_)
        return QStringLiteral("the program did not end");
    if (program_->loadedWindows() < 1)
        return QStringLiteral("the program runs with no window loaded");

    // Each window open at most once, and open exactly when it is loaded;
    // no window of an earlier load is left over.
    int loaded = 0;
    int formWindows = 0;
    std::map<QString, int> visible;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<FormWindow*>(widget) == nullptr)
            continue;
        ++formWindows;
        if (widget->isVisible())
            ++visible[widget->windowTitle()];
    }
    for (Which w : allWindows()) {
        Form& f = form(w);
        const int open = visible[titleOf(w)];
        if (open > 1)
            return QStringLiteral("%1 is open %2 times").arg(QLatin1String(nameOf(w))).arg(open);
        if (open != (f.isLoaded() ? 1 : 0) || (f.isLoaded() && !f.window()->isVisible()))
            return QStringLiteral("%1 is %2 but %3 on screen")
                .arg(QLatin1String(nameOf(w)), f.isLoaded() ? QStringLiteral("loaded") : QStringLiteral("unloaded"),
                     open == 1 ? QStringLiteral("open") : QStringLiteral("not"));
        loaded += f.isLoaded() ? 1 : 0;
    }
    if (loaded != program_->loadedWindows())
        return QStringLiteral("%1 windows loaded, the program counts %2").arg(loaded).arg(program_->loadedWindows());
    if (formWindows != loaded)
        return QStringLiteral("%1 window widgets for %2 loaded windows").arg(formWindows).arg(loaded);

    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        const Which w = Which(i);
        ChangeRecord& record = records_[w];
        const QString name = QLatin1String(nameOf(w));
        beam::BeamForm& window = beamWindow(w);
        const int changeCount = window.changeCount().value();
        if (record.changesThisAction > 1)
            return name + QStringLiteral(": one action made %1 changes").arg(record.changesThisAction);
        if (changeCount != record.count)
            return name + QStringLiteral(": ChangeCount is %1 after %2 changes").arg(changeCount).arg(record.count);
        if (!window.isLoaded()) {
            if (!window.curves().empty())
                return name + QStringLiteral(": curves listed while the window is closed");
            continue;
        }
        const beam::BeamControls& c = window.controls();
        const beam::LegendGrid* legend = &c.legend;
        int filled = 0;
        for (int line = 0; line < legend->lineCount(); ++line)
            filled += legend->cell(line, 0).caption().isEmpty() ? 0 : 1;
        if (filled > std::min(record.count, legend->lineCount()))
            return name + QStringLiteral(": %1 legend lines filled, ChangeCount %2").arg(filled).arg(record.count);
        if (record.last) {
            const ChangeRecord::Last& last = *record.last;
            const QString number = legend->cell(last.line, 0).caption();
            const QString value = legend->cell(last.line, 1).caption();
            if (number != last.number || value != QString::number(last.value))
                return name
                       + QStringLiteral(": legend line %1 shows \"%2\" \"%3\" after change %4 to %5")
                             .arg(QString::number(last.line + 1), number, value, last.number,
                                  QString::number(last.value));
        }
        if (record.changesThisAction == 1) {
            // A change shows its value in the read-out at once, and its curve
            // is the last in the list of curves.
            if (c.Text1.text() != QString::number(c.HScroll1.value()))
                return name
                       + QStringLiteral(": the read-out shows \"%1\" at %2")
                             .arg(show(c.Text1.text()), QString::number(c.HScroll1.value()));
            // It carries the change's own number, the count after it.
            const beam::DrawnCurve expected{record.last->line,
                                            window.description().changeColours[std::size_t(record.last->line)],
                                            double(record.last->value), window.changeCount().value()};
            if (window.curves().empty())
                return name + QStringLiteral(": the change's curve is not the last in the list of curves");
            const beam::DrawnCurve& last = *(window.curves().end() - 1);
            if (beam::DrawnCurve{last.legendLine, last.colour, last.load, last.change} != expected)
                return name + QStringLiteral(": the change's curve is not the last in the list of curves");
        }
    }
    return {};
}

void RandomUseTest::randomActionsKeepTheInvariants()
{
    bool ok = false;
    std::uint64_t seed = qEnvironmentVariable("RANDOM_USE_SEED").toULongLong(&ok);
    if (!ok)
        seed = kDefaultSeed;
    const long actions = actionsToRun();
    const bool trace = qEnvironmentVariableIntValue("RANDOM_USE_TRACE") != 0;
    qInfo("seed %llu, %ld actions", static_cast<unsigned long long>(seed), actions);

    Random random(seed);
    QElapsedTimer clock;
    clock.start();
    long restarts = 0;
    start();
    for (long n = 1; n <= actions; ++n) {
        watchScrollBars();
        for (auto& [w, record] : records_)
            record.changesThisAction = 0;
        expectEnd_ = false;
        windowsChanged_ = false;
        QString problem;
        if (trace)
            std::fprintf(stderr, "action %ld\n", n);
        // Whatever the action, a modal box it opens is closed as a user would,
        // so a run cannot hang on one.
        const qint64 actionStart = clock.nsecsElapsed();
        const int boxesBefore = boxes_;
        boxText_.clear();
        closerArmed_ = true;
        QTimer::singleShot(0, this, &RandomUseTest::closeModalBox);
        const QString action = act(random, problem);
        closerArmed_ = false;
        if (problem.isEmpty() && boxes_ != boxesBefore && std::strcmp(kind_, "load too large to plot") != 0)
            problem = QStringLiteral("a message box: %1").arg(boxText_);
        if (trace)
            std::fprintf(stderr, "  %s\n", qPrintable(action));
        // The event loop runs after every action that opens or closes a window,
        // and after every few others: repaints and timer ticks then catch up
        // at once, as they do when a user is quick.
        if (windowsChanged_ || n % kEventLoopEvery == 0)
            test_support::settle();
        Tally& tally = tally_[kind_];
        ++tally.count;
        tally.nanoseconds += clock.nsecsElapsed() - actionStart;
        if (problem.isEmpty())
            problem = checkInvariants();
        if (!problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(n).arg(action, problem)));
        if (program_->hasEnded()) {
            ++restarts;
            start();
        }
    }
    qInfo("%ld actions in %.1f s: %ld restarts, %d message boxes", actions, double(clock.elapsed()) / 1000.0, restarts,
          boxes_);
    for (const auto& [what, tally] : tally_)
        qInfo("%8ld  %-22s %8.3f ms each", tally.count, what.c_str(),
              double(tally.nanoseconds) / 1e6 / double(tally.count));
}

// A long run outlasts QtTest's five minutes per test function: allow 5 ms an
// action, so that only a real hang trips the watchdog.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        const long actions = std::max(actionsToRun(), 60'000L);
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(static_cast<qint64>(actions) * 5));
    }
    QApplication app(argc, argv);
    RandomUseTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "random_use_test.moc"
