#include "instruments/gl_check.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLWidget>

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

namespace GlCheck {

void deferSharedContext()
{
    // With a shared context already set, the web engine leaves it to us;
    // widgets share with it as with the one it would have made, and it
    // goes with the application object, as the engine's would.
    QGuiApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qt_gl_set_global_share_context(new QOpenGLContext);
    qAddPostRoutine([] {
        QOpenGLContext *shared = qt_gl_global_share_context();
        qt_gl_set_global_share_context(nullptr);
        delete shared;
    });
}

bool openGlAvailable()
{
    static const bool available = [] {
        // Made before the application object, it has no screen yet.
        if (QOpenGLContext *shared = qt_gl_global_share_context(); shared && !shared->isValid()) {
            shared->setScreen(QGuiApplication::primaryScreen());
            shared->create();
        }
        QOpenGLContext context;
        if (!context.create())
            return false;
        QOffscreenSurface surface;
        surface.setFormat(context.format());
        surface.create();
        if (!surface.isValid() || !context.makeCurrent(&surface))
            return false;
        context.doneCurrent();
        return true;
    }();
    return available;
}

void prepareWindowForContainer(QWidget *widget)
{
    QWidget *top = widget->window();
    const QString name = QStringLiteral("glCompositionAnchor");
    if (top->findChild<QOpenGLWidget *>(name, Qt::FindDirectChildrenOnly))
        return;
    // Made without a parent: the switch happens as a textured widget joins
    // the window.  It stays hidden, so it never makes a context of its own.
    auto *anchor = new QOpenGLWidget;
    anchor->setObjectName(name);
    anchor->setAttribute(Qt::WA_DontShowOnScreen);
    anchor->hide();
    anchor->setParent(top);
}

QLabel *placeNotice(QLayout *layout, QWidget *parent, const QString &text, const QString &objectName)
{
    auto *notice = new QLabel(text, parent);
    notice->setObjectName(objectName);
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    layout->addWidget(notice);
    notice->show();
    return notice;
}

} // namespace GlCheck
