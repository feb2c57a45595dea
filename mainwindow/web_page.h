#pragma once

namespace tandem::mainwindow {

// The product's web page, opened by Help > Donate and the About box.
extern const char* const WebPageAddress;
// Where the README tells how to use the window, opened by F1.
extern const char* const HelpPageAddress;

} // namespace tandem::mainwindow
