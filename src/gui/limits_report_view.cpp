#include "gui/limits_report_view.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace quadrel {

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

QPoint LimitsReportView::LineOrigin(int index) const {
    const QFontMetrics metrics(ReportFont(), this);
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
    painter.setFont(ReportFont());
    const int ascent = QFontMetrics(ReportFont(), this).ascent();
    for (int i = 0; i < lines_.size(); ++i) {
        const QPoint origin = LineOrigin(i);
        painter.drawText(origin.x(), origin.y() + ascent, lines_[i]);
    }
}

}  // namespace quadrel
