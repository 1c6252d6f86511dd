// The runtime's core knows no window system.
#include <QWidget>
