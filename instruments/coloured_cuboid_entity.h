#ifndef COLOURED_CUBOID_ENTITY_H
#define COLOURED_CUBOID_ENTITY_H

#include <QColor>
#include <QQuaternion>
#include <QVector3D>
#include <Qt3DCore/QEntity>

namespace Qt3DCore {
class QTransform;
}

// A flat cuboid with six differently coloured faces, so any orientation
// can be told apart at a glance.
class ColouredCuboidEntity : public Qt3DCore::QEntity
{
    Q_OBJECT
public:
    ColouredCuboidEntity(float width, float height, float depth, Qt3DCore::QNode *parent = nullptr);

    void createCuboidFaces(float width, float height, float depth);
    Qt3DCore::QTransform *transform() const { return m_transform; }

private:
    Qt3DCore::QTransform *m_transform = nullptr;
    QColor m_red;
    QColor m_yellow;
    QColor m_green;
    QColor m_blue;
    QColor m_cyan;
    QColor m_magenta;
};

// One face: a plane mesh (flat in its X-Z plane, facing +Y) placed and
// turned into position.
Qt3DCore::QEntity *createFace(Qt3DCore::QNode *parent, float width, float height, const QColor &colour,
                              const QVector3D &position, const QQuaternion &rotation);

#endif // COLOURED_CUBOID_ENTITY_H
