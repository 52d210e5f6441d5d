// Not built: the room check's own test reads it. A control that reaches up
// into the application, beside includes it may make.
#include "widgets/window.h"
#include "base/exceptions.h"
#include "app/application.h"
#  include  "pages/option_page.h"

#include <windows.h>
