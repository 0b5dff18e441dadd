#include "gui/limits_report_view.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace quadrel {
namespace {

// Room kept between a line and the box's edges.
constexpr int LineMargin = 2;

}  // namespace

LimitsReportView::LimitsReportView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void LimitsReportView::SetLines(const QStringList& lines) {
    lines_ = lines;
    setVisible(!lines_.isEmpty());
    update();
}

QFont LimitsReportView::ReportFont() const {
    QFont font(QStringLiteral("Courier New"), 10);
    // Where Courier New is missing, the system's fixed-pitch font keeps the
    // columns of the report in line.
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) font.setFamily(QStringLiteral("monospace"));
    return font;
}

int LimitsReportView::LineHeight() const {
    return logicalDpiY() * 10 / 72 + 1;
}

QFont LimitsReportView::LineFont(int index) const {
    QFont font = ReportFont();
    // A line wider than the box (limits of 1e308 give 300 digits) is painted
    // smaller rather than cut: every digit of the report stays readable.
    const QString& line = lines_.value(index);
    const int room = width() - 2 * LineMargin;
    for (int step = 0; step < 40; ++step) {
        const int textWidth = QFontMetrics(font, this).horizontalAdvance(line);
        if (textWidth <= room || font.pointSizeF() <= 1.0) break;
        font.setPointSizeF(
            std::max(1.0, font.pointSizeF() * std::min(0.95, double(room) / textWidth)));
    }
    return font;
}

QPoint LimitsReportView::LineOrigin(int index) const {
    const QFontMetrics metrics(LineFont(index), this);
    const int textWidth = metrics.horizontalAdvance(lines_.value(index));
    const int x = static_cast<int>((width() - textWidth) * 0.5);
    return {x, (index + 1) * LineHeight()};
}

void LimitsReportView::paintEvent(QPaintEvent*) {
    if (lines_.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const int ascent = QFontMetrics(ReportFont(), this).ascent();
    for (int i = 0; i < lines_.size(); ++i) {
        const QFont font = LineFont(i);
        painter.setFont(font);
        // A smaller line keeps the line's baseline.
        const QPoint origin = LineOrigin(i);
        painter.drawText(origin.x(), origin.y() + ascent, lines_[i]);
    }
}

}  // namespace quadrel
