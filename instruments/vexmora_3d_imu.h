#ifndef VEXMORA_3D_IMU_H
#define VEXMORA_3D_IMU_H

#include <QQuaternion>
#include <QWidget>
#include <optional>

class QGridLayout;
class QLabel;
class widget3D;

// The IMU tab's view: a coloured cuboid in a 3D window, turned to the
// quaternions the board sends.  The 3D window is made when the view is
// first shown; without OpenGL it cannot be made at all, so a notice takes
// its place.
class vexmora_3d_imu : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_3d_imu(QWidget *parent = nullptr);
    ~vexmora_3d_imu() override;

    void Set_Value(double w, double x, double y, double z);

    QGridLayout *layout = nullptr;
    // Null until first shown, and when there is no OpenGL (the notice is
    // shown instead).
    widget3D *view = nullptr;
    QLabel *notice = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The orientation received before the window was made.
    std::optional<QQuaternion> pendingRotation;
};

#endif // VEXMORA_3D_IMU_H
