#ifndef WIDGET3D_H
#define WIDGET3D_H

#include <QPoint>
#include "instruments/window_3d.h"

namespace Qt3DCore {
class QEntity;
}
namespace Qt3DRender {
class QCamera;
}
class ColouredCuboidEntity;

// The IMU tab's 3D window: camera, light and the coloured cuboid; a
// right-button drag turns the cuboid, the wheel moves the camera.  It is
// drawn again when the cuboid turns or the camera moves.
class widget3D : public Window3D
{
    Q_OBJECT
public:
    widget3D(float width, float height, float depth);
    ~widget3D() override;

    void setupScene(float width, float height, float depth);
    ColouredCuboidEntity *getCuboidEntity() const { return cuboid; }
    Qt3DRender::QCamera *sceneCamera() const { return camera; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    Qt3DCore::QEntity *rootEntity = nullptr;
    Qt3DRender::QCamera *camera = nullptr;
    ColouredCuboidEntity *cuboid = nullptr;
    QPoint lastMousePos;
    bool dragging = false;
};

#endif // WIDGET3D_H
