// Saves pictures of sample charts, to look at them: chart_snapshots <folder>.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "chart/chart_painter.h"
#include "tests/chart/sample_charts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const auto save = [&](const chart::ChartData& data, QSize size, const QString& name) {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        chart::paintChart(painter, image.rect(), data);
        painter.end();
        image.save(folder + "/" + name);
    };
    {
        chart::ChartData data;
        chart::samples::fillCardiacCycle(data);
        save(data, {553, 449}, "chart_2d.png");
    }
    {
        chart::ChartData data;
        chart::samples::fillSystole3D(data);
        save(data, {537, 441}, "chart_3d.png");
    }
    {
        chart::ChartData data;
        chart::samples::fillCardiacCycle(data);
        for (const auto& s : data.seriesList()) {
            s->clear();
        }
        save(data, {553, 449}, "chart_empty.png");
    }
    return 0;
}
