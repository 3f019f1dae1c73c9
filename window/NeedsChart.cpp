// The chart of the "What would it take?" window for one animal: both-ribs penetration against
// arrow mass at the set-up's speed and with the same bow, the chest depth the arrow must pass,
// the category's least arrow mass, and the set-up itself.
#include "window/NeedsParts.h"

#include "tools/NumberText.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kesta {

namespace {

QString Figure(double x, int decimals) {
    return QString::fromStdString(Rounded(x, decimals));
}

// The depths shown: up to half as much again as the chest, to a round number of inches. A
// deeper arrow has gone through the chest and its curve leaves the top of the chart; one that
// passes through the whole slab is marked 999 inches by the run.
constexpr double kDepthStep = 5; // inches between the depth axis's ticks

double DepthShown(const whatif::NeedsChart& chart) {
    const double deepest = std::max(1.5 * chart.chestDepth, chart.chestDepth + 4);
    return std::ceil(deepest / kDepthStep) * kDepthStep;
}

QLineSeries* Curve(const QString& name, const whatif::NeedsChart& chart, bool sameBow) {
    auto* series = new QLineSeries;
    series->setName(name);
    for (const whatif::ChartPoint& p : chart.points) {
        // A run that raised has no depth: its point is left out.
        const std::optional<double>& depth = sameBow ? p.withSameBow : p.atSetUpSpeed;
        if (depth) series->append(p.grains, *depth);
    }
    return series;
}

QLineSeries* Line(const QString& name, QPointF from, QPointF to, const QColor& colour,
                  Qt::PenStyle style) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->append(from);
    series->append(to);
    series->setPen(QPen(colour, 1.5, style));
    return series;
}

} // namespace

QChart* BuildNeedsChart(const whatif::NeedsChart& chart) {
    const whatif::SetUp& s = chart.setUp;
    auto* x = new QValueAxis;
    x->setTitleText(QObject::tr("Arrow mass (grains)"));
    x->setRange(whatif::kChartFirstGrains, whatif::kChartLastGrains);
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTickCount(10);
    auto* y = new QValueAxis;
    y->setTitleText(QObject::tr("Penetration, both ribs broken (inches)"));
    const double top = DepthShown(chart);
    y->setRange(0, top);
    y->setTickCount(static_cast<int>(top / kDepthStep) + 1);
    y->setLabelFormat(QStringLiteral("%.0f"));

    auto* atSpeed = Curve(QObject::tr("At %1 fps").arg(Figure(s.fps, 1)), chart, false);
    atSpeed->setPen(QPen(QColor(21, 101, 192), 2.5));
    auto* sameBow = Curve(QObject::tr("Same bow (same kinetic energy)"), chart, true);
    sameBow->setPen(QPen(QColor(123, 31, 162), 2.5, Qt::DashLine));
    auto* chest = Line(QObject::tr("Chest depth %1 in").arg(Figure(chart.chestDepth, 1)),
                       {x->min(), chart.chestDepth}, {x->max(), chart.chestDepth},
                       QColor(198, 40, 40), Qt::SolidLine);
    auto* least =
        Line(QObject::tr("Least arrow mass %1 gr").arg(Figure(chart.minArrowMass, 0)),
             {chart.minArrowMass, 0}, {chart.minArrowMass, top}, QColor(97, 97, 97), Qt::DotLine);
    auto* setUp = new QScatterSeries;
    setUp->setName(
        QObject::tr("This set-up: %1 gr at %2 fps").arg(Figure(s.grains, 1), Figure(s.fps, 1)));
    setUp->setMarkerSize(11);
    setUp->setColor(QColor(255, 143, 0));
    setUp->setBorderColor(Qt::black);
    // Drawn at the top edge when it goes deeper than the chart shows.
    if (chart.setUpDepth) setUp->append(s.grains, std::min(*chart.setUpDepth, top));

    auto* result = new QChart;
    result->setTitle(QObject::tr("%1: both-ribs penetration against arrow mass (a curve that "
                                 "leaves the top has gone through the chest)")
                         .arg(QString::fromStdString(chart.animal)));
    result->addAxis(x, Qt::AlignBottom);
    result->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{atSpeed, sameBow, chest, least, setUp}) {
        result->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    result->legend()->setAlignment(Qt::AlignBottom);
    return result;
}

} // namespace kesta
