#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QGraphicsSimpleTextItem;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace zentrova {

// A frequency (vertical line) or a level (horizontal line) that a chart
// marks and labels. A vertical mark may stand only between two levels.
struct BodeMark {
    double at;
    QString label;
    QColor color;
    Qt::PenStyle style = Qt::DashLine;
    std::optional<std::pair<double, double>> span;
};

// One chart of a Bode plot: a curve over a logarithmic frequency axis, its
// marks with their labels, and a cursor that follows the mouse.
class BodeChartView : public QChartView {
public:
    BodeChartView(const QString& curveName, const QString& valueTitle, bool frequencyTitle, QWidget* parent);

    // Widens this chart's margins so that its plot area spans the same
    // columns as `other`'s: stacked charts then share their frequency axis
    // pixel for pixel, whatever the widths of their value labels.
    void AlignWith(const BodeChartView& other);

    struct Range {
        double lowHz, highHz;
        double min, max, tick;
    };
    void ShowCurve(const QList<QPointF>& curve, const Range& range, const std::vector<BodeMark>& verticals,
                   const std::vector<BodeMark>& levels);
    // No curve and no marks.
    void Clear();

    QLineSeries* curve() const { return curve_; }

    // Told the frequency under the mouse, or nothing when it leaves the plot area.
    void SetCursorListener(std::function<void(std::optional<double>)> listener) { cursorListener_ = std::move(listener); }
    void ShowCursor(std::optional<double> hz);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QLineSeries* AddLine(const QList<QPointF>& points, const QColor& color, Qt::PenStyle style, qreal width);
    void PlaceLabels();
    void RemoveMarks();

    QLineSeries* curve_;
    QLineSeries* cursor_;
    QLogValueAxis* frequencyAxis_;
    QValueAxis* valueAxis_;
    std::vector<QLineSeries*> markLines_;
    std::vector<std::pair<BodeMark, bool>> marks_;  // with true for a vertical one
    std::vector<QGraphicsSimpleTextItem*> labels_;
    std::optional<Range> range_;
    std::function<void(std::optional<double>)> cursorListener_;
};

}  // namespace zentrova
