// Saves pictures of sample charts, to look at them: chart_snapshots <folder>.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "chart/chart_render.h"
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
        chart::renderChart(painter, image.rect(), data, {}, image.size());
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
    {
        // Diastole-like: automatic axes, anchors at 0.62 s, background and grid of another window.
        chart::ChartData data;
        auto& s = data.settings();
        s.title = QStringList{QString()};
        s.bottomAxis.title = QStringLiteral("время (с)");
        s.leftAxis.title = QStringLiteral("давление (мм.рт.ст.)");
        s.background = QColor(240, 240, 240);
        s.leftAxis.gridColor = QColor(255, 255, 128);
        data.addSeries("Series5", " ", Qt::white).addPoint(0.62, 50, Qt::blue);
        data.addSeries("Series4", QStringLiteral("Х1"), Qt::blue).addPoint(0.62, 130, Qt::blue);
        data.addSeries("Series2", QStringLiteral("Х2"), QColor(0, 128, 0));
        data.addSeries("Series1", QStringLiteral("Х3"), Qt::red);
        data.addSeries("Series3", " ", Qt::yellow);
        const char* names[3] = {"Series1", "Series2", "Series3"};
        const QColor colours[3] = {Qt::blue, QColor(0, 128, 0), Qt::red};
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i <= 55; ++i) {
                const double t = 0.01 * i;
                data.series(names[c])->addPoint(t, 120 * std::exp(-t / (0.4 + 0.3 * c)),
                                                colours[c]);
            }
        }
        save(data, {600, 420}, "chart_diastole.png");
    }
    return 0;
}
