// Paints the limits report over the report rectangle of the main window.
#pragma once

#include <QStringList>
#include <QWidget>

namespace quadrel {

class LimitsReportView : public QWidget {
public:
    explicit LimitsReportView(QWidget* parent);

    // The lines painted, top to bottom; empty while no report is shown.
    void SetLines(const QStringList& lines);
    const QStringList& Lines() const { return lines_; }

    // Where line `index` (0 = first) is painted: the left end of its text and
    // the top of its line, in the widget's pixels.
    QPoint LineOrigin(int index) const;
    // Pixels from one line's top to the next: the screen's pixels per inch
    // times 10 / 72, plus one.
    int LineHeight() const;
    // The font of line `index`: the report's, smaller where the line would
    // not fit the box.
    QFont LineFont(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont ReportFont() const;

    QStringList lines_;
};

}  // namespace quadrel
