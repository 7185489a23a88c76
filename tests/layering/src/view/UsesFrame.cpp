#include "view/Scene.h"
#include "frame/MainFrame.h"
