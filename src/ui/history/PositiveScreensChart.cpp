#include "ui/history/PositiveScreensChart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/history/HistoryTexts.h"

namespace orva {

namespace hist = texts::history;

namespace {

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

// Self, Parent, Teacher: colour, pen and marker differ together.
struct Look {
    QColor colour;
    Qt::PenStyle style;
    PositiveScreensChart::Marker marker;
    QScatterSeries::MarkerShape shape;
    QLegend::MarkerShape legendShape;
    qreal markerSize;
};
const Look kLooks[kReportSlots] = {
    {QColor(0, 70, 140), Qt::SolidLine, PositiveScreensChart::Marker::Circle, QScatterSeries::MarkerShapeCircle,
     QLegend::MarkerShapeCircle, 9},
    {QColor(190, 80, 0), Qt::DashLine, PositiveScreensChart::Marker::Square, QScatterSeries::MarkerShapeRectangle,
     QLegend::MarkerShapeRectangle, 14},
    {QColor(0, 110, 50), Qt::DotLine, PositiveScreensChart::Marker::Triangle, QScatterSeries::MarkerShapeTriangle,
     QLegend::MarkerShapeTriangle, 20},
};

// Months read best over years; days over a few months.
constexpr qint64 kMonthsFormatSpanDays = 180;

constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;

qint64 DateMs(const HistoryAssessment& assessment) {
    const QDate date(assessment.completionYear, assessment.completionMonth, assessment.completionDay);
    return QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch();
}

}  // namespace

PositiveScreensChart::PositiveScreensChart(const PersonHistory& history, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("positiveScreensChart"));
    auto* chart = new QChart();
    chart->setTitle(Text(hist::kChartTitle));
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);

    std::vector<qint64> dates;
    int highest = 0;
    for (int reporter = 0; reporter < kReportSlots; ++reporter) {
        QList<QPointF> points;
        for (const HistoryAssessment& assessment : history.assessments) {
            if (assessment.reporter != reporter || assessment.completionYear == 0) continue;
            const qint64 x = DateMs(assessment);
            const int y = assessment.analysis.positiveScreens[static_cast<std::size_t>(reporter)];
            points.append(QPointF(static_cast<double>(x), y));
            dates.push_back(x);
            highest = std::max(highest, y);
        }
        if (!points.isEmpty()) AddLine(*chart, reporter, points);
    }
    AddAxes(*chart, dates, highest);

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("chartView"));
    view->setAccessibleName(Text(hist::kChartTitle));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(260);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
}

void PositiveScreensChart::AddLine(QChart& chart, int reporter, const QList<QPointF>& points) {
    const Look& look = kLooks[reporter];
    auto* line = new QLineSeries();
    line->setName(Text(hist::kSeriesNames[reporter]));
    line->setPen(QPen(look.colour, 2.5, look.style));
    line->append(points);
    // Hollow and of different sizes, so markers of one date drawn on each other all show.
    auto* markers = new QScatterSeries();
    markers->setMarkerShape(look.shape);
    markers->setMarkerSize(look.markerSize);
    markers->setBrush(Qt::NoBrush);
    markers->setPen(QPen(look.colour, 2.0));
    markers->append(points);
    chart.addSeries(line);
    chart.addSeries(markers);
    // The legend names each line once, in its marker's shape.
    chart.legend()->markers(markers).constFirst()->setVisible(false);
    chart.legend()->markers(line).constFirst()->setShape(look.legendShape);
    series_.push_back({reporter, line, markers});
}

void PositiveScreensChart::AddAxes(QChart& chart, std::vector<qint64> dates, int highest) {
    dates_ = new QDateTimeAxis();
    dates_->setTitleText(Text(hist::kDateAxis));
    // A little room either side, so the first and last markers are not cut off; a single date
    // gets a month either side and a tick of its own in the middle.
    if (dates.empty()) dates.push_back(QDateTime::currentMSecsSinceEpoch());
    const auto [first, last] = std::minmax_element(dates.begin(), dates.end());
    const qint64 span = *last - *first;
    const qint64 margin = std::max<qint64>(span / 20, 30 * kDayMs);
    dates_->setRange(QDateTime::fromMSecsSinceEpoch(*first - margin), QDateTime::fromMSecsSinceEpoch(*last + margin));
    dates_->setTickCount(span == 0 ? 3 : 6);
    dates_->setFormat(Text(span > kMonthsFormatSpanDays * kDayMs ? hist::kChartMonthFormat : hist::kChartDayFormat));

    counts_ = new QValueAxis();
    counts_->setTitleText(Text(hist::kCountAxis));
    counts_->setLabelFormat(QStringLiteral("%d"));
    const int top = std::max(5, highest + 1);
    // Below 0 a little, so markers at 0 are not cut by the axis.
    counts_->setRange(-0.4, top);
    counts_->setTickType(QValueAxis::TicksDynamic);
    counts_->setTickAnchor(0);
    counts_->setTickInterval(top <= 10 ? 1 : 2);

    chart.addAxis(dates_, Qt::AlignBottom);
    chart.addAxis(counts_, Qt::AlignLeft);
    for (const Series& series : series_) {
        for (QXYSeries* xy : {static_cast<QXYSeries*>(series.line), static_cast<QXYSeries*>(series.markers)}) {
            xy->attachAxis(dates_);
            xy->attachAxis(counts_);
        }
    }
}

std::vector<PositiveScreensChart::Line> PositiveScreensChart::Lines() const {
    std::vector<Line> lines;
    for (const Series& series : series_) {
        Marker marker = Marker::Circle;
        for (const Look& candidate : kLooks)
            if (candidate.shape == series.markers->markerShape()) marker = candidate.marker;
        lines.push_back({series.reporter, series.line->name(), series.line->points(), series.line->pen().style(),
                         marker});
    }
    return lines;
}

QString PositiveScreensChart::DateAxisTitle() const {
    return dates_->titleText();
}

QString PositiveScreensChart::CountAxisTitle() const {
    return counts_->titleText();
}

}  // namespace orva
