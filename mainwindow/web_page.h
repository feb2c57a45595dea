#pragma once

namespace tandem::mainwindow {

// The product's web page, opened by Help > Donate and the About box.
extern const char* const WebPageAddress;

} // namespace tandem::mainwindow
