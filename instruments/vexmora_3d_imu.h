#ifndef VEXMORA_3D_IMU_H
#define VEXMORA_3D_IMU_H

#include <QWidget>

class QGridLayout;
class QLabel;
class widget3D;

// The IMU tab's view: a coloured cuboid in a 3D window, turned to the
// quaternions the board sends.  Without OpenGL the 3D window cannot be
// made at all, so a notice takes its place.
class vexmora_3d_imu : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_3d_imu(QWidget *parent = nullptr);
    ~vexmora_3d_imu() override;

    void Set_Value(double w, double x, double y, double z);

    QGridLayout *layout = nullptr;
    // Null when there is no OpenGL; the notice is shown instead.
    widget3D *view = nullptr;
    QLabel *notice = nullptr;
};

#endif // VEXMORA_3D_IMU_H
