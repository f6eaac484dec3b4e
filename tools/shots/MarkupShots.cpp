// The markup label on the program's own texts: the seven preset titles in their colour, and the
// fourteen equation sides in white on teal, so that every subscript and superscript can be checked by
// eye. A second sheet shows the rest of the markup language.
#include "ScreenshotRegistry.h"

#include "controls/markuplabel.h"
#include "framework/LocaleText.h"
#include "framework/QtColor.h"
#include "model/Equation.h"

#include <QPainter>
#include <QVBoxLayout>

namespace {

using controls::SurfaceFont;
using controls::TMarkupLabel;

constexpr int margin = 12;
constexpr int titleRowHeight = 28;
constexpr int sideRowHeight = 44;
constexpr int productsColumn = 330;
constexpr framework::TColor pageColor = framework::clPaleYellow;

SurfaceFont titleFont() {
    SurfaceFont font;
    font.name = QStringLiteral("MS Sans Serif");
    font.pixelSize = 15;
    font.bold = true;
    return font;
}

SurfaceFont equationFont() {
    SurfaceFont font;
    font.name = QStringLiteral("Times New Roman");
    font.pixelSize = 24;
    font.color = framework::clWhite;
    return font;
}

void setBackground(QWidget& widget, framework::TColor color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, framework::toQColor(color));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

TMarkupLabel* label(QWidget* parent, const SurfaceFont& font, const QString& markup, QPoint at) {
    auto* l = new TMarkupLabel(parent);
    l->setSurfaceFont(font);
    l->setAutoSizing(true);
    l->setMarkup(markup);
    l->move(at);
    return l;
}

// The labels' frames in a light dotted line, so that the auto sizes can be judged too.
class FramedSheet : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(QColor(160, 160, 160), 1, Qt::DotLine));
        for (const auto* child : findChildren<TMarkupLabel*>()) {
            painter.drawRect(child->geometry().adjusted(0, 0, -1, -1));
        }
    }
};

QImage presetSheet() {
    const auto& presets = model::presetCatalogue();
    QWidget sheet;
    setBackground(sheet, pageColor);
    auto* titles = new FramedSheet(&sheet);
    titles->setGeometry(0, 0, 700, margin * 2 + titleRowHeight * int(presets.size()));
    auto* band = new FramedSheet(&sheet);
    setBackground(*band, framework::clTeal);
    band->setGeometry(0, titles->height(), 700, margin * 2 + sideRowHeight * int(presets.size()));
    int row = 0;
    for (const model::Preset& preset : presets) {
        label(titles, titleFont(), framework::toQ(preset.title), {margin, margin + row * titleRowHeight});
        const int y = margin + row * sideRowHeight;
        label(band, equationFont(), framework::toQ(preset.equation.reactantsSide), {margin, y});
        label(band, equationFont(), framework::toQ(preset.equation.productsSide), {productsColumn, y});
        ++row;
    }
    sheet.resize(700, titles->height() + band->height());
    return shots::grabWidget(sheet);
}

QImage languageSheet() {
    QWidget sheet;
    setBackground(sheet, pageColor);
    auto* page = new FramedSheet(&sheet);
    page->setGeometry(0, 0, 520, 520);
    SurfaceFont font;
    font.name = QStringLiteral("Arial");
    font.pixelSize = 16;
    const QStringList samples{
        QStringLiteral("<b>gras</b> <i>italique</i> <u>souligné</u> <s>barré</s> <SHAD>ombré</SHAD>"),
        QStringLiteral(
            "<FONT color=\"clRed\">rouge</font> <FONT color=\"CLRED\">inchangé</font> "
            "<FONT bgcolor=\"#FFFF00\">fond jaune</font> <FONT size=\"16\" face=\"Times New Roman\">"
            "Times 16 pt</font>"),
        QStringLiteral("&lt;b&gt; &amp;&lt; &amp;lt; &x;&lt; 1 &lt; 2"),
        QStringLiteral("Fe<sub>3</sub>O<sub>4</sub>  Cu<sup>2+</sup>  SO<sub>4</sub><sup>2-</sup>"),
        QStringLiteral("<UL><LI>premier<LI>second<UL><LI>niveau deux</UL></UL>"),
        QStringLiteral(
            "<P align=\"center\">ligne centrée<BR>et la suivante<BR><P align=\"right\">à droite<BR>"
            "<P align=\"left\"><HR>après la règle"),
        QStringLiteral("Valeur : <A href=\"v\">12</A>, lien <A href=\"w\">survolé</A>"),
        QStringLiteral("<P bgcolor=\"#C0E0FF\">paragraphe coloré</P>suite <IND x=\"200\">indenté"),
    };
    int y = margin;
    for (const QString& sample : samples) {
        auto* l = new TMarkupLabel(page);
        l->setSurfaceFont(font);
        l->setAlign(TMarkupLabel::alTop);
        l->setGeometry(margin, y, 520 - 2 * margin, 10);
        l->setAutoSizing(true);
        l->setMarkup(sample);
        y += l->height() + 8;
    }
    page->resize(520, y + margin);
    sheet.resize(page->size());
    return shots::grabWidget(sheet);
}

const shots::Registrar presets(QStringLiteral("markup-presets"), presetSheet);
const shots::Registrar language(QStringLiteral("markup-language"), languageSheet);

} // namespace
