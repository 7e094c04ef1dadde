#include "BodeChartView.h"

#include <QBrush>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace zentrova {
namespace {

constexpr qreal kLabelRowPx = 16;
// Room around the axes; the right one for the last frequency label.
constexpr QMargins kMargins(6, 10, 28, 4);

}  // namespace

BodeChartView::BodeChartView(const QString& curveName, const QString& valueTitle, bool frequencyTitle,
                             QWidget* parent)
    : QChartView(new QChart(), parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    QChart* c = chart();
    c->legend()->hide();
    c->setBackgroundRoundness(0);
    c->setMargins(kMargins);
    connect(c, &QChart::plotAreaChanged, this, [this] { PlaceLabels(); });

    frequencyAxis_ = new QLogValueAxis(c);
    frequencyAxis_->setBase(10);
    frequencyAxis_->setLabelFormat(QStringLiteral("%g"));
    frequencyAxis_->setMinorTickCount(8);
    if (frequencyTitle)
        frequencyAxis_->setTitleText(QStringLiteral("频率 (Hz)"));
    valueAxis_ = new QValueAxis(c);
    valueAxis_->setTitleText(valueTitle);
    valueAxis_->setLabelFormat(QStringLiteral("%g"));
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickAnchor(0);
    c->addAxis(frequencyAxis_, Qt::AlignBottom);
    c->addAxis(valueAxis_, Qt::AlignLeft);

    curve_ = AddLine({}, QColor(0x1f, 0x4e, 0xb4), Qt::SolidLine, 2);
    curve_->setName(curveName);
    cursor_ = AddLine({}, QColor(0x70, 0x70, 0x70), Qt::DotLine, 1);
    frequencyAxis_->setRange(1, 10);
    valueAxis_->setRange(0, 1);
}

QLineSeries* BodeChartView::AddLine(const QList<QPointF>& points, const QColor& color, Qt::PenStyle style, qreal width)
{
    auto* line = new QLineSeries(chart());
    line->replace(points);
    QPen pen(color);
    pen.setStyle(style);
    pen.setWidthF(width);
    line->setPen(pen);
    chart()->addSeries(line);
    line->attachAxis(frequencyAxis_);
    line->attachAxis(valueAxis_);
    return line;
}

void BodeChartView::ShowCurve(const QList<QPointF>& curve, const Range& range, const std::vector<BodeMark>& verticals,
                              const std::vector<BodeMark>& levels)
{
    RemoveMarks();
    range_ = range;
    frequencyAxis_->setRange(range.lowHz, range.highHz);
    valueAxis_->setRange(range.min, range.max);
    valueAxis_->setTickInterval(range.tick);
    curve_->replace(curve);
    for (const BodeMark& mark : verticals) {
        if (mark.at < range.lowHz || mark.at > range.highHz)
            continue;
        const auto [from, to] = mark.span.value_or(std::pair(range.min, range.max));
        // A stretch between two levels is drawn thick, over the full-height lines.
        markLines_.push_back(AddLine({{mark.at, from}, {mark.at, to}}, mark.color, mark.style, mark.span ? 4 : 1.5));
        marks_.emplace_back(mark, true);
    }
    for (const BodeMark& mark : levels) {
        markLines_.push_back(AddLine({{range.lowHz, mark.at}, {range.highHz, mark.at}}, mark.color, mark.style, 1.5));
        marks_.emplace_back(mark, false);
    }
    for (const auto& [mark, vertical] : marks_) {
        auto* label = new QGraphicsSimpleTextItem(mark.label, chart());
        label->setBrush(mark.color.darker(130));
        label->setZValue(10);
        labels_.push_back(label);
    }
    PlaceLabels();
}

void BodeChartView::Clear()
{
    RemoveMarks();
    range_.reset();
    curve_->clear();
    cursor_->clear();
}

void BodeChartView::RemoveMarks()
{
    for (QLineSeries* line : markLines_) {
        chart()->removeSeries(line);
        delete line;
    }
    markLines_.clear();
    for (QGraphicsSimpleTextItem* label : labels_)
        delete label;
    labels_.clear();
    marks_.clear();
}

void BodeChartView::PlaceLabels()
{
    if (!range_)
        return;
    const QRectF area = chart()->plotArea();
    // Vertical marks are labelled at the top, one row each so that close
    // frequencies stay readable; levels at the right end, above their line.
    int row = 0;
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const auto& [mark, vertical] = marks_[i];
        QGraphicsSimpleTextItem* label = labels_[i];
        const qreal width = label->boundingRect().width();
        if (mark.label.isEmpty())
            continue;
        if (vertical) {
            const QPointF at = chart()->mapToPosition(QPointF(mark.at, range_->max), markLines_[i]);
            qreal x = at.x() + 4;
            if (x + width > area.right())
                x = at.x() - 4 - width;
            label->setPos(x, area.top() + 2 + kLabelRowPx * row++);
        } else {
            const QPointF at = chart()->mapToPosition(QPointF(range_->highHz, mark.at), markLines_[i]);
            label->setPos(area.right() - width - 4, at.y() - kLabelRowPx - 1);
        }
    }
}

void BodeChartView::ShowCursor(std::optional<double> hz)
{
    if (!hz || !range_) {
        cursor_->clear();
        return;
    }
    cursor_->replace({{*hz, range_->min}, {*hz, range_->max}});
}

void BodeChartView::mouseMoveEvent(QMouseEvent* event)
{
    QChartView::mouseMoveEvent(event);
    if (!cursorListener_)
        return;
    const QRectF area = chart()->plotArea();
    const QPointF at = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    if (!range_ || !area.contains(at)) {
        cursorListener_(std::nullopt);
        return;
    }
    // The axis is logarithmic: equal steps in x are equal frequency ratios.
    const double share = (at.x() - area.left()) / area.width();
    cursorListener_(range_->lowHz * std::pow(range_->highHz / range_->lowHz, share));
}

void BodeChartView::leaveEvent(QEvent* event)
{
    QChartView::leaveEvent(event);
    if (cursorListener_)
        cursorListener_(std::nullopt);
}

void BodeChartView::AlignWith(const BodeChartView& other)
{
    // What the layout puts left and right of a plot area besides the margins:
    // the axis labels and title.
    const auto insets = [](const QChart& c) {
        const QRectF area = c.plotArea();
        return std::pair(area.left() - c.margins().left(), c.size().width() - area.right() - c.margins().right());
    };
    const auto [left, right] = insets(*chart());
    const auto [otherLeft, otherRight] = insets(*other.chart());
    const QMargins margins(kMargins.left() + qRound(std::max(0.0, otherLeft - left)), kMargins.top(),
                           kMargins.right() + qRound(std::max(0.0, otherRight - right)), kMargins.bottom());
    if (margins != chart()->margins())
        chart()->setMargins(margins);
}

}  // namespace zentrova
