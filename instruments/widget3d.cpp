#include "instruments/widget3d.h"

#include "instruments/coloured_cuboid_entity.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <Qt3DCore/QEntity>
#include <Qt3DCore/QTransform>
#include <Qt3DExtras/QForwardRenderer>
#include <Qt3DRender/QCamera>
#include <Qt3DRender/QPointLight>
#include <QtMath>

widget3D::widget3D(float width, float height, float depth)
    : Window3D(nullptr)
{
    setupScene(width, height, depth);
    if (camera)
        camera->setPosition(QVector3D(0, 0, -300));
}

widget3D::~widget3D() = default;

void widget3D::setupScene(float width, float height, float depth)
{
    rootEntity = new Qt3DCore::QEntity;
    camera = Window3D::camera();
    if (!camera)
        return;
    camera->setProjectionType(Qt3DRender::QCameraLens::PerspectiveProjection);
    camera->setViewCenter(QVector3D(0, 0, 0));
    camera->setUpVector(QVector3D(0, 1, 0));
    camera->setNearPlane(0.1f);
    camera->setFarPlane(2000.0f);

    auto *lightEntity = new Qt3DCore::QEntity(rootEntity);
    auto *light = new Qt3DRender::QPointLight(lightEntity);
    light->setColor(Qt::white);
    light->setIntensity(1.2f);
    auto *lightTransform = new Qt3DCore::QTransform(lightEntity);
    lightTransform->setTranslation(QVector3D(50, 50, -250));
    lightEntity->addComponent(light);
    lightEntity->addComponent(lightTransform);

    cuboid = new ColouredCuboidEntity(width, height, depth, rootEntity);
    setRootEntity(rootEntity);
    defaultFrameGraph()->setClearColor(QColor(0, 0, 0, 255));
    connect(cuboid->transform(), &Qt3DCore::QTransform::rotationChanged, this, &Window3D::requestFrame);
    connect(camera, &Qt3DRender::QCamera::viewMatrixChanged, this, &Window3D::requestFrame);
}

void widget3D::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        lastMousePos = event->position().toPoint();
        dragging = true;
        event->accept();
        return;
    }
    Window3D::mousePressEvent(event);
}

void widget3D::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging && (event->buttons() & Qt::RightButton)) {
        if (!cuboid || !cuboid->transform()) {
            dragging = false;
            event->ignore();
            return;
        }
        const QPoint p = event->position().toPoint();
        const int dx = p.x() - lastMousePos.x();
        const int dy = p.y() - lastMousePos.y();
        Qt3DCore::QTransform *t = cuboid->transform();
        const QQuaternion turn = QQuaternion::fromAxisAndAngle(QVector3D(0, 1, 0), 0.4f * dx)
                                 * QQuaternion::fromAxisAndAngle(QVector3D(1, 0, 0), 0.4f * dy);
        t->setRotation((turn * t->rotation()).normalized());
        lastMousePos = p;
        event->accept();
        return;
    }
    Window3D::mouseMoveEvent(event);
}

void widget3D::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragging && event->button() == Qt::RightButton) {
        dragging = false;
        event->accept();
        return;
    }
    Window3D::mouseReleaseEvent(event);
}

void widget3D::wheelEvent(QWheelEvent *event)
{
    if (!camera)
        return;
    float delta = 0;
    if (!event->pixelDelta().isNull())
        delta = -float(event->pixelDelta().y());
    else if (!event->angleDelta().isNull())
        delta = -float(event->angleDelta().y()) * 0.1f;
    if (qAbs(delta) <= 0.00001f) {
        event->ignore();
        return;
    }

    const QVector3D centre = camera->viewCenter();
    const QVector3D offset = camera->position() - centre;
    float distance = offset.length();
    QVector3D direction;
    if (distance <= 0.00001f) {
        direction = camera->viewVector().normalized();
        if (direction.isNull())
            direction = QVector3D(0, 0, -1);
        distance = 0.1f;
    } else {
        direction = offset.normalized();
    }
    float next = distance + 0.1f * (delta * 0.05f * distance);
    next = qMin(next, 0.9f * camera->farPlane());
    next = qMax(next, 2.0f * camera->nearPlane());
    camera->setPosition(centre + direction * next);
    event->accept();
}
