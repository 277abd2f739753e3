#ifndef VEXMORA_TOF_SURFACE_H
#define VEXMORA_TOF_SURFACE_H

#include <QList>
#include <QPoint>
#include <QWidget>
#include <QtDataVisualization/QSurfaceDataProxy>

class QLabel;
class Q3DSurface;
class QSurface3DSeries;
class Ui_vexmora_tof_surface;

// The "3D" view: the frame as a surface whose height is the distance.
// Without an OpenGL context a notice stands in for the graph and every
// operation leaves it alone.
class vexmora_tof_surface : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_tof_surface(QWidget *parent = nullptr);
    ~vexmora_tof_surface() override;

    void changeArrangement(int index);
    void setYRange(int max);
    void updateMultipleDataPoints(const QList<QPoint> &points, const QList<double> &values);
    void updateDataPoint(int row, int col, double value);
    void update_master_points(int rows, int cols);
    void recreateSurfaceContainer();

    QList<QPoint> masterPoints;
    int maxRange = 4000;

    Q3DSurface *surfaceGraph() const { return graph; }
    const QSurfaceDataArray *surfaceData() const { return dataArray; }

private:
    void fillFlat(int rows, int cols);
    void styleGraph();
    void placeCamera();

    Ui_vexmora_tof_surface *ui = nullptr;
    QSurfaceDataArray *dataArray = nullptr;
    QSurface3DSeries *series = nullptr;
    Q3DSurface *graph = nullptr;
    QWidget *container = nullptr;
    QLabel *placeholder = nullptr;
};

#endif // VEXMORA_TOF_SURFACE_H
