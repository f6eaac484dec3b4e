// "Mode d'emploi" finds the guide wherever the program was started from, and hands it to the desktop.
#include "MainWindowFixture.h"

#include "app/UserGuide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace app_testing {
namespace {

// Receives the documents the program asks the desktop to open.
class DocumentRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

void writeGuide(const QString& directory) {
    QFile guide(QDir(directory).filePath(QStringLiteral("mode_emploi.htm")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.write("<html><body>Mode d'emploi</body></html>");
}

class UserGuideTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        previousDirectory_ = QDir::currentPath();
        ASSERT_TRUE(workingDirectory_.isValid());
        QDir::setCurrent(workingDirectory_.path());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder_, "open");
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDir::setCurrent(previousDirectory_);
        MainWindowTest::TearDown();
    }

    QTemporaryDir workingDirectory_;
    QString previousDirectory_;
    DocumentRecorder recorder_;
};

TEST_F(UserGuideTest, TheGuideInTheCurrentDirectoryOpensInTheDesktopsViewer) {
    writeGuide(workingDirectory_.path());
    clickButton("FlatButton2");
    ASSERT_EQ(recorder_.opened.size(), 1);
    EXPECT_EQ(recorder_.opened.first(),
              QUrl::fromLocalFile(
                  QDir(workingDirectory_.path()).absoluteFilePath(QStringLiteral("mode_emploi.htm"))));
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(UserGuideTest, WithoutAGuideHereTheNextPlaceServesAndNothingIsSaid) {
    clickButton("FlatButton2");
    const QString elsewhere = app::locateUserGuide(app::userGuideDirectories());
    ASSERT_FALSE(elsewhere.startsWith(workingDirectory_.path()));
    if (elsewhere.isEmpty()) {
        EXPECT_TRUE(recorder_.opened.isEmpty());
    } else {
        EXPECT_EQ(recorder_.opened, QList<QUrl>{QUrl::fromLocalFile(elsewhere)});
    }
    EXPECT_TRUE(errors().isEmpty());
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

#include "UserGuideTest.moc"
