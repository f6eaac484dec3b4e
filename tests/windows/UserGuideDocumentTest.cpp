// The user guide shipped beside the program: a French HTML document whose every picture is shipped with
// it, whose links inside the page lead somewhere, and which reads well in the program's own guide window.

#include "windows/UserGuideWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>

#include <memory>

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
    EXPECT_EQ(links, 13);
}

// What the guide window lays out: the thirteen numbered sections as headings, each picture alone in its
// paragraph at its own size, no paragraph taller than its picture or a few lines of text, and nothing
// wider than the window at the size it opens with on a school PC's 1024 x 768 screen.
TEST(UserGuideDocument, ReadsWellInTheGuideWindow) {
    auto* window = windows::TUserGuideWindow::showGuide(
        nullptr, QDir(docsDirectory()).filePath(QStringLiteral("mode_emploi.htm")));
    const std::unique_ptr<windows::TUserGuideWindow> owned(window);
    window->resize(900, 700);
    QApplication::processEvents();
    QTextDocument* document = window->browser()->document();
    const double line = QFontMetricsF(document->defaultFont()).lineSpacing() * 1.45;
    QStringList sections;
    int pictures = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QRectF box = document->documentLayout()->blockBoundingRect(block);
        double pictureHeight = 0;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextImageFormat image = fragment.fragment().charFormat().toImageFormat();
            if (!image.isValid() || image.name().contains(QStringLiteral("molvanex.png"))) {
                continue;
            }
            const QSize natural = QImageReader(QDir(docsDirectory()).filePath(image.name())).size();
            EXPECT_EQ(QSizeF(image.width(), image.height()), QSizeF(natural)) << image.name().toStdString();
            EXPECT_EQ(block.text(), QString(QChar::ObjectReplacementCharacter)) << image.name().toStdString();
            pictureHeight = image.height();
            ++pictures;
        }
        if (block.blockFormat().headingLevel() == 2) {
            sections << block.text();
        }
        EXPECT_LE(box.height(), std::max(pictureHeight + line, 8 * line))
            << block.text().left(60).toStdString();
    }
    ASSERT_EQ(sections.size(), 13);
    for (qsizetype i = 0; i < sections.size(); ++i) {
        EXPECT_TRUE(sections[i].startsWith(QStringLiteral("%1. ").arg(i + 1))) << sections[i].toStdString();
    }
    EXPECT_EQ(pictures, 10);
    EXPECT_EQ(window->browser()->horizontalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace windows_tests
