// The program's own controls in every look they take, at the program's sizes and colours: each cell
// shows the control at its own size and, beside it, enlarged four times so that single pixels can be
// checked by eye.

#include "ScreenshotRegistry.h"

#include "controls/BevelCheck.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "controls/Spin.h"
#include "framework/QtColor.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <functional>
#include <memory>
#include <vector>

namespace {

using framework::TColor;
using framework::toQColor;

constexpr int zoom = 4;
constexpr int cellPadding = 8;
constexpr int labelHeight = 16;
const QColor windowColor = toQColor(framework::clPaleYellow);

QFont programFont(const char* face) {
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(11);
    return font;
}

// A host window in the program's colours and font, for one control at a time.
struct Host {
    Host() {
        window.resize(200, 80);
        QPalette p = window.palette();
        p.setColor(QPalette::Window, windowColor);
        window.setPalette(p);
        window.setAutoFillBackground(true);
        window.setFont(programFont("MS Sans Serif"));
        window.show();
        QApplication::setActiveWindow(&window);
        settle();
        // The pointer rests in a corner no control reaches until a picture asks for it.
        QCursor::setPos(window.mapToGlobal(QPoint(195, 75)));
        settle();
    }
    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
    }
    QWidget window;
};

struct Cell {
    QString label;
    QImage image;
};

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint pos) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    Host::settle();
}

// Moves the pointer over a point of the widget, as the desktop reports it: enter and leave follow.
void sendEnter(QWidget* target, QPoint pos) {
    QCursor::setPos(target->mapToGlobal(pos));
    Host::settle();
}

QImage grabOf(QWidget& widget) {
    Host::settle();
    return widget.grab().toImage();
}

// What the screen shows of a widget now: the flat button draws its hover and pressed looks straight
// onto the screen, and a fresh paint (as QWidget::grab makes) would show its normal look.
QImage shownOf(QWidget& widget) {
    Host::settle();
    const QWidget* top = widget.window();
    const QPoint origin = widget.mapTo(top, QPoint(0, 0));
    return top->screen()
        ->grabWindow(top->winId(), origin.x(), origin.y(), widget.width(), widget.height())
        .toImage();
}

// The cells in rows, each picture at its size and enlarged, with its label above.
QImage sheet(const QString& title, const std::vector<Cell>& cells, int columns) {
    int cellWidth = 0;
    int cellHeight = 0;
    for (const Cell& c : cells) {
        cellWidth = std::max(cellWidth, c.image.width() * (zoom + 1) + 3 * cellPadding);
        cellHeight = std::max(cellHeight, c.image.height() * zoom + labelHeight + 2 * cellPadding);
    }
    const int rows = int(cells.size() + std::size_t(columns) - 1) / columns;
    QImage out(columns * cellWidth, rows * cellHeight + 24, QImage::Format_RGB32);
    out.fill(QColor(236, 236, 236));
    QPainter p(&out);
    QFont labelFont = programFont("Arial");
    labelFont.setBold(true);
    p.setFont(labelFont);
    p.drawText(QRect(cellPadding, 4, out.width(), 16), Qt::AlignLeft | Qt::AlignVCenter, title);
    labelFont.setBold(false);
    p.setFont(labelFont);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int x = int(i % std::size_t(columns)) * cellWidth + cellPadding;
        const int y = int(i / std::size_t(columns)) * cellHeight + 24;
        const QImage& image = cells[i].image;
        p.setPen(Qt::black);
        p.drawText(QRect(x, y, cellWidth, labelHeight), Qt::AlignLeft | Qt::AlignVCenter, cells[i].label);
        const int top = y + labelHeight + 4;
        p.drawImage(QPoint(x, top), image);
        p.drawImage(QRect(x + image.width() + cellPadding, top, image.width() * zoom, image.height() * zoom),
                    image);
    }
    return out;
}

// ---- float spin edit ----

struct SpinEditCase {
    const char* label;
    std::function<void(controls::TFloatSpinEdit&, QWidget& other)> prepare;
};

QImage spinEditSheet() {
    const std::vector<SpinEditCase> cases = {
        {"MaskEdit11i 65 x 22, 5", [](auto&, auto&) {}},
        {"focused, text selected", [](auto& e, auto&) { e.setFocus(Qt::TabFocusReason); }},
        {"up arrow pressed",
         [](auto& e, auto&) {
             QWidget* up = e.spinButton()->upButton();
             sendMouse(up, QEvent::MouseButtonPress, Qt::LeftButton, up->rect().center());
         }},
        {"down arrow pressed",
         [](auto& e, auto&) {
             QWidget* down = e.spinButton()->downButton();
             sendMouse(down, QEvent::MouseButtonPress, Qt::LeftButton, down->rect().center());
         }},
        {"long text stops short of the arrows",
         [](auto& e, auto&) { e.setText(QStringLiteral("12345678901234")); }},
        {"disabled", [](auto& e, auto&) { e.setEnabled(false); }},
        {"n1z 47 x 22, 1",
         [](auto& e, auto&) {
             e.setGeometry(4, 4, 47, 22);
             e.setValue(1);
         }},
        {"taller field 65 x 30", [](auto& e, auto&) { e.setGeometry(4, 4, 65, 30); }},
        {"flat border (Ctl3D false)", [](auto& e, auto&) { e.setCtl3D(false); }},
    };
    std::vector<Cell> cells;
    for (const SpinEditCase& c : cases) {
        Host host;
        auto* edit = new controls::TFloatSpinEdit(&host.window);
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, Qt::white);
        edit->setPalette(p);
        edit->setColor(framework::clTeal);
        edit->setIncrement(0.1);
        edit->setMaxValue(50);
        edit->setValue(5);
        edit->setGeometry(4, 4, 65, 22);
        auto* other = new QWidget(&host.window);
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(150, 4, 10, 10);
        edit->show();
        Host::settle();
        c.prepare(*edit, *other);
        cells.push_back({QString::fromUtf8(c.label), grabOf(*edit)});
    }
    return sheet(QStringLiteral("TFloatSpinEdit (teal, white 8-point sans-serif)"), cells, 3);
}

const shots::Registrar spinEdits(QStringLiteral("control-float-spin-edit"), spinEditSheet);

// ---- check box ----

struct CheckCase {
    const char* label;
    QSize size;
    std::function<void(controls::TBevelCheck&)> prepare;
};

QImage checkSheet() {
    using controls::TBevelCheck;
    const QSize program(15, 17);
    const QSize wide(110, 17);
    auto caption = [](TBevelCheck& b) { b.setCaption(QStringLiteral("&Équation")); };
    const std::vector<CheckCase> cases = {
        {"BevelCheck2 unchecked", program, [](auto&) {}},
        {"BevelCheck1 checked", program, [](auto& b) { b.setChecked(true); }},
        {"pressed (Down)", program, [](auto& b) { b.setDown(true); }},
        {"checked and pressed", program,
         [](auto& b) {
             b.setChecked(true);
             b.setDown(true);
         }},
        {"focused (frame at x = 16, unseen)", program, [](auto& b) { b.setFocus(); }},
        {"disabled checked", program,
         [](auto& b) {
             b.setChecked(true);
             b.setEnabled(false);
         }},
        {"grayed", program, [](auto& b) { b.setState(TBevelCheck::cbGrayed); }},
        {"grayed pressed", program,
         [](auto& b) {
             b.setState(TBevelCheck::cbGrayed);
             b.setDown(true);
         }},
        {"ckFlat", program,
         [](auto& b) {
             b.setCheckStyle(TBevelCheck::ckFlat);
             b.setChecked(true);
         }},
        {"caption, raised", wide,
         [&](auto& b) {
             caption(b);
             b.setChecked(true);
         }},
        {"caption, focused", wide,
         [&](auto& b) {
             caption(b);
             b.setFocus();
         }},
        {"caption, lowered", wide,
         [&](auto& b) {
             caption(b);
             b.setTextStyle(TBevelCheck::txLowered);
         }},
        {"caption, disabled", wide,
         [&](auto& b) {
             caption(b);
             b.setChecked(true);
             b.setEnabled(false);
         }},
        {"taRight, ckFlat", wide,
         [&](auto& b) {
             caption(b);
             b.setAlignment(TBevelCheck::taRight);
             b.setCheckStyle(TBevelCheck::ckFlat);
             b.setChecked(true);
         }},
        {"red check colour", wide,
         [&](auto& b) {
             caption(b);
             b.setCheckColor(framework::clRed);
             b.setChecked(true);
         }},
    };
    std::vector<Cell> cells;
    for (const CheckCase& c : cases) {
        Host host;
        auto* box = new TBevelCheck(&host.window);
        box->setGeometry(4, 4, c.size.width(), c.size.height());
        box->show();
        Host::settle();
        c.prepare(*box);
        cells.push_back({QString::fromUtf8(c.label), grabOf(*box)});
    }
    return sheet(QStringLiteral("TBevelCheck on the pale yellow page"), cells, 3);
}

const shots::Registrar checks(QStringLiteral("control-bevel-check"), checkSheet);

// ---- styled push button ----

struct ButtonCase {
    const char* label;
    const char* caption;
    QSize size;
    std::function<void(controls::TGlyphButton&)> prepare;
};

QImage glyphButtonSheet() {
    using controls::TGlyphButton;
    const QSize main(93, 21);
    const QPoint inside(40, 10);
    const std::vector<ButtonCase> cases = {
        {"normal", "Simulation", main, [](auto&) {}},
        {"hot", "Simulation", main, [&](auto& b) { sendEnter(&b, inside); }},
        {"pressed", "Simulation", main,
         [&](auto& b) {
             sendEnter(&b, inside);
             sendMouse(&b, QEvent::MouseButtonPress, Qt::LeftButton, inside);
         }},
        {"pressed, pointer outside", "Simulation", main,
         [&](auto& b) {
             sendMouse(&b, QEvent::MouseButtonPress, Qt::LeftButton, inside);
             sendMouse(&b, QEvent::MouseMove, Qt::LeftButton, QPoint(120, 10));
         }},
        {"focused", "Initialisation", main, [](auto& b) { b.setFocus(Qt::TabFocusReason); }},
        {"Default (bold)", "Arrêt", main, [](auto& b) { b.setDefault(true); }},
        {"disabled", "Zoom", main, [](auto& b) { b.setEnabled(false); }},
        {"two lines, cut by the edge", "Nouvelle équation", main, [](auto&) {}},
        {"GlyphButton3 117 x 19", "Nouvelle équation", QSize(117, 19), [](auto&) {}},
        {"zoom window 85 x 19", "Initialisation", QSize(85, 19), [](auto&) {}},
        {"table window 70 x 23", "Valider", QSize(70, 23), [&](auto& b) { sendEnter(&b, QPoint(30, 10)); }},
        {"bsTop, AutoHeight", "Simulation", main,
         [](auto& b) {
             b.setPosition(TGlyphButton::bsTop);
             b.setAutoHeight(true);
         }},
        {"bsRadioButton", "Choix", QSize(93, 21),
         [](auto& b) { b.setControlType(TGlyphButton::bsRadioButton); }},
        {"bsUpButton, hot", "Monter", QSize(93, 21),
         [&](auto& b) {
             b.setControlType(TGlyphButton::bsUpButton);
             sendEnter(&b, inside);
         }},
        {"bsDownButton, pressed", "Descendre", QSize(93, 21),
         [&](auto& b) {
             b.setControlType(TGlyphButton::bsDownButton);
             sendMouse(&b, QEvent::MouseButtonPress, Qt::LeftButton, inside);
         }},
    };
    std::vector<Cell> cells;
    for (const ButtonCase& c : cases) {
        Host host;
        auto* other = new QWidget(&host.window);
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(180, 60, 10, 10);
        other->setFocus();
        auto* button = new TGlyphButton(&host.window);
        button->setCaption(QString::fromUtf8(c.caption));
        button->setGeometry(4, 4, c.size.width(), c.size.height());
        button->show();
        Host::settle();
        c.prepare(*button);
        cells.push_back({QString::fromUtf8(c.label), grabOf(*button)});
    }
    return sheet(QStringLiteral("TGlyphButton (pale yellow, MS Sans Serif 11 px)"), cells, 3);
}

// ---- flat caption button ----

struct FlatCase {
    const char* label;
    const char* caption;
    QSize size;
    bool underlined;
    TColor border;
    TColor overCaption;
    std::function<void(controls::TFlatButton&)> prepare;
};

QImage flatButtonSheet() {
    using controls::TFlatButton;
    const TColor pale = framework::clPaleYellow;
    const TColor frame = framework::rgb(153, 143, 130);
    const QPoint inside(20, 10);
    auto hover = [&](TFlatButton& b) { sendEnter(&b, inside); };
    auto press = [&](TFlatButton& b) {
        sendEnter(&b, inside);
        sendMouse(&b, QEvent::MouseButtonPress, Qt::LeftButton, inside);
    };
    const std::vector<FlatCase> cases = {
        {"FlatButton3 normal", "Tableau mesures", {83, 22}, true, pale, framework::clBlack, [](auto&) {}},
        {"FlatButton3 hover", "Tableau mesures", {83, 22}, true, pale, framework::clBlack, hover},
        {"FlatButton3 pressed", "Tableau mesures", {83, 22}, true, pale, framework::clBlack, press},
        {"FlatButton2 hover (navy)", "Mode d'emploi", {69, 22}, true, pale, framework::clNavy, hover},
        {"FlatButton2 pressed", "Mode d'emploi", {69, 22}, true, pale, framework::clNavy, press},
        {"btnpropos normal", "A propos", {69, 22}, true, pale, framework::clBlack, [](auto&) {}},
        {"FlatButton1 normal", "Quitter", {70, 22}, false, frame, framework::clBlack, [](auto&) {}},
        {"FlatButton1 hover", "Quitter", {70, 22}, false, frame, framework::clBlack, hover},
        {"FlatButton1 pressed", "Quitter", {70, 22}, false, frame, framework::clBlack, press},
        {"Quitter ZOOM hover", "Quitter ZOOM", {79, 22}, false, frame, framework::clBlack, hover},
        {"switched off, pointer over",
         "Quitter",
         {70, 22},
         false,
         frame,
         framework::clBlack,
         [&](auto& b) {
             b.setButtonEnabled(false);
             sendEnter(&b, inside);
         }},
        {"repainted while hovered",
         "Quitter",
         {70, 22},
         false,
         frame,
         framework::clBlack,
         [&](auto& b) {
             sendEnter(&b, inside);
             b.update();
         }},
    };
    std::vector<Cell> cells;
    for (const FlatCase& c : cases) {
        Host host;
        auto* button = new TFlatButton(&host.window);
        QFont font = button->font();
        font.setUnderline(c.underlined);
        button->setFont(font);
        button->setCaption(QString::fromUtf8(c.caption));
        button->setColor(pale);
        button->setColorBorder(c.border);
        button->setColorOverCaption(c.overCaption);
        button->setGeometry(4, 4, c.size.width(), c.size.height());
        button->show();
        Host::settle();
        c.prepare(*button);
        cells.push_back({QString::fromUtf8(c.label), shownOf(*button)});
    }
    return sheet(QStringLiteral("TFlatButton (Arial 11 px, highlight RGB 216, 190, 10)"), cells, 3);
}

const shots::Registrar flatButtons(QStringLiteral("control-flat-button"), flatButtonSheet);

// ---- high-density screen ----

// The four controls painted at twice the pixel density, as a high-density screen shows them: the
// glyphs come from their finer images, the lines stay one device-independent pixel wide.
QImage highDensitySheet() {
    Host host;
    host.window.resize(200, 120);
    auto* check = new controls::TBevelCheck(&host.window);
    check->setGeometry(8, 8, 15, 17);
    check->setChecked(true);
    auto* button = new controls::TGlyphButton(&host.window);
    button->setCaption(QStringLiteral("Simulation"));
    button->setGeometry(30, 6, 93, 21);
    auto* edit = new controls::TFloatSpinEdit(&host.window);
    QPalette p = edit->palette();
    p.setColor(QPalette::Text, Qt::white);
    edit->setPalette(p);
    edit->setColor(framework::clTeal);
    edit->setIncrement(0.1);
    edit->setMaxValue(50);
    edit->setValue(5);
    edit->setGeometry(8, 40, 65, 22);
    auto* flat = new controls::TFlatButton(&host.window);
    flat->setCaption(QStringLiteral("Quitter"));
    flat->setColor(framework::clPaleYellow);
    flat->setGeometry(90, 40, 70, 22);
    auto* radio = new controls::TGlyphButton(&host.window);
    radio->setControlType(controls::TGlyphButton::bsUpButton);
    radio->setCaption(QStringLiteral("Monter"));
    radio->setGeometry(8, 75, 93, 21);
    for (QWidget* w : host.window.findChildren<QWidget*>()) {
        w->show();
    }
    Host::settle();
    QImage image(host.window.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2.0);
    host.window.render(&image);
    image.setDevicePixelRatio(1.0);
    return image;
}

const shots::Registrar highDensity(QStringLiteral("control-high-density"), highDensitySheet);

const shots::Registrar glyphButtons(QStringLiteral("control-glyph-button"), glyphButtonSheet);

} // namespace
