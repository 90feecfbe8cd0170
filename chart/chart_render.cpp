#include "chart/chart_render.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "chart/chart_layout.h"

namespace chart {

void renderChart(QPainter& painter, const QRectF& target, const ChartData& data,
                 const ViewState& view, QSize size, const DrawOptions& options) {
    if (size.isEmpty() || target.isEmpty()) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    painter.setClipRect(QRect(QPoint(0, 0), size));
    drawChart(painter, chartGeometry(QRect(QPoint(0, 0), size), data, view), data, view, options);
    painter.restore();
}

QImage chartImage(const ChartData& data, const ViewState& view, QSize size, qreal pixelRatio) {
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(data.settings().backgroundColour());
    QPainter painter(&image);
    renderChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), data, view, size,
                {.edge = false, .exact = true});
    return image;
}

QByteArray chartSvg(const ChartData& data, const ViewState& view, QSize size,
                    const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setResolution(96);  // the size of the chart on a desktop of 96 dots per inch
    {
        QPainter painter(&svg);
        renderChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), data, view, size,
                    {.edge = false, .vector = true, .exact = true});
    }
    return buffer.data();
}

QByteArray pngBytes(const QImage& image) {
    // Marked with the resolution of its device pixel ratio, so that a word processor places it
    // at the size it had on screen.
    QImage marked = image;
    const int dotsPerMetre = qRound(96 / 0.0254 * image.devicePixelRatio());
    marked.setDotsPerMeterX(dotsPerMetre);
    marked.setDotsPerMeterY(dotsPerMetre);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    return writer.write(marked) ? buffer.data() : QByteArray();
}

void printChart(QPagedPaintDevice& device, const QStringList& header, const ChartData& data,
                const ViewState& view, QSize size) {
    QPainter painter(&device);
    // The painter's origin is the corner of the printable area.
    const QRectF page(QPointF(0, 0),
                      QSizeF(device.pageLayout().paintRectPixels(device.logicalDpiX()).size()));
    double top = 0;
    for (qsizetype i = 0; i < header.size(); ++i) {
        QFont font = chartFont();
        font.setPointSizeF(i == 0 ? 14 : 11);
        font.setBold(i == 0);
        painter.setFont(font);
        const QFontMetricsF fm(font, &device);
        const QRectF room(0, top, page.width(), page.height() - top);
        const QRectF used = painter.boundingRect(room, Qt::AlignLeft | Qt::TextWordWrap, header[i]);
        painter.drawText(room, Qt::AlignLeft | Qt::TextWordWrap, header[i]);
        top += used.height() + (i == 0 ? fm.height() * 0.6 : fm.height() * 0.15);
    }
    top += QFontMetricsF(chartFont(), &device).height();
    // The page's width, or less when the chart would run off the bottom of the page.
    const double scale =
        std::min(page.width() / size.width(), (page.height() - top) / size.height());
    if (scale <= 0) return;
    renderChart(painter, QRectF(0, top, size.width() * scale, size.height() * scale), data, view,
                size, {.edge = false, .vector = true, .exact = true});
}

}  // namespace chart
