// A chart view that zooms the time axis with the mouse wheel around the
// pointer, and into any rectangle drawn with the left mouse button.
#pragma once

#include <QChartView>

namespace shell {

class ZoomChartView : public QChartView {
    Q_OBJECT
  public:
    explicit ZoomChartView(QChart* chart, QWidget* parent = nullptr);

    // Zooms the time axis by factor (above 1: in) around the x position.
    void zoomTimeAt(double x, double factor);

  protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace shell
