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

// The "3D" view: the frame as a surface whose height is the distance.  The
// graph is made when the view is first shown; without an OpenGL context a
// notice stands in for it and only the data is kept.
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

protected:
    void showEvent(QShowEvent *event) override;

private:
    void makeGraph();
    void fillFlat(int rows, int cols);
    void styleGraph();
    void placeCamera();

    Ui_vexmora_tof_surface *ui = nullptr;
    QSurfaceDataArray *dataArray = nullptr;
    QSurface3DSeries *series = nullptr;
    Q3DSurface *graph = nullptr;
    QWidget *container = nullptr;
    QLabel *placeholder = nullptr;
    // What the graph shows when it is made: the first view's axis titles
    // until an arrangement is chosen, and the Y range.
    bool arranged = false;
    int yAxisMax = 8000;
};

#endif // VEXMORA_TOF_SURFACE_H
