#include "BodePlotWindow.h"

#include "BodeChartView.h"
#include "FaultMessage.h"
#include "QtText.h"
#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"
#include "loops/LoopPointsCsv.h"

#include <QChart>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zentrova {
namespace {

constexpr double kMarginLimitDeg = 45;

const QColor kCrossoverColor(0xc0, 0x20, 0x20);
const QColor kLimitColor(0x80, 0x80, 0x80);
const QColor kWindowFigureColor(0x10, 0x90, 0x40);
const QColor kLevelColor(0x40, 0x40, 0x40);
const QColor kMarginColor(0xd0, 0x70, 0x00);

const QString kCursorHint = QStringLiteral("光标：将鼠标移到图上读数");

// Four significant digits, in Hz below 1 kHz and in kHz above.
QString FrequencyText(double hz)
{
    if (std::abs(hz) >= 1000)
        return QString::number(hz / 1000, 'g', 4) + QStringLiteral(" kHz");
    return QString::number(hz, 'g', 4) + QStringLiteral(" Hz");
}

QString GainText(double db)
{
    return QString::number(db, 'f', 2) + QStringLiteral(" dB");
}

QString PhaseText(double deg)
{
    return QString::number(deg, 'f', 1) + QStringLiteral("°");
}

// The range of the values rounded out to whole ticks.
BodeChartView::Range RangeOf(const LoopFigures& figures, double LoopPoint::*value, double tick)
{
    const auto [low, high] = std::minmax_element(figures.points.begin(), figures.points.end(),
                                                 [value](const LoopPoint& a, const LoopPoint& b) {
                                                     return a.*value < b.*value;
                                                 });
    double min = std::floor((*low).*value / tick) * tick;
    double max = std::ceil((*high).*value / tick) * tick;
    if (max <= min)
        max = min + tick;
    return {figures.response.lowHz(), figures.response.highHz(), min, max, tick};
}

QLabel* PanelLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

BodePlotWindow::BodePlotWindow(const WindowDescription& window, QWidget* parent)
    : QWidget(parent, Qt::Window), window_(window)
{
    setObjectName(ToQString(window.name) + QStringLiteral("_bode"));
    setWindowTitle(ToQString(LoopTitle(window.name)));
    resize(1040, 680);

    charts_ = new QWidget(this);
    charts_->setObjectName(QStringLiteral("charts"));
    gain_ = new BodeChartView(QStringLiteral("环路增益"), QStringLiteral("增益 (dB)"), false, charts_);
    gain_->setObjectName(QStringLiteral("gainChart"));
    gain_->curve()->setObjectName(QStringLiteral("gainCurve"));
    phase_ = new BodeChartView(QStringLiteral("环路相位"), QStringLiteral("相位 (°)"), true, charts_);
    phase_->setObjectName(QStringLiteral("phaseChart"));
    phase_->curve()->setObjectName(QStringLiteral("phaseCurve"));
    auto* chartsLayout = new QVBoxLayout(charts_);
    chartsLayout->setContentsMargins(0, 0, 0, 0);
    chartsLayout->setSpacing(0);
    chartsLayout->addWidget(gain_, 1);
    chartsLayout->addWidget(phase_, 1);
    for (BodeChartView* view : {gain_, phase_}) {
        view->SetCursorListener([this](std::optional<double> hz) { ShowCursorAt(hz); });
        connect(view->chart(), &QChart::plotAreaChanged, this, [this] {
            gain_->AlignWith(*phase_);
            phase_->AlignWith(*gain_);
        });
    }

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("readouts"));
    panel->setFixedWidth(250);
    auto* panelLayout = new QVBoxLayout(panel);
    crossover_ = PanelLabel("crossoverReadout", panel);
    margin_ = PanelLabel("phaseMarginReadout", panel);
    rippleGain_ = PanelLabel("rippleGainReadout", panel);
    limit_ = PanelLabel("limitReadout", panel);
    windowFigure_ = PanelLabel("windowFigureReadout", panel);
    cursor_ = PanelLabel("cursorReadout", panel);
    flags_ = PanelLabel("flagsLabel", panel);
    flags_->setStyleSheet(QStringLiteral("color: #b00000;"));
    reason_ = PanelLabel("reasonLabel", panel);
    reason_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    QFont large = crossover_->font();
    large.setPointSizeF(large.pointSizeF() * 1.25);
    crossover_->setFont(large);
    margin_->setFont(large);
    for (QLabel* label : {crossover_, margin_, rippleGain_, limit_, windowFigure_})
        panelLayout->addWidget(label);
    panelLayout->addSpacing(12);
    panelLayout->addWidget(cursor_);
    panelLayout->addSpacing(12);
    panelLayout->addWidget(flags_);
    panelLayout->addWidget(reason_);
    panelLayout->addStretch(1);

    struct ExportButton {
        const char* name;
        const char* text;
        const char* caption;
        const char* filter;
        bool (BodePlotWindow::*write)(const QString&) const;
    };
    const ExportButton buttons[] = {
        {"exportPngButton", "导出 PNG", "导出波特图为 PNG 图像", "PNG 图像 (*.png)", &BodePlotWindow::ExportPng},
        {"exportSvgButton", "导出 SVG", "导出波特图为 SVG 矢量图", "SVG 矢量图 (*.svg)", &BodePlotWindow::ExportSvg},
        {"exportCsvButton", "导出 CSV", "导出绘制的数据点为 CSV", "CSV 文件 (*.csv)", &BodePlotWindow::ExportCsv},
    };
    for (const ExportButton& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), panel);
        button->setObjectName(QString::fromUtf8(b.name));
        const QString caption = QString::fromUtf8(b.caption);
        const QString filter = QString::fromUtf8(b.filter);
        connect(button, &QPushButton::clicked, this,
                [this, caption, filter, write = b.write] { Export(caption, filter, write); });
        panelLayout->addWidget(button);
        exportButtons_.append(button);
    }

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(charts_, 1);
    layout->addWidget(panel);

    choosePath_ = [this](const QString& caption, const QString& filter) {
        return QFileDialog::getSaveFileName(this, caption, QString(), filter);
    };
}

void BodePlotWindow::ShowLoop(const FieldTexts& texts, const std::optional<ComputeFault>& fault)
{
    if (fault) {
        ShowReason(QStringLiteral("上次计算出错，没有可绘制的环路。") + FaultMessageText(window_, *fault, texts).section(u'\n', 0, 0));
        return;
    }
    auto analysed = AnalyseLoop(window_.name, texts);
    if (auto* reason = std::get_if<std::string>(&analysed))
        ShowReason(ToQString(*reason));
    else
        ShowFigures(std::get<LoopFigures>(analysed));
}

void BodePlotWindow::ShowFigures(const LoopFigures& figures)
{
    figures_ = figures;
    PlotCurves(figures);
    ShowReadouts(figures);
    reason_->clear();
    reason_->hide();
    for (QPushButton* button : exportButtons_)
        button->setEnabled(true);
}

void BodePlotWindow::PlotCurves(const LoopFigures& figures)
{
    std::vector<BodeMark> frequencies;
    if (figures.crossoverHz) {
        frequencies.push_back({*figures.crossoverHz, QStringLiteral("fc = ") + FrequencyText(*figures.crossoverHz),
                               kCrossoverColor, Qt::SolidLine, std::nullopt});
    }
    frequencies.push_back({figures.limit.frequencyHz,
                           ToQString(figures.limit.name) + QStringLiteral(" = ") + FrequencyText(figures.limit.frequencyHz),
                           kLimitColor, Qt::DashLine, std::nullopt});
    if (figures.windowFigure) {
        frequencies.push_back({figures.windowFigure->frequencyHz,
                               ToQString(figures.windowFigure->name) + QStringLiteral(" ") +
                                   FrequencyText(figures.windowFigure->frequencyHz),
                               kWindowFigureColor, Qt::DashDotLine, std::nullopt});
    }

    QList<QPointF> gainCurve;
    QList<QPointF> phaseCurve;
    for (const LoopPoint& point : figures.points) {
        gainCurve.append({point.frequencyHz, point.gainDb});
        phaseCurve.append({point.frequencyHz, point.phaseDeg});
    }
    gain_->ShowCurve(gainCurve, RangeOf(figures, &LoopPoint::gainDb, 20), frequencies,
                     {{0, QStringLiteral("0 dB"), kLevelColor, Qt::DashLine, std::nullopt}});

    // Down to -225° and up to 0°, so that -180° and the margin above it show.
    BodeChartView::Range phaseRange = RangeOf(figures, &LoopPoint::phaseDeg, 45);
    phaseRange.min = std::min(phaseRange.min, -180.0 - 45);
    phaseRange.max = std::max(phaseRange.max, 0.0);
    // The gain chart names the frequencies; the phase chart draws them
    // unnamed and names the margin, the stretch from -180° up to the phase at fc.
    std::vector<BodeMark> phaseMarks = frequencies;
    for (BodeMark& mark : phaseMarks)
        mark.label.clear();
    if (figures.crossoverHz) {
        phaseMarks.push_back({*figures.crossoverHz, QStringLiteral("相位裕量 ") + PhaseText(*figures.phaseMarginDeg),
                              kMarginColor, Qt::SolidLine, std::pair(-180.0, -180 + *figures.phaseMarginDeg)});
    }
    phase_->ShowCurve(phaseCurve, phaseRange, phaseMarks,
                      {{-180, QStringLiteral("−180°"), kLevelColor, Qt::DashLine, std::nullopt}});
}

void BodePlotWindow::ShowReadouts(const LoopFigures& figures)
{
    if (figures.crossoverHz) {
        crossover_->setText(QStringLiteral("穿越频率 fc：") + FrequencyText(*figures.crossoverHz));
        margin_->setText(QStringLiteral("相位裕量：") + PhaseText(*figures.phaseMarginDeg));
    } else {
        crossover_->setText(QStringLiteral("穿越频率 fc：没有（增益在绘图范围内未穿过 0 dB）"));
        margin_->setText(QStringLiteral("相位裕量：—"));
    }
    margin_->setStyleSheet(figures.phaseMarginDeg && *figures.phaseMarginDeg < kMarginLimitDeg
                               ? QStringLiteral("color: #b00000;")
                               : QString());
    const QString limit = FrequencyText(figures.limit.frequencyHz);
    rippleGain_->setVisible(figures.rippleGainDb.has_value());
    if (figures.rippleGainDb) {
        rippleGain_->setText(QStringLiteral("纹波频率 2f（") + limit + QStringLiteral("）处增益：") +
                             GainText(*figures.rippleGainDb));
        limit_->setText(QStringLiteral("纹波频率 2f：") + limit);
    } else {
        limit_->setText(QStringLiteral("fs/2：") + limit);
    }
    if (figures.windowFigure) {
        windowFigure_->setText(ToQString(figures.windowFigure->name) + QStringLiteral("（") +
                               ToQString(figures.windowFigure->control) + QStringLiteral("）：") +
                               FrequencyText(figures.windowFigure->frequencyHz));
    } else {
        windowFigure_->setText(QStringLiteral("窗口的计算值：—"));
    }
    QStringList flags;
    for (const std::string& flag : figures.flags)
        flags.append(QStringLiteral("⚠ ") + ToQString(flag));
    flags_->setText(flags.join(u'\n'));
    flags_->setVisible(!flags.isEmpty());
    cursor_->setText(kCursorHint);
}

void BodePlotWindow::ShowReason(const QString& reason)
{
    figures_.reset();
    gain_->Clear();
    phase_->Clear();
    crossover_->setText(QStringLiteral("穿越频率 fc：—"));
    margin_->setText(QStringLiteral("相位裕量：—"));
    margin_->setStyleSheet(QString());
    rippleGain_->hide();
    limit_->clear();
    windowFigure_->clear();
    cursor_->clear();
    flags_->clear();
    flags_->hide();
    reason_->setText(reason);
    reason_->show();
    for (QPushButton* button : exportButtons_)
        button->setEnabled(false);
}

void BodePlotWindow::ShowCursorAt(std::optional<double> hz)
{
    if (!figures_)
        return;
    gain_->ShowCursor(hz);
    phase_->ShowCursor(hz);
    if (!hz) {
        cursor_->setText(kCursorHint);
        return;
    }
    const LoopPoint point = figures_->response.At(*hz);
    cursor_->setText(QStringLiteral("光标：f = %1\n增益 %2，相位 %3")
                         .arg(FrequencyText(point.frequencyHz), GainText(point.gainDb), PhaseText(point.phaseDeg)));
}

void BodePlotWindow::Export(const QString& caption, const QString& filter,
                            bool (BodePlotWindow::*write)(const QString&) const)
{
    const QString path = choosePath_(caption, filter);
    if (path.isEmpty())
        return;
    if (!(this->*write)(path))
        QMessageBox::warning(this, caption, QStringLiteral("无法写入文件：") + path);
}

bool BodePlotWindow::ExportPng(const QString& path) const
{
    return figures_ && charts_->grab().save(path, "PNG");
}

bool BodePlotWindow::ExportSvg(const QString& path) const
{
    if (!figures_)
        return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(charts_->size());
    svg.setViewBox(QRect(QPoint(0, 0), charts_->size()));
    svg.setTitle(windowTitle());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    charts_->render(&painter);
    return painter.end();
}

bool BodePlotWindow::ExportCsv(const QString& path) const
{
    if (!figures_)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const std::string csv = LoopPointsCsv(figures_->points);
    return file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size());
}

}  // namespace zentrova
