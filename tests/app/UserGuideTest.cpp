// "Mode d'emploi" finds the guide wherever the program was started from and hands it to the desktop
// (xdg-open); when the desktop cannot show it, the guide opens in the program's own window.
#include "MainWindowFixture.h"
#include "support/Eventually.h"

#include "app/UserGuide.h"
#include "framework/ErrorGuard.h"
#include "windows/UserGuideWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace app_testing {
namespace {

void writeGuide(const QString& directory,
                const QByteArray& html = "<html><body>Mode d'emploi</body></html>") {
    QFile guide(QDir(directory).filePath(QStringLiteral("mode_emploi.htm")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.write(html);
}

// The desktop is an xdg-open first on PATH that notes the document it is given and ends with the
// status the test chooses: 1 is what it answers on a machine with no web browser.
class UserGuideTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        previousDirectory_ = QDir::currentPath();
        previousPath_ = qgetenv("PATH");
        ASSERT_TRUE(workingDirectory_.isValid());
        QDir::setCurrent(workingDirectory_.path());
        desktop(0);
        qputenv("PATH", desktop_.path().toLocal8Bit() + ':' + previousPath_);
    }
    void TearDown() override {
        qputenv("PATH", previousPath_);
        QDir::setCurrent(previousDirectory_);
        MainWindowTest::TearDown();
    }
    void desktop(int status) {
        QFile script(QDir(desktop_.path()).filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened\"\nexit " +
                     QByteArray::number(status) + "\n");
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    QStringList opened() const {
        QFile log(QDir(desktop_.path()).filePath(QStringLiteral("opened")));
        return log.open(QIODevice::ReadOnly)
                   ? QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                   : QStringList();
    }
    windows::TUserGuideWindow* guideWindow() { return window().findChild<windows::TUserGuideWindow*>(); }

    QTemporaryDir workingDirectory_;
    QTemporaryDir desktop_;
    QString previousDirectory_;
    QByteArray previousPath_;
};

TEST_F(UserGuideTest, TheGuideInTheCurrentDirectoryOpensInTheDesktopsViewer) {
    writeGuide(workingDirectory_.path());
    clickButton("FlatButton2");
    ASSERT_EVENTUALLY_EQ(opened().size(), 1);
    EXPECT_EQ(opened().first(),
              QDir(workingDirectory_.path()).absoluteFilePath(QStringLiteral("mode_emploi.htm")));
    // The desktop showed it: once its answer is in, the program's own window stays closed.
    ASSERT_EVENTUALLY(window().findChildren<QProcess*>().isEmpty());
    EXPECT_EQ(guideWindow(), nullptr);
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(UserGuideTest, WhenTheDesktopCannotShowItTheGuideOpensInItsOwnWindow) {
    desktop(1);
    QFile::copy(QStringLiteral(MOLVANEX_SOURCE_DIR "/docs/images/molvanex.png"),
                QDir(workingDirectory_.path()).filePath(QStringLiteral("molvanex.png")));
    QByteArray lines;
    for (int i = 0; i < 200; ++i) {
        lines += "<p>ligne</p>";
    }
    writeGuide(workingDirectory_.path(), "<html><body><img src=\"molvanex.png\"><a href=\"#fin\">Aller</a>" +
                                             lines + "<h2 id=\"fin\">Fin</h2></body></html>");
    clickButton("FlatButton2");
    ASSERT_EVENTUALLY(guideWindow() != nullptr && guideWindow()->isVisible());
    windows::TUserGuideWindow* guide = guideWindow();
    EXPECT_EQ(opened().size(), 1);
    EXPECT_EQ(guide->windowTitle(), QStringLiteral("Mode d'emploi"));
    QTextBrowser* browser = guide->browser();
    EXPECT_TRUE(browser->isReadOnly());
    const QVariant picture =
        browser->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("molvanex.png")));
    EXPECT_FALSE(picture.value<QImage>().isNull());
    // The link within the guide scrolls to its target.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    ASSERT_EVENTUALLY(browser->verticalScrollBar()->value() > 0);
    // Asking again brings the same window forward; Escape closes it.
    clickButton("FlatButton2");
    ASSERT_EVENTUALLY(opened().size() == 2 && window().findChildren<QProcess*>().isEmpty());
    EXPECT_EQ(window().findChildren<windows::TUserGuideWindow*>().size(), 1);
    QTest::keyClick(guide, Qt::Key_Escape);
    ASSERT_EVENTUALLY_EQ(guideWindow(), nullptr);
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(UserGuideTest, WithoutAGuideHereTheNextPlaceServes) {
    clickButton("FlatButton2");
    const QString elsewhere = app::locateUserGuide(app::userGuideDirectories());
    ASSERT_FALSE(elsewhere.isEmpty()); // the sources' docs/
    ASSERT_FALSE(elsewhere.startsWith(workingDirectory_.path()));
    ASSERT_EVENTUALLY_EQ(opened(), QStringList{elsewhere});
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(UserGuideTest, AGuideFoundNowhereIsToldInFrench) {
    QTemporaryDir empty;
    framework::guarded([&] { app::openUserGuide(&window(), {empty.path()}); });
    EXPECT_EQ(errors(), QStringList{QStringLiteral("Le mode d'emploi « mode_emploi.htm » est introuvable.")});
    EXPECT_TRUE(opened().isEmpty());
}

TEST(UserGuideSearch, TheFirstDirectoryHoldingTheGuideWins) {
    QTemporaryDir empty;
    QTemporaryDir first;
    QTemporaryDir second;
    writeGuide(first.path());
    writeGuide(second.path());
    EXPECT_EQ(app::locateUserGuide({empty.path(), first.path(), second.path()}),
              QDir(first.path()).absoluteFilePath(QStringLiteral("mode_emploi.htm")));
    EXPECT_EQ(app::locateUserGuide({empty.path(), second.path()}),
              QDir(second.path()).absoluteFilePath(QStringLiteral("mode_emploi.htm")));
}

TEST(UserGuideSearch, ADirectoryNamedLikeTheGuideIsNoGuide) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("mode_emploi.htm")));
    EXPECT_TRUE(app::locateUserGuide({root.path()}).isEmpty());
}

TEST(UserGuideSearch, LooksInTheCurrentDirectoryThenBesideTheProgramThenInTheDataDirectory) {
    const QStringList directories = app::userGuideDirectories();
    ASSERT_GE(directories.size(), 3);
    EXPECT_EQ(directories[0], QDir::currentPath());
    EXPECT_EQ(directories[1], QCoreApplication::applicationDirPath());
    EXPECT_TRUE(directories[2].endsWith(QStringLiteral("/molvanex"))) << directories[2].toStdString();
    EXPECT_TRUE(directories.contains(QStringLiteral(MOLVANEX_SOURCE_DIR "/docs")));
}

} // namespace
} // namespace app_testing
