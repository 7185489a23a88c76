#include "model/ProgramInfo.h"

const char* const KLX_HOMEPAGE = "https://tarvo.example/klx";
