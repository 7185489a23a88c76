#pragma once
// The program's own web address, shown in the About box and written into the
// reports it exports.

extern const char* const KLX_HOMEPAGE;
