#include "dialog/qt/chart_file.h"

#include <QChart>
#include <QFile>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace corvane {
namespace {

// The scene holding only the chart, laid out at this size.
class ChartScene {
public:
    ChartScene(QChart* chart, QSize size) : area_(QPointF(0, 0), size) {
        scene_.addItem(chart);  // the scene owns the chart from here on
        chart->setGeometry(area_);
        if (chart->layout() != nullptr) chart->layout()->activate();
        title_ = chart->title();
    }
    void render(QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        scene_.render(&painter, area_, area_);
    }
    const QString& title() const { return title_; }

private:
    QGraphicsScene scene_;
    QRectF area_;
    QString title_;
};

bool writePng(ChartScene& scene, const QString& path, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(painter);
    painter.end();
    return image.save(path, "PNG");
}

bool writeSvg(ChartScene& scene, const QString& path, QSize size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(scene.title());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    scene.render(painter);
    painter.end();
    file.close();
    return file.error() == QFileDevice::NoError;
}

}  // namespace

bool writeChartFile(QChart* chart, const QString& path, QSize size) {
    ChartScene scene(chart, size);
    const QString name = path.toLower();
    if (name.endsWith(QStringLiteral(".png"))) return writePng(scene, path, size);
    if (name.endsWith(QStringLiteral(".svg"))) return writeSvg(scene, path, size);
    return false;
}

}  // namespace corvane
