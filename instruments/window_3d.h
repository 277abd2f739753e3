#ifndef WINDOW_3D_H
#define WINDOW_3D_H

#include <QWindow>

namespace Qt3DCore {
class QAspectEngine;
class QEntity;
}
namespace Qt3DRender {
class QCamera;
class QRenderSettings;
}
namespace Qt3DExtras {
class QForwardRenderer;
}

// A Qt 3D window that draws a frame only when asked to: when it is
// exposed or resized, or when its owner changed the scene (requestFrame).
// The stock 3D window runs its engine at the display rate for as long as
// it exists, shown or not.
class Window3D : public QWindow
{
    Q_OBJECT
public:
    explicit Window3D(QWindow *parent = nullptr);
    ~Window3D() override;

    // The scene under the window's own root, which holds the settings.
    void setRootEntity(Qt3DCore::QEntity *root);
    Qt3DRender::QCamera *camera() const { return defaultCamera; }
    Qt3DExtras::QForwardRenderer *defaultFrameGraph() const { return forwardRenderer; }
    Qt3DRender::QRenderSettings *renderSettings() const { return settings; }

    // Draws the scene again soon; many requests before then make one.
    void requestFrame();

protected:
    bool event(QEvent *event) override;
    void exposeEvent(QExposeEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void start();

    Qt3DCore::QAspectEngine *engine = nullptr;
    Qt3DCore::QEntity *root = nullptr;
    Qt3DRender::QRenderSettings *settings = nullptr;
    Qt3DExtras::QForwardRenderer *forwardRenderer = nullptr;
    Qt3DRender::QCamera *defaultCamera = nullptr;
    // Frames still to draw for the last request.
    int framesOwed = 0;
    bool started = false;
};

#endif // WINDOW_3D_H
