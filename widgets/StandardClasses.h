// The widget layer's own classes, put into the class registry on its first
// use, so that a program linking the static library always finds them
// (static registrars in unreferenced objects would be dropped by the linker).
#pragma once

void RegisterStandardClasses();
