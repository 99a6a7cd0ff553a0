// SPDX-License-Identifier: MIT
// What the program's application object brings beyond Qt's: Qt's own strings
// in Traditional Chinese whatever the system's locale (the test runs with an
// English one), and the program's icon on every window.
#include "shell/application.h"
#include "tests/support/test_support.h"
#include "tests/toolkit/test_form.h"
#include "toolkit/form_window.h"
#include "toolkit/program.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

class ApplicationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test_support::installLook(); }

    void qtOwnStringsAreTraditionalChinese();
    void missingTranslationsAreNoError();
    void everyWindowHasTheProgramIcon();
};

void ApplicationTest::qtOwnStringsAreTraditionalChinese()
{
    QCOMPARE(QLocale::system().language(), QLocale::English);

    // A text box's standard menu, without the shortcut after each entry.
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries << action->text().section(u'\t', 0, 0);
    QCOMPARE(entries,
             QStringList({"復原(&U)", "重做(&R)", "", "剪下(&T)", "複製(&C)", "貼上(&P)", "刪除", "", "全部選擇"}));

    QMessageBox message(QMessageBox::Warning, "", "", QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(message.button(QMessageBox::Ok)->text(), QStringLiteral("確定"));
    QCOMPARE(message.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));

    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    QCOMPARE(files.findChild<QLabel*>("lookInLabel")->text(), QStringLiteral("尋找於："));
    QCOMPARE(files.findChild<QLabel*>("fileNameLabel")->text(), QStringLiteral("檔名(&N)："));
}

// A folder without Qt's translations installs nothing and says nothing; the
// translations already installed stay.
void ApplicationTest::missingTranslationsAreNoError()
{
    QTest::failOnWarning(QRegularExpression(".*"));
    const QTemporaryDir empty;
    QCOMPARE(toolkit::installQtTranslations(QString::fromLatin1(shell::kQtTranslations), empty.path()), nullptr);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
}

void ApplicationTest::everyWindowHasTheProgramIcon()
{
    const QIcon icon = QApplication::windowIcon();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));

    toolkit::Program program;
    test_form::TestForm form(program);
    form.Show();
    QCOMPARE(form.window()->windowIcon().cacheKey(), icon.cacheKey());
    form.Unload();
    test_support::settle();
}

// The application object under test is the program's own, not QtTest's.
int main(int argc, char** argv)
{
    shell::Application application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
