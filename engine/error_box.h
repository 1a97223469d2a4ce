// How the build engine shows a failure. Each program links in its own definition: a stop-icon message
// box captioned "Error" in the dialog program, standard error in orvtool, a recorder in the tests.
// It returns only once the user has seen the text; the engine closes its files after that.
#ifndef ORV_ENGINE_ERROR_BOX_H_
#define ORV_ENGINE_ERROR_BOX_H_

#include <string>

void ShowErrorBox(const std::string& text);

#endif  // ORV_ENGINE_ERROR_BOX_H_
