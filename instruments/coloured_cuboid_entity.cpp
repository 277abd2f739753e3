#include "instruments/coloured_cuboid_entity.h"

#include <Qt3DCore/QTransform>
#include <Qt3DExtras/QPhongMaterial>
#include <Qt3DExtras/QPlaneMesh>

Qt3DCore::QEntity *createFace(Qt3DCore::QNode *parent, float width, float height, const QColor &colour,
                              const QVector3D &position, const QQuaternion &rotation)
{
    auto *face = new Qt3DCore::QEntity(parent);
    auto *mesh = new Qt3DExtras::QPlaneMesh;
    mesh->setWidth(width);
    mesh->setHeight(height);
    auto *material = new Qt3DExtras::QPhongMaterial;
    material->setDiffuse(colour);
    material->setAmbient(QColor::fromRgbF(0.1f, 0.1f, 0.1f, 1.0f));
    material->setShininess(20);
    auto *transform = new Qt3DCore::QTransform;
    transform->setTranslation(position);
    transform->setRotation(rotation);
    face->addComponent(mesh);
    face->addComponent(material);
    face->addComponent(transform);
    return face;
}

ColouredCuboidEntity::ColouredCuboidEntity(float width, float height, float depth, Qt3DCore::QNode *parent)
    : Qt3DCore::QEntity(parent)
    , m_red(Qt::red)
    , m_yellow(Qt::yellow)
    , m_green(Qt::green)
    , m_blue(Qt::blue)
    , m_cyan(Qt::cyan)
    , m_magenta(Qt::magenta)
{
    m_transform = new Qt3DCore::QTransform;
    addComponent(m_transform);
    m_transform->setRotation(QQuaternion::fromAxisAndAngle(QVector3D(0, 1, 0), 90));
    createCuboidFaces(width, height, depth);
}

void ColouredCuboidEntity::createCuboidFaces(float w, float h, float d)
{
    const auto turn = [](float x, float y, float z, float angle) {
        return QQuaternion::fromAxisAndAngle(QVector3D(x, y, z), angle);
    };
    createFace(this, w, h, m_red, QVector3D(0, 0, d / 2), turn(1, 0, 0, 90));
    createFace(this, w, h, m_yellow, QVector3D(0, 0, -d / 2), turn(1, 0, 0, -90));
    createFace(this, d, h, m_green, QVector3D(-w / 2, 0, 0), turn(1, -1, -1, -120));
    createFace(this, d, h, m_blue, QVector3D(w / 2, 0, 0), turn(1, 1, 1, 240));
    createFace(this, w, d, m_cyan, QVector3D(0, h / 2, 0), QQuaternion());
    createFace(this, w, d, m_magenta, QVector3D(0, -h / 2, 0), turn(1, 0, 0, 180));
}
