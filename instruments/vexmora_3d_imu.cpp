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
    setLayout(layout);
}

// A GL window in the main window puts all of its painting through GL, which
// without a GPU driver costs every other tab dearly: the 3D window is made
// the first time the view is shown, turned to the last orientation received.
void vexmora_3d_imu::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (view || notice)
        return;
    if (!GlCheck::openGlAvailable()) {
        notice = GlCheck::placeNotice(layout, this, tr("The 3D view needs OpenGL, which is not available here."),
                                      QStringLiteral("imu3dNotice"));
        return;
    }
    GlCheck::prepareWindowForContainer(this);
    view = new widget3D(50, 100, 20);
    QWidget *container = QWidget::createWindowContainer(view);
    container->setObjectName(QStringLiteral("imu3dContainer"));
    layout->addWidget(container, 0, 0);
    if (pendingRotation && view->getCuboidEntity())
        view->getCuboidEntity()->transform()->setRotation(*pendingRotation);
    pendingRotation.reset();
}

vexmora_3d_imu::~vexmora_3d_imu() = default;

void vexmora_3d_imu::Set_Value(double w, double x, double y, double z)
{
    if (notice || (view && !view->getCuboidEntity()))
        return;
    const QQuaternion raw{float(w), float(x), float(y), float(z)};
    // A zero or overflowing quaternion normalises to nothing and the cuboid
    // would vanish: keep the last orientation instead.
    const float length = raw.length();
    if (!std::isfinite(length) || qFuzzyIsNull(length))
        return;
    const QQuaternion q = raw.normalized();
    const QQuaternion r = QQuaternion::fromAxisAndAngle(QVector3D(1, 0, 0), -90);
    if (view)
        view->getCuboidEntity()->transform()->setRotation(r * q);
    else
        pendingRotation = r * q;
}
