// The OpenGL contexts of the graphics window: one on the window, one on the
// canvas, both made and used on the program's thread.
#pragma once

namespace lumenbox {

// Makes both contexts and makes the canvas's current; GraphStatus -9 and
// GLReady false when either cannot be made. Leaves the floating-point
// environment as it found it.
void AttachOpenGL();
// Gives up the current context and deletes both; GLReady becomes false.
void ReleaseOpenGL();

}  // namespace lumenbox
