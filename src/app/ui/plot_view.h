#pragma once
// One picture of a record-editing dialog: the series of a ui::Plot drawn over axes with round-numbered
// ticks, the axis labels, the title and a legend.
#include <QWidget>

#include "platform/interaction/record_editor.h"

class PlotView : public QWidget {
    Q_OBJECT
public:
    explicit PlotView(QWidget* parent = nullptr);

    void setPlot(ui::Plot plot);
    const ui::Plot& plot() const { return m_plot; }

    QSize sizeHint() const override { return {480, 320}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::Plot m_plot;
};
