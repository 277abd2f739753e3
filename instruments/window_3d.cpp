#include "instruments/window_3d.h"

#include <QEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <Qt3DCore/QAspectEngine>
#include <Qt3DCore/QEntity>
#include <Qt3DExtras/QForwardRenderer>
#include <Qt3DRender/QCamera>
#include <Qt3DRender/QRenderAspect>
#include <Qt3DRender/QRenderSettings>

namespace {
// A change made now is drawn by the next frame; the first frames after the
// start load the meshes and shaders, and three draw the scene.
constexpr int kFramesPerRequest = 3;
}

Window3D::Window3D(QWindow *parent)
    : QWindow(parent)
    , engine(new Qt3DCore::QAspectEngine(this))
    , root(new Qt3DCore::QEntity)
    , settings(new Qt3DRender::QRenderSettings)
    , forwardRenderer(new Qt3DExtras::QForwardRenderer)
    , defaultCamera(new Qt3DRender::QCamera)
{
    // The renderer makes its context from the default format and writes
    // its shaders for that format's version: the stock window's format.
    setSurfaceType(QSurface::OpenGLSurface);
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    if (QOpenGLContext::openGLModuleType() == QOpenGLContext::LibGL) {
        format.setVersion(4, 3);
        format.setProfile(QSurfaceFormat::CoreProfile);
    }
    format.setDepthBufferSize(24);
    format.setSamples(4);
    format.setStencilBufferSize(8);
    setFormat(format);
    QSurfaceFormat::setDefaultFormat(format);
    resize(1024, 768);

    // Frames are drawn here, on request, in this thread.
    engine->setRunMode(Qt3DCore::QAspectEngine::Manual);
    engine->registerAspect(new Qt3DRender::QRenderAspect(Qt3DRender::QRenderAspect::Automatic));

    defaultCamera->setParent(forwardRenderer);
    forwardRenderer->setCamera(defaultCamera);
    forwardRenderer->setSurface(this);
    settings->setActiveFrameGraph(forwardRenderer);
    // Every frame asked for is drawn: an expose needs the picture again
    // though nothing in the scene changed.
    settings->setRenderPolicy(Qt3DRender::QRenderSettings::Always);
    root->addComponent(settings);
}

Window3D::~Window3D()
{
    // Once started, the engine owns the scene and frees it as it lets go.
    if (started)
        engine->setRootEntity(Qt3DCore::QEntityPtr());
    else
        delete root;
}

void Window3D::setRootEntity(Qt3DCore::QEntity *scene)
{
    scene->setParent(root);
    requestFrame();
}

void Window3D::start()
{
    if (started)
        return;
    started = true;
    engine->setRootEntity(Qt3DCore::QEntityPtr(root));
}

void Window3D::requestFrame()
{
    framesOwed = kFramesPerRequest;
    if (isExposed())
        requestUpdate();
}

bool Window3D::event(QEvent *event)
{
    if (event->type() == QEvent::UpdateRequest) {
        if (isExposed() && framesOwed > 0) {
            start();
            --framesOwed;
            engine->processFrame();
            if (framesOwed > 0)
                requestUpdate();
        }
        return true;
    }
    return QWindow::event(event);
}

void Window3D::exposeEvent(QExposeEvent *event)
{
    QWindow::exposeEvent(event);
    if (isExposed())
        requestFrame();
}

void Window3D::resizeEvent(QResizeEvent *event)
{
    QWindow::resizeEvent(event);
    defaultCamera->setAspectRatio(float(width()) / std::max(1.f, float(height())));
    requestFrame();
}
