#pragma once
// The window system can take a window away without asking (an X client
// destroying it): no close request reaches the widget, the window is simply
// gone. This reports that, so the game can treat it as a close.
#include <QWidget>
#include <functional>

// Calls `gone` from the event loop once the widget's native window has been
// destroyed by someone else. The widget's own destruction does not count.
void OnNativeWindowDestroyed(QWidget& widget, std::function<void()> gone);

// A Wayland compositor cannot take a window away, but its connection can
// close or break, and then Qt ends the program at once. This calls `last`
// on the GUI thread first, once: nothing can be shown or asked any more, so
// it may only keep what must not be lost. The program ends when it returns.
void OnDisplayLost(std::function<void()> last);
