#ifndef GL_CHECK_H
#define GL_CHECK_H

class QLabel;
class QLayout;
class QString;
class QWidget;

// OpenGL for the views that need it: the 3D views, the oscilloscope's
// series and the web views.  Without a GPU, making the first GL context
// loads a software driver of some 50 MB, so the program makes it only when
// the first such view is shown.
namespace GlCheck {

// Before the application object exists: the shared context that the web
// engine would make at start-up is set up unmade, for openGlAvailable() to
// make on first use.
void deferSharedContext();

// Whether this process can create an OpenGL context; the first call makes
// the deferred shared context.  Every GL user calls it before it makes its
// view: Qt's 3D widgets end the program without GL instead of failing.
// Checked once and remembered.
bool openGlAvailable();

// Call before a GL window is put into `widget`'s window through a window
// container.  The first GL-textured widget in a window (a web view, the
// chart's GL series) makes Qt remake the window's native window, and the
// windows held by containers, its children, go with the old one: the
// container is left empty and the next layout of the tab bar crashes.  So
// the window is switched to GL composition once, before any container.
void prepareWindowForContainer(QWidget *widget);

// A centred, wrapped notice put in `layout`, shown, in place of a view that
// cannot be made here.
QLabel *placeNotice(QLayout *layout, QWidget *parent, const QString &text, const QString &objectName);

} // namespace GlCheck

#endif // GL_CHECK_H
