// Arbitrary bytes as markup, the way an editor's preview label renders whatever a user types: laid
// out in measure and paint mode, in a label's auto-size rectangle and in a small wrapping one, on the
// fixed-metrics test surface and on the Qt surface over an image.

#include "controls/MarkupEngine.h"
#include "controls/MarkupImageList.h"
#include "controls/QtSurface.h"
#include "framework/Fonts.h"
#include "tests/controls/TestSurface.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

controls::SurfaceFont labelFont() {
    controls::SurfaceFont font;
    font.name = QStringLiteral("Times New Roman");
    font.pixelSize = 16;
    font.color = framework::clWhite;
    return font;
}

const controls::TImageList& images() {
    static controls::TImageList* list = [] {
        auto* l = new controls::TImageList({16, 16}); // lives as long as the fuzzer
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::red);
        l->add(image);
        return l;
    }();
    return *list;
}

void renderAll(controls::Surface& surface, const QString& markup) {
    // An auto-sized label's rectangle (no wrapping, room below) and a small one that wraps and stops.
    const controls::Rect rects[] = {{0, 0, 65535, 250}, {3, 2, 120, 60}};
    for (const controls::Rect& rect : rects) {
        for (const bool paint : {false, true}) {
            controls::MarkupRequest request;
            request.markup = markup;
            request.rect = rect;
            request.paint = paint;
            request.point = {30, 10};
            request.hover = paint;
            request.hoverLink = 1;
            request.hoverColor = paint ? framework::clYellow : framework::clNone;
            request.hoverFontColor = framework::clRed;
            request.images = &images();
            surface.setFont(labelFont());
            surface.setBackground(framework::clTeal);
            const controls::MarkupResult result = controls::RenderMarkup(surface, request);
            // The engine gives the surface back as it found it, whatever the markup.
            if (!(surface.font() == labelFont()) || surface.background() != framework::clTeal ||
                result.totalHeight < 0 || result.maxWidth < 0 || result.linkCount < 0) {
                std::abort();
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    framework::installFontSubstitutions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString markup = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    testing_support::TestSurface fixed;
    renderAll(fixed, markup);

    static QImage canvas(320, 240, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    controls::QtSurface qt(painter);
    renderAll(qt, markup);
    (void)controls::MarkupPlainText(markup);
    return 0;
}
