#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

#include "screening/PersonHistory.h"

class QChart;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace orva {

// The number of positive screens of each reporter over time, one line per reporter who has an
// assessment with a completion date. The lines differ in pen style and marker shape as well as
// colour, so the chart reads in black and white. Qt Charts stays inside this class.
class PositiveScreensChart : public QWidget {
    Q_OBJECT

  public:
    enum class Marker { Circle, Square, Triangle };

    // One reporter's line as the chart draws it.
    struct Line {
        int reporter = kSelf;
        QString name;
        QList<QPointF> points;  // x: the completion date's noon in ms since the epoch; y: positive screens
        Qt::PenStyle style = Qt::SolidLine;
        Marker marker = Marker::Circle;
    };

    explicit PositiveScreensChart(const PersonHistory& history, QWidget* parent = nullptr);

    // Read back from the chart's series, in Self, Parent, Teacher order.
    std::vector<Line> Lines() const;
    QString DateAxisTitle() const;
    QString CountAxisTitle() const;

  private:
    void AddLine(QChart& chart, int reporter, const QList<QPointF>& points);
    // Both axes, over the dates drawn (ms since the epoch) and up to the highest count.
    void AddAxes(QChart& chart, std::vector<qint64> dates, int highest);

    struct Series {
        int reporter;
        QLineSeries* line;
        QScatterSeries* markers;  // the same points, drawn in the reporter's marker shape
    };

    std::vector<Series> series_;
    QDateTimeAxis* dates_ = nullptr;
    QValueAxis* counts_ = nullptr;
};

}  // namespace orva
