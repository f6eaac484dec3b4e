// The user guide shipped beside the program: a French HTML document whose every picture is shipped with
// it, and whose links inside the page lead somewhere.

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace windows_tests {
namespace {

QString docsDirectory() {
    return QStringLiteral(MOLVANEX_SOURCE_DIR "/docs");
}

QString guideText() {
    QFile guide(QDir(docsDirectory()).filePath(QStringLiteral("mode_emploi.htm")));
    EXPECT_TRUE(guide.open(QIODevice::ReadOnly)) << "no user guide";
    return QString::fromUtf8(guide.readAll());
}

TEST(UserGuideDocument, IsAFrenchPageInUtf8) {
    const QString text = guideText();
    EXPECT_TRUE(text.contains(QStringLiteral("<html lang=\"fr\">")));
    EXPECT_TRUE(text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_TRUE(text.contains(QStringLiteral("avancement maximal")));
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
}

TEST(UserGuideDocument, EveryPictureIsShippedAndReadable) {
    const QString text = guideText();
    const QRegularExpression source(QStringLiteral("src=\"([^\"]+)\""));
    int pictures = 0;
    for (const QRegularExpressionMatch& match : source.globalMatch(text)) {
        const QString path = QDir(docsDirectory()).filePath(match.captured(1));
        QImageReader reader(path);
        EXPECT_TRUE(reader.canRead()) << path.toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 8);
}

TEST(UserGuideDocument, EveryLinkOfTheContentsLeadsToASection) {
    const QString text = guideText();
    QSet<QString> ids;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("id=\"([^\"]+)\"")).globalMatch(text)) {
        ids.insert(match.captured(1));
    }
    int links = 0;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(text)) {
        EXPECT_TRUE(ids.contains(match.captured(1))) << match.captured(1).toStdString();
        ++links;
    }
    EXPECT_EQ(links, 12);
}

} // namespace
} // namespace windows_tests
