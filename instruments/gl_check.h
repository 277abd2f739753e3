#ifndef GL_CHECK_H
#define GL_CHECK_H

// Whether this process can create an OpenGL context.  The 3D views need one:
// without it Qt's 3D widgets end the program instead of failing.  Checked
// once and remembered.
namespace GlCheck {
bool openGlAvailable();
}

#endif // GL_CHECK_H
