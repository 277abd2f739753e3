#include "instruments/gl_check.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

namespace GlCheck {

bool openGlAvailable()
{
    static const bool available = [] {
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

} // namespace GlCheck
