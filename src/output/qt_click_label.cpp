// The label's class is complete in its header; this file gives it its meta-object code.
#include "output/qt_click_label.h"
