#include "instruments/vexmora_3d_imu.h"

#include "instruments/coloured_cuboid_entity.h"
#include "instruments/gl_check.h"
#include "instruments/widget3d.h"

#include <QGridLayout>
#include <QLabel>
#include <Qt3DCore/QTransform>
#include <cmath>

vexmora_3d_imu::vexmora_3d_imu(QWidget *parent)
    : QWidget(parent)
{
    layout = new QGridLayout(this);
    if (GlCheck::openGlAvailable()) {
        view = new widget3D(50, 100, 20);
        QWidget *container = QWidget::createWindowContainer(view);
        container->setObjectName(QStringLiteral("imu3dContainer"));
        layout->addWidget(container, 0, 0);
    } else {
        notice = new QLabel(tr("The 3D view needs OpenGL, which is not available here."), this);
        notice->setObjectName(QStringLiteral("imu3dNotice"));
        notice->setAlignment(Qt::AlignCenter);
        notice->setWordWrap(true);
        layout->addWidget(notice, 0, 0);
    }
    setLayout(layout);
}

vexmora_3d_imu::~vexmora_3d_imu() = default;

void vexmora_3d_imu::Set_Value(double w, double x, double y, double z)
{
    if (!view || !view->getCuboidEntity())
        return;
    const QQuaternion raw{float(w), float(x), float(y), float(z)};
    // A zero or overflowing quaternion normalises to nothing and the cuboid
    // would vanish: keep the last orientation instead.
    const float length = raw.length();
    if (!std::isfinite(length) || qFuzzyIsNull(length))
        return;
    const QQuaternion q = raw.normalized();
    const QQuaternion r = QQuaternion::fromAxisAndAngle(QVector3D(1, 0, 0), -90);
    view->getCuboidEntity()->transform()->setRotation(r * q);
}
