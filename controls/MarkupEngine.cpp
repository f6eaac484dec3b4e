#include "controls/MarkupEngine.h"

namespace controls {

MarkupResult RenderMarkup(Surface& surface, const MarkupRequest& request) {
    MarkupResult result;
    const QSize extent = surface.textExtent(request.markup);
    result.totalHeight = surface.textHeight(QStringLiteral("gh"));
    result.maxWidth = request.markup.isEmpty() ? 0 : extent.width();
    if (request.paint && !request.markup.isEmpty()) {
        surface.drawText(request.rect, request.markup, SingleLine | AlignLeft | AlignTop);
    }
    return result;
}

QString MarkupPlainText(const QString& markup) {
    return markup;
}

TColor ParseColorName(const QString&) {
    return framework::clBlack;
}

TColor ParseHexColor(const QString&) {
    return framework::clBlack;
}

} // namespace controls
