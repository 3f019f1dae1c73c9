// The Downrange window's charts: energy and momentum against distance on axes of their own, and
// the arrow's path against the line of sight.
#include "window/DownrangeParts.h"

#include "tools/NumberText.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kesta {

namespace {

QValueAxis* DistanceAxis(const downrange::DistanceTable& figures) {
    auto* x = new QValueAxis;
    x->setTitleText(QObject::tr("Distance (yards)"));
    x->setRange(0, figures.inputs.maxDistance);
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTickCount(std::min(11, figures.inputs.maxDistance + 1));
    return x;
}

// An axis from 0 (or the lowest value, when below 0) to a little above the highest value.
QValueAxis* ValueAxis(const QString& title, double low, double high) {
    auto* y = new QValueAxis;
    y->setTitleText(title);
    y->setRange(low, high);
    y->applyNiceNumbers();
    return y;
}

void Attach(QChart& chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

QChart* BuildEnergyChart(const downrange::DistanceTable& figures) {
    auto* energy = new QLineSeries;
    energy->setName(QObject::tr("Kinetic energy (ft\u00B7lb)"));
    energy->setPen(QPen(QColor(21, 101, 192), 2.5));
    auto* momentum = new QLineSeries;
    momentum->setName(QObject::tr("Momentum (slug\u00B7ft/s)"));
    momentum->setPen(QPen(QColor(198, 40, 40), 2.5, Qt::DashLine));
    double mostEnergy = 0, mostMomentum = 0;
    for (const downrange::DistanceRow& r : figures.rows) {
        energy->append(r.yards, r.energyFtLb);
        momentum->append(r.yards, r.momentumSlugFtS);
        mostEnergy = std::max(mostEnergy, r.energyFtLb);
        mostMomentum = std::max(mostMomentum, r.momentumSlugFtS);
    }
    auto* chart = new QChart;
    chart->setTitle(QObject::tr("Energy and momentum downrange"));
    auto* x = DistanceAxis(figures);
    auto* left = ValueAxis(QObject::tr("ft\u00B7lb"), 0, mostEnergy * 1.05);
    auto* right = ValueAxis(QObject::tr("slug\u00B7ft/s"), 0, mostMomentum * 1.05);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(left, Qt::AlignLeft);
    chart->addAxis(right, Qt::AlignRight);
    Attach(*chart, energy, x, left);
    Attach(*chart, momentum, x, right);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChart* BuildPathChart(const downrange::DistanceTable& figures) {
    auto* path = new QLineSeries;
    path->setName(QObject::tr("Path (inches)"));
    path->setPen(QPen(QColor(46, 125, 50), 2.5));
    double low = 0, high = 0;
    for (const downrange::DistanceRow& r : figures.rows) {
        path->append(r.yards, r.pathInches);
        low = std::min(low, r.pathInches);
        high = std::max(high, r.pathInches);
    }
    auto* sight = new QLineSeries;
    sight->setName(QObject::tr("Line of sight, sighted in at %1 yards")
                       .arg(QString::fromStdString(NumberText(figures.inputs.zeroYards))));
    sight->setPen(QPen(QColor(97, 97, 97), 1.5, Qt::DotLine));
    sight->append(0, 0);
    sight->append(figures.inputs.maxDistance, 0);
    auto* chart = new QChart;
    chart->setTitle(QObject::tr("Path against the line of sight"));
    auto* x = DistanceAxis(figures);
    auto* y = ValueAxis(QObject::tr("inches"), low - 1, high + 1);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    Attach(*chart, sight, x, y);
    Attach(*chart, path, x, y);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

} // namespace kesta
